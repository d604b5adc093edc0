// Measures one pointer move of a pick with the loupe on the real screen, alternating in one run:
// the way picks worked before, with a read of the 15 x 15 pixels around the pointer from the
// display server on every move, against the move that copies them from the still image taken
// once when the pick starts. Both magnify, average and paint the same. Run it on an X11 display.

#include "editing/loupe.h"
#include "gui/platform/screenpixel.h"
#include "gui/widgets/colourbox.h"

#include <QApplication>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QtMath>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

using namespace tincta;
using Clock = std::chrono::steady_clock;

namespace {

constexpr int moves = 3000;
constexpr int sampleSize = 5;

struct Figures {
    double median;
    double percentile99;
};

Figures figures(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return {values[values.size() / 2], values[values.size() * 99 / 100]};
}

// A pointer path across the screen, one new position per move.
QPointF pointerAt(int move, const QRect& screen) {
    return QPointF(screen.left() + 40 + (move * 7) % (screen.width() - 80),
                   screen.top() + 40 + (move * 3) % (screen.height() - 80));
}

double timed(const std::function<void()>& move) {
    const auto start = Clock::now();
    move();
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// The area as a live read gives it: one small grab of the primary screen per move.
ScreenArea liveArea(QScreen* screen, QPointF pointer) {
    const int side = 2 * Loupe::radius + 1;
    const QPoint at(qFloor(pointer.x()), qFloor(pointer.y()));
    ScreenArea area{
        screen->grabWindow(0, at.x() - Loupe::radius, at.y() - Loupe::radius, side, side)
            .toImage()
            .convertToFormat(QImage::Format_ARGB32),
        at, QPointF(at) + QPointF(0.5, 0.5), 1};
    area.pixels.setDevicePixelRatio(1);
    return area;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QScreen* primary = QGuiApplication::primaryScreen();
    const QRect screen = primary->geometry();
    ColourBox preview;
    preview.resize(200, 60);
    preview.show();
    Loupe loupe(nullptr);
    loupe.setSampleSize(sampleSize);
    const auto show = [&](const ScreenArea& area, QPointF pointer) {
        const Colour colour = pickColourFromArea(area, sampleSize);
        preview.setColour(pack(colour));
        preview.repaint();
        loupe.showArea(area, colour, pointer);
        loupe.repaint();
    };

    const auto grabStart = Clock::now();
    QtScreenPixelReader reader;
    const ScreenShot shot = reader.grab();
    const double grabMs =
        std::chrono::duration<double, std::milli>(Clock::now() - grabStart).count();

    std::vector<double> live;
    std::vector<double> still;
    for (int move = 0; move < moves; ++move) {
        const QPointF pointer = pointerAt(move, screen);
        live.push_back(timed([&] { show(liveArea(primary, pointer), pointer); }));
        still.push_back(timed([&] { show(shot.areaAround(pointer, Loupe::radius), pointer); }));
        QCoreApplication::processEvents();
    }
    const Figures before = figures(live);
    const Figures after = figures(still);
    std::printf("pointer move with the loupe, screen read per move:  median %.3f ms, "
                "99th percentile %.3f ms\n",
                before.median, before.percentile99);
    std::printf("pointer move with the loupe, from the still image:  median %.3f ms, "
                "99th percentile %.3f ms\n",
                after.median, after.percentile99);
    std::printf("still image of every screen, once a pick:          %.3f ms\n", grabMs);
    return 0;
}
