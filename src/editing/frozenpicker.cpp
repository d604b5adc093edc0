#include "editing/frozenpicker.h"

#include "colour/areaaverage.h"
#include "editing/loupe.h"
#include "gui/platform/errorguard.h"

#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QRegion>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <QtMath>
#include <algorithm>

namespace tincta {

namespace {

// One screen's still image, shown device pixel for device pixel.
class FrozenScreen final : public QWidget {
public:
    explicit FrozenScreen(const ScreenImage& screen)
        : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
          m_screen(screen) {
        setObjectName(QStringLiteral("frozenScreen"));
        setWindowTitle(
            QCoreApplication::translate("tincta::FrozenPicker", "Pick a colour - Tincta"));
        setAccessibleName(QCoreApplication::translate(
            "tincta::FrozenPicker", "Still image of the screen: click a colour to pick it"));
        setAttribute(Qt::WA_OpaquePaintEvent);
        setCursor(Qt::CrossCursor);
        setMouseTracking(true);
        setGeometry(screen.geometry);
        // Where window positions are the compositor's to choose, the screen is still ours to name.
        if (QScreen* shown = QGuiApplication::screenAt(screen.geometry.center()))
            setScreen(shown);
        // The display server shows its still from the window's first frame on, while the
        // pixels are still on their way to the program.
        if (m_screen.serverStill)
            m_shownByServer = m_screen.serverStill->becomeBackgroundOf(winId());
    }

    bool shownByServer() const { return m_shownByServer; }

protected:
    void paintEvent(QPaintEvent*) override {
        if (m_pixels.isNull()) {
            m_pixels = m_screen.image();
            m_pixels.setDevicePixelRatio(m_screen.ratio);
        }
        QPainter painter(this);
        // A whole screen of pixels: each is written once, the edges the image leaves open
        // (a window manager may keep a strip of the screen) with the theme's colour.
        const QSizeF shown = m_pixels.deviceIndependentSize();
        const QRect covered(0, 0, qFloor(shown.width()), qFloor(shown.height()));
        for (const QRect& uncovered : QRegion(rect()).subtracted(covered))
            painter.fillRect(uncovered, palette().window());
        painter.drawImage(QPointF(0, 0), m_pixels);
    }

private:
    ScreenImage m_screen;
    bool m_shownByServer = false;
    // Read on the first paint.
    QImage m_pixels;
};

// Where a pointer event on one of our windows happened on the desktop. On Wayland the desktop
// position of the pointer's arrival, and of every press until it moves, comes rounded to whole
// pixels (at a scale of 1.5, another device pixel); its place in the window handle does not.
QPointF desktopPosition(QObject* watched, const QSinglePointEvent& event) {
    if (watched->isWindowType())
        return static_cast<QWindow*>(watched)->mapToGlobal(event.position());
    return event.globalPosition();
}

} // namespace

FrozenPicker::FrozenPicker(ScreenShot shot, int sampleSize, QObject* parent)
    : QObject(parent), m_shot(std::move(shot)), m_sampleSize(sampleSize) {}

FrozenPicker::~FrozenPicker() {
    QCoreApplication::instance()->removeEventFilter(this);
}

void FrozenPicker::start() {
    m_shownByServer = !m_shot.screens.empty();
    for (const ScreenImage& screen : m_shot.screens) {
        auto window = std::make_unique<FrozenScreen>(screen);
        m_shownByServer = m_shownByServer && window->shownByServer();
        m_windows.push_back(std::move(window));
    }
    if (m_windows.empty())
        return;
    QCoreApplication::instance()->installEventFilter(this);
    for (const auto& window : m_windows)
        window->showFullScreen();
    // A still the display server shows is on the screen before the loupe's text is laid out;
    // the loupe follows as the window is exposed, when the program paints anyway.
    m_loupeAwaitsExpose = m_shownByServer;
    pickAt(QCursor::pos());
    // The keyboard belongs to the pick wherever the window manager puts the focus; the grab
    // needs the window on the screen first.
    QTimer::singleShot(0, m_windows.front().get(), [window = m_windows.front().get()] {
        window->activateWindow();
        window->grabKeyboard();
    });
}

// The pointer arrives at the window handles first, in unrounded device-independent pixels that
// tell one device pixel from the next at any scale; the widgets see it rounded.
bool FrozenPicker::isOurWindow(QObject* object) const {
    return std::any_of(m_windows.begin(), m_windows.end(), [object](const auto& window) {
        return window.get() == object || window->windowHandle() == object;
    });
}

bool FrozenPicker::eventFilter(QObject* watched, QEvent* event) {
    if (!isRunning())
        return false;
    bool handled = false;
    ErrorGuard::run([&] {
        switch (event->type()) {
        case QEvent::KeyPress:
            handled = handleKey(*static_cast<QKeyEvent*>(event));
            break;
        case QEvent::MouseMove:
            if (isOurWindow(watched)) {
                const QPointF global = desktopPosition(watched, *static_cast<QMouseEvent*>(event));
                if (!m_pointer.isOwnMove(global))
                    pickAt(global);
                handled = true;
            }
            break;
        case QEvent::Enter:
            // A still image shown under the pointer learns where it is from its arrival, which
            // Wayland alone tells: the pointer's last position the program saw lies elsewhere.
            if (watched->isWindowType() && isOurWindow(watched)) {
                const QPointF global = desktopPosition(watched, *static_cast<QEnterEvent*>(event));
                if (!m_pointer.awaits(global))
                    pickAt(global);
            }
            break;
        case QEvent::MouseButtonPress:
            if (isOurWindow(watched)) {
                const Qt::MouseButton button = static_cast<QMouseEvent*>(event)->button();
                if (button == Qt::LeftButton || button == Qt::RightButton)
                    finish(button == Qt::LeftButton);
                handled = true;
            }
            break;
        case QEvent::Wheel:
            if (isOurWindow(watched)) {
                stepSampleSize(sampleSizeStep(*static_cast<QWheelEvent*>(event)));
                handled = true;
            }
            break;
        case QEvent::Expose:
            if (m_loupeAwaitsExpose && watched->isWindowType() && isOurWindow(watched)) {
                m_loupeAwaitsExpose = false;
                if (const std::optional<QPointF> point = m_pointer.point())
                    showLoupeAt(*point);
            }
            break;
        case QEvent::Close:
            if (isOurWindow(watched))
                finish(false);
            break;
        default:
            break;
        }
    });
    return handled;
}

bool FrozenPicker::handleKey(const QKeyEvent& key) {
    if (key.key() == Qt::Key_Escape) {
        finish(false);
    } else if (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter ||
               key.key() == Qt::Key_Space) {
        finish(true);
    } else if (const std::optional<QPoint> step = arrowStep(key)) {
        pickAt(m_pointer.nudged(*step));
        m_pointer.placePointer();
    } else if (const std::optional<int> steps = sampleSizeStep(key)) {
        stepSampleSize(*steps);
    } else {
        return false;
    }
    return true;
}

void FrozenPicker::pickAt(QPointF global) {
    m_area = m_shot.areaAround(global, Loupe::radius);
    m_pointer.follow(m_area);
    m_colour = pickColourFromArea(m_area, m_sampleSize);
    showLoupeAt(global);
}

void FrozenPicker::showLoupeAt(QPointF global) {
    if (m_loupeAwaitsExpose)
        return;
    hostLoupeOver(global);
    m_loupe->showArea(m_area, m_colour, global);
    m_loupe->raise();
}

// The loupe is drawn inside the still image of the screen it is over. As a window of its own it
// would be, on Wayland, a popup of whichever window had the focus before, and the compositor
// closes such a popup when the still image takes the focus, under the program's feet.
void FrozenPicker::hostLoupeOver(QPointF global) {
    const std::optional<DevicePixel> pixel = m_shot.locate(global);
    QWidget* host = m_windows.at(pixel ? pixel->screen : 0).get();
    // Made on first use: its size comes from the font, whose first load is costly.
    if (!m_loupe) {
        m_loupe = std::make_unique<Loupe>(nullptr);
        m_loupe->setSampleSize(m_sampleSize);
    }
    if (m_loupe->parentWidget() != host)
        m_loupe->setParent(host);
}

void FrozenPicker::stepSampleSize(int steps) {
    const int size = steppedSampleSize(m_sampleSize, steps);
    if (size == m_sampleSize)
        return;
    m_sampleSize = size;
    if (m_loupe)
        m_loupe->setSampleSize(size);
    if (const std::optional<QPointF> point = m_pointer.point())
        pickAt(*point);
    Q_EMIT sampleSizeChanged(size);
}

void FrozenPicker::finish(bool take) {
    QCoreApplication::instance()->removeEventFilter(this);
    if (m_loupe) {
        m_loupe->hide();
        m_loupe->setParent(nullptr);
    }
    // Closed later: the event that ends the pick is still being delivered to one of them.
    for (auto& window : m_windows) {
        window->releaseKeyboard();
        window->hide();
        window.release()->deleteLater();
    }
    m_windows.clear();
    if (take)
        Q_EMIT picked(m_colour);
    else
        Q_EMIT cancelled();
}

} // namespace tincta
