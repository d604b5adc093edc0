#include "palette/palettemodel.h"

#include <QSignalSpy>
#include <QTest>

using namespace tincta;

class TestPaletteModel : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void modifiedByName_data();
    void modifiedByName();
    void colourChangesAreSignalledOnce();
    void savingMakesTheNamesAsWritten();
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

QTEST_GUILESS_MAIN(TestPaletteModel)
#include "test_palettemodel.moc"
