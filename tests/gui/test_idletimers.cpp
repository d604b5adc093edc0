#include "mainwindowfixture.h"

#include "editing/notationpanel.h"

#include <QClipboard>
#include <QEvent>
#include <QGuiApplication>
#include <QScrollBar>

using namespace tincta;
using namespace tincta::test;

namespace {

// Counts the timer events that reach the main window or anything it owns.
class TimerEventCounter : public QObject {
public:
    explicit TimerEventCounter(const QObject* window) : m_window(window) {
        QCoreApplication::instance()->installEventFilter(this);
    }
    ~TimerEventCounter() override { QCoreApplication::instance()->removeEventFilter(this); }

    int count() const { return m_count; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Timer && ownedByWindow(watched))
            ++m_count;
        return false;
    }

private:
    bool ownedByWindow(const QObject* object) const {
        for (; object != nullptr; object = object->parent()) {
            if (object == m_window)
                return true;
        }
        return false;
    }

    const QObject* m_window;
    int m_count = 0;
};

constexpr int idleMs = 10'000;

// Another window has the focus, so no caret of the main window blinks.
void activateAnotherWindow(QWidget& other) {
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
}

} // namespace

class TestIdleTimers : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void restingWindowWakesNoTimerUntilTheNextChange();
};

void TestIdleTimers::restingWindowWakesNoTimerUntilTheNextChange() {
    MainWindowFixture f;
    QWidget other;
    activateAnotherWindow(other);
    waitForAutocopy();
    TimerEventCounter counter(f.window.get());
    QTest::qWait(idleMs);
    qInfo("timer events of the main window in %d ms of rest: %d", idleMs, counter.count());
    QCOMPARE(counter.count(), 0);

    f.ui().hsbGreen->setValue(204);
    waitForAutocopy();
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("#FFCC00"));
    QCOMPARE(counter.count(), NotationPanel::ticksBeforeCopy);
}

QTEST_MAIN(TestIdleTimers)
#include "test_idletimers.moc"
