#include "mainwindowfixture.h"
#include "palettetesthelpers.h"
#include "settingsstore.h"
#include "testdata.h"

#include "settings/settingsrecord.h"

#include <QAction>
#include <QDir>
#include <QTemporaryDir>

using namespace tincta;
using namespace tincta::test;

namespace {

const QString gimpFilter = QStringLiteral("GIMP palette (*.gpl)");
const QString cssFilter = QStringLiteral("CSS custom properties (*.css)");
const QString tokensFilter = QStringLiteral("Design tokens (*.tokens.json)");

} // namespace

class TestPaletteExchange : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void exportWritesTheChosenFormat_data();
    void exportWritesTheChosenFormat();
    void exportFailureNamesTheFile();
    void importTakesTheFirstColoursAsAnEdit();
    void importRefusals_data();
    void importRefusals();

private:
    QTemporaryDir m_dir;
};

void TestPaletteExchange::init() {
    QVERIFY(m_dir.isValid());
}

void TestPaletteExchange::exportWritesTheChosenFormat_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("golden");
    QTest::newRow("GIMP by suffix") << "out.gpl" << tokensFilter << "default.gpl";
    QTest::newRow("tokens by suffix") << "out.tokens.json" << gimpFilter << "default.tokens.json";
    // A name without a known suffix takes the format of the filter it was typed under.
    QTest::newRow("CSS by filter") << "out.txt" << cssFilter << "default.css";
}

void TestPaletteExchange::exportWritesTheChosenFormat() {
    QFETCH(QString, name);
    QFETCH(QString, filter);
    QFETCH(QString, golden);
    storeSetting(standardFolderValueName, m_dir.path());
    MainWindowFixture f;
    const QString path = m_dir.filePath(name);
    f.scripted.files.paths << path;
    f.scripted.files.filters << filter;
    QTest::keyClick(f.window.get(), Qt::Key_E, Qt::ControlModifier);

    QCOMPARE(f.scripted.files.requests.size(), 1);
    const ScriptedFileDialogs::Request& request = f.scripted.files.requests.constFirst();
    QCOMPARE(request.kind, QStringLiteral("save"));
    QCOMPARE(request.folder, m_dir.path());
    QCOMPARE(request.filter, QStringList({gimpFilter, cssFilter, tokensFilter}).join(u";;"));
    QVERIFY(f.scripted.messages.shown.isEmpty());
    QCOMPARE(fileBytes(path), readTestData(QStringLiteral("exchange/") + golden));
    // Export is no save: the palette file and its caption stay as they were.
    QCOMPARE(f.window->windowTitle(), QStringLiteral("Tincta - New palette"));
}

void TestPaletteExchange::exportFailureNamesTheFile() {
    MainWindowFixture f;
    const QString path = m_dir.filePath(QStringLiteral("gone/out.gpl"));
    f.scripted.files.paths << path;
    f.ui().command(Command::ExportPalette)->trigger();
    QCOMPARE(f.scripted.messages.shown.size(), 1);
    QVERIFY(f.scripted.messages.shown.constFirst().text.contains(path));
    QVERIFY(!QFile::exists(path));
}

void TestPaletteExchange::importTakesTheFirstColoursAsAnEdit() {
    MainWindowFixture f;
    const QString path = m_dir.filePath(QStringLiteral("two.tokens.json"));
    writeFile(path, R"({"blue": {"$type": "color", "$value": "#336699"},
                        "sea": {"$type": "color", "$value": "#0a141e", "$description": "Sea"}})");
    f.scripted.files.paths << path;
    QTest::keyClick(f.window.get(), Qt::Key_O, Qt::ControlModifier | Qt::ShiftModifier);

    QCOMPARE(f.scripted.files.requests.size(), 1);
    QCOMPARE(f.scripted.files.requests.constFirst().filter,
             QStringList({gimpFilter, tokensFilter}).join(u";;"));
    QVERIFY(f.scripted.messages.shown.isEmpty());
    // Ours in the order of their marks, others' in the order of their paths.
    QCOMPARE(f.ui().txtName[0]->text(), QStringLiteral("blue"));
    QCOMPARE(f.markColour(0), (Colour{0x33, 0x66, 0x99}));
    QCOMPARE(f.ui().txtName[1]->text(), QStringLiteral("Sea"));
    QCOMPARE(f.markColour(1), (Colour{10, 20, 30}));
    QCOMPARE(f.markColour(2), (Colour{0, 255, 0}));
    QCOMPARE(f.sliderColour(), (Colour{0x33, 0x66, 0x99}));
    QVERIFY(f.paletteChanged());
    QCOMPARE(f.window->windowTitle(), QStringLiteral("Tincta - New palette"));
}

void TestPaletteExchange::importRefusals_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes"); // null: no file
    QTest::addColumn<QString>("reason");
    QTest::newRow("broken GIMP palette") << "broken.gpl" << QByteArray("GIMP Palette\n1 2\n")
                                         << "Line 2: a colour needs three values.";
    QTest::newRow("GIMP palette chosen as tokens")
        << "gimp.tokens.json" << QByteArray("GIMP Palette\n1 2 3 Red\n")
        << "The file is not complete JSON.";
    QTest::newRow("missing file") << "missing.gpl" << QByteArray() << "The file cannot be read.";
    QTest::newRow("2 MiB") << "large.gpl" << QByteArray(2 * 1024 * 1024, '#')
                           << "The file is larger than 1 MiB.";
}

void TestPaletteExchange::importRefusals() {
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);
    MainWindowFixture f;
    const QString path = m_dir.filePath(name);
    if (!bytes.isNull())
        writeFile(path, bytes);
    f.scripted.files.paths << path;
    f.ui().command(Command::ImportPalette)->trigger();

    QCOMPARE(f.scripted.messages.shown.size(), 1);
    const QString text = f.scripted.messages.shown.constFirst().text;
    QVERIFY2(text.contains(path) && text.contains(reason), qPrintable(text));
    QCOMPARE(f.markColour(0), (Colour{255, 0, 0}));
    QVERIFY(!f.paletteChanged());
}

QTEST_MAIN(TestPaletteExchange)
#include "test_paletteexchange.moc"
