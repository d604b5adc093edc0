#include "mainwindowfixture.h"
#include "palettewindowhelpers.h"
#include "settingsstore.h"

#include "help/aboutbox.h"
#include "settingsdialogs/customformatdialog.h"
#include "settingsdialogs/optionsdialog.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
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
                              << "#800080" << Colour{0x80, 0x00, 0x80};
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

QTEST_MAIN(TestAccessibility)
#include "test_accessibility.moc"
