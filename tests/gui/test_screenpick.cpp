// Picking on a still image of the screens: the averaged sample, the pointer's device pixel on
// scaled and side-by-side screens, the frozen picker's keys and buttons, and the Pick From
// Screen command with its undo step and remembered sample size.

#include "mainwindowfixture.h"
#include "settingsstore.h"
#include "testdata.h"

#include "colour/areaaverage.h"
#include "editing/frozenpicker.h"
#include "editing/loupe.h"
#include "editing/pickmode.h"
#include "gui/platform/screenpixel.h"

#include <QAction>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QWheelEvent>

using namespace tincta;
using namespace tincta::test;

namespace {

constexpr int side = 31;

QImage testImage(const QString& pattern) {
    QImage image(side, side, QImage::Format_ARGB32);
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            QColor colour(0xC0, 0xFF, 0xEE);
            if (pattern == QLatin1String("checkerboard"))
                colour = (x + y) % 2 == 0 ? Qt::white : Qt::black;
            else if (pattern == QLatin1String("half-unread") && x < 15)
                colour = Qt::transparent;
            image.setPixelColor(x, y, colour);
        }
    }
    return image;
}

QPoint pointOf(const QString& text) {
    const QStringList parts = text.split(QLatin1Char(','));
    return QPoint(parts[0].toInt(), parts[1].toInt());
}

QString hexOf(const Colour& colour) {
    return QColor(colour.red, colour.green, colour.blue).name(QColor::HexRgb).toUpper();
}

// "left,top,width,height@ratio", one a screen, separated by blanks.
ScreenShot screensOf(const QString& text) {
    ScreenShot shot;
    for (const QString& screen : text.split(QLatin1Char(' '))) {
        const QStringList parts = screen.split(QLatin1Char('@'));
        const QStringList box = parts[0].split(QLatin1Char(','));
        shot.screens.append(
            ScreenImage{QRect(box[0].toInt(), box[1].toInt(), box[2].toInt(), box[3].toInt()),
                        parts[1].toDouble(), QImage()});
    }
    return shot;
}

// Every device pixel a colour of its own.
QImage numberedScreen() {
    QImage image(40, 40, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            image.setPixelColor(x, y, QColor(x * 6, y * 6, 50));
    }
    return image;
}

Colour numberedColour(QPoint device) {
    return Colour{device.x() * 6, device.y() * 6, 50};
}

// As the window system delivers them: to the window handle, unrounded, placed where the handle
// is (which the offscreen platform puts on its one screen however the widget was placed).
void sendMouse(QWidget* window, QEvent::Type type, QPointF global,
               Qt::MouseButton button = Qt::NoButton) {
    QMouseEvent event(type, window->windowHandle()->mapFromGlobal(global), global, button,
                      type == QEvent::MouseButtonPress ? button : Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window->windowHandle(), &event);
}

void sendWheel(QWidget* window, int delta) {
    QWheelEvent event(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(window->windowHandle(), &event);
}

struct PickerFixture {
    FrozenPicker picker{ScreenShot{{ScreenImage{QRect(0, 0, 40, 40), 1, numberedScreen()}}}, 1};
    QSignalSpy picked{&picker, &FrozenPicker::picked};
    QSignalSpy cancelled{&picker, &FrozenPicker::cancelled};

    PickerFixture() { picker.start(); }
    QWidget* window() const { return picker.window(0); }
    void moveTo(QPointF global) { sendMouse(window(), QEvent::MouseMove, global); }
    void click(Qt::MouseButton button) {
        sendMouse(window(), QEvent::MouseButtonPress, QPointF(20, 20), button);
    }
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(window(), key, modifiers);
    }
    Colour pickedColour() const { return picked.at(0).at(0).value<Colour>(); }
};

struct CommandFixture : MainWindowFixture {
    CommandFixture() { scripted.screen.picture = numberedScreen(); }
    FrozenPicker* start() {
        ui().command(Command::PickFromScreen)->trigger();
        return window->findChild<FrozenPicker*>();
    }
};

} // namespace

class TestScreenPick : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { clearStoredSettings(); }
    void averagesInLinearLight_data();
    void averagesInLinearLight();
    void pointerMapsToItsDevicePixel_data();
    void pointerMapsToItsDevicePixel();
    void desktopImageIsCutIntoScreens();
    void sampleSizeSteps();
    void clickTakesTheColourUnderThePointer();
    void pointerArrivingWithoutAMoveIsWhereThePickIs();
    void escapeAndRightClickCancel_data();
    void escapeAndRightClickCancel();
    void arrowsNudgeAndEnterTakes();
    void keysAndWheelChangeTheAveragedSquare();
    void loupeLivesInTheStillImageUnderThePointer();
    void commandPicksIntoTheSelectedMarkAsOneStep();
    void cancelledCommandChangesNothing();
    void sampleSizeIsRemembered_data();
    void sampleSizeIsRemembered();
    void dragAveragesToo();
};

void TestScreenPick::averagesInLinearLight_data() {
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QPoint>("centre");
    QTest::addColumn<int>("size");
    QTest::addColumn<QString>("expected");
    for (const QStringList& row : readTestTable(QStringLiteral("pick/area-averages.txt"))) {
        QTest::addRow("%s at %s, %s", qPrintable(row[0]), qPrintable(row[1]), qPrintable(row[2]))
            << row[0] << pointOf(row[1]) << row[2].toInt() << row[3];
    }
}

void TestScreenPick::averagesInLinearLight() {
    QFETCH(QString, pattern);
    QFETCH(QPoint, centre);
    QFETCH(int, size);
    QFETCH(QString, expected);
    const std::optional<Colour> average = averageColour(testImage(pattern), centre, size);
    QVERIFY(average.has_value());
    QCOMPARE(hexOf(*average), expected);
}

void TestScreenPick::pointerMapsToItsDevicePixel_data() {
    QTest::addColumn<QString>("screens");
    QTest::addColumn<QPointF>("pointer");
    QTest::addColumn<QString>("expected");
    for (const QStringList& row : readTestTable(QStringLiteral("pick/device-pixels.txt"))) {
        const QStringList xy = row[1].split(QLatin1Char(','));
        QTest::addRow("%s at %s", qPrintable(row[0]), qPrintable(row[1]))
            << row[0] << QPointF(xy[0].toDouble(), xy[1].toDouble()) << row[2];
    }
}

void TestScreenPick::pointerMapsToItsDevicePixel() {
    QFETCH(QString, screens);
    QFETCH(QPointF, pointer);
    QFETCH(QString, expected);
    const ScreenShot shot = screensOf(screens);
    const std::optional<DevicePixel> found = shot.locate(pointer);
    const QString actual = found ? QStringLiteral("%1 %2,%3 %4,%5")
                                       .arg(found->screen)
                                       .arg(found->pixel.x())
                                       .arg(found->pixel.y())
                                       .arg(found->devicePosition.x())
                                       .arg(found->devicePosition.y())
                                 : QStringLiteral("none");
    QCOMPARE(actual, expected);
    if (!found)
        return;
    // The centre of the pixel lies in the same pixel, so a nudge from it never rounds astray.
    QCOMPARE(shot.locate(found->centre)->pixel, found->pixel);
    const QPointF next = found->centre + QPointF(1, 0) / found->ratio;
    if (shot.locate(next) && shot.locate(next)->screen == found->screen)
        QCOMPARE(shot.locate(next)->pixel, found->pixel + QPoint(1, 0));
}

void TestScreenPick::desktopImageIsCutIntoScreens() {
    // Two screens side by side, the image twice their size in device-independent pixels.
    QImage desktop(600, 200, QImage::Format_RGB32);
    desktop.fill(Qt::black);
    desktop.setPixelColor(0, 0, Qt::white);
    desktop.setPixelColor(201, 3, Qt::red);
    const ScreenShot shot = shotOfDesktop(desktop, {QRect(0, 0, 100, 60), QRect(100, 0, 200, 100)});
    QCOMPARE(shot.screens.size(), 2);
    QCOMPARE(shot.screens[0].pixels.size(), QSize(200, 120));
    QCOMPARE(shot.screens[1].pixels.size(), QSize(400, 200));
    QCOMPARE(shot.screens[1].ratio, 2.0);
    QCOMPARE(shot.areaAround(QPointF(0.2, 0.2), 0).middle(), pack(255, 255, 255));
    QCOMPARE(shot.areaAround(QPointF(100.6, 1.6), 0).middle(), pack(255, 0, 0));
    QVERIFY(shotOfDesktop(QImage(), {QRect(0, 0, 10, 10)}).screens.isEmpty());
}

void TestScreenPick::sampleSizeSteps() {
    QCOMPARE(steppedSampleSize(1, 1), 3);
    QCOMPARE(steppedSampleSize(5, 1), 9);
    QCOMPARE(steppedSampleSize(15, 1), 15);
    QCOMPARE(steppedSampleSize(9, -1), 5);
    QCOMPARE(steppedSampleSize(1, -1), 1);
    QCOMPARE(steppedSampleSize(7, 1), 3);
}

void TestScreenPick::clickTakesTheColourUnderThePointer() {
    PickerFixture f;
    QVERIFY(f.window()->isVisible());
    QCOMPARE(f.window()->cursor().shape(), Qt::CrossCursor);
    f.moveTo(QPointF(12.5, 30.2));
    QVERIFY(f.picker.loupe().isVisible());
    QCOMPARE(f.picker.loupe().positionText(), QStringLiteral("12, 30"));
    f.click(Qt::LeftButton);
    QCOMPARE(f.picked.count(), 1);
    QCOMPARE(f.pickedColour(), numberedColour(QPoint(12, 30)));
    QCOMPARE(f.cancelled.count(), 0);
    QVERIFY(!f.picker.isRunning());
    QVERIFY(!f.picker.loupe().isVisible());
}

void TestScreenPick::pointerArrivingWithoutAMoveIsWhereThePickIs() {
    // On Wayland the still image appears under the pointer and learns its place from the
    // arrival alone. Its desktop position comes rounded, and so does that of the move Qt makes
    // up before a press; the place in the window is exact.
    PickerFixture f;
    QWindow* handle = f.window()->windowHandle();
    QEnterEvent arrival(QPointF(25.5, 7.5), QPointF(25.5, 7.5), QPointF(26, 8));
    QCoreApplication::sendEvent(handle, &arrival);
    QCOMPARE(f.picker.loupe().positionText(), QStringLiteral("25, 7"));
    QMouseEvent madeUpMove(QEvent::MouseMove, QPointF(25.5, 7.5), QPointF(26, 8), Qt::NoButton,
                           Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(handle, &madeUpMove);
    QCOMPARE(f.picker.loupe().positionText(), QStringLiteral("25, 7"));
    f.click(Qt::LeftButton);
    QCOMPARE(f.pickedColour(), numberedColour(QPoint(25, 7)));
}

void TestScreenPick::escapeAndRightClickCancel_data() {
    QTest::addColumn<bool>("rightClick");
    QTest::newRow("Escape") << false;
    QTest::newRow("right click") << true;
}

void TestScreenPick::escapeAndRightClickCancel() {
    QFETCH(bool, rightClick);
    PickerFixture f;
    f.moveTo(QPointF(3, 3));
    if (rightClick)
        f.click(Qt::RightButton);
    else
        f.key(Qt::Key_Escape);
    QCOMPARE(f.cancelled.count(), 1);
    QCOMPARE(f.picked.count(), 0);
    QVERIFY(!f.picker.isRunning());
    QVERIFY(!f.picker.loupe().isVisible());
}

void TestScreenPick::arrowsNudgeAndEnterTakes() {
    PickerFixture f;
    f.moveTo(QPointF(10.5, 10.5));
    f.key(Qt::Key_Right);
    f.key(Qt::Key_Down, Qt::ShiftModifier);
    f.key(Qt::Key_Up);
    QCOMPARE(f.picker.loupe().positionText(), QStringLiteral("11, 19"));
    f.key(Qt::Key_Return);
    QCOMPARE(f.picked.count(), 1);
    QCOMPARE(f.pickedColour(), numberedColour(QPoint(11, 19)));
}

void TestScreenPick::keysAndWheelChangeTheAveragedSquare() {
    PickerFixture f;
    QSignalSpy sizes(&f.picker, &FrozenPicker::sampleSizeChanged);
    f.moveTo(QPointF(20.5, 20.5));
    f.key(Qt::Key_Plus);
    f.key(Qt::Key_Plus);
    QCOMPARE(f.picker.sampleSize(), 5);
    QCOMPARE(f.picker.loupe().sampleText(), QStringLiteral("5 × 5 average"));
    sendWheel(f.window(), 120);
    QCOMPARE(f.picker.sampleSize(), 9);
    sendWheel(f.window(), -120);
    f.key(Qt::Key_Minus);
    QCOMPARE(f.picker.sampleSize(), 3);
    QCOMPARE(sizes.count(), 5);
    // The numbered screen changes linearly in red and green, so an average lands near the middle.
    f.click(Qt::LeftButton);
    const Colour average = f.pickedColour();
    QVERIFY(qAbs(average.red - 120) <= 2);
    QVERIFY(qAbs(average.green - 120) <= 2);
    QCOMPARE(average.blue, 50);
}

void TestScreenPick::loupeLivesInTheStillImageUnderThePointer() {
    // No window of its own: on Wayland that would be a popup of the window that had the focus
    // before, which the compositor closes while the pick goes on.
    QImage screen(400, 300, QImage::Format_RGB32);
    screen.fill(Qt::gray);
    FrozenPicker picker(ScreenShot{{ScreenImage{QRect(0, 0, 400, 300), 1, screen},
                                    ScreenImage{QRect(400, 0, 400, 300), 1, screen}}},
                        1);
    picker.start();
    const Loupe& loupe = picker.loupe();
    for (const int screenIndex : {0, 1, 0}) {
        QWidget* host = picker.window(screenIndex);
        sendMouse(host, QEvent::MouseMove, QPointF(400 * screenIndex + 30, 20));
        QCOMPARE(loupe.parentWidget(), host);
        QVERIFY(!loupe.isWindow());
        QVERIFY(loupe.isVisible());
        QVERIFY(host->rect().contains(loupe.geometry()));
    }
    sendMouse(picker.window(0), QEvent::MouseButtonPress, QPointF(30, 20), Qt::LeftButton);
    QVERIFY(!loupe.isVisible());
    QCOMPARE(loupe.parentWidget(), nullptr);
}

void TestScreenPick::commandPicksIntoTheSelectedMarkAsOneStep() {
    CommandFixture f;
    QCOMPARE(f.ui().command(Command::PickFromScreen)->shortcut(),
             QKeySequence(QStringLiteral("Ctrl+Shift+P")));
    f.ui().selectMark(2);
    const Colour before = f.markColour(2);
    FrozenPicker* picker = f.start();
    QVERIFY(picker != nullptr);
    // Not pick mode: the open commands stay.
    QVERIFY(f.ui().mnuFileOpen->isEnabled());
    sendMouse(picker->window(0), QEvent::MouseMove, QPointF(7, 9));
    sendMouse(picker->window(0), QEvent::MouseButtonPress, QPointF(7, 9), Qt::LeftButton);
    QCOMPARE(f.markColour(2), numberedColour(QPoint(7, 9)));
    QCOMPARE(f.scripted.screen.reads, 1);
    QTRY_VERIFY(f.window->findChild<FrozenPicker*>() == nullptr);
    f.ui().command(Command::Undo)->trigger();
    QCOMPARE(f.markColour(2), before);
}

void TestScreenPick::cancelledCommandChangesNothing() {
    CommandFixture f;
    const Colour before = f.markColour(0);
    FrozenPicker* picker = f.start();
    sendMouse(picker->window(0), QEvent::MouseMove, QPointF(7, 9));
    QTest::keyClick(picker->window(0), Qt::Key_Escape);
    QCOMPARE(f.markColour(0), before);
    QVERIFY(!f.paletteChanged());
    QVERIFY(!f.ui().command(Command::Undo)->isEnabled());
}

void TestScreenPick::sampleSizeIsRemembered_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("size");
    QTest::newRow("9") << QStringLiteral("9") << 9;
    QTest::newRow("15") << QStringLiteral("15") << 15;
    QTest::newRow("not a listed size") << QStringLiteral("7") << 1;
    QTest::newRow("with a blank") << QStringLiteral(" 3") << 1;
    QTest::newRow("a word") << QStringLiteral("large") << 1;
}

void TestScreenPick::sampleSizeIsRemembered() {
    QFETCH(QString, stored);
    QFETCH(int, size);
    storeSetting(sampleSizeValueName, stored);
    storeSetting(formatIndexValueName, QStringLiteral("3"));
    CommandFixture f;
    // A size of no use means one pixel and never restores the other settings.
    QCOMPARE(storedSetting(formatIndexValueName), QStringLiteral("3"));
    QCOMPARE(storedSetting(sampleSizeValueName), stored);
    FrozenPicker* picker = f.start();
    QCOMPARE(picker->sampleSize(), size);
    QTest::keyClick(picker->window(0), Qt::Key_Plus);
    QCOMPARE(storedSetting(sampleSizeValueName), QString::number(steppedSampleSize(size, 1)));
    QTest::keyClick(picker->window(0), Qt::Key_Escape);
}

void TestScreenPick::dragAveragesToo() {
    QImage board = testImage(QStringLiteral("checkerboard"));
    MainWindowFixture f;
    f.scripted.screen.picture = board;
    QTest::keyClick(f.window.get(), Qt::Key_F7);
    ColourBox* sample = f.ui().picSample[0];
    QTest::mousePress(sample, Qt::LeftButton, {}, QPoint(5, 5));
    QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), QPointF(15.5, 15.5), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(sample, &move);
    for (int step = 0; step < 3; ++step)
        QTest::keyClick(f.window.get(), Qt::Key_Plus);
    QCOMPARE(f.find<Loupe>(QStringLiteral("loupe"))->sampleText(), QStringLiteral("9 × 9 average"));
    QTest::mouseRelease(sample, Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(hexOf(f.markColour(0)), QStringLiteral("#BDBDBD"));
    QCOMPARE(f.scripted.screen.reads, 1);
}

QTEST_MAIN(TestScreenPick)
#include "test_screenpick.moc"
