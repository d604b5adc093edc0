#include "mainwindowfixture.h"

#include "editing/namebox.h"
#include "gui/widgets/trackedlineedit.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>

using namespace tincta;
using namespace tincta::test;

namespace {

const QString decimalMessage =
    QStringLiteral("The value is not allowed. Only values from 0 to 255 are allowed.");
const QString hexMessage =
    QStringLiteral("The value is not allowed. Only values from 00 to FF are allowed.");

void fillFields(const Controls& ui, const QString& red, const QString& green, const QString& blue) {
    ui.txtSetRed->setText(red);
    ui.txtSetGreen->setText(green);
    ui.txtSetBlue->setText(blue);
}

Colour sliders(MainWindowFixture& f) {
    return f.sliderColour();
}

} // namespace

class TestValueEntry : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void firstInvalidFieldIsReportedAndFocused();
    void acceptedValues_data();
    void acceptedValues();
    void refusedValues_data();
    void refusedValues();
    void htmlHexValues_data();
    void htmlHexValues();
    void htmlHexLimitReturnsWithTheTypedText();
    void enterActsAsSetAndSelectsAll();
    void setWithTheCurrentColourMovesNoSlider();
    void typedLettersBecomeCapitals();
    void htmlHexModeSwapsTheFields();
    void switchingToHexMarksANamedColourEdited();
    void tabbingIntoAFieldSelectsIt();
};

void TestValueEntry::firstInvalidFieldIsReportedAndFocused() {
    MainWindowFixture f;
    fillFields(f.ui(), QStringLiteral("12"), QStringLiteral("300"), QStringLiteral("x"));
    f.ui().cmdSetColor->click();
    QCOMPARE(f.scripted.messages.shown.size(), 1);
    QCOMPARE(f.scripted.messages.shown[0].text, decimalMessage);
    QCOMPARE(f.scripted.messages.shown[0].icon, MessageIcon::Warning);
    QCOMPARE(f.scripted.messages.shown[0].title, QStringLiteral("Tincta"));
    QCOMPARE(QApplication::focusWidget(), f.ui().txtSetGreen);
    QCOMPARE(f.ui().txtSetGreen->selectedText(), QStringLiteral("300"));
    QCOMPARE(sliders(f), (Colour{255, 0, 0}));
}

void TestValueEntry::acceptedValues_data() {
    QTest::addColumn<bool>("hex");
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<Colour>("colour");
    QTest::addColumn<QStringList>("shown");
    QTest::newRow("decimal with blanks and zeros")
        << false << QStringList{" 7 ", "007", "099"} << Colour{7, 7, 99}
        << QStringList{"7", "7", "99"};
    QTest::newRow("decimal limits") << false << QStringList{"0", "255", "000"} << Colour{0, 255, 0}
                                    << QStringList{"0", "255", "0"};
    QTest::newRow("hex any case") << true << QStringList{"ff", "0a", "7F"} << Colour{255, 10, 127}
                                  << QStringList{"FF", "0A", "7F"};
}

void TestValueEntry::acceptedValues() {
    QFETCH(bool, hex);
    QFETCH(QStringList, typed);
    QFETCH(Colour, colour);
    QFETCH(QStringList, shown);
    MainWindowFixture f;
    if (hex)
        f.ui().optSetHex->click();
    fillFields(f.ui(), typed[0], typed[1], typed[2]);
    f.ui().cmdSetColor->click();
    QVERIFY(f.scripted.messages.shown.isEmpty());
    QCOMPARE(sliders(f), colour);
    QCOMPARE(f.ui().txtSetRed->text(), shown[0]);
    QCOMPARE(f.ui().txtSetGreen->text(), shown[1]);
    QCOMPARE(f.ui().txtSetBlue->text(), shown[2]);
}

void TestValueEntry::refusedValues_data() {
    QTest::addColumn<bool>("hex");
    QTest::addColumn<QString>("value");
    QTest::newRow("decimal 256") << false << "256";
    QTest::newRow("decimal sign") << false << "-5";
    QTest::newRow("decimal inner blank") << false << "1 2";
    QTest::newRow("decimal empty") << false << "";
    QTest::newRow("hex single digit") << true << "F";
    QTest::newRow("hex three digits") << true << "100";
    QTest::newRow("hex letter") << true << "G0";
}

void TestValueEntry::refusedValues() {
    QFETCH(bool, hex);
    QFETCH(QString, value);
    MainWindowFixture f;
    if (hex)
        f.ui().optSetHex->click();
    f.ui().txtSetRed->setText(value);
    f.ui().cmdSetColor->click();
    QCOMPARE(f.scripted.messages.shown.size(), 1);
    QCOMPARE(f.scripted.messages.shown[0].text, hex ? hexMessage : decimalMessage);
    QCOMPARE(QApplication::focusWidget(), f.ui().txtSetRed);
    QCOMPARE(sliders(f), (Colour{255, 0, 0}));
}

void TestValueEntry::htmlHexValues_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("fieldAfter");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("with hash") << "#FFCC00"
                               << "#FFCC00" << true;
    QTest::newRow("without hash") << "FFCC00"
                                  << "#FFCC00" << true;
    QTest::newRow("lower case") << "ffcc00"
                                << "#ffcc00" << true;
    QTest::newRow("leading blank") << " FFCC00"
                                   << "# FFCC00" << true;
    QTest::newRow("five digits") << "FFCC0"
                                 << "#FFCC0" << false;
    QTest::newRow("empty") << ""
                           << "#" << false;
    QTest::newRow("not hex") << "#FFCG00"
                             << "#FFCG00" << false;
}

void TestValueEntry::htmlHexValues() {
    QFETCH(QString, typed);
    QFETCH(QString, fieldAfter);
    QFETCH(bool, accepted);
    MainWindowFixture f;
    f.ui().mnuEditPasteHTMLHex->trigger();
    f.ui().txtHTMLHex->setText(typed);
    f.ui().cmdSetColor->click();
    QCOMPARE(f.ui().txtHTMLHex->text(), fieldAfter);
    if (accepted) {
        QVERIFY(f.scripted.messages.shown.isEmpty());
        QCOMPARE(sliders(f), (Colour{255, 204, 0}));
    } else {
        QCOMPARE(f.scripted.messages.shown.size(), 1);
        QCOMPARE(f.scripted.messages.shown[0].text,
                 fieldAfter + QStringLiteral(" is not a valid HTML Hex value."));
        QCOMPARE(sliders(f), (Colour{255, 0, 0}));
    }
}

// The "#" put in front of a pasted seven-character value makes eight; once the user types over
// that text, typing is held to seven characters again.
void TestValueEntry::htmlHexLimitReturnsWithTheTypedText() {
    MainWindowFixture f;
    f.ui().mnuEditPasteHTMLHex->trigger();
    TrackedLineEdit* field = f.ui().txtHTMLHex;
    QGuiApplication::clipboard()->setText(QStringLiteral(" ffcc00"));
    QTest::keySequence(field, QKeySequence::Paste);
    QTest::keyClick(field, Qt::Key_Return);
    QCOMPARE(field->text(), QStringLiteral("# ffcc00"));
    QCOMPARE(sliders(f), (Colour{255, 204, 0}));
    QTest::keySequence(field, QKeySequence::SelectAll);
    QTest::keyClicks(field, QStringLiteral("#123456789"));
    QCOMPARE(field->text(), QStringLiteral("#123456"));
}

void TestValueEntry::enterActsAsSetAndSelectsAll() {
    MainWindowFixture f;
    fillFields(f.ui(), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"));
    f.ui().txtSetBlue->setFocus();
    QTest::keyClick(f.ui().txtSetBlue, Qt::Key_Return);
    QCOMPARE(sliders(f), (Colour{1, 2, 3}));
    QCOMPARE(f.ui().txtSetBlue->selectedText(), QStringLiteral("3"));
}

void TestValueEntry::setWithTheCurrentColourMovesNoSlider() {
    MainWindowFixture f;
    QSignalSpy red(f.ui().hsbRed, &QScrollBar::valueChanged);
    QSignalSpy green(f.ui().hsbGreen, &QScrollBar::valueChanged);
    QSignalSpy blue(f.ui().hsbBlue, &QScrollBar::valueChanged);
    f.ui().cmdSetColor->click();
    QCOMPARE(red.count() + green.count() + blue.count(), 0);
}

void TestValueEntry::typedLettersBecomeCapitals() {
    MainWindowFixture f;
    f.ui().optSetHex->click();
    f.ui().txtSetRed->setFocus();
    f.ui().txtSetRed->clear();
    QTest::keyClicks(f.ui().txtSetRed, QStringLiteral("ab"));
    QCOMPARE(f.ui().txtSetRed->text(), QStringLiteral("AB"));
}

void TestValueEntry::htmlHexModeSwapsTheFields() {
    MainWindowFixture f;
    f.ui().mnuEditPasteHTMLHex->trigger();
    QVERIFY(f.ui().txtHTMLHex->isVisible());
    QVERIFY(!f.ui().txtSetRed->isVisible());
    QVERIFY(!f.ui().optSetDec->isVisible());
    QVERIFY(f.ui().txtSetRed->text().isEmpty());
    QCOMPARE(QApplication::focusWidget(), f.ui().txtHTMLHex);
    QCOMPARE(f.ui().cmdSetColor->toolTip(),
             QStringLiteral(
                 "Click here to change the selected colour according to the value to the right"));
    f.ui().txtHTMLHex->setText(QStringLiteral("#00FF00"));
    f.ui().mnuEditPasteHTMLHex->trigger();
    QVERIFY(f.ui().txtHTMLHex->isHidden());
    QVERIFY(f.ui().txtHTMLHex->text().isEmpty());
    QCOMPARE(f.ui().txtSetRed->text(), QStringLiteral("255"));
    QVERIFY(f.ui().optSetHex->isVisible());
    QCOMPARE(f.ui().cmdSetColor->toolTip(),
             QStringLiteral(
                 "Click here to change the selected colour according to the values to the right"));
}

void TestValueEntry::switchingToHexMarksANamedColourEdited() {
    MainWindowFixture f;
    f.ui().txtName[0]->setText(QStringLiteral("red"));
    f.ui().optSetHex->click();
    QCOMPARE(f.ui().txtSetRed->text(), QStringLiteral("FF"));
    QCOMPARE(nameBoxBackground(f.ui().txtName[0]), editedNameColour);
}

void TestValueEntry::tabbingIntoAFieldSelectsIt() {
    MainWindowFixture f;
    f.ui().txtSetRed->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(f.ui().txtSetRed, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), f.ui().txtSetGreen);
    QCOMPARE(f.ui().txtSetGreen->selectedText(), QStringLiteral("0"));
    f.ui().txtSetBlue->setCursorPosition(0);
    QTest::mouseClick(f.ui().txtSetBlue, Qt::LeftButton);
    QVERIFY(!f.ui().txtSetBlue->hasSelectedText());
}

QTEST_MAIN(TestValueEntry)
#include "test_valueentry.moc"
