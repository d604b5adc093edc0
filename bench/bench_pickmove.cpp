// Measures one pointer move of a pick drag on the real screen: the read of the one pixel under
// the pointer with the preview, as a move cost before the loupe, against the move with the loupe
// (a 15 x 15 read, magnified and painted), alternating in one run. Run it on an X11 display.

#include "editing/loupe.h"
#include "gui/platform/screenpixel.h"
#include "gui/widgets/colourbox.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

using namespace tincta;
using Clock = std::chrono::steady_clock;

namespace {

constexpr int moves = 3000;

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

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QtScreenPixelReader reader;
    ColourBox preview;
    preview.resize(200, 60);
    preview.show();
    Loupe loupe(nullptr);

    std::vector<double> bare;
    std::vector<double> withLoupe;
    for (int move = 0; move < moves; ++move) {
        const QPointF pointer = pointerAt(move, screen);
        bare.push_back(timed([&] {
            preview.setColour(pack(pickColourFromRead(reader.pixelAt(pointer))));
            preview.repaint();
        }));
        withLoupe.push_back(timed([&] {
            const ScreenArea area = reader.areaAround(pointer, Loupe::radius);
            const Colour colour = pickColourFromRead(area.middle());
            preview.setColour(pack(colour));
            preview.repaint();
            loupe.showArea(area, colour, pointer);
            loupe.repaint();
        }));
        QCoreApplication::processEvents();
    }
    const Figures before = figures(bare);
    const Figures after = figures(withLoupe);
    std::printf("pointer move, pixel and preview only:  median %.3f ms, 99th percentile %.3f ms\n",
                before.median, before.percentile99);
    std::printf("pointer move with the loupe:           median %.3f ms, 99th percentile %.3f ms\n",
                after.median, after.percentile99);
    return 0;
}
