#include "mainwindowfixture.h"

#include <QApplication>
#include <QDialog>
#include <QGroupBox>
#include <QHeaderView>
#include <QTableWidget>
#include <QWindow>

using namespace tincta;
using namespace tincta::test;

namespace {

QTableWidget* contrastTable(QWidget* window) {
    return window->findChild<QTableWidget*>(QStringLiteral("tblContrast"));
}

QString ratioShown(QTableWidget* table, int row, int column) {
    return table->item(row, column)->text().section(QLatin1Char('\n'), 0, 0);
}

QString pairsShown(QWidget* window, const char* kind) {
    return window->findChild<QLabel*>(QStringLiteral("lbl") + QLatin1String(kind))->text();
}

bool highlighted(QTableWidget* table, int row, int column) {
    return table->item(row, column)->background() == table->palette().brush(QPalette::Highlight);
}

} // namespace

class TestColourCheck : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void ctrlKOpensOneWindowThatBelongsToTheMainWindow();
    void tableForTheDefaultPalette();
    void sliderMoveUpdatesTheSelectedRow();
    void selectedMarkIsHighlighted();
    void pairsThatBecomeHardToTellApart();
    void closesWithTheMainWindow();
};

void TestColourCheck::ctrlKOpensOneWindowThatBelongsToTheMainWindow() {
    MainWindowFixture f;
    QWidget* window = f.openColourCheck();
    QVERIFY(window != nullptr);
    QCOMPARE(window->windowTitle(), QStringLiteral("Colour Check"));
    // It belongs to the main window by waiting with it while a dialog holds it, not by a tie the
    // window system would use to keep it above the main window.
    QVERIFY(window->windowHandle()->transientParent() == nullptr);
    {
        QDialog dialog(f.window.get());
        dialog.setWindowModality(Qt::WindowModal);
        dialog.show();
        QVERIFY(!window->isEnabled());
    }
    QVERIFY(window->isEnabled());
    f.ui().command(Command::ColourCheck)->trigger();
    QCOMPARE(shownColourChecks().size(), 1);
    window->close();
    QTRY_COMPARE(shownColourChecks().size(), 0);
    QVERIFY(f.openColourCheck() != nullptr);
}

// Expected ratios from the WCAG 2.x definition, worked out in Python from the sRGB channel
// values, truncated to two decimals.
void TestColourCheck::tableForTheDefaultPalette() {
    MainWindowFixture f;
    QTableWidget* table = contrastTable(f.openColourCheck());
    QVERIFY(table != nullptr);
    const char* expected[6][6] = {
        {"1.00:1", "3.72:1", "2.91:1", "3.18:1", "2.14:1", "1.27:1"},
        {"3.72:1", "1.00:1", "1.27:1", "1.16:1", "8.00:1", "2.92:1"},
        {"2.91:1", "1.27:1", "1.00:1", "1.09:1", "6.26:1", "2.28:1"},
        {"3.18:1", "1.16:1", "1.09:1", "1.00:1", "6.85:1", "2.50:1"},
        {"2.14:1", "8.00:1", "6.26:1", "6.85:1", "1.00:1", "2.73:1"},
        {"1.27:1", "2.92:1", "2.28:1", "2.50:1", "2.73:1", "1.00:1"},
    };
    for (int row = 0; row < 6; ++row) {
        for (int column = 0; column < 6; ++column)
            QCOMPARE(ratioShown(table, row, column), QLatin1String(expected[row][column]));
    }
    // Each level: AAA for both sizes, AA for normal and AAA for large, AA for large only.
    QCOMPARE(table->item(1, 4)->text(), QStringLiteral("8.00:1\nAAA / AAA"));
    QCOMPARE(table->item(2, 4)->text(), QStringLiteral("6.26:1\nAA / AAA"));
    QCOMPARE(table->item(0, 1)->text(), QStringLiteral("3.72:1\n\u2013 / AA"));
    QCOMPARE(table->item(0, 2)->text(), QStringLiteral("2.91:1\n\u2013 / \u2013"));
    QCOMPARE(table->item(0, 1)->data(Qt::AccessibleTextRole).toString(),
             QStringLiteral("Mark 1 on mark 2: 3.72:1, normal text fails, large text AA"));
    QCOMPARE(table->horizontalHeaderItem(5)->data(Qt::AccessibleTextRole).toString(),
             QStringLiteral("Mark 6"));
    // Every pair is in view without scrolling.
    QVERIFY(table->viewport()->rect().contains(table->visualItemRect(table->item(5, 5))));
}

void TestColourCheck::sliderMoveUpdatesTheSelectedRow() {
    MainWindowFixture f;
    QTableWidget* table = contrastTable(f.openColourCheck());
    f.ui().selectMark(2);
    // Green becomes yellow, so its row reads as yellow's.
    f.ui().hsbRed->setValue(255);
    const char* asYellow[6] = {"3.72:1", "1.00:1", "1.00:1", "1.16:1", "8.00:1", "2.92:1"};
    for (int column = 0; column < 6; ++column) {
        QCOMPARE(ratioShown(table, 2, column), QLatin1String(asYellow[column]));
        QCOMPARE(ratioShown(table, column, 2), QLatin1String(asYellow[column]));
    }
    QCOMPARE(ratioShown(table, 0, 1), QStringLiteral("3.72:1"));
}

void TestColourCheck::selectedMarkIsHighlighted() {
    MainWindowFixture f;
    QTableWidget* table = contrastTable(f.openColourCheck());
    QVERIFY(highlighted(table, 0, 3));
    QVERIFY(highlighted(table, 4, 0));
    QVERIFY(!highlighted(table, 3, 4));
    f.ui().selectMark(3);
    QVERIFY(highlighted(table, 3, 4));
    QVERIFY(highlighted(table, 5, 3));
    QVERIFY(!highlighted(table, 0, 1));
    QVERIFY(table->verticalHeaderItem(3)->font().bold());
    QVERIFY(!table->verticalHeaderItem(0)->font().bold());
}

void TestColourCheck::pairsThatBecomeHardToTellApart() {
    MainWindowFixture f;
    QWidget* window = f.openColourCheck();
    QCOMPARE(pairsShown(window, "Protanopia"),
             QStringLiteral("Hard to tell apart: marks 2 and 3."));
    QCOMPARE(pairsShown(window, "Deuteranopia"),
             QStringLiteral("No two marks become hard to tell apart."));
    QCOMPARE(pairsShown(window, "Tritanopia"),
             QStringLiteral("No two marks become hard to tell apart."));
    auto* seen = window->findChild<ColourBox*>(QStringLiteral("picProtanopia_0"));
    QCOMPARE(unpack(seen->colour()), (Colour{109, 95, 0}));

    // A dark orange that a protanope takes for the red of mark 1, and nobody else does.
    f.ui().selectMark(5);
    f.ui().setSliders(Colour{205, 40, 0});
    QCOMPARE(pairsShown(window, "Protanopia"),
             QStringLiteral("Hard to tell apart: marks 1 and 6, marks 2 and 3."));
    QCOMPARE(pairsShown(window, "Deuteranopia"),
             QStringLiteral("No two marks become hard to tell apart."));
    // A violet blue that only a tritanope takes for the blue of mark 5.
    f.ui().setSliders(Colour{100, 70, 255});
    QCOMPARE(pairsShown(window, "Tritanopia"),
             QStringLiteral("Hard to tell apart: marks 5 and 6."));
    // Two marks alike to everyone are no finding of colour vision.
    f.ui().setSliders(Colour{255, 0, 0});
    QCOMPARE(pairsShown(window, "Protanopia"),
             QStringLiteral("Hard to tell apart: marks 2 and 3."));
    QCOMPARE(pairsShown(window, "Tritanopia"),
             QStringLiteral("No two marks become hard to tell apart."));
}

void TestColourCheck::closesWithTheMainWindow() {
    MainWindowFixture f;
    QVERIFY(f.openColourCheck() != nullptr);
    f.window->close();
    QCOMPARE(shownColourChecks().size(), 0);
    f.window.reset();
    QCOMPARE(shownColourChecks().size(), 0);
}

QTEST_MAIN(TestColourCheck)
#include "test_colourcheck.moc"
