// The yardstick of the start-up benchmark: a bare Qt window with as many plain widgets as
// Tincta's main window shows, built and linked like Tincta but with Qt Widgets alone.
//
//   barewindow WIDGETS

#include "gui/platform/firstframeprobe.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QMainWindow>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const int widgetCount = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 1;
    QMainWindow window;
    auto* central = new QWidget(&window);
    auto* grid = new QGridLayout(central);
    for (int i = 0; i < widgetCount; ++i)
        grid->addWidget(new QLabel(QString::number(i), central), i / 8, i % 8);
    window.setCentralWidget(central);
    tincta::reportFirstFrameWhenAsked(&window);
    window.show();
    return app.exec();
}
