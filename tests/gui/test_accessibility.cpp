#include "mainwindowfixture.h"
#include "palettewindowhelpers.h"
#include "settingsstore.h"
#include "testdata.h"

#include "help/aboutbox.h"
#include "settings/settingsnames.h"
#include "settingsdialogs/customformatdialog.h"
#include "settingsdialogs/optionsdialog.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QColor>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QToolBar>
#include <QToolButton>
#include <memory>

using namespace tincta;
using namespace tincta::test;

namespace {

QString accessibleName(QObject* object) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(object);
    return face != nullptr ? face->text(QAccessible::Name) : QString();
}

// What a user reaches or works: everything that takes the focus, and every button (toolbar
// buttons take no focus), with the cells of the swatch grids.
QStringList unnamedControls(QWidget* window) {
    QStringList unnamed;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        const bool control =
            widget->focusPolicy() != Qt::NoFocus || qobject_cast<QAbstractButton*>(widget);
        if (!control || !widget->isVisibleTo(window))
            continue;
        if (accessibleName(widget).trimmed().isEmpty())
            unnamed << widget->metaObject()->className() + QLatin1Char(' ') + widget->objectName();
        if (auto* grid = qobject_cast<SwatchGrid*>(widget)) {
            QAccessibleInterface* face = QAccessible::queryAccessibleInterface(grid);
            for (int cell = 0; cell < face->childCount(); ++cell) {
                if (face->child(cell)->text(QAccessible::Name).isEmpty())
                    unnamed << grid->objectName() + QStringLiteral(" cell %1").arg(cell);
            }
        }
    }
    return unnamed;
}

struct AccessibilityFixture : MainWindowFixture {
    OwnSettings settings{scripted.messages};
    std::unique_ptr<QWidget> dialog;

    QWidget* open(const QString& name) {
        const SettingsContext context = settings.context(scripted.services);
        if (name == QLatin1String("frmMain"))
            return window.get();
        if (name == QLatin1String("frmWebsafe"))
            return openPalette(ui().cmdWebsafe, name, QStringLiteral("lblWebsafeColor"))->window();
        if (name == QLatin1String("frmFailsafe"))
            return openPalette(ui().cmdFailsafe, name, QStringLiteral("lblFailsafeColor"))
                ->window();
        if (name == QLatin1String("frmJavaScript"))
            return openPalette(ui().cmdJavaScript, name, QStringLiteral("lblJavaScriptColor"))
                ->window();
        if (name == QLatin1String("frmColourCheck"))
            return openColourCheck();
        if (name == QLatin1String("helpViewer")) {
            QTest::keyClick(window.get(), Qt::Key_F1);
            return topLevelNamed(name);
        }
        if (name == QLatin1String("frmOptions"))
            dialog = std::make_unique<OptionsDialog>(window.get(), context);
        else if (name == QLatin1String("frmCustomFormat"))
            dialog = std::make_unique<CustomFormatDialog>(window.get(), context,
                                                          [](const QString&) { return true; });
        else
            dialog = std::make_unique<AboutBox>(scripted.services, window.get());
        return dialog.get();
    }

    void setColour(const Colour& colour) {
        ui().hsbRed->setValue(colour.red);
        ui().hsbGreen->setValue(colour.green);
        ui().hsbBlue->setValue(colour.blue);
    }
};

Colour colourOf(const QString& htmlHex) {
    const QColor colour(htmlHex);
    return Colour{colour.red(), colour.green(), colour.blue()};
}

QAccessible::Role roleOf(QObject* object) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(object);
    return face != nullptr ? face->role() : QAccessible::NoRole;
}

// Gives the grid's window the focus, as opening or clicking it does.
void activate(SwatchGrid* grid) {
    grid->window()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(grid->window()));
}

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyControlHasAName_data();
    void everyControlHasAName();
    void samplesTellTheirColour_data();
    void samplesTellTheirColour();
    void gridCellIsFoundByNameAndPressed_data();
    void gridCellIsFoundByNameAndPressed();
    void websafeKeys_data();
    void websafeKeys();
    void colourBarKeys();
    void optionsFieldsHaveAccessKeys();
    void propertyLettersAreSpokenInWords_data();
    void propertyLettersAreSpokenInWords();
    void clipboardLabelSpeaksWhatWasSent_data();
    void clipboardLabelSpeaksWhatWasSent();
    void standardFolderLabelSpeaksTheFolder();
    void cellsSpeakTheirColour_data();
    void cellsSpeakTheirColour();
    void windowsAndGroupsHaveTheirRoles_data();
    void windowsAndGroupsHaveTheirRoles();
    void sortButtonsTakeTheFocus();
    void aboutLinksWorkFromTheKeyboard_data();
    void aboutLinksWorkFromTheKeyboard();
    void tabLandsOnTheCheckedOption_data();
    void tabLandsOnTheCheckedOption();
};

void TestAccessibility::everyControlHasAName_data() {
    QTest::addColumn<QString>("window");
    for (const char* name : {"frmMain", "frmWebsafe", "frmFailsafe", "frmJavaScript", "frmOptions",
                             "frmCustomFormat", "frmAbout", "frmColourCheck"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void TestAccessibility::everyControlHasAName() {
    QFETCH(QString, window);
    AccessibilityFixture f;
    QWidget* shown = f.open(window);
    QVERIFY(shown != nullptr);
    const QStringList unnamed = unnamedControls(shown);
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QStringLiteral(", "))));
}

void TestAccessibility::samplesTellTheirColour_data() {
    QTest::addColumn<Colour>("colour");
    QTest::addColumn<QString>("told");
    QTest::newRow("gold") << Colour{255, 215, 0} << QStringLiteral("#FFD700, named gold");
    QTest::newRow("aqua is told as cyan")
        << Colour{0, 255, 255} << QStringLiteral("#00FFFF, named cyan");
    QTest::newRow("no name") << Colour{0x12, 0x34, 0x56} << QStringLiteral("#123456");
}

void TestAccessibility::samplesTellTheirColour() {
    QFETCH(Colour, colour);
    QFETCH(QString, told);
    AccessibilityFixture f;
    QTest::mouseClick(f.ui().optColor[2], Qt::LeftButton);
    f.setColour(colour);
    QCOMPARE(accessibleName(f.ui().optColor[2]), QStringLiteral("Colour mark 3"));
    QCOMPARE(accessibleName(f.ui().txtName[2]), QStringLiteral("Name of colour mark 3"));
    for (QWidget* widget :
         {static_cast<QWidget*>(f.ui().picSample[2]), static_cast<QWidget*>(f.ui().optColor[2])}) {
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
        QCOMPARE(face->text(QAccessible::Description), told);
    }
    // The palette shown at start tells its colours too.
    QCOMPARE(f.ui().picSample[5]->accessibleDescription(),
             QStringLiteral("#FF00FF, named magenta"));
}

void TestAccessibility::gridCellIsFoundByNameAndPressed_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("grid");
    QTest::addColumn<QString>("cell");
    QTest::addColumn<Colour>("colour");
    QTest::newRow("websafe") << "frmWebsafe"
                             << "lblWebsafeColor"
                             << "#3300FF" << Colour{0x33, 0x00, 0xFF};
    QTest::newRow("failsafe") << "frmFailsafe"
                              << "lblFailsafeColor"
                              << "#800080, named purple" << Colour{0x80, 0x00, 0x80};
    QTest::newRow("javascript") << "frmJavaScript"
                                << "lblJavaScriptColor"
                                << "aliceblue #F0F8FF" << Colour{0xF0, 0xF8, 0xFF};
    QTest::newRow("colour bar") << "frmMain"
                                << "lblColorBar"
                                << "#FF0505" << Colour{0xFF, 0x05, 0x05};
}

void TestAccessibility::gridCellIsFoundByNameAndPressed() {
    QFETCH(QString, window);
    QFETCH(QString, grid);
    QFETCH(QString, cell);
    QFETCH(Colour, colour);
    AccessibilityFixture f;
    auto* swatches = f.open(window)->findChild<SwatchGrid*>(grid);
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(swatches);
    QCOMPARE(face->role(), QAccessible::List);
    QCOMPARE(face->childCount(), swatches->cellCount());
    QAccessibleInterface* found = nullptr;
    for (int i = 0; i < face->childCount() && found == nullptr; ++i) {
        if (face->child(i)->text(QAccessible::Name) == cell)
            found = face->child(i);
    }
    QVERIFY(found != nullptr);
    QCOMPARE(found->role(), QAccessible::ListItem);
    QCOMPARE(found->parent(), face);
    QCOMPARE(face->indexOfChild(found),
             swatches->cellAt(swatches->mapFromGlobal(found->rect().center())));
    found->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(f.sliderColour(), colour);
}

void TestAccessibility::websafeKeys_data() {
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<Colour>("colour");
    // The focus starts on cell 0, #000000 at the bottom left; red rises to the right within a
    // block, blue upwards.
    QTest::newRow("right, right, up, enter")
        << QList<int>{Qt::Key_Right, Qt::Key_Right, Qt::Key_Up, Qt::Key_Return}
        << Colour{0x66, 0x00, 0x33};
    QTest::newRow("into the next green block, space")
        << QList<int>{Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Right,
                      Qt::Key_Right, Qt::Key_Right, Qt::Key_Space}
        << Colour{0x00, 0x33, 0x00};
    QTest::newRow("stops at the top and the left")
        << QList<int>{Qt::Key_Up, Qt::Key_Up, Qt::Key_Up,   Qt::Key_Up,   Qt::Key_Up,
                      Qt::Key_Up, Qt::Key_Up, Qt::Key_Left, Qt::Key_Enter}
        << Colour{0x00, 0x00, 0xFF};
}

void TestAccessibility::websafeKeys() {
    QFETCH(QList<int>, keys);
    QFETCH(Colour, colour);
    AccessibilityFixture f;
    SwatchGrid* grid = openPalette(f.ui().cmdWebsafe, QStringLiteral("frmWebsafe"),
                                   QStringLiteral("lblWebsafeColor"));
    activate(grid);
    QTRY_VERIFY(grid->hasFocus());
    QCOMPARE(grid->currentCell(), 0);
    // The frame waits for the keyboard, so that it hides no cell from the mouse.
    QVERIFY(!grid->showsFocusCell());
    for (int key : keys)
        QTest::keyClick(grid, static_cast<Qt::Key>(key));
    QCOMPARE(f.sliderColour(), colour);
    QVERIFY(grid->showsFocusCell());
    QTest::mouseClick(grid, Qt::LeftButton, {}, grid->cellRect(0).center());
    QVERIFY(!grid->showsFocusCell());
}

void TestAccessibility::colourBarKeys() {
    AccessibilityFixture f;
    // Tab goes on from the palette buttons to the colour bar below them.
    f.ui().cmdJavaScript->setFocus(Qt::TabFocusReason);
    QTest::keyClick(f.window.get(), Qt::Key_Tab);
    SwatchGrid* bar = f.ui().lblColorBar;
    QCOMPARE(QApplication::focusWidget(), bar);
    QVERIFY(bar->showsFocusCell());
    // The default red: cell i is (255, i, i).
    QTest::keyClick(bar, Qt::Key_Right);
    QTest::keyClick(bar, Qt::Key_Right);
    QTest::keyClick(bar, Qt::Key_Space);
    QCOMPARE(f.sliderColour(), (Colour{255, 2, 2}));
    QCOMPARE(bar->currentCell(), 2);
}

void TestAccessibility::optionsFieldsHaveAccessKeys() {
    AccessibilityFixture f;
    QWidget* dialog = f.open(QStringLiteral("frmOptions"));
    auto* label = dialog->findChild<QLabel*>(QStringLiteral("lblStandardFormat"));
    QCOMPARE(label->buddy(), dialog->findChild<QWidget*>(QStringLiteral("lstStandardFormat")));
    QStringList keys{label->text()};
    for (QAbstractButton* button : dialog->findChildren<QAbstractButton*>())
        keys << button->text();
    QSet<QChar> used;
    for (const QString& text : std::as_const(keys)) {
        if (text == QLatin1String("OK") || text == QLatin1String("Cancel"))
            continue; // Enter and Escape
        const qsizetype amp = text.indexOf(QLatin1Char('&'));
        QVERIFY2(amp >= 0, qPrintable(text));
        const QChar key = text.at(amp + 1).toLower();
        QVERIFY2(!used.contains(key), qPrintable(text));
        used.insert(key);
    }
}

void TestAccessibility::propertyLettersAreSpokenInWords_data() {
    QTest::addColumn<QString>("colour");
    QTest::addColumn<QString>("spoken");
    for (const QStringList& row :
         readTestTable(QStringLiteral("accessibility/spoken-properties.txt")))
        QTest::newRow(qPrintable(row.value(0))) << QLatin1Char('#') + row.value(0) << row.value(1);
}

void TestAccessibility::propertyLettersAreSpokenInWords() {
    QFETCH(QString, colour);
    QFETCH(QString, spoken);
    AccessibilityFixture f;
    f.setColour(colourOf(colour));
    waitForAutocopy();
    QCOMPARE(accessibleName(f.ui().lblColorProp[0]), spoken);
}

void TestAccessibility::clipboardLabelSpeaksWhatWasSent_data() {
    QTest::addColumn<QString>("notation");
    QTest::addColumn<QString>("colour");
    QTest::addColumn<QString>("spoken");
    for (const QStringList& row :
         readTestTable(QStringLiteral("accessibility/spoken-clipboard.txt")))
        QTest::newRow(qPrintable(row.value(0))) << row.value(0) << row.value(1) << row.value(2);
}

void TestAccessibility::clipboardLabelSpeaksWhatWasSent() {
    QFETCH(QString, notation);
    QFETCH(QString, colour);
    QFETCH(QString, spoken);
    AccessibilityFixture f;
    const QList<QListWidgetItem*> items = f.ui().lstAutocopy->findItems(notation, Qt::MatchExactly);
    QCOMPARE(items.size(), 1);
    f.ui().lstAutocopy->setCurrentItem(items.constFirst());
    f.setColour(colourOf(colour));
    QCOMPARE(accessibleName(f.ui().lblClipboard), spoken);
}

void TestAccessibility::standardFolderLabelSpeaksTheFolder() {
    clearStoredSettings();
    AccessibilityFixture f;
    QWidget* dialog = f.open(QStringLiteral("frmOptions"));
    auto* folder = dialog->findChild<QLabel*>(QStringLiteral("lblSelectedStandardFolder"));
    QCOMPARE(accessibleName(folder), QStringLiteral("Standard folder: ") + folder->text());
    const QString chosen = QDir::tempPath();
    f.scripted.files.paths = {chosen};
    dialog->findChild<QPushButton*>(QStringLiteral("cmdChange"))->click();
    QCOMPARE(accessibleName(folder), QStringLiteral("Standard folder: ") + chosen);
}

void TestAccessibility::cellsSpeakTheirColour_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("grid");
    QTest::addColumn<int>("cell");
    QTest::addColumn<QString>("spoken");
    for (const QStringList& row : readTestTable(QStringLiteral("accessibility/spoken-cells.txt"))) {
        QTest::addRow("%s %s", qPrintable(row.value(1)), qPrintable(row.value(2)))
            << row.value(0) << row.value(1) << row.value(2).toInt() << row.value(3);
    }
}

void TestAccessibility::cellsSpeakTheirColour() {
    QFETCH(QString, window);
    QFETCH(QString, grid);
    QFETCH(int, cell);
    QFETCH(QString, spoken);
    AccessibilityFixture f;
    auto* swatches = f.open(window)->findChild<SwatchGrid*>(grid);
    QVERIFY(swatches != nullptr);
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(swatches);
    QCOMPARE(face->child(cell)->text(QAccessible::Name), spoken);
}

void TestAccessibility::windowsAndGroupsHaveTheirRoles_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("object");
    QTest::addColumn<int>("role");
    const auto window = static_cast<int>(QAccessible::Window);
    const int anyRole = -1;
    for (const char* name :
         {"frmWebsafe", "frmFailsafe", "frmJavaScript", "frmColourCheck", "helpViewer", "frmMain"})
        QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(name) << window;
    QTest::newRow("value entry") << "frmMain"
                                 << "frmSet" << static_cast<int>(QAccessible::Grouping);
    QTest::newRow("help page") << "helpViewer"
                               << "helpBrowser" << anyRole;
}

void TestAccessibility::windowsAndGroupsHaveTheirRoles() {
    QFETCH(QString, window);
    QFETCH(QString, object);
    QFETCH(int, role);
    AccessibilityFixture f;
    QWidget* shown = f.open(window);
    QVERIFY(shown != nullptr);
    QWidget* widget = shown->objectName() == object ? shown : shown->findChild<QWidget*>(object);
    QVERIFY(widget != nullptr);
    if (role >= 0)
        QCOMPARE(static_cast<int>(roleOf(widget)), role);
    QVERIFY2(!accessibleName(widget).trimmed().isEmpty(), qPrintable(object));
}

void TestAccessibility::sortButtonsTakeTheFocus() {
    AccessibilityFixture f;
    QWidget* window = f.open(QStringLiteral("frmJavaScript"));
    auto* toolbar = window->findChild<QToolBar*>(QStringLiteral("tbrSortTools"));
    const QList<QToolButton*> buttons = toolbar->findChildren<QToolButton*>();
    QStringList reached;
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    for (int step = 0; step < 4; ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        if (auto* button = qobject_cast<QToolButton*>(QApplication::focusWidget()))
            reached << button->defaultAction()->objectName();
    }
    reached.removeDuplicates();
    reached.sort();
    QCOMPARE(reached, (QStringList{QStringLiteral("Alphabetically"), QStringLiteral("DotNet")}));
    // Space presses the focused button as a click does.
    auto* dotNet = toolbar->widgetForAction(toolbar->findChild<QAction*>(QStringLiteral("DotNet")));
    dotNet->setFocus(Qt::TabFocusReason);
    QTest::keyClick(dotNet, Qt::Key_Space);
    SwatchGrid* grid = window->findChild<SwatchGrid*>(QStringLiteral("lblJavaScriptColor"));
    QCOMPARE(grid->cellToolTip(0), QStringLiteral("black #000000"));
}

void TestAccessibility::aboutLinksWorkFromTheKeyboard_data() {
    QTest::addColumn<QString>("link");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("scheme");
    QTest::newRow("home page, Enter") << "lblLink" << int(Qt::Key_Return) << "https";
    QTest::newRow("home page, Space") << "lblLink" << int(Qt::Key_Space) << "https";
    QTest::newRow("mail, Enter") << "lblMailLink" << int(Qt::Key_Return) << "mailto";
}

void TestAccessibility::aboutLinksWorkFromTheKeyboard() {
    QFETCH(QString, link);
    QFETCH(int, key);
    QFETCH(QString, scheme);
    AccessibilityFixture f;
    QWidget* about = f.open(QStringLiteral("frmAbout"));
    about->show();
    QVERIFY(QTest::qWaitForWindowExposed(about));
    auto* label = about->findChild<QWidget*>(link);
    QVERIFY(label->focusPolicy() & Qt::TabFocus);
    label->setFocus(Qt::TabFocusReason);
    QTest::keyClick(label, static_cast<Qt::Key>(key));
    QCOMPARE(f.scripted.launcher.opened.size(), 1);
    QCOMPARE(f.scripted.launcher.opened.constFirst().scheme(), scheme);
    QVERIFY(about->isVisible());
}

void TestAccessibility::tabLandsOnTheCheckedOption_data() {
    QTest::addColumn<QString>("sortIndex");
    QTest::addColumn<QString>("promptToSave");
    QTest::addColumn<QStringList>("reached");
    QTest::newRow("second of each") << "1"
                                    << "0" << QStringList{"optDotNet", "optNo", "cmdOK"};
    QTest::newRow("first of each") << "0"
                                   << "1" << QStringList{"optAlphabetically", "optYes", "cmdOK"};
}

void TestAccessibility::tabLandsOnTheCheckedOption() {
    QFETCH(QString, sortIndex);
    QFETCH(QString, promptToSave);
    QFETCH(QStringList, reached);
    clearStoredSettings();
    storeSetting(sortIndexValueName, sortIndex);
    storeSetting(promptToSaveValueName, promptToSave);
    AccessibilityFixture f;
    auto* dialog = qobject_cast<OptionsDialog*>(f.open(QStringLiteral("frmOptions")));
    dialog->load();
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    const auto tabFrom = [dialog](const QString& start) {
        dialog->findChild<QWidget*>(start)->setFocus(Qt::TabFocusReason);
        QTest::keyClick(dialog->focusWidget(), Qt::Key_Tab);
        return dialog->focusWidget()->objectName();
    };
    QStringList visited{tabFrom(QStringLiteral("cmdChange"))};
    while (visited.size() < reached.size())
        visited << tabFrom(visited.constLast());
    QCOMPARE(visited, reached);
    // A choice made with the arrows moves the Tab stop with it.
    QWidget* checked = dialog->findChild<QWidget*>(reached.constFirst());
    checked->setFocus(Qt::TabFocusReason);
    QTest::keyClick(checked, sortIndex == QLatin1String("1") ? Qt::Key_Up : Qt::Key_Down);
    const QString moved = dialog->focusWidget()->objectName();
    QVERIFY(moved != reached.constFirst());
    QCOMPARE(tabFrom(QStringLiteral("cmdChange")), moved);
}

QTEST_MAIN(TestAccessibility)
#include "test_accessibility.moc"
