// The loupe of a pick drag, drawn from a synthetic screen, and the arrow keys that move the pick
// point one device pixel at a time.

#include "mainwindowfixture.h"

#include "editing/loupe.h"
#include "gui/platform/screenpixel.h"
#include "gui/widgets/colourbox.h"

#include <QMouseEvent>
#include <QPainter>
#include <QtMath>

using namespace tincta;
using namespace tincta::test;

namespace {

constexpr int pictureSide = 40;

// Every device pixel of the screen a colour of its own.
QColor screenColour(QPoint device) {
    return QColor(device.x() * 6, device.y() * 6, 50);
}

QImage syntheticScreen() {
    QImage picture(pictureSide, pictureSide, QImage::Format_RGB32);
    for (int y = 0; y < pictureSide; ++y) {
        for (int x = 0; x < pictureSide; ++x)
            picture.setPixelColor(x, y, screenColour(QPoint(x, y)));
    }
    return picture;
}

// The synthetic screen as a still image, at the given scale.
ScreenShot syntheticShot(qreal ratio = 1) {
    ScriptedScreen screen;
    screen.picture = syntheticScreen();
    screen.ratio = ratio;
    return screen.grab();
}

QString hexOf(const QColor& colour) {
    return colour.name(QColor::HexRgb).toUpper();
}

// The loupe as a screen of the given scale shows it.
QImage rendered(Loupe& loupe, qreal ratio) {
    QImage shot((QSizeF(loupe.size()) * ratio).toSize(), QImage::Format_ARGB32);
    shot.setDevicePixelRatio(ratio);
    shot.fill(Qt::transparent);
    loupe.render(&shot);
    return shot;
}

// The middle of the magnified cell that shows the pixel `offset` away from the pick pixel.
QColor cellColour(const Loupe& loupe, const QImage& shot, QPoint offset) {
    const QPoint cell = loupe.magnifiedRect().topLeft() +
                        (offset + QPoint(Loupe::radius, Loupe::radius)) * Loupe::zoom +
                        QPoint(Loupe::zoom / 2, Loupe::zoom / 2);
    return shot.pixelColor((QPointF(cell) * shot.devicePixelRatio()).toPoint());
}

// Whether anything is written below the magnified pixels, in a colour that stands out.
bool showsText(const Loupe& loupe, const QImage& shot) {
    const int background = loupe.palette().color(QPalette::Window).lightness();
    const qreal ratio = shot.devicePixelRatio();
    for (int y = qCeil((loupe.magnifiedRect().bottom() + 2) * ratio); y < shot.height() - 2; ++y) {
        for (int x = 2; x < shot.width() - 2; ++x) {
            if (qAbs(shot.pixelColor(x, y).lightness() - background) > 100)
                return true;
        }
    }
    return false;
}

struct NudgeFixture : MainWindowFixture {
    NudgeFixture() {
        scripted.screen.picture = syntheticScreen();
        QTest::keyClick(window.get(), Qt::Key_F7);
    }
    ColourBox* sample() const { return ui().picSample[0]; }
    Loupe* loupe() const { return find<Loupe>(QStringLiteral("loupe")); }
    void press() {
        QTest::mousePress(sample(), Qt::LeftButton, {}, QPoint(5, 5));
        // The press came with a move through the window, whose position would otherwise refine
        // the next synthetic move.
        moveTo(QPointF(39, 39));
    }
    void release() { QTest::mouseRelease(sample(), Qt::LeftButton, {}, QPoint(5, 5)); }
    void moveTo(QPointF global) {
        QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), global, Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QCoreApplication::sendEvent(sample(), &move);
    }
    void arrow(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(window.get(), key, modifiers);
    }
    PackedColour preview() const { return ui().picPick->colour(); }
};

PackedColour packed(const QColor& colour) {
    return pack(colour.red(), colour.green(), colour.blue());
}

} // namespace

class TestLoupe : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void showsTheMagnifiedArea_data();
    void showsTheMagnifiedArea();
    void areaAtTheScreenEdgeShowsNothingBeyondIt();
    void redrawsWhatItKeepsWhenItChanges_data();
    void redrawsWhatItKeepsWhenItChanges();
    void placementKeepsTheLoupeOnTheScreen_data();
    void placementKeepsTheLoupeOnTheScreen();
    void arrowsMoveThePickPointOneDevicePixel_data();
    void arrowsMoveThePickPointOneDevicePixel();
    void loupeFollowsTheDragAndClosesWithIt();
};

void TestLoupe::showsTheMagnifiedArea_data() {
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<QPointF>("pointer");
    QTest::addColumn<QPoint>("device");
    QTest::newRow("scale 1") << 1.0 << QPointF(20.5, 17.2) << QPoint(20, 17);
    QTest::newRow("scale 1.5") << 1.5 << QPointF(12.1, 11.9) << QPoint(18, 17);
    // Half a device-independent pixel is one device pixel.
    QTest::newRow("scale 2") << 2.0 << QPointF(10.75, 8.25) << QPoint(21, 16);
}

void TestLoupe::showsTheMagnifiedArea() {
    QFETCH(qreal, ratio);
    QFETCH(QPointF, pointer);
    QFETCH(QPoint, device);
    const ScreenArea area = syntheticShot(ratio).areaAround(pointer, Loupe::radius);
    QCOMPARE(area.devicePosition, device);
    QCOMPARE(area.middle(), packed(screenColour(device)));

    Loupe loupe(nullptr);
    loupe.showArea(area, pickColourFromRead(area.middle()), pointer);
    QCOMPARE(loupe.colourText(), hexOf(screenColour(device)));
    QCOMPARE(loupe.positionText(), QStringLiteral("%1, %2").arg(device.x()).arg(device.y()));
    const QImage shot = rendered(loupe, ratio);
    for (const QPoint offset :
         {QPoint(0, 0), QPoint(1, 0), QPoint(0, -1), QPoint(-7, -7), QPoint(7, 7), QPoint(-3, 5)}) {
        QCOMPARE(cellColour(loupe, shot, offset), screenColour(device + offset));
    }
    QVERIFY2(showsText(loupe, shot), "the loupe's text cannot be seen");
    // The pick pixel is framed twice, in the theme's two contrasting colours.
    if (ratio == 1) {
        const QPoint cell =
            loupe.magnifiedRect().topLeft() + QPoint(Loupe::radius, Loupe::radius) * Loupe::zoom;
        QCOMPARE(shot.pixelColor(cell - QPoint(1, 1)), loupe.palette().color(QPalette::Window));
        QCOMPARE(shot.pixelColor(cell - QPoint(2, 2)), loupe.palette().color(QPalette::WindowText));
    }
}

void TestLoupe::areaAtTheScreenEdgeShowsNothingBeyondIt() {
    const ScreenShot screen = syntheticShot();
    const ScreenArea corner = screen.areaAround(QPointF(0.5, 0.5), Loupe::radius);
    QCOMPARE(corner.middle(), packed(screenColour(QPoint(0, 0))));
    QCOMPARE(corner.pixels.pixelColor(0, 0).alpha(), 0);
    QCOMPARE(corner.pixels.pixelColor(Loupe::radius + 1, Loupe::radius + 1),
             screenColour(QPoint(1, 1)));
    Loupe loupe(nullptr);
    loupe.showArea(corner, pickColourFromRead(corner.middle()), QPointF(0.5, 0.5));
    const QImage shot = rendered(loupe, 1);
    QCOMPARE(cellColour(loupe, shot, QPoint(-1, -1)), loupe.palette().color(QPalette::Window));
    QCOMPARE(cellColour(loupe, shot, QPoint(1, 1)), screenColour(QPoint(1, 1)));

    const ScreenArea off = screen.areaAround(QPointF(-20, -20), Loupe::radius);
    QVERIFY(!off.middle().has_value());
    loupe.showArea(off, pickColourFromRead(off.middle()), QPointF(-20, -20));
    QCOMPARE(loupe.colourText(), QStringLiteral("#FF0000"));
}

void TestLoupe::redrawsWhatItKeepsWhenItChanges_data() {
    QTest::addColumn<int>("sampleSize");
    QTest::addColumn<QColor>("window");
    QTest::addColumn<qreal>("ratio");
    QTest::newRow("pointer moved") << 1 << QColor() << 1.0;
    QTest::newRow("sample size") << 9 << QColor() << 1.0;
    QTest::newRow("palette") << 1 << QColor(40, 40, 44) << 1.0;
    QTest::newRow("scale") << 1 << QColor() << 2.0;
    QTest::newRow("fractional scale") << 1 << QColor() << 1.5;
}

// A loupe that has been shown and moved looks exactly like a new one showing the same.
void TestLoupe::redrawsWhatItKeepsWhenItChanges() {
    QFETCH(int, sampleSize);
    QFETCH(QColor, window);
    QFETCH(qreal, ratio);
    const ScreenShot shot = syntheticShot();
    const auto show = [&](Loupe& loupe, QPointF pointer) {
        const ScreenArea area = shot.areaAround(pointer, Loupe::radius);
        loupe.showArea(area, pickColourFromArea(area, loupe.sampleSize()), pointer);
    };
    const auto change = [&](Loupe& loupe) {
        if (sampleSize != loupe.sampleSize())
            loupe.setSampleSize(sampleSize);
        if (window.isValid()) {
            QPalette palette = loupe.palette();
            palette.setColor(QPalette::Window, window);
            palette.setColor(QPalette::WindowText, Qt::white);
            loupe.setPalette(palette);
        }
    };
    const QPointF last(30.5, 12.5);
    Loupe used(nullptr);
    show(used, QPointF(10.5, 20.5));
    rendered(used, 1);
    change(used);
    show(used, last);
    Loupe fresh(nullptr);
    change(fresh);
    show(fresh, last);
    QCOMPARE(rendered(used, ratio), rendered(fresh, ratio));
}

void TestLoupe::placementKeepsTheLoupeOnTheScreen_data() {
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QPointF>("pointer");
    QTest::addColumn<QPoint>("expected");
    const QRect first(0, 0, 1280, 800);
    const QRect second(1280, -200, 1920, 1080);
    QTest::newRow("middle: below right") << first << QPointF(600, 400) << QPoint(624, 424);
    QTest::newRow("right edge: left of it") << first << QPointF(1270, 400) << QPoint(1086, 424);
    QTest::newRow("bottom edge: above it") << first << QPointF(600, 790) << QPoint(624, 566);
    QTest::newRow("bottom right corner") << first << QPointF(1279, 799) << QPoint(1095, 575);
    QTest::newRow("top left corner") << first << QPointF(0, 0) << QPoint(24, 24);
    QTest::newRow("second screen, left edge")
        << second << QPointF(1281, -199) << QPoint(1305, -175);
    QTest::newRow("second screen, bottom right")
        << second << QPointF(3199, 879) << QPoint(3015, 655);
}

void TestLoupe::placementKeepsTheLoupeOnTheScreen() {
    QFETCH(QRect, screen);
    QFETCH(QPointF, pointer);
    QFETCH(QPoint, expected);
    const QSize size(160, 200);
    const QPoint placed = loupePlacement(pointer, size, screen);
    QCOMPARE(placed, expected);
    QVERIFY(screen.contains(QRect(placed, size)));
    QVERIFY(!QRect(placed, size).contains(pointer.toPoint()));
}

void TestLoupe::arrowsMoveThePickPointOneDevicePixel_data() {
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<QPointF>("start");
    QTest::addColumn<QPoint>("device");
    // Widgets get synthetic moves in whole device-independent pixels.
    QTest::newRow("scale 1") << 1.0 << QPointF(10, 10) << QPoint(10, 10);
    QTest::newRow("scale 2") << 2.0 << QPointF(5, 5) << QPoint(10, 10);
}

void TestLoupe::arrowsMoveThePickPointOneDevicePixel() {
    QFETCH(qreal, ratio);
    QFETCH(QPointF, start);
    QFETCH(QPoint, device);
    NudgeFixture f;
    f.scripted.screen.ratio = ratio;
    f.press();
    f.moveTo(start);
    QCOMPARE(f.preview(), packed(screenColour(device)));
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        QPoint step;
    } path[] = {{Qt::Key_Right, {}, {1, 0}},
                {Qt::Key_Down, {}, {0, 1}},
                {Qt::Key_Down, Qt::ShiftModifier, {0, 10}},
                {Qt::Key_Left, {}, {-1, 0}},
                {Qt::Key_Left, {}, {-1, 0}},
                {Qt::Key_Up, {}, {0, -1}},
                {Qt::Key_Right, Qt::ShiftModifier, {10, 0}}};
    for (const auto& nudge : path) {
        f.arrow(nudge.key, nudge.modifiers);
        device += nudge.step;
        // The pointer follows as near as it can; its arrival does not move the pick point back.
        QCoreApplication::processEvents();
        QCOMPARE(f.preview(), packed(screenColour(device)));
        QCOMPARE(f.loupe()->colourText(), hexOf(screenColour(device)));
    }
    QCOMPARE(f.sliderColour(), (Colour{255, 0, 0}));
    f.release();
    const QColor picked = screenColour(device);
    QCOMPARE(f.sliderColour(), (Colour{picked.red(), picked.green(), picked.blue()}));
}

void TestLoupe::loupeFollowsTheDragAndClosesWithIt() {
    NudgeFixture f;
    QVERIFY(f.loupe()->isHidden());
    f.press();
    f.moveTo(QPointF(3, 4));
    QVERIFY(f.loupe()->isVisible());
    QCOMPARE(f.loupe()->positionText(), QStringLiteral("3, 4"));
    f.moveTo(QPointF(30, 20));
    QCOMPARE(f.loupe()->positionText(), QStringLiteral("30, 20"));
    QCOMPARE(f.loupe()->colourText(), hexOf(screenColour(QPoint(30, 20))));
    f.release();
    QVERIFY(f.loupe()->isHidden());

    // Escape closes it with the drag, and arrows after the drag move nothing.
    f.press();
    f.moveTo(QPointF(3, 4));
    f.arrow(Qt::Key_Escape);
    QVERIFY(f.loupe()->isHidden());
    const int reads = f.scripted.screen.reads;
    f.arrow(Qt::Key_Right);
    QCOMPARE(f.scripted.screen.reads, reads);
    f.release();
    QCOMPARE(f.sliderColour(), (Colour{180, 120, 50}));
}

QTEST_MAIN(TestLoupe)
#include "test_loupe.moc"
