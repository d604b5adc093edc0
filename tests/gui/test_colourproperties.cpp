#include "mainwindowfixture.h"

#include "colour/notation.h"
#include "editing/namebox.h"
#include "gui/widgets/colourbox.h"
#include "gui/widgets/trackedlineedit.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QScrollBar>

using namespace tincta;
using namespace tincta::test;

namespace {

const QString title = QStringLiteral("Colour Properties");
const QString websafe = QStringLiteral("The selected colour is a websafe colour.");
const QString notWebsafe = QStringLiteral("The selected colour is not a websafe colour.");
const QString failsafe = QStringLiteral("The selected colour will look good in failsafe mode.");
const QString notFailsafe =
    QStringLiteral("The selected colour will not look good in failsafe mode.");
const QString javaScript = QStringLiteral("The selected colour is a JavaScript colour.");
const QString notJavaScript = QStringLiteral("The selected colour is not a JavaScript colour.");
const QString breakPair = QStringLiteral("\r\n\r\n");

QString namedAs(const QString& shown) {
    return javaScript + breakPair +
           QStringLiteral("In JavaScript, the name of the selected colour is ") + shown +
           QLatin1Char('.');
}

QString question(const QString& proposed) {
    return breakPair + QStringLiteral("Do you want to change the name of the selected colour to ") +
           proposed + QStringLiteral("?");
}

void setColour(const Controls& ui, const Colour& colour) {
    ui.hsbRed->setValue(colour.red);
    ui.hsbGreen->setValue(colour.green);
    ui.hsbBlue->setValue(colour.blue);
}

} // namespace

class TestColourProperties : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void properties_data();
    void properties();
    void propertiesFromToolbarAndKey();
    void findNamesEveryMark();
    void findFromTheToolbar();
    void copyJavaScriptNames();
};

void TestColourProperties::properties_data() {
    QTest::addColumn<Colour>("colour");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("asks");
    QTest::addColumn<MessageAnswer>("answer");
    QTest::addColumn<QString>("nameAfter");

    const QString redNamed = websafe + breakPair + failsafe + breakPair + namedAs("red");
    QTest::newRow("red named red")
        << Colour{255, 0, 0} << "red" << redNamed << false << MessageAnswer::Ok << "red";
    QTest::newRow("case matters, yes renames")
        << Colour{255, 0, 0} << "Red" << redNamed + question("red") << true << MessageAnswer::Yes
        << "red";
    QTest::newRow("no keeps the name") << Colour{255, 0, 0} << "Red" << redNamed + question("red")
                                       << true << MessageAnswer::No << "Red";

    const QString cyan =
        websafe + breakPair + failsafe + breakPair + namedAs("cyan (also known as aqua)");
    QTest::newRow("cyan named cyan")
        << Colour{0, 255, 255} << "cyan" << cyan << false << MessageAnswer::Ok << "cyan";
    QTest::newRow("cyan named aqua") << Colour{0, 255, 255} << "aqua" << cyan + question("cyan")
                                     << true << MessageAnswer::Yes << "cyan";
    const QString magenta =
        websafe + breakPair + failsafe + breakPair + namedAs("magenta (also known as fuchsia)");
    QTest::newRow("magenta named fuchsia")
        << Colour{255, 0, 255} << "fuchsia" << magenta + question("magenta") << true
        << MessageAnswer::Yes << "magenta";

    QTest::newRow("no properties")
        << Colour{0x12, 0x34, 0x56} << "Type a colour name"
        << notWebsafe + breakPair + notFailsafe + breakPair + notJavaScript << false
        << MessageAnswer::Ok << "Type a colour name";
    QTest::newRow("javascript only") << Colour{240, 248, 255} << "Type a colour name"
                                     << notWebsafe + breakPair + notFailsafe + breakPair +
                                            namedAs("aliceblue") + question("aliceblue")
                                     << true << MessageAnswer::Yes << "aliceblue";
    QTest::newRow("websafe only") << Colour{0x33, 0x00, 0xFF} << "x"
                                  << websafe + breakPair + notFailsafe + breakPair + notJavaScript
                                  << false << MessageAnswer::Ok << "x";
}

void TestColourProperties::properties() {
    QFETCH(Colour, colour);
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(bool, asks);
    QFETCH(MessageAnswer, answer);
    QFETCH(QString, nameAfter);
    MainWindowFixture f;
    // Mark 3 proves the selected mark is described, not mark 0.
    f.ui().optColor[3]->click();
    setColour(f.ui(), colour);
    TrackedLineEdit* box = f.ui().txtName[3];
    box->setText(name);
    box->setCursorPosition(0);
    f.scripted.messages.answers = {answer};
    f.ui().mnuEditColorProperties->trigger();

    QCOMPARE(f.scripted.messages.shown.size(), 1);
    const Message& shown = f.scripted.messages.shown.constFirst();
    QCOMPARE(shown.title, title);
    QCOMPARE(shown.text, text);
    QCOMPARE(shown.icon, MessageIcon::Information);
    QCOMPARE(shown.buttons, asks ? MessageButtons::YesNo : MessageButtons::Ok);
    QCOMPARE(box->text(), nameAfter);
    if (nameAfter != name)
        QCOMPARE(box->cursorPosition(), static_cast<int>(nameAfter.size()));
    QCOMPARE(f.markColour(3), colour);
}

void TestColourProperties::propertiesFromToolbarAndKey() {
    MainWindowFixture f;
    f.ui().toolbarButton(8)->trigger();
    QTest::keyClick(f.window.get(), Qt::Key_F4);
    QCOMPARE(f.scripted.messages.shown.size(), 2);
    for (const Message& shown : f.scripted.messages.shown)
        QCOMPARE(shown.title, title);
}

void TestColourProperties::findNamesEveryMark() {
    MainWindowFixture f;
    const std::array<Colour, marks> colours{{
        {240, 248, 255},
        {255, 0, 255},
        {0x12, 0x34, 0x56},
        {255, 255, 255},
        {0, 0, 0},
        {0, 255, 255},
    }};
    for (int i = 0; i < marks; ++i) {
        f.ui().optColor[static_cast<std::size_t>(i)]->click();
        setColour(f.ui(), colours[static_cast<std::size_t>(i)]);
    }
    // A name the user typed is overwritten, an edited background goes back to white, and a name
    // that is already right is left alone.
    f.ui().txtName[2]->setText(QStringLiteral("my blue"));
    f.ui().txtName[3]->setText(QStringLiteral("white"));
    f.ui().txtName[3]->setCursorPosition(1);
    f.ui().txtName[5]->setText(QStringLiteral("sky"));
    setNameBoxBackground(f.ui().txtName[5], editedNameColour);
    f.ui().txtName[0]->setCursorPosition(0);

    f.ui().mnuEditFind->trigger();

    const QStringList expected{"aliceblue", "magenta", "Not JavaScript colour",
                               "white",     "black",   "cyan"};
    for (int i = 0; i < marks; ++i) {
        TrackedLineEdit* box = f.ui().txtName[static_cast<std::size_t>(i)];
        QCOMPARE(box->text(), expected[i]);
        QCOMPARE(nameBoxBackground(box), plainNameColour);
    }
    QCOMPARE(f.ui().txtName[0]->cursorPosition(), 9);
    QCOMPARE(f.ui().txtName[5]->cursorPosition(), 4);
    QCOMPARE(f.ui().txtName[3]->cursorPosition(), 1);
    // Finding names is not a colour edit.
    QCOMPARE(f.markColour(2), (Colour{0x12, 0x34, 0x56}));
}

void TestColourProperties::findFromTheToolbar() {
    MainWindowFixture f;
    f.ui().toolbarButton(9)->trigger();
    const QStringList expected{"red", "yellow", "lime", "cyan", "blue", "magenta"};
    for (int i = 0; i < marks; ++i)
        QCOMPARE(f.ui().txtName[static_cast<std::size_t>(i)]->text(), expected[i]);
    QVERIFY(f.scripted.messages.shown.isEmpty());
}

void TestColourProperties::copyJavaScriptNames() {
    MainWindowFixture f;
    QListWidget* list = f.ui().lstAutocopy;
    QAction* mode = f.ui().mnuEditCopyJavaScriptNames;
    list->setCurrentRow(2);
    f.ui().optColor[3]->click();
    QCOMPARE(f.markColour(3), (Colour{0, 255, 255}));

    mode->trigger();
    QVERIFY(mode->isChecked());
    QCOMPARE(list->currentRow(), -1);
    QVERIFY(list->selectedItems().isEmpty());
    QVERIFY(!list->isEnabled());
    QCOMPARE(f.ui().lblClipboard->text(), QStringLiteral("cyan"));
    waitForAutocopy();
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("cyan"));

    setColour(f.ui(), Colour{0x12, 0x34, 0x56});
    QCOMPARE(f.ui().lblClipboard->text(), QString());
    waitForAutocopy();
    QCOMPARE(QGuiApplication::clipboard()->text(), QString());

    QTest::keyClick(f.window.get(), Qt::Key_F6);
    QVERIFY(!mode->isChecked());
    QVERIFY(list->isEnabled());
    QCOMPARE(list->currentRow(), 2);
    const QString vbHex = *notationText(2, Colour{0x12, 0x34, 0x56}, QString());
    QCOMPARE(f.ui().lblClipboard->text(), vbHex);
    waitForAutocopy();
    QCOMPARE(QGuiApplication::clipboard()->text(), vbHex);
}

QTEST_MAIN(TestColourProperties)
#include "test_colourproperties.moc"
