// The Import Colours dialog, and an import of a file of more or fewer than six colours.
#include "mainwindowfixture.h"
#include "palettetesthelpers.h"

#include "importcolours/importcoloursdialog.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

using namespace tincta;
using namespace tincta::test;

namespace {

// Eight colours, the n-th (counted from 1) with every channel n and the name "cn".
QList<PaletteMark> eightColours() {
    QList<PaletteMark> colours;
    for (int n = 1; n <= 8; ++n)
        colours.append({QStringLiteral("c%1").arg(n), {n, n, n}});
    return colours;
}

QByteArray gimpPalette(const QList<PaletteMark>& colours) {
    QByteArray gimp = "GIMP Palette\n";
    for (const PaletteMark& c : colours)
        gimp += QStringLiteral("%1 %2 %3 %4\n")
                    .arg(c.colour.red)
                    .arg(c.colour.green)
                    .arg(c.colour.blue)
                    .arg(c.name)
                    .toUtf8();
    return gimp;
}

QList<int> checkedRows(QListWidget* list) {
    QList<int> rows;
    for (int row = 0; row < list->count(); ++row) {
        if (list->item(row)->checkState() == Qt::Checked)
            rows.append(row);
    }
    return rows;
}

const PaletteMarks startMarks = [] {
    PaletteMarks marks{};
    const QList<Colour> colours{{255, 0, 0},   {255, 255, 0}, {0, 255, 0},
                                {0, 255, 255}, {0, 0, 255},   {255, 0, 255}};
    for (int i = 0; i < paletteMarkCount; ++i)
        marks[i] = {QString(typeAColourName), colours[i]};
    return marks;
}();

} // namespace

class TestImportColours : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { QVERIFY(m_dir.isValid()); }
    void dialogTakesTheCheckedColoursByKeyboard();
    void dialogRefusesMoreThanTheMarksTake_data();
    void dialogRefusesMoreThanTheMarksTake();
    void importPutsTheChosenColoursIntoMarksAsOneStep();
    void importFromTheSelectedMark();
    void cancelledImportChangesNothing();
    void sixColoursImportAtOnce();

private:
    // Imports `colours` as a GIMP palette through the main window.
    void importColours(MainWindowFixture& f, const QList<PaletteMark>& colours);

    QTemporaryDir m_dir;
};

void TestImportColours::importColours(MainWindowFixture& f, const QList<PaletteMark>& colours) {
    const QString path = m_dir.filePath(QStringLiteral("colours.gpl"));
    writeFile(path, gimpPalette(colours));
    f.scripted.files.paths << path;
    f.ui().command(Command::ImportPalette)->trigger();
}

// Space toggles the current item, as in every checklist; the arrows move.
void TestImportColours::dialogTakesTheCheckedColoursByKeyboard() {
    ImportColoursDialog dialog(eightColours(), 0);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    auto* list = dialog.findChild<QListWidget*>(QStringLiteral("lstImportColours"));
    auto* import = dialog.findChild<QPushButton*>(QStringLiteral("cmdImport"));
    QVERIFY(list && import);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Import Colours"));
    QCOMPARE(list->item(0)->text(), QStringLiteral("#010101, c1"));
    QCOMPARE(checkedRows(list), (QList<int>{0, 1, 2, 3, 4, 5}));
    QCOMPARE(list->item(6)->data(Qt::DecorationRole).value<QColor>(), QColor(7, 7, 7));
    QVERIFY(!list->accessibleName().isEmpty());
    QCOMPARE(QApplication::focusWidget(), list);

    for (int row = 0; row < 8; ++row) {
        QTest::keyClick(list, Qt::Key_Space);
        QTest::keyClick(list, Qt::Key_Down);
    }
    QCOMPARE(checkedRows(list), (QList<int>{6, 7}));
    QVERIFY(import->isEnabled());
    QCOMPARE(dialog.choice(), (ImportChoice{{6, 7}, 0}));
    QTest::keyClick(list, Qt::Key_Return);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
}

void TestImportColours::dialogRefusesMoreThanTheMarksTake_data() {
    QTest::addColumn<int>("selectedMark");
    QTest::addColumn<bool>("fromSelected");
    QTest::addColumn<QList<int>>("toggled"); // rows whose check is changed
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QString>("hint");
    QTest::newRow("seven checked") << 0 << false << QList<int>{6} << false
                                   << "Check at most 6 colours: marks 1 to 6 take them.";
    QTest::newRow("none checked") << 0 << false << QList<int>{0, 1, 2, 3, 4, 5} << false
                                  << "Check a colour to import.";
    QTest::newRow("six from mark 5")
        << 4 << true << QList<int>{} << false << "Check at most 2 colours: marks 5 to 6 take them.";
    QTest::newRow("two from mark 5") << 4 << true << QList<int>{2, 3, 4, 5} << true << "";
    QTest::newRow("six from mark 1 with mark 5 selected")
        << 4 << false << QList<int>{} << true << "";
}

void TestImportColours::dialogRefusesMoreThanTheMarksTake() {
    QFETCH(int, selectedMark);
    QFETCH(bool, fromSelected);
    QFETCH(QList<int>, toggled);
    QFETCH(bool, accepted);
    QFETCH(QString, hint);
    ImportColoursDialog dialog(eightColours(), selectedMark);
    auto* list = dialog.findChild<QListWidget*>(QStringLiteral("lstImportColours"));
    dialog
        .findChild<QRadioButton*>(fromSelected ? QStringLiteral("optFromSelectedMark")
                                               : QStringLiteral("optFromFirstMark"))
        ->setChecked(true);
    for (const int row : toggled) {
        QListWidgetItem* item = list->item(row);
        item->setCheckState(item->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
    }
    auto* label = dialog.findChild<QLabel*>(QStringLiteral("lblImportHint"));
    QCOMPARE(dialog.findChild<QPushButton*>(QStringLiteral("cmdImport"))->isEnabled(), accepted);
    QCOMPARE(label->text(), hint);
    QCOMPARE(label->accessibleName(), hint);
    QCOMPARE(dialog.choice().firstMark, fromSelected ? selectedMark : 0);
}

// Colours 7 and 8 of eight go into marks 1 and 2; the others stay; one Undo takes it back.
void TestImportColours::importPutsTheChosenColoursIntoMarksAsOneStep() {
    MainWindowFixture f;
    f.scripted.importChooser.answers << ImportChoice{{6, 7}, 0};
    importColours(f, eightColours());

    QCOMPARE(f.scripted.importChooser.requests.size(), 1);
    QCOMPARE(f.scripted.importChooser.requests.constFirst().colours, eightColours());
    QCOMPARE(f.scripted.importChooser.requests.constFirst().selectedMark, 0);
    QCOMPARE(f.markColour(0), (Colour{7, 7, 7}));
    QCOMPARE(f.ui().txtName[0]->text(), QStringLiteral("c7"));
    QCOMPARE(f.markColour(1), (Colour{8, 8, 8}));
    QCOMPARE(f.ui().txtName[1]->text(), QStringLiteral("c8"));
    for (int mark = 2; mark < paletteMarkCount; ++mark)
        QCOMPARE(f.markColour(mark), startMarks[mark].colour);
    QCOMPARE(f.sliderColour(), (Colour{7, 7, 7}));
    QVERIFY(f.paletteChanged());

    f.ui().command(Command::Undo)->trigger();
    for (int mark = 0; mark < paletteMarkCount; ++mark)
        QCOMPARE(f.markColour(mark), startMarks[mark].colour);
    QVERIFY(!f.paletteChanged());
}

void TestImportColours::importFromTheSelectedMark() {
    MainWindowFixture f;
    f.ui().optColor[3]->click();
    f.scripted.importChooser.answers << ImportChoice{{0, 2}, 3};
    importColours(f, eightColours().first(3));

    QCOMPARE(f.scripted.importChooser.requests.constFirst().selectedMark, 3);
    QCOMPARE(f.markColour(2), startMarks[2].colour);
    QCOMPARE(f.markColour(3), (Colour{1, 1, 1}));
    QCOMPARE(f.markColour(4), (Colour{3, 3, 3}));
    QCOMPARE(f.markColour(5), startMarks[5].colour);
    QCOMPARE(f.selectedMark(), 3);
}

void TestImportColours::cancelledImportChangesNothing() {
    MainWindowFixture f;
    f.scripted.importChooser.answers << std::nullopt;
    importColours(f, eightColours());
    QCOMPARE(f.scripted.importChooser.requests.size(), 1);
    QCOMPARE(f.markColour(0), startMarks[0].colour);
    QVERIFY(!f.paletteChanged());
    QVERIFY(!f.ui().command(Command::Undo)->isEnabled());
}

void TestImportColours::sixColoursImportAtOnce() {
    MainWindowFixture f;
    importColours(f, eightColours().first(6));
    QVERIFY(f.scripted.importChooser.requests.isEmpty());
    for (int mark = 0; mark < paletteMarkCount; ++mark)
        QCOMPARE(f.markColour(mark), (Colour{mark + 1, mark + 1, mark + 1}));
}

QTEST_MAIN(TestImportColours)
#include "test_importcolours.moc"
