#include "mainwindowfixture.h"

#include "editing/namebox.h"
#include "gui/widgets/trackedlineedit.h"

#include <QClipboard>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QScrollBar>
#include <QTimer>
#include <algorithm>

using namespace tincta;
using namespace tincta::test;

class TestAutocopy : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void copiesBetween400And600MsAfterTheLastChange();
    void continuousDragCopiesOnlyAtTheEnd();
    void lettersChangeAtTheCopyNotAtTheMove();
    void anotherNotationCopiesTheSameColour();
    void emptyCustomTemplateCopiesAnEmptyText();
    void copiesOncePerChange();
    void returningToTheWindowCopiesAgainInTheKeptNotation();
};

void TestAutocopy::copiesBetween400And600MsAfterTheLastChange() {
    MainWindowFixture f;
    waitForAutocopy();
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText(QStringLiteral("other"));
    QElapsedTimer sinceChange;
    f.ui().hsbGreen->setValue(204);
    sinceChange.start();
    // A busy machine runs every timer late alike: one of 500 ms beside the copy's tells by how
    // much, so only the copy's own delay is judged.
    qint64 referenceFired = -1;
    QTimer::singleShot(500, f.window.get(), [&] { referenceFired = sinceChange.elapsed(); });
    // Timed as the clipboard changes, not when the check next looks: what the program does
    // after the copy (the history's write to disk) is not the copy's delay.
    qint64 elapsed = -1;
    QObject watching; // ends the connection with this test
    connect(clipboard, &QClipboard::dataChanged, &watching, [&] {
        if (elapsed < 0 && clipboard->text() == QLatin1String("#FFCC00"))
            elapsed = sinceChange.elapsed();
    });
    QVERIFY(QTest::qWaitFor([&elapsed] { return elapsed >= 0; }, autocopyTimeoutMs));
    QVERIFY(QTest::qWaitFor([&referenceFired] { return referenceFired >= 0; }));
    const qint64 lateness = std::max<qint64>(0, referenceFired - 500);
    QVERIFY2(elapsed >= 390 && elapsed <= 650 + lateness,
             qPrintable(QStringLiteral("%1 ms, timers %2 ms late").arg(elapsed).arg(lateness)));
}

void TestAutocopy::continuousDragCopiesOnlyAtTheEnd() {
    MainWindowFixture f;
    waitForAutocopy();
    QClipboard* clipboard = QGuiApplication::clipboard();
    int writes = 0;
    QObject counting; // ends the connection with this test
    connect(clipboard, &QClipboard::dataChanged, &counting, [&] {
        if (!clipboard->text().isEmpty())
            ++writes;
    });
    for (int step = 1; step <= 12; ++step) {
        f.ui().hsbBlue->setValue(step * 10);
        QTest::qWait(100);
    }
    QCOMPARE(writes, 0);
    waitForAutocopy();
    QCOMPARE(writes, 1);
    QCOMPARE(clipboard->text(), QStringLiteral("#FF0078"));
}

void TestAutocopy::lettersChangeAtTheCopyNotAtTheMove() {
    MainWindowFixture f;
    f.ui().hsbGreen->setValue(1);
    QCOMPARE(f.ui().lblColorProp[0]->text(), QStringLiteral("WFJ"));
    waitForAutocopy();
    QCOMPARE(f.ui().lblColorProp[0]->text(), QString());
}

void TestAutocopy::anotherNotationCopiesTheSameColour() {
    MainWindowFixture f;
    f.ui().txtName[0]->setText(QStringLiteral("red"));
    f.ui().lstAutocopy->setCurrentRow(3);
    QCOMPARE(f.ui().lblClipboard->text(), QStringLiteral("RGB(255, 0, 0)"));
    QCOMPARE(nameBoxBackground(f.ui().txtName[0]), plainNameColour);
    waitForAutocopy();
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("RGB(255, 0, 0)"));
}

void TestAutocopy::emptyCustomTemplateCopiesAnEmptyText() {
    MainWindowFixture f;
    f.ui().lstAutocopy->setCurrentRow(11);
    QCOMPARE(f.ui().lblClipboard->text(), QString());
    waitForAutocopy();
    QCOMPARE(QGuiApplication::clipboard()->text(), QString());
}

void TestAutocopy::copiesOncePerChange() {
    MainWindowFixture f;
    waitForAutocopy();
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("#FF0000"));
    QGuiApplication::clipboard()->setText(QStringLiteral("other"));
    waitForAutocopy();
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("other"));
    f.ui().hsbBlue->setValue(1);
    waitForAutocopy();
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("#FF0001"));
}

void TestAutocopy::returningToTheWindowCopiesAgainInTheKeptNotation() {
    MainWindowFixture f;
    f.ui().lstAutocopy->setCurrentRow(4);
    waitForAutocopy();
    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    QGuiApplication::clipboard()->setText(QStringLiteral("other"));
    waitForAutocopy();
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("other"));
    f.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
    QCOMPARE(f.ui().lstAutocopy->currentRow(), 4);
    waitForAutocopy();
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("0x000000ff"));
}

QTEST_MAIN(TestAutocopy)
#include "test_autocopy.moc"
