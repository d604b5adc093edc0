#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>

namespace tincta {

// Set by the start-up benchmark: the program says "first frame" on standard output once its
// first window has painted, then quits, so that the time to the first frame and the peak memory
// of a start-up can be read from outside, the same way for Tincta and for a bare Qt window.
inline constexpr char firstFrameProbeVariable[] = "TINCTA_BENCH_FIRST_FRAME";

class FirstFrameProbe final : public QObject {
public:
    explicit FirstFrameProbe(QWidget* window) : QObject(window) {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !m_painted) {
            m_painted = true;
            // Queued behind the paint, so it runs once the frame has been flushed to the screen.
            QTimer::singleShot(0, this, [] {
                std::fputs("first frame\n", stdout);
                std::fflush(stdout);
                QCoreApplication::quit();
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool m_painted = false;
};

inline void reportFirstFrameWhenAsked(QWidget* window) {
    if (qEnvironmentVariableIsSet(firstFrameProbeVariable))
        new FirstFrameProbe(window);
}

} // namespace tincta
