#include "mainwindowfixture.h"

#include "colour/conversions.h"
#include "history/historystore.h"
#include "testdata.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTemporaryDir>

using namespace tincta;
using namespace tincta::test;

namespace {

const Colour mint{0xC0, 0xFF, 0xEE};
const Colour red{255, 0, 0};
const Colour green{0, 255, 0};

QString historyPath() {
    return HistoryStore::defaultFilePath();
}

void removeHistory() {
    for (const char* suffix : {"", "-wal", "-shm"})
        QFile::remove(historyPath() + QLatin1String(suffix));
}

// The history a user left behind: #00FF00 named Leaf Green used first, then #FF0000, then
// #C0FFEE, pinned and named Mint, two minutes ago.
void seedHistory() {
    HistoryStore store(historyPath());
    const QDateTime twoMinutesAgo = QDateTime::currentDateTimeUtc().addSecs(-125);
    QVERIFY(store.record(green, QStringLiteral("#00FF00"), twoMinutesAgo));
    QVERIFY(store.setName(green, QStringLiteral("Leaf Green")));
    QVERIFY(store.record(red, QStringLiteral("#FF0000"), twoMinutesAgo));
    QVERIFY(store.record(mint, QStringLiteral("#C0FFEE"), twoMinutesAgo));
    QVERIFY(store.setPinned(mint, true));
    QVERIFY(store.setName(mint, QStringLiteral("Mint")));
}

QWidget* shownHistoryWindow() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == QLatin1String("frmHistory") && window->isVisible())
            return window;
    }
    return nullptr;
}

QWidget* openHistory(MainWindowFixture& f) {
    QTest::keyClick(f.window.get(), Qt::Key_H, Qt::ControlModifier);
    QWidget* window = shownHistoryWindow();
    if (window != nullptr && !QTest::qWaitForWindowActive(window))
        qWarning("History window did not become active");
    return window;
}

QListView* historyList(QWidget* window) {
    return window->findChild<QListView*>(QStringLiteral("lstHistory"));
}

// The rows as a screen reader hears them, headings included.
QStringList spokenRows(QWidget* window) {
    const QAbstractItemModel* model = historyList(window)->model();
    QStringList rows;
    for (int row = 0; row < model->rowCount(); ++row)
        rows << model->index(row, 0).data(Qt::AccessibleTextRole).toString();
    return rows;
}

// The hex texts of the entries shown, in order.
QStringList shownColours(QWidget* window) {
    QStringList colours;
    for (const QString& row : spokenRows(window)) {
        if (row.startsWith(QLatin1Char('#')))
            colours << row.section(QLatin1Char(','), 0, 0);
    }
    return colours;
}

// Makes the entry of the colour current and gives the list the keyboard.
void makeCurrent(QWidget* window, const Colour& colour) {
    QListView* list = historyList(window);
    const QAbstractItemModel* model = list->model();
    for (int row = 0; row < model->rowCount(); ++row) {
        if (model->index(row, 0)
                .data(Qt::AccessibleTextRole)
                .toString()
                .startsWith(hexTriplet(colour))) {
            list->setCurrentIndex(model->index(row, 0));
            list->setFocus();
            return;
        }
    }
    QFAIL("colour not shown");
}

QList<HistoryEntry> stored() {
    return HistoryStore(historyPath()).entries().value_or(QList<HistoryEntry>());
}

QPushButton* button(QWidget* window, const char* name) {
    return window->findChild<QPushButton*>(QLatin1String(name));
}

} // namespace

class TestHistory : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { removeHistory(); }
    void cleanup() { removeHistory(); }

    void copiesArePutInTheHistoryNewestFirst();
    void windowFollowsTheStore();
    void rowsNameTheirEntries();
    void enterAppliesToTheSelectedMarkAsOneStep();
    void pinNameAndDelete();
    void clearAsksAndKeepsThePins();
    void filterFindsByHexOrName_data();
    void filterFindsByHexOrName();
    void pinsGoOutAndComeInAsPalettes();
    void aFileThatCannotBeWrittenIsSaidOnce();
};

// The start-up copy is the program's own, not a colour the user chose.
void TestHistory::copiesArePutInTheHistoryNewestFirst() {
    MainWindowFixture f;
    waitForAutocopy();
    for (const Colour& colour : {mint, green, mint}) {
        f.ui().setSliders(colour);
        waitForAutocopy();
    }
    QWidget* window = openHistory(f);
    QVERIFY(window != nullptr);
    QCOMPARE(window->windowTitle(), QStringLiteral("History"));
    QCOMPARE(shownColours(window), (QStringList{"#C0FFEE", "#00FF00"}));
    QCOMPARE(stored().front().text, QStringLiteral("#C0FFEE"));
}

// Another running copy's entries show up when the window is next activated.
void TestHistory::windowFollowsTheStore() {
    MainWindowFixture f;
    QWidget* window = openHistory(f);
    QVERIFY(window != nullptr);
    QVERIFY(shownColours(window).isEmpty());
    seedHistory();
    QEvent activated(QEvent::WindowActivate);
    QApplication::sendEvent(window, &activated);
    QCOMPARE(shownColours(window), (QStringList{"#C0FFEE", "#FF0000", "#00FF00"}));
    QTest::keyClick(window, Qt::Key_Escape);
    QTRY_VERIFY(shownHistoryWindow() == nullptr);
}

void TestHistory::rowsNameTheirEntries() {
    seedHistory();
    MainWindowFixture f;
    QWidget* window = openHistory(f);
    QVERIFY(window != nullptr);
    QCOMPARE(spokenRows(window),
             (QStringList{"Pinned", "#C0FFEE, pinned, named Mint, 2 minutes ago", "Recent",
                          "#FF0000, 2 minutes ago", "#00FF00, named Leaf Green, 2 minutes ago"}));
    const QModelIndex mintRow = historyList(window)->model()->index(1, 0);
    QCOMPARE(mintRow.data(Qt::DisplayRole).toString(),
             QStringLiteral("#C0FFEE   Mint   2 min ago"));
}

void TestHistory::enterAppliesToTheSelectedMarkAsOneStep() {
    seedHistory();
    MainWindowFixture f;
    f.ui().selectMark(2);
    const Colour before = f.markColour(2);
    QWidget* window = openHistory(f);
    QVERIFY(window != nullptr);
    makeCurrent(window, red);
    QTest::keyClick(historyList(window), Qt::Key_Return);
    QCOMPARE(f.markColour(2), red);
    QCOMPARE(f.sliderColour(), red);
    waitForAutocopy();
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("#FF0000"));
    f.ui().command(Command::Undo)->trigger();
    QCOMPARE(f.markColour(2), before);
}

void TestHistory::pinNameAndDelete() {
    seedHistory();
    MainWindowFixture f;
    QWidget* window = openHistory(f);
    QVERIFY(window != nullptr);
    QListView* list = historyList(window);
    makeCurrent(window, red);
    QTest::keyClick(list, Qt::Key_P);
    QCOMPARE(stored().at(1).colour, red);
    QVERIFY(stored().at(1).pinned);
    // The named pin is typed at most 64 characters long.
    QTest::keyClick(list, Qt::Key_F2);
    auto* editor = window->findChild<QLineEdit*>(QStringLiteral("txtHistoryName"));
    QVERIFY(editor != nullptr);
    editor->selectAll();
    QTest::keyClicks(editor, QString(70, QLatin1Char('r')));
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_COMPARE(stored().at(1).name, QString(64, QLatin1Char('r')));
    QTest::keyClick(list, Qt::Key_P);
    QVERIFY(!stored().at(1).pinned);
    makeCurrent(window, green);
    QTest::keyClick(list, Qt::Key_Delete);
    QCOMPARE(shownColours(window), (QStringList{"#C0FFEE", "#FF0000"}));
    QCOMPARE(stored().size(), 2);
}

void TestHistory::clearAsksAndKeepsThePins() {
    seedHistory();
    MainWindowFixture f;
    QWidget* window = openHistory(f);
    QVERIFY(window != nullptr);
    f.scripted.messages.answers << MessageAnswer::No << MessageAnswer::Yes;
    button(window, "cmdHistoryClear")->click();
    QCOMPARE(f.scripted.messages.shown.size(), 1);
    QCOMPARE(f.scripted.messages.shown.front().icon, MessageIcon::Question);
    QCOMPARE(stored().size(), 3);
    button(window, "cmdHistoryClear")->click();
    QCOMPARE(shownColours(window), QStringList{"#C0FFEE"});
    QCOMPARE(stored().size(), 1);
}

void TestHistory::filterFindsByHexOrName_data() {
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QStringList>("shown");
    for (const QStringList& row : readTestTable(QStringLiteral("history/filter.tsv")))
        QTest::newRow(qPrintable(row[0]))
            << row[1] << row.value(2).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

void TestHistory::filterFindsByHexOrName() {
    QFETCH(QString, filter);
    QFETCH(QStringList, shown);
    seedHistory();
    MainWindowFixture f;
    QWidget* window = openHistory(f);
    QVERIFY(window != nullptr);
    QTest::keyClicks(window->findChild<QLineEdit*>(QStringLiteral("txtHistoryFilter")), filter);
    QCOMPARE(shownColours(window), shown);
}

// More than six colours go out as pins and come back in as pins, in order and named.
void TestHistory::pinsGoOutAndComeInAsPalettes() {
    QTemporaryDir folder;
    const QString gimp = folder.filePath(QStringLiteral("pins.gpl"));
    QList<PaletteMark> pins;
    for (int i = 1; i <= 8; ++i)
        pins.append({QStringLiteral("Pin %1").arg(i), Colour{i, 2 * i, 3 * i}});
    pins[4].name = QString(typeAColourName);
    {
        HistoryStore store(historyPath());
        QVERIFY(store.addPins(pins, QDateTime::currentDateTimeUtc()));
    }
    MainWindowFixture f;
    QWidget* window = openHistory(f);
    QVERIFY(window != nullptr);
    f.scripted.files.paths << gimp;
    button(window, "cmdHistoryExport")->click();
    QVERIFY(QFile::exists(gimp));
    removeHistory();
    f.scripted.files.paths << gimp;
    button(window, "cmdHistoryImport")->click();
    const QList<HistoryEntry> read = stored();
    QCOMPARE(read.size(), 8);
    for (int i = 0; i < 8; ++i) {
        QVERIFY(read[i].pinned);
        QCOMPARE(read[i].colour, pins[i].colour);
        QCOMPARE(read[i].name, i == 4 ? QString() : pins[i].name);
    }
    QVERIFY(f.scripted.messages.shown.isEmpty());
}

// The colours are missing from the history, and the user hears so once, not at every change.
void TestHistory::aFileThatCannotBeWrittenIsSaidOnce() {
    QVERIFY(QDir().mkpath(historyPath()));
    MainWindowFixture f;
    waitForAutocopy();
    for (const Colour& colour : {mint, green}) {
        f.ui().setSliders(colour);
        waitForAutocopy();
    }
    QCOMPARE(f.scripted.messages.shown.size(), 1);
    QCOMPARE(f.scripted.messages.shown.front().icon, MessageIcon::Warning);
    QVERIFY(QDir().rmdir(historyPath()));
}

QTEST_MAIN(TestHistory)
#include "test_history.moc"
