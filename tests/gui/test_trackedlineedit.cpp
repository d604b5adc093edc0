#include "mainwindowfixture.h"

#include "gui/widgets/trackedlineedit.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>

using namespace tincta;
using namespace tincta::test;

namespace {

constexpr int limit = 21;
const QString emoji = QStringLiteral("\U0001F600"); // two UTF-16 units

// Sends one key press that carries the whole text, as a keyboard or input method does for a
// character outside the basic plane.
void typeCharacter(QWidget* widget, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &press);
}

} // namespace

class TestTrackedLineEdit : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void typingLimit_data();
    void typingLimit();
    void nameBoxesRefuseHalfACharacter();
};

void TestTrackedLineEdit::typingLimit_data() {
    QTest::addColumn<QString>("start");  // set by code
    QTest::addColumn<int>("selectFrom"); // -1: caret at the end, nothing selected
    QTest::addColumn<QString>("action"); // "type", "paste" or "backspace"
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("expected");

    const QString full(limit, QLatin1Char('a'));
    const QString longer(31, QLatin1Char('b'));
    QTest::newRow("room left") << "abc" << -1 << "type"
                               << "d"
                               << "abcd";
    QTest::newRow("one too many") << full << -1 << "type"
                                  << "x" << full;
    QTest::newRow("pair with one unit left")
        << full.left(limit - 1) << -1 << "type" << emoji << full.left(limit - 1);
    QTest::newRow("pair with two units left")
        << full.left(limit - 2) << -1 << "type" << emoji << full.left(limit - 2) + emoji;
    QTest::newRow("paste cut at the limit") << full.left(15) << -1 << "paste"
                                            << "0123456789" << full.left(15) + "012345";
    QTest::newRow("paste cut before a pair") << full.left(18) << -1 << "paste"
                                             << "xy" + emoji << full.left(18) + "xy";
    QTest::newRow("code text kept whole") << longer << -1 << "none"
                                          << "" << longer;
    QTest::newRow("code text grows no further") << longer << -1 << "type"
                                                << "x" << longer;
    QTest::newRow("code text shrinks") << longer << -1 << "backspace"
                                       << "" << longer.left(30);
    QTest::newRow("code text replaced by typing") << longer << 0 << "type"
                                                  << "x"
                                                  << "x";
    QTest::newRow("code text replaced by a paste")
        << longer << 0 << "paste" << QString(40, QLatin1Char('c')) << QString(limit, 'c');
    QTest::newRow("part of code text replaced") << longer << 28 << "paste"
                                                << "xyz" << longer.left(28);
}

void TestTrackedLineEdit::typingLimit() {
    QFETCH(QString, start);
    QFETCH(int, selectFrom);
    QFETCH(QString, action);
    QFETCH(QString, input);
    QFETCH(QString, expected);

    TrackedLineEdit field;
    field.setTypingLimit(limit);
    field.setText(start);
    if (selectFrom >= 0)
        field.setSelection(selectFrom, static_cast<int>(start.size()) - selectFrom);
    if (action == QLatin1String("type")) {
        typeCharacter(&field, input);
    } else if (action == QLatin1String("paste")) {
        QGuiApplication::clipboard()->setText(input);
        QTest::keySequence(&field, QKeySequence::Paste);
    } else if (action == QLatin1String("backspace")) {
        QTest::keyClick(&field, Qt::Key_Backspace);
    }
    QCOMPARE(field.text(), expected);
}

// Ten characters outside the basic plane fill 20 of the name box's 21 units; the eleventh is
// refused whole, so the file never gets half of one.
void TestTrackedLineEdit::nameBoxesRefuseHalfACharacter() {
    MainWindowFixture f;
    TrackedLineEdit* name = f.ui().txtName[0];
    name->setFocus();
    name->clear();
    for (int i = 0; i < 11; ++i)
        typeCharacter(name, emoji);
    QCOMPARE(name->text(), emoji.repeated(10));
}

QTEST_MAIN(TestTrackedLineEdit)
#include "test_trackedlineedit.moc"
