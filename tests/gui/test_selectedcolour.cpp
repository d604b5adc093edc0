#include "mainwindowfixture.h"

#include "editing/namebox.h"
#include "gui/widgets/colourbox.h"
#include "gui/widgets/swatchgrid.h"
#include "gui/widgets/trackedlineedit.h"

#include <QLabel>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>

using namespace tincta;
using namespace tincta::test;

namespace {

void setColour(const Controls& ui, int red, int green, int blue) {
    ui.hsbRed->setValue(red);
    ui.hsbGreen->setValue(green);
    ui.hsbBlue->setValue(blue);
}

Colour cellColour(const Controls& ui, int index) {
    return unpack(ui.lblColorBar->cellColour(index));
}

void clickBarCell(const Controls& ui, int index) {
    QCOMPARE(ui.lblColorBar->cellAt(ui.lblColorBar->cellRect(index).topLeft()), index);
    QCOMPARE(ui.lblColorBar->cellAt(ui.lblColorBar->cellRect(index).bottomRight()), index);
    QTest::mouseClick(ui.lblColorBar, Qt::LeftButton, {}, ui.lblColorBar->cellRect(index).center());
}

} // namespace

class TestSelectedColour : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void sliderMoveRefreshesEveryDisplay();
    void colourBarShades_data();
    void colourBarShades();
    void clickingABarCellSelectsItsShade();
    void clickingTheSelectedShadeChangesNothing();
    void valueFieldsFollowDecAndHex();
    void selectingAMarkMovesTheSlidersWithoutEditing();
    void namedMarkIsMarkedEditedOnce();
    void placeholderNameIsNeverMarked();
    void editingNotJavaScriptColourResetsEveryPlaceholder();
};

void TestSelectedColour::sliderMoveRefreshesEveryDisplay() {
    MainWindowFixture f;
    f.ui().hsbGreen->setValue(204);
    QCOMPARE(f.ui().picSample[0]->colour(), pack(255, 204, 0));
    QVERIFY(f.paletteChanged());
    QCOMPARE(f.ui().txtSetGreen->text(), QStringLiteral("204"));
    QCOMPARE(f.ui().lblClipboard->text(), QStringLiteral("#FFCC00"));
    for (int i = 0; i < 256; ++i)
        QCOMPARE(cellColour(f.ui(), i), (Colour{255, std::min(204 + i, 255), i}));
    // Other marks keep their colours.
    QCOMPARE(f.ui().picSample[1]->colour(), pack(255, 255, 0));
}

void TestSelectedColour::colourBarShades_data() {
    QTest::addColumn<Colour>("colour");
    QTest::addColumn<int>("cell");
    QTest::addColumn<Colour>("shade");
    QTest::newRow("black first") << Colour{0, 0, 0} << 0 << Colour{0, 0, 0};
    QTest::newRow("black middle") << Colour{0, 0, 0} << 77 << Colour{77, 77, 77};
    QTest::newRow("black last") << Colour{0, 0, 0} << 255 << Colour{255, 255, 255};
    QTest::newRow("red first") << Colour{255, 0, 0} << 0 << Colour{255, 0, 0};
    QTest::newRow("red middle") << Colour{255, 0, 0} << 100 << Colour{255, 100, 100};
    QTest::newRow("brown first") << Colour{200, 100, 50} << 0 << Colour{150, 50, 0};
    QTest::newRow("brown itself") << Colour{200, 100, 50} << 50 << Colour{200, 100, 50};
    QTest::newRow("brown capped") << Colour{200, 100, 50} << 105 << Colour{255, 155, 105};
    QTest::newRow("brown last") << Colour{200, 100, 50} << 255 << Colour{255, 255, 255};
    QTest::newRow("grey itself") << Colour{128, 128, 128} << 128 << Colour{128, 128, 128};
    QTest::newRow("grey ramp") << Colour{128, 128, 128} << 3 << Colour{3, 3, 3};
}

void TestSelectedColour::colourBarShades() {
    QFETCH(Colour, colour);
    QFETCH(int, cell);
    QFETCH(Colour, shade);
    MainWindowFixture f;
    setColour(f.ui(), colour.red, colour.green, colour.blue);
    QCOMPARE(cellColour(f.ui(), cell), shade);
}

void TestSelectedColour::clickingABarCellSelectsItsShade() {
    MainWindowFixture f;
    setColour(f.ui(), 200, 100, 50);
    clickBarCell(f.ui(), 105);
    QCOMPARE(f.sliderColour(), (Colour{255, 155, 105}));
    QCOMPARE(f.markColour(0), (Colour{255, 155, 105}));
    // The bar is recomputed from the new colour: cell 255 turns everything into the grey ramp.
    clickBarCell(f.ui(), 255);
    QCOMPARE(f.sliderColour(), (Colour{255, 255, 255}));
    QCOMPARE(cellColour(f.ui(), 10), (Colour{10, 10, 10}));
}

void TestSelectedColour::clickingTheSelectedShadeChangesNothing() {
    MainWindowFixture f;
    setColour(f.ui(), 200, 100, 50);
    QSignalSpy red(f.ui().hsbRed, &QScrollBar::valueChanged);
    QSignalSpy green(f.ui().hsbGreen, &QScrollBar::valueChanged);
    QSignalSpy blue(f.ui().hsbBlue, &QScrollBar::valueChanged);
    f.ui().lblClipboard->setText(QStringLiteral("untouched"));
    clickBarCell(f.ui(), 50);
    QCOMPARE(red.count() + green.count() + blue.count(), 0);
    QCOMPARE(f.ui().lblClipboard->text(), QStringLiteral("untouched"));
}

void TestSelectedColour::valueFieldsFollowDecAndHex() {
    MainWindowFixture f;
    setColour(f.ui(), 10, 171, 255);
    QCOMPARE(f.ui().txtSetRed->text(), QStringLiteral("10"));
    f.ui().optSetHex->click();
    QCOMPARE(f.ui().txtSetRed->text(), QStringLiteral("0A"));
    QCOMPARE(f.ui().txtSetGreen->text(), QStringLiteral("AB"));
    QCOMPARE(f.ui().txtSetBlue->text(), QStringLiteral("FF"));
    f.ui().hsbRed->setValue(11);
    QCOMPARE(f.ui().txtSetRed->text(), QStringLiteral("0B"));
    f.ui().optSetDec->click();
    QCOMPARE(f.ui().txtSetRed->text(), QStringLiteral("11"));
}

void TestSelectedColour::selectingAMarkMovesTheSlidersWithoutEditing() {
    MainWindowFixture f;
    f.ui().txtName[4]->setText(QStringLiteral("ocean"));
    f.ui().optColor[4]->click();
    QCOMPARE(f.sliderColour(), (Colour{0, 0, 255}));
    QCOMPARE(f.ui().txtSetBlue->text(), QStringLiteral("255"));
    QCOMPARE(f.markColour(0), (Colour{255, 0, 0}));
    QCOMPARE(nameBoxBackground(f.ui().txtName[4]), plainNameColour);
}

void TestSelectedColour::namedMarkIsMarkedEditedOnce() {
    MainWindowFixture f;
    TrackedLineEdit* name = f.ui().txtName[0];
    name->setText(QStringLiteral("sky"));
    QCOMPARE(nameBoxBackground(name), plainNameColour);
    f.ui().hsbBlue->setValue(10);
    QCOMPARE(nameBoxBackground(name), editedNameColour);
    f.ui().hsbBlue->setValue(20);
    QCOMPARE(nameBoxBackground(name), editedNameColour);
    QCOMPARE(name->text(), QStringLiteral("sky"));
}

void TestSelectedColour::placeholderNameIsNeverMarked() {
    MainWindowFixture f;
    f.ui().optColor[3]->click();
    f.ui().hsbBlue->setValue(10);
    f.ui().mnuEditFind->trigger();
    QCOMPARE(f.ui().txtName[3]->text(), QStringLiteral("Not JavaScript colour"));
    f.ui().txtName[0]->setText(QStringLiteral("Type a colour name"));
    f.ui().optColor[0]->click();
    f.ui().hsbBlue->setValue(10);
    QCOMPARE(nameBoxBackground(f.ui().txtName[0]), plainNameColour);
    QCOMPARE(f.ui().txtName[3]->text(), QStringLiteral("Not JavaScript colour"));
}

void TestSelectedColour::editingNotJavaScriptColourResetsEveryPlaceholder() {
    MainWindowFixture f;
    f.ui().hsbGreen->setValue(1);
    f.ui().optColor[4]->click();
    f.ui().hsbGreen->setValue(1);
    f.ui().mnuEditFind->trigger();
    QCOMPARE(f.ui().txtName[0]->text(), QStringLiteral("Not JavaScript colour"));
    QCOMPARE(f.ui().txtName[4]->text(), QStringLiteral("Not JavaScript colour"));
    f.ui().txtName[5]->setText(QStringLiteral("blue"));
    f.ui().optColor[0]->click();
    f.ui().hsbGreen->setValue(2);
    QCOMPARE(nameBoxBackground(f.ui().txtName[0]), plainNameColour);
    QCOMPARE(f.ui().txtName[0]->text(), QStringLiteral("Type a colour name"));
    QCOMPARE(f.ui().txtName[4]->text(), QStringLiteral("Type a colour name"));
    QCOMPARE(f.ui().txtName[5]->text(), QStringLiteral("blue"));
}

QTEST_MAIN(TestSelectedColour)
#include "test_selectedcolour.moc"
