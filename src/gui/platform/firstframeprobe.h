#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <cstdio>

namespace tincta {

// Set by the start-up benchmark: the program says "first frame" on standard output once its
// first window is on the screen and "drawn frame" once it has painted it itself, then quits, so
// that the time to the first frame and the peak memory of a start-up can be read from outside,
// the same way for Tincta and for a bare Qt window.
inline constexpr char firstFrameProbeVariable[] = "TINCTA_BENCH_FIRST_FRAME";

// Who puts a window's first frame on the screen.
enum class FirstFrame {
    // The program, with its first paint.
    Painted,
    // The display server, as the window is exposed: the program's paint comes after.
    Exposed,
};

class FirstFrameProbe final : public QObject {
public:
    FirstFrameProbe(QWidget* window, FirstFrame first) : QObject(window) {
        window->installEventFilter(this);
        // Heard at the application, which hears it before the program's own filters act on it.
        if (first == FirstFrame::Exposed) {
            m_exposed = window->windowHandle();
            QCoreApplication::instance()->installEventFilter(this);
        }
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Expose && watched == m_exposed && m_exposed->isExposed())
            tellShown();
        if (event->type() == QEvent::Paint && !m_painted) {
            m_painted = true;
            // Queued behind the paint, so it runs once the frame has been flushed to the screen.
            QTimer::singleShot(0, this, [this] {
                tellShown();
                say("drawn frame");
                QCoreApplication::quit();
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    static void say(const char* line) {
        std::printf("%s\n", line);
        std::fflush(stdout);
    }

    void tellShown() {
        if (!m_shown)
            say("first frame");
        m_shown = true;
    }

    QWindow* m_exposed = nullptr;
    bool m_shown = false;
    bool m_painted = false;
};

inline void reportFirstFrameWhenAsked(QWidget* window, FirstFrame first = FirstFrame::Painted) {
    if (qEnvironmentVariableIsSet(firstFrameProbeVariable))
        new FirstFrameProbe(window, first);
}

} // namespace tincta
