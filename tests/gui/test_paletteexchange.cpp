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
const QString aseFilter = QStringLiteral("Adobe Swatch Exchange (*.ase)");
const QString acoFilter = QStringLiteral("Photoshop colour swatches (*.aco)");
const QStringList codeFilters{QStringLiteral("SCSS variables (*.scss)"),
                              QStringLiteral("Tailwind CSS theme (*.theme.css)"),
                              QStringLiteral("Android colour resources (*.xml)")};

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
    void importReadsWithTheChosenFormat_data();
    void importReadsWithTheChosenFormat();
    void importedNamesSaveAndOpenAgain();
    void importSaysOnceHowManyNamesItShortened();

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
    QTest::newRow("Tailwind by its longer suffix")
        << "out.theme.css" << gimpFilter << "default.theme.css";
    QTest::newRow("CSS by suffix") << "out.css" << gimpFilter << "default.css";
    QTest::newRow("Adobe swatches by suffix") << "out.ase" << gimpFilter << "default.ase";
    QTest::newRow("Android by filter") << "colors.txt" << codeFilters[2] << "default.colors.xml";
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
    QCOMPARE(request.filter,
             (QStringList{gimpFilter, cssFilter, tokensFilter, aseFilter, acoFilter} + codeFilters)
                 .join(u";;"));
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
             QStringList({gimpFilter, tokensFilter, aseFilter, acoFilter}).join(u";;"));
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

void TestPaletteExchange::importReadsWithTheChosenFormat_data() {
    QTest::addColumn<QString>("source"); // under tests/data/exchange
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("filter");
    QTest::addColumn<bool>("imported");
    QTest::newRow("GIMP by filter") << "names.gpl"
                                    << "colours.txt" << gimpFilter << true;
    QTest::newRow("tokens by filter") << "names.tokens.json"
                                      << "colours.txt" << tokensFilter << true;
    QTest::newRow("tokens by suffix") << "names.tokens.json"
                                      << "colours.tokens.json" << gimpFilter << true;
    QTest::newRow("GIMP chosen as tokens") << "names.gpl"
                                           << "colours.txt" << tokensFilter << false;
    QTest::newRow("tokens chosen as GIMP") << "names.tokens.json"
                                           << "colours.txt" << gimpFilter << false;
}

void TestPaletteExchange::importReadsWithTheChosenFormat() {
    QFETCH(QString, source);
    QFETCH(QString, name);
    QFETCH(QString, filter);
    QFETCH(bool, imported);
    MainWindowFixture f;
    const QString path = m_dir.filePath(name);
    writeFile(path, readTestData(QStringLiteral("exchange/") + source));
    f.scripted.files.paths << path;
    f.scripted.files.filters << filter;
    f.ui().command(Command::ImportPalette)->trigger();

    QCOMPARE(f.scripted.messages.shown.isEmpty(), imported);
    QCOMPARE(f.markColour(0), imported ? (Colour{10, 11, 12}) : (Colour{255, 0, 0}));
}

// Line breaks and half a character from another program's file would break the palette file or
// be saved as something else while the palette counts as saved.
void TestPaletteExchange::importedNamesSaveAndOpenAgain() {
    MainWindowFixture f;
    const QString tokens = m_dir.filePath(QStringLiteral("x.tokens.json"));
    const QString saved = m_dir.filePath(QStringLiteral("saved.txt"));
    writeFile(tokens,
              R"({"sky": {"$type": "color", "$value": "#336699", "$description": "Sky\r\nblue"},
                          "sun\nset": {"$type": "color", "$value": "#ff8800"},
                          "x": {"$type": "color", "$value": "#010203", "$description": "Sky\ud800x"}})");
    f.scripted.files.paths << tokens << saved << saved;
    f.ui().command(Command::ImportPalette)->trigger();
    f.ui().command(Command::SavePaletteAs)->trigger();
    QVERIFY(!f.paletteChanged());
    editPalette(f);
    f.scripted.messages.answers << MessageAnswer::No;
    f.ui().command(Command::OpenPalette)->trigger();

    QCOMPARE(f.scripted.messages.shown.size(), 1); // the save question, no rejection
    QCOMPARE(f.window->windowTitle(), QStringLiteral("Tincta - saved.txt"));
    const QStringList names{"Sky blue", "sun set", QStringLiteral("Sky\uFFFDx")};
    const QList<Colour> colours{{0x33, 0x66, 0x99}, {0xFF, 0x88, 0x00}, {1, 2, 3}};
    for (int mark = 0; mark < 3; ++mark) {
        QCOMPARE(f.ui().txtName[mark]->text(), names[mark]);
        QCOMPARE(f.markColour(mark), colours[mark]);
    }
}

void TestPaletteExchange::importSaysOnceHowManyNamesItShortened() {
    MainWindowFixture f;
    const QString gimp = m_dir.filePath(QStringLiteral("long.gpl"));
    const QString saved = m_dir.filePath(QStringLiteral("saved.txt"));
    writeFile(gimp, "GIMP Palette\n1 1 1 " + QByteArray(600000, 'a') + "\n2 2 2 short\n3 3 3 " +
                        QByteArray(300, 'b') + "\n");
    f.scripted.files.paths << gimp << saved;
    f.ui().command(Command::ImportPalette)->trigger();

    QCOMPARE(f.scripted.messages.shown.size(), 1);
    const Message& shown = f.scripted.messages.shown.constFirst();
    QCOMPARE(shown.icon, MessageIcon::Information);
    QVERIFY2(shown.text.contains(gimp) && shown.text.contains(QStringLiteral("255 characters: 2")),
             qPrintable(shown.text));
    QCOMPARE(f.ui().txtName[0]->text(), QString(255, QLatin1Char('a')));
    QCOMPARE(f.ui().txtName[1]->text(), QStringLiteral("short"));
    QCOMPARE(f.ui().txtName[2]->text(), QString(255, QLatin1Char('b')));
    QVERIFY(f.paletteChanged());

    f.ui().command(Command::SavePaletteAs)->trigger();
    QCOMPARE(f.scripted.messages.shown.size(), 1);
    QVERIFY(!f.paletteChanged());
}

QTEST_MAIN(TestPaletteExchange)
#include "test_paletteexchange.moc"
