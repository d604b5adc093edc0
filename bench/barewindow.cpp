// The yardsticks of the start-up benchmark, built like Tincta but linked with Qt Widgets alone:
// a bare Qt window with as many plain widgets as Tincta's main window and its size, or a bare
// still image of the screen shown full screen, as a pick from the command line shows one.
//
//   barewindow WIDGETS WIDTH HEIGHT
//   barewindow --still

#include "gui/platform/firstframeprobe.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QMainWindow>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <cstring>

namespace {

class StillScreen final : public QWidget {
public:
    StillScreen() : m_pixels(QGuiApplication::primaryScreen()->grabWindow(0)) {
        setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
        setAttribute(Qt::WA_OpaquePaintEvent);
        setGeometry(QGuiApplication::primaryScreen()->geometry());
    }

protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).drawPixmap(0, 0, m_pixels); }

private:
    QPixmap m_pixels;
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc > 1 && std::strcmp(argv[1], "--still") == 0) {
        StillScreen still;
        tincta::reportFirstFrameWhenAsked(&still);
        still.show();
        return app.exec();
    }
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
