// The yardstick of the start-up benchmark: a bare Qt window with as many plain widgets as
// Tincta's main window and its size, built like Tincta but linked with Qt Widgets alone.
//
//   barewindow WIDGETS WIDTH HEIGHT

#include "gui/platform/firstframeprobe.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QMainWindow>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const auto argument = [&](int index, int fallback) {
        return argc > index ? QString::fromLocal8Bit(argv[index]).toInt() : fallback;
    };
    const int widgetCount = argument(1, 1);
    QMainWindow window;
    auto* central = new QWidget(&window);
    auto* grid = new QGridLayout(central);
    for (int i = 0; i < widgetCount; ++i)
        grid->addWidget(new QLabel(QString::number(i), central), i / 8, i % 8);
    window.setCentralWidget(central);
    window.resize(argument(2, 400), argument(3, 300));
    tincta::reportFirstFrameWhenAsked(&window);
    window.show();
    return app.exec();
}
