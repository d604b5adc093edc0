#include "mainwindowfixture.h"

#include "editing/pickmode.h"
#include "gui/platform/screenpixel.h"
#include "gui/widgets/colourbox.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMouseEvent>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>

using namespace tincta;
using namespace tincta::test;

namespace {

// Four 10 x 10 quadrants: white, black, (10, 20, 30) and the colour of the first mark.
QImage testPicture() {
    QImage picture(20, 20, QImage::Format_RGB32);
    picture.fill(Qt::white);
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 20; ++x) {
            if (x >= 10 && y < 10)
                picture.setPixelColor(x, y, Qt::black);
            else if (x < 10 && y >= 10)
                picture.setPixelColor(x, y, QColor(10, 20, 30));
            else if (x >= 10 && y >= 10)
                picture.setPixelColor(x, y, QColor(255, 0, 0));
        }
    }
    return picture;
}

const QPoint whiteSpot(2, 2);
const QPoint blackSpot(15, 2);
const QPoint darkBlueSpot(2, 15);
const QPoint redSpot(15, 15);
const QPoint offPicture(50, 50);

struct PickFixture : MainWindowFixture {
    PickFixture() { scripted.screen.picture = testPicture(); }

    ColourBox* sample(int index) const { return ui().picSample[static_cast<std::size_t>(index)]; }
    void togglePickMode() { QTest::keyClick(window.get(), Qt::Key_F7); }
    void press(Qt::MouseButton button = Qt::LeftButton, int index = 0) {
        QTest::mousePress(sample(index), button, {}, QPoint(5, 5));
    }
    void release(Qt::MouseButton button = Qt::LeftButton, int index = 0) {
        QTest::mouseRelease(sample(index), button, {}, QPoint(5, 5));
    }
    // Moves arrive at the pressed sample whatever the pointer is over.
    void moveTo(QPoint global, Qt::MouseButtons held = Qt::LeftButton, int index = 0) {
        QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), QPointF(global), Qt::NoButton, held,
                         Qt::NoModifier);
        QCoreApplication::sendEvent(sample(index), &move);
    }
    Colour sliders() const {
        return Colour{ui().hsbRed->value(), ui().hsbGreen->value(), ui().hsbBlue->value()};
    }
    bool slidersShown() const {
        for (QWidget* control :
             std::initializer_list<QWidget*>{ui().hsbRed, ui().hsbGreen, ui().hsbBlue,
                                             ui().txtRedTag, ui().txtGreenTag, ui().txtBlueTag}) {
            if (control->isHidden())
                return false;
        }
        return true;
    }
    // The preview shows while a drag lasts.
    bool dragging() const { return !ui().picPick->isHidden(); }
};

void verifyOpenCommands(const Controls& ui, bool pickModeOn) {
    QCOMPARE(ui.mnuToolsColourPickMode->isChecked(), pickModeOn);
    // The selected sample reacts in both modes: a pick in pick mode, a colour drag without it.
    QVERIFY(ui.picSample[0]->isEnabled());
    QCOMPARE(ui.mnuFileOpen->isEnabled(), !pickModeOn);
    QCOMPARE(ui.mnuFileOpenInNotepad->isEnabled(), !pickModeOn);
    QCOMPARE(ui.toolbarButton(2)->isEnabled(), !pickModeOn);
    QCOMPARE(ui.toolbarButton(3)->isEnabled(), !pickModeOn);
    QCOMPARE(ui.toolbarButton(2)->toolTip(),
             pickModeOn ? QStringLiteral("Press F7 to enable")
                        : QStringLiteral("Open Palette In Tincta (Ctrl+O)"));
    QCOMPARE(ui.toolbarButton(3)->toolTip(),
             pickModeOn ? QStringLiteral("Press F7 to enable")
                        : QStringLiteral("Open Palette In Notepad (Ctrl+I)"));
    // Import takes a palette in like Open, and is set aside with it.
    const QAction* import = ui.command(Command::ImportPalette);
    QCOMPARE(import->isEnabled(), !pickModeOn);
    QCOMPARE(import->toolTip() == QStringLiteral("Press F7 to enable"), pickModeOn);
}

} // namespace

class TestPickMode : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void pickColourFromRead_data();
    void pickColourFromRead();
    void realReaderRefusesPointsOffEveryScreen();
    void f7TogglesTheModeAndTheOpenCommands();
    void openShortcutsDoNothingInPickMode();
    void modeOffDoesNothing();
    void onlyTheSelectedSampleReacts();
    void dragShowsEachPixelAndReleaseSelectsIt_data();
    void dragShowsEachPixelAndReleaseSelectsIt();
    void pressAndReleaseWithoutMovingAppliesThePreviousPick();
    void rightButtonDoesNothing();
    void movesWithAnotherButtonHeldReadNothing();
    void releasingOnTheSelectedColourMovesNoSlider();
    void pointerIsCrossHairOnlyDuringTheDrag();
    void turningTheModeOffMidDragFreesTheMouse();
    void escapeEndsTheDragWithoutAColour();
};

void TestPickMode::pickColourFromRead_data() {
    QTest::addColumn<bool>("readable");
    QTest::addColumn<PackedColour>("pixel");
    QTest::addColumn<Colour>("expected");
    QTest::newRow("black") << true << PackedColour{0} << Colour{0, 0, 0};
    QTest::newRow("white") << true << PackedColour{0xFFFFFF} << Colour{255, 255, 255};
    QTest::newRow("#FFCC00") << true << PackedColour{0x00CCFF} << Colour{255, 204, 0};
    QTest::newRow("blue only") << true << PackedColour{0xFE0000} << Colour{0, 0, 254};
    QTest::newRow("failed read is all bits set") << false << PackedColour{0} << Colour{255, 0, 0};
}

void TestPickMode::pickColourFromRead() {
    QFETCH(bool, readable);
    QFETCH(PackedColour, pixel);
    QFETCH(Colour, expected);
    const std::optional<PackedColour> read =
        readable ? std::optional<PackedColour>(pixel) : std::nullopt;
    QCOMPARE(tincta::pickColourFromRead(read), expected);
}

void TestPickMode::realReaderRefusesPointsOffEveryScreen() {
    QtScreenPixelReader reader;
    QVERIFY(!reader.grab().areaAround(QPointF(-1'000'000, -1'000'000), 0).middle().has_value());
}

void TestPickMode::f7TogglesTheModeAndTheOpenCommands() {
    PickFixture f;
    verifyOpenCommands(f.ui(), false);
    f.togglePickMode();
    verifyOpenCommands(f.ui(), true);
    // Only the selected mark's sample takes a drag.
    for (int i = 0; i < marks; ++i)
        QCOMPARE(f.sample(i)->isEnabled(), i == 0);
    f.togglePickMode();
    verifyOpenCommands(f.ui(), false);
    f.ui().mnuToolsColourPickMode->trigger();
    verifyOpenCommands(f.ui(), true);
}

void TestPickMode::openShortcutsDoNothingInPickMode() {
    PickFixture f;
    QSignalSpy open(f.ui().mnuFileOpen, &QAction::triggered);
    QSignalSpy notepad(f.ui().mnuFileOpenInNotepad, &QAction::triggered);
    QTest::keyClick(f.window.get(), Qt::Key_O, Qt::ControlModifier);
    QTest::keyClick(f.window.get(), Qt::Key_I, Qt::ControlModifier);
    QCOMPARE(open.count(), 1);
    QCOMPARE(notepad.count(), 1);
    f.togglePickMode();
    QTest::keyClick(f.window.get(), Qt::Key_O, Qt::ControlModifier);
    QTest::keyClick(f.window.get(), Qt::Key_I, Qt::ControlModifier);
    f.ui().toolbarButton(2)->trigger();
    f.ui().toolbarButton(3)->trigger();
    QCOMPARE(open.count(), 1);
    QCOMPARE(notepad.count(), 1);
}

void TestPickMode::modeOffDoesNothing() {
    PickFixture f;
    const Colour before = f.sliders();
    f.press();
    QVERIFY(f.slidersShown());
    QVERIFY(f.ui().picPick->isHidden());
    f.moveTo(whiteSpot);
    f.release();
    QCOMPARE(f.scripted.screen.reads, 0);
    QVERIFY(!f.dragging());
    QCOMPARE(f.sliders(), before);
    verifyOpenCommands(f.ui(), false);
}

void TestPickMode::onlyTheSelectedSampleReacts() {
    PickFixture f;
    f.togglePickMode();
    f.press(Qt::LeftButton, 1);
    QVERIFY(!f.dragging());
    QVERIFY(f.slidersShown());
    f.moveTo(whiteSpot, Qt::LeftButton, 1);
    f.release(Qt::LeftButton, 1);
    QCOMPARE(f.sliders(), (Colour{255, 0, 0}));

    // Selecting another mark moves the pick to its sample.
    QTest::mouseClick(f.ui().optColor[2], Qt::LeftButton);
    QCOMPARE(f.selectedMark(), 2);
    f.press(Qt::LeftButton, 2);
    QVERIFY(f.dragging());
    f.moveTo(whiteSpot, Qt::LeftButton, 2);
    f.release(Qt::LeftButton, 2);
    QCOMPARE(f.markColour(2), (Colour{255, 255, 255}));
    QCOMPARE(f.markColour(0), (Colour{255, 0, 0}));
}

void TestPickMode::dragShowsEachPixelAndReleaseSelectsIt_data() {
    QTest::addColumn<QList<QPoint>>("path");
    QTest::addColumn<QList<PackedColour>>("previews");
    QTest::addColumn<Colour>("picked");
    QTest::newRow("white") << QList<QPoint>{whiteSpot} << QList<PackedColour>{0xFFFFFF}
                           << Colour{255, 255, 255};
    QTest::newRow("across three areas")
        << QList<QPoint>{whiteSpot, blackSpot, darkBlueSpot}
        << QList<PackedColour>{0xFFFFFF, 0x000000, pack(10, 20, 30)} << Colour{10, 20, 30};
    QTest::newRow("back to black")
        << QList<QPoint>{darkBlueSpot, blackSpot} << QList<PackedColour>{pack(10, 20, 30), 0x000000}
        << Colour{0, 0, 0};
    QTest::newRow("unreadable pixel gives red")
        << QList<QPoint>{whiteSpot, offPicture} << QList<PackedColour>{0xFFFFFF, 0x0000FF}
        << Colour{255, 0, 0};
}

void TestPickMode::dragShowsEachPixelAndReleaseSelectsIt() {
    QFETCH(QList<QPoint>, path);
    QFETCH(QList<PackedColour>, previews);
    QFETCH(Colour, picked);
    PickFixture f;
    f.ui().hsbGreen->setValue(128); // start away from every colour of the picture
    const Colour before = f.sliders();
    f.togglePickMode();
    f.press();
    QVERIFY(!f.slidersShown());
    QVERIFY(f.ui().picPick->isVisible());
    for (qsizetype i = 0; i < path.size(); ++i) {
        f.moveTo(path[i]);
        QCOMPARE(f.ui().picPick->colour(), previews[i]);
        // Nothing but the preview follows the pointer during the drag.
        QCOMPARE(f.sliders(), before);
        QCOMPARE(f.markColour(0), before);
        QVERIFY(!f.slidersShown());
    }
    f.release();
    QCOMPARE(f.sliders(), picked);
    QCOMPARE(f.markColour(0), picked);
    QCOMPARE(f.sample(0)->colour(), pack(picked));
    QVERIFY(f.slidersShown());
    QVERIFY(f.ui().picPick->isHidden());
    QVERIFY(!f.dragging());
    QCOMPARE(QWidget::mouseGrabber(), nullptr);
}

void TestPickMode::pressAndReleaseWithoutMovingAppliesThePreviousPick() {
    PickFixture f;
    f.togglePickMode();
    f.press();
    f.release();
    QCOMPARE(f.scripted.screen.reads, 0);
    QCOMPARE(f.sliders(), (Colour{0, 0, 0}));

    f.press();
    f.moveTo(darkBlueSpot);
    f.release();
    QCOMPARE(f.sliders(), (Colour{10, 20, 30}));

    f.ui().hsbRed->setValue(200);
    f.press();
    f.release();
    QCOMPARE(f.sliders(), (Colour{10, 20, 30}));
}

void TestPickMode::rightButtonDoesNothing() {
    PickFixture f;
    f.togglePickMode();
    f.press(Qt::RightButton);
    QVERIFY(!f.dragging());
    QVERIFY(f.slidersShown());
    QVERIFY(f.ui().picPick->isHidden());
    f.moveTo(whiteSpot, Qt::RightButton);
    f.release(Qt::RightButton);
    QCOMPARE(f.scripted.screen.reads, 0);
    QCOMPARE(f.sliders(), (Colour{255, 0, 0}));

    // A right release in the middle of a left drag does not end it.
    f.press();
    f.moveTo(whiteSpot);
    QTest::mousePress(f.sample(0), Qt::RightButton, {}, QPoint(5, 5));
    QTest::mouseRelease(f.sample(0), Qt::RightButton, {}, QPoint(5, 5));
    QVERIFY(f.dragging());
    QVERIFY(!f.slidersShown());
    QCOMPARE(f.sliders(), (Colour{255, 0, 0}));
    f.release();
    QCOMPARE(f.sliders(), (Colour{255, 255, 255}));
}

void TestPickMode::movesWithAnotherButtonHeldReadNothing() {
    PickFixture f;
    f.togglePickMode();
    f.press();
    f.moveTo(darkBlueSpot);
    f.moveTo(whiteSpot, Qt::LeftButton | Qt::RightButton);
    f.moveTo(blackSpot, Qt::NoButton);
    QCOMPARE(f.scripted.screen.reads, 1);
    QCOMPARE(f.ui().picPick->colour(), pack(10, 20, 30));
    f.release();
    QCOMPARE(f.sliders(), (Colour{10, 20, 30}));
}

void TestPickMode::releasingOnTheSelectedColourMovesNoSlider() {
    PickFixture f;
    f.togglePickMode();
    QCOMPARE(f.sliders(), (Colour{255, 0, 0}));
    QSignalSpy red(f.ui().hsbRed, &QScrollBar::valueChanged);
    QSignalSpy green(f.ui().hsbGreen, &QScrollBar::valueChanged);
    QSignalSpy blue(f.ui().hsbBlue, &QScrollBar::valueChanged);
    waitForAutocopy();
    QGuiApplication::clipboard()->setText(QStringLiteral("other"));
    f.press();
    f.moveTo(redSpot);
    f.release();
    QCOMPARE(red.count() + green.count() + blue.count(), 0);
    // Nothing was rendered again, so nothing is copied again.
    waitForAutocopy();
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("other"));
}

void TestPickMode::pointerIsCrossHairOnlyDuringTheDrag() {
    PickFixture f;
    f.togglePickMode();
    QCOMPARE(f.window->cursor().shape(), Qt::ArrowCursor);
    f.press();
    QCOMPARE(f.window->cursor().shape(), Qt::CrossCursor);
    QCOMPARE(QWidget::mouseGrabber(), f.sample(0));
    f.release();
    QCOMPARE(f.window->cursor().shape(), Qt::ArrowCursor);
    QCOMPARE(QWidget::mouseGrabber(), nullptr);
}

void TestPickMode::turningTheModeOffMidDragFreesTheMouse() {
    PickFixture f;
    f.togglePickMode();
    f.press();
    f.moveTo(whiteSpot);
    f.togglePickMode();
    QVERIFY(!f.dragging());
    QVERIFY(f.slidersShown());
    QVERIFY(f.ui().picPick->isHidden());
    QCOMPARE(QWidget::mouseGrabber(), nullptr);
    QCOMPARE(f.window->cursor().shape(), Qt::ArrowCursor);
    QCOMPARE(f.sliders(), (Colour{255, 0, 0}));
    verifyOpenCommands(f.ui(), false);
}

void TestPickMode::escapeEndsTheDragWithoutAColour() {
    PickFixture f;
    f.togglePickMode();
    QTest::keyClick(f.window.get(), Qt::Key_Escape);
    QVERIFY(f.ui().mnuToolsColourPickMode->isChecked());
    f.press();
    f.moveTo(whiteSpot);
    QTest::keyClick(f.window.get(), Qt::Key_Escape);
    QVERIFY(!f.dragging());
    QVERIFY(f.slidersShown());
    QVERIFY(f.ui().picPick->isHidden());
    QCOMPARE(QWidget::mouseGrabber(), nullptr);
    QCOMPARE(f.window->cursor().shape(), Qt::ArrowCursor);
    f.release();
    QCOMPARE(f.sliders(), (Colour{255, 0, 0}));
    // The mode stays on for the next try.
    verifyOpenCommands(f.ui(), true);
    f.press();
    f.moveTo(blackSpot);
    f.release();
    QCOMPARE(f.sliders(), (Colour{0, 0, 0}));
}

QTEST_MAIN(TestPickMode)
#include "test_pickmode.moc"
