#include "mainwindowfixture.h"

#include "editing/namebox.h"
#include "gui/widgets/colourbox.h"
#include "gui/widgets/trackedlineedit.h"

#include <QAction>
#include <QLabel>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>

using namespace tincta;
using namespace tincta::test;

class TestColourMarks : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void selectingAMarkMovesSlidersAndSampleRights();
    void selectingNeverMarksANameEdited();
    void reselectingTheSelectedMarkChangesNothing();
    void typedPlaceholderTurnsIntoTheOtherOne();
    void copyThenEditThenPaste();
    void copyEnablesPaste();
    void nameBoxSelection();
    void lettersOfAColourInNoTable();
};

void TestColourMarks::selectingAMarkMovesSlidersAndSampleRights() {
    MainWindowFixture f;
    f.ui().selectMark(3);
    QCOMPARE(f.selectedMark(), 3);
    QCOMPARE(f.sliderColour(), (Colour{0, 255, 255}));
    QCOMPARE(f.ui().lblClipboard->text(), QStringLiteral("#00FFFF"));
    for (int i = 0; i < marks; ++i) {
        ColourBox* sample = f.ui().picSample[static_cast<std::size_t>(i)];
        QCOMPARE(sample->isEnabledTo(f.ui().picSampleContainer), i == 3);
        QCOMPARE(sample->toolTip().isEmpty(), i != 3);
    }
    f.ui().hsbRed->setValue(10);
    QCOMPARE(f.markColour(3), (Colour{10, 255, 255}));
    QCOMPARE(f.markColour(0), (Colour{255, 0, 0}));
}

void TestColourMarks::selectingNeverMarksANameEdited() {
    MainWindowFixture f;
    f.ui().txtName[2]->setText(QStringLiteral("lime"));
    f.ui().selectMark(2);
    QCOMPARE(nameBoxBackground(f.ui().txtName[2]), plainNameColour);
    // A move afterwards is an edit again.
    f.ui().hsbBlue->setValue(9);
    QCOMPARE(nameBoxBackground(f.ui().txtName[2]), editedNameColour);
}

void TestColourMarks::reselectingTheSelectedMarkChangesNothing() {
    MainWindowFixture f;
    f.ui().setSliders({1, 2, 3});
    QVERIFY(f.paletteChanged());
    f.ui().selectMark(0);
    QCOMPARE(f.markColour(0), (Colour{1, 2, 3}));
    QCOMPARE(f.sliderColour(), (Colour{1, 2, 3}));
    f.scripted.messages.answers = {MessageAnswer::No};
    f.ui().mnuFileNew->trigger();
    f.ui().selectMark(0);
    QVERIFY(!f.paletteChanged());
}

void TestColourMarks::typedPlaceholderTurnsIntoTheOtherOne() {
    MainWindowFixture f;
    TrackedLineEdit* name = f.ui().txtName[1];
    name->setFocus();
    name->clear();
    QTest::keyClicks(name, QStringLiteral("Not JavaScript colour"));
    QCOMPARE(name->text(), QStringLiteral("Type a colour name"));
    QCOMPARE(name->cursorPosition(), static_cast<int>(name->text().size()));
}

void TestColourMarks::copyThenEditThenPaste() {
    MainWindowFixture f;
    f.ui().selectMark(2);
    f.ui().mnuEditCopyColor->trigger();
    f.ui().hsbBlue->setValue(200);
    f.ui().selectMark(4);
    f.ui().txtName[4]->setText(QStringLiteral("ocean"));
    f.ui().mnuEditPasteColor->trigger();
    QCOMPARE(f.markColour(4), (Colour{0, 255, 0}));
    QCOMPARE(f.ui().picSample[4]->colour(), pack(0, 255, 0));
    // Pasting is an ordinary edit of a named colour.
    QCOMPARE(nameBoxBackground(f.ui().txtName[4]), editedNameColour);
    // It can be pasted again elsewhere.
    f.ui().selectMark(5);
    f.ui().toolbarButton(7)->trigger();
    QCOMPARE(f.markColour(5), (Colour{0, 255, 0}));
}

void TestColourMarks::copyEnablesPaste() {
    MainWindowFixture f;
    f.ui().toolbarButton(6)->trigger();
    QVERIFY(f.ui().mnuEditPasteColor->isEnabled());
    QVERIFY(f.ui().toolbarButton(7)->isEnabled());
    QCOMPARE(f.ui().toolbarButton(7)->toolTip(), QStringLiteral("Paste To Colour Mark (F3)"));
}

void TestColourMarks::nameBoxSelection() {
    MainWindowFixture f;
    TrackedLineEdit* name = f.ui().txtName[1];
    const QPoint inside = name->rect().center();
    f.ui().txtSetRed->setFocus(Qt::OtherFocusReason);
    QTest::mouseClick(name, Qt::LeftButton, {}, inside);
    QCOMPARE(name->selectedText(), name->text());
    QTest::mouseClick(name, Qt::LeftButton, {}, inside);
    QVERIFY(!name->hasSelectedText());
    QTest::mouseDClick(name, Qt::LeftButton, {}, inside);
    QCOMPARE(name->selectedText(), name->text());

    // Tabbing in selects; focus given by code leaves the selection alone.
    name->deselect();
    f.ui().txtName[2]->setFocus(Qt::OtherFocusReason);
    QVERIFY(!f.ui().txtName[2]->hasSelectedText());
    f.ui().optColor[2]->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(f.ui().optColor[2], Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), f.ui().txtName[2]);
    QCOMPARE(f.ui().txtName[2]->selectedText(), f.ui().txtName[2]->text());
}

void TestColourMarks::lettersOfAColourInNoTable() {
    MainWindowFixture f;
    f.ui().setSliders({0x12, 0x34, 0x56});
    QCOMPARE(f.ui().lblColorProp[0]->text(), QStringLiteral("WFJ"));
    waitForAutocopy();
    QCOMPARE(f.ui().lblColorProp[0]->text(), QString());
    QCOMPARE(f.ui().lblColorProp[1]->text(), QStringLiteral("WFJ"));
}

QTEST_MAIN(TestColourMarks)
#include "test_colourmarks.moc"
