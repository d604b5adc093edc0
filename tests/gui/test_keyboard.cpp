#include "mainwindowfixture.h"

#include "gui/widgets/trackedlineedit.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QScrollBar>

using namespace tincta;
using namespace tincta::test;

namespace {

QWidget* focused() {
    return QApplication::focusWidget();
}

QString focusedName() {
    return focused() != nullptr ? focused()->objectName() : QString();
}

} // namespace

class TestKeyboard : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void tabWalksThroughTheSliders();
    void sliderKeysStepAndRefresh_data();
    void sliderKeysStepAndRefresh();
    void newLeavesTheFocusOnTheRedSlider();
};

void TestKeyboard::tabWalksThroughTheSliders() {
    MainWindowFixture f;
    f.ui().txtName[5]->setFocus(Qt::OtherFocusReason);
    QStringList order;
    for (int i = 0; i < 4; ++i) {
        QTest::keyClick(focused(), Qt::Key_Tab);
        order << focusedName();
    }
    QCOMPARE(order, QStringList({"hsbRed", "hsbGreen", "hsbBlue", "cmdSetColor"}));
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(focused(), Qt::Key_Backtab);
    QCOMPARE(focusedName(), QStringLiteral("hsbRed"));
}

void TestKeyboard::sliderKeysStepAndRefresh_data() {
    QTest::addColumn<QString>("slider");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("presses");
    QTest::addColumn<Colour>("expected");
    QTest::addColumn<QString>("clipboardLabel");
    // The default first mark is red (255, 0, 0).
    QTest::newRow("red left three times")
        << "hsbRed" << int(Qt::Key_Left) << 3 << Colour{252, 0, 0} << "#FC0000";
    QTest::newRow("green right twice")
        << "hsbGreen" << int(Qt::Key_Right) << 2 << Colour{255, 2, 0} << "#FF0200";
    QTest::newRow("blue page up") << "hsbBlue" << int(Qt::Key_PageUp) << 1 << Colour{255, 0, 1}
                                  << "#FF0001";
    QTest::newRow("red page down twice")
        << "hsbRed" << int(Qt::Key_PageDown) << 2 << Colour{253, 0, 0} << "#FD0000";
    QTest::newRow("green end") << "hsbGreen" << int(Qt::Key_End) << 1 << Colour{255, 255, 0}
                               << "#FFFF00";
    QTest::newRow("red home") << "hsbRed" << int(Qt::Key_Home) << 1 << Colour{0, 0, 0} << "#000000";
}

void TestKeyboard::sliderKeysStepAndRefresh() {
    QFETCH(QString, slider);
    QFETCH(int, key);
    QFETCH(int, presses);
    QFETCH(Colour, expected);
    QFETCH(QString, clipboardLabel);
    MainWindowFixture f;
    auto* bar = f.find<QScrollBar>(slider);
    QCOMPARE(bar->pageStep(), 1);
    bar->setFocus(Qt::TabFocusReason);
    QVERIFY(bar->hasFocus());
    for (int i = 0; i < presses; ++i)
        QTest::keyClick(bar, Qt::Key(key));
    QCOMPARE(f.markColour(0), expected);
    QCOMPARE(f.ui().lblClipboard->text(), clipboardLabel);
    QCOMPARE(f.ui().txtSetRed->text(), QString::number(expected.red));
    waitForAutocopy();
    QCOMPARE(QApplication::clipboard()->text(), clipboardLabel);
}

void TestKeyboard::newLeavesTheFocusOnTheRedSlider() {
    MainWindowFixture f;
    f.ui().txtName[2]->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(f.window.get(), Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(focusedName(), QStringLiteral("hsbRed"));
    QTest::keyClick(focused(), Qt::Key_Left);
    QCOMPARE(f.markColour(0), (Colour{254, 0, 0}));
}

QTEST_MAIN(TestKeyboard)
#include "test_keyboard.moc"
