#include "palette/palettemodel.h"

#include <QSignalSpy>
#include <QTest>
#include <functional>

using namespace tincta;

namespace {

struct StepScript {
    const char* name;
    std::function<void(PaletteModel&)> edit;
    int steps;
};

const Colour grey{128, 128, 128};

// Each starts on the built-in palette with mark 0 selected.
const std::array<StepScript, 5> stepScripts{{
    {"a change outside an edit", [](PaletteModel& m) { m.setColour(2, grey); }, 1},
    {"changes inside one edit",
     [](PaletteModel& m) {
         const PaletteEdit edit(m, EditKind::Paste);
         m.select(3);
         m.setColour(3, grey);
         m.setName(0, QStringLiteral("sky"));
     },
     1},
    {"a gesture back to where it started",
     [](PaletteModel& m) {
         const int gesture = m.newGesture();
         for (int red : {200, 255}) {
             const PaletteEdit edit(m, EditKind::ColourChange, gesture);
             m.setColour(0, Colour{red, 0, 0});
         }
     },
     0},
    {"selecting a mark", [](PaletteModel& m) { m.select(4); }, 0},
    {"a change, then a load",
     [](PaletteModel& m) {
         m.setColour(1, grey);
         m.load(PaletteModel::defaultPalette());
     },
     0},
}};

} // namespace

class TestPaletteModel : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void modifiedByName_data();
    void modifiedByName();
    void colourChangesAreSignalledOnce();
    void savingMakesTheNamesAsWritten();
    void editsBecomeSteps_data();
    void editsBecomeSteps();
};

void TestPaletteModel::modifiedByName_data() {
    QTest::addColumn<QString>("saved");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("changed");
    QTest::newRow("same") << "Red"
                          << "Red" << false;
    QTest::newRow("letter case") << "Red"
                                 << "red" << true;
    QTest::newRow("trailing blank") << "Red"
                                    << "Red " << true;
    QTest::newRow("placeholder pair") << "Type a colour name"
                                      << "Not JavaScript colour" << false;
    QTest::newRow("placeholder pair reversed") << "Not JavaScript colour"
                                               << "Type a colour name" << false;
    QTest::newRow("not javascript against a name") << "Not JavaScript colour"
                                                   << "sky" << true;
    QTest::newRow("placeholder against a name") << "Type a colour name"
                                                << "sky" << true;
}

void TestPaletteModel::modifiedByName() {
    QFETCH(QString, saved);
    QFETCH(QString, shown);
    QFETCH(bool, changed);
    PaletteModel model;
    PaletteMarks marks = PaletteModel::defaultPalette();
    marks[4].name = saved;
    model.load(marks);
    model.setName(4, shown);
    QCOMPARE(model.isModified(), changed);
}

void TestPaletteModel::colourChangesAreSignalledOnce() {
    PaletteModel model;
    QSignalSpy colours(&model, &PaletteModel::colourChanged);
    model.setColour(2, Colour{0, 255, 0});
    QCOMPARE(colours.count(), 0);
    QVERIFY(!model.isModified());
    model.setColour(2, Colour{1, 255, 0});
    QCOMPARE(colours.count(), 1);
    QVERIFY(model.isModified());
    model.setColour(2, Colour{0, 255, 0});
    QVERIFY(!model.isModified());
}

void TestPaletteModel::savingMakesTheNamesAsWritten() {
    PaletteModel model;
    model.setName(1, QStringLiteral("Not JavaScript colour"));
    model.setColour(1, Colour{1, 2, 3});
    QSignalSpy saved(&model, &PaletteModel::paletteSaved);
    model.markSaved();
    QCOMPARE(saved.count(), 1);
    QVERIFY(!model.isModified());
    // A file never holds the placeholder of Find JavaScript Names; the unnamed one stands in.
    model.setName(1, QStringLiteral("Type a colour name"));
    QVERIFY(!model.isModified());
}

void TestPaletteModel::editsBecomeSteps_data() {
    QTest::addColumn<int>("script");
    for (std::size_t i = 0; i < stepScripts.size(); ++i)
        QTest::newRow(stepScripts[i].name) << static_cast<int>(i);
}

void TestPaletteModel::editsBecomeSteps() {
    QFETCH(int, script);
    const StepScript& run = stepScripts[static_cast<std::size_t>(script)];
    PaletteModel model;
    run.edit(model);
    const PaletteMarks edited = model.marks();
    const int selected = model.selectedMark();
    int steps = 0;
    while (model.kindToUndo() && steps < 10) {
        model.undo();
        ++steps;
    }
    QCOMPARE(steps, run.steps);
    if (steps == 0)
        return;
    QVERIFY(model.marks() == PaletteModel::defaultPalette());
    QCOMPARE(model.selectedMark(), 0);
    QVERIFY(!model.isModified());
    while (model.kindToRedo())
        model.redo();
    QVERIFY(model.marks() == edited);
    QCOMPARE(model.selectedMark(), selected);
}

QTEST_GUILESS_MAIN(TestPaletteModel)
#include "test_palettemodel.moc"
