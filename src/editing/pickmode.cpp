#include "editing/pickmode.h"

#include "colour/areaaverage.h"
#include "editing/coloureditor.h"
#include "editing/frozenpicker.h"
#include "editing/loupe.h"
#include "editing/markspanel.h"
#include "gui/platform/colourportal.h"
#include "gui/platform/errorguard.h"
#include "gui/platform/screenpixel.h"
#include "gui/platform/services.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QShortcut>
#include <QWheelEvent>
#include <QWidget>

namespace tincta {

PickMode::PickMode(QWidget* window, MarksPanel& marks, ColourEditor& editor,
                   const Services& services)
    : QObject(window), m_window(window), m_marks(marks), m_editor(editor),
      m_screen(services.screen), m_messages(services.messages), m_portal(services.portal),
      m_cancelShortcut(new QShortcut(QKeySequence(Qt::Key_Escape), window)),
      m_loupe(new Loupe(window)), m_windowExport(window->window()) {
    m_cancelShortcut->setEnabled(false);
    connect(m_cancelShortcut, &QShortcut::activated, this, guarded([this] {
                if (dragging())
                    endDrag();
            }));
    connect(&m_marks, &MarksPanel::samplePressed, this,
            guarded([this](int mark, Qt::MouseButton button) { onSamplePressed(mark, button); }));
    connect(&m_marks, &MarksPanel::sampleMoved, this,
            guarded([this](int, Qt::MouseButtons buttons, QPointF pointer) {
                onSampleMoved(buttons, pointer);
            }));
    connect(&m_marks, &MarksPanel::sampleReleased, this,
            guarded([this](int, Qt::MouseButton button) { onSampleReleased(button); }));
    if (m_portal != nullptr)
        connectPortal();
}

PickMode::~PickMode() {
    if (dragging())
        endDrag();
}

void PickMode::connectPortal() {
    m_marks.setPickToolTip(tr("Click here to pick a colour anywhere on the screen"));
    connect(m_portal, &ColourPortal::colourPicked, this,
            guarded([this](const Colour& colour) { onPortalColour(colour); }));
    connect(m_portal, &ColourPortal::unavailable, this,
            guarded([this] { inform(m_messages, m_window, portalUnavailableText()); }));
    connect(m_portal, &ColourPortal::failed, this,
            guarded([this] { warn(m_messages, m_window, portalFailedText()); }));
    // The command's pick: a still image where the desktop gives one, else the desktop's own
    // picker.
    connect(m_portal, &ColourPortal::screenshotTaken, this, guarded([this](const QImage& desktop) {
                if (m_commandPickWaiting)
                    startFrozenPicker(shotOfDesktop(desktop, screenGeometries()));
                m_commandPickWaiting = false;
            }));
    connect(m_portal, &ColourPortal::screenshotRefused, this, guarded([this] {
                if (m_commandPickWaiting)
                    askPortal(true);
            }));
    connect(m_portal, &ColourPortal::pickCancelled, this, [this] { m_commandPickWaiting = false; });
}

void PickMode::askPortal(bool fromCommand) {
    m_commandPickWaiting = fromCommand;
    m_portal->requestColour(windowHandle());
}

QString PickMode::windowHandle() const {
    return portalWindowHandle(QGuiApplication::platformName(), m_window->window()->winId(),
                              m_windowExport.handle());
}

QString PickMode::portalFailedText() {
    return tr("The desktop could not pick a colour from the screen. Nothing was changed.\r\n\r\n"
              "Try again, or type the colour's values into the boxes below the sliders.");
}

QString PickMode::portalUnavailableText() {
    return tr("Picking a colour from the screen is not available on this desktop.\r\n\r\n"
              "Type the colour's red, green and blue values into the boxes below the sliders "
              "and click Set, or press F11 to type its HTML Hex value.");
}

void PickMode::setOn(bool on) {
    m_on = on;
    // F7 still works while the mouse is held by a drag; turning the mode off then would leave the
    // grab on a disabled sample that never sees the release, so the drag is abandoned first.
    if (!on && dragging())
        endDrag();
    if (!on && m_portal != nullptr && !m_commandPickWaiting)
        m_portal->abandon();
    m_marks.setSamplesActive(on);
}

void PickMode::onSamplePressed(int mark, Qt::MouseButton button) {
    if (button != Qt::LeftButton || dragging())
        return;
    if (m_portal != nullptr) {
        askPortal(false);
        return;
    }
    m_dragSample = mark;
    m_pointer.reset();
    m_shot.reset();
    m_window->setCursor(Qt::CrossCursor);
    // While the mouse is held, other programs' windows show the holder's pointer: the cross-hair.
    m_marks.holdPointer(mark);
    m_editor.showPickPreview(true);
    m_loupe->setSampleSize(m_sampleSize);
    m_cancelShortcut->setEnabled(true);
    QCoreApplication::instance()->installEventFilter(this);
}

void PickMode::pickFromScreen() {
    if (dragging() || m_frozen != nullptr)
        return;
    if (m_portal == nullptr) {
        startFrozenPicker(m_screen.grab());
        return;
    }
    m_commandPickWaiting = true;
    m_portal->requestScreenshot(windowHandle());
}

void PickMode::startFrozenPicker(ScreenShot shot) {
    m_frozen = new FrozenPicker(std::move(shot), m_sampleSize, this);
    connect(m_frozen, &FrozenPicker::picked, this,
            guarded([this](const Colour& colour) { applyPick(colour); }));
    connect(m_frozen, &FrozenPicker::sampleSizeChanged, this, [this](int size) {
        m_sampleSize = size;
        Q_EMIT sampleSizeChanged(size);
    });
    const auto forget = [this] {
        m_frozen->deleteLater();
        m_frozen = nullptr;
    };
    connect(m_frozen, &FrozenPicker::picked, this, forget);
    connect(m_frozen, &FrozenPicker::cancelled, this, forget);
    m_frozen->start();
}

void PickMode::setSampleSize(int size) {
    m_sampleSize = size;
    m_loupe->setSampleSize(size);
}

void PickMode::onPortalColour(const Colour& colour) {
    if (!m_on && !m_commandPickWaiting)
        return;
    m_commandPickWaiting = false;
    m_pickColour = colour;
    applyPick(colour);
}

void PickMode::applyPick(const Colour& colour) {
    m_editor.setColour(colour);
    Q_EMIT colourPicked(colour);
}

void PickMode::onSampleMoved(Qt::MouseButtons buttons, QPointF pointer) {
    if (buttons != Qt::LeftButton || !dragging() || m_pointer.isOwnMove(pointer))
        return;
    pickAt(pointer);
}

void PickMode::pickAt(QPointF point) {
    if (!m_shot)
        m_shot = m_screen.grab();
    const ScreenArea area = m_shot->areaAround(point, Loupe::radius);
    m_pointer.follow(area);
    m_pickColour = pickColourFromArea(area, m_sampleSize);
    m_editor.setPickPreviewColour(m_pickColour);
    m_loupe->showArea(area, m_pickColour, point);
}

void PickMode::stepSampleSize(int steps) {
    const int size = steppedSampleSize(m_sampleSize, steps);
    if (size == m_sampleSize)
        return;
    setSampleSize(size);
    if (const std::optional<QPointF> point = m_pointer.point())
        pickAt(*point);
    Q_EMIT sampleSizeChanged(size);
}

void PickMode::onSampleReleased(Qt::MouseButton button) {
    if (button != Qt::LeftButton || !dragging())
        return;
    applyPick(m_pickColour);
    endDrag();
}

bool PickMode::eventFilter(QObject* watched, QEvent* event) {
    if (!dragging())
        return QObject::eventFilter(watched, event);
    bool handled = false;
    if (event->type() == QEvent::KeyPress) {
        ErrorGuard::run([&] { handled = handleDragKey(*static_cast<QKeyEvent*>(event)); });
    } else if (event->type() == QEvent::Wheel) {
        ErrorGuard::run([&] { stepSampleSize(sampleSizeStep(*static_cast<QWheelEvent*>(event))); });
        handled = true;
    }
    return handled || QObject::eventFilter(watched, event);
}

bool PickMode::handleDragKey(const QKeyEvent& key) {
    if (const std::optional<QPoint> step = arrowStep(key)) {
        // Before the first move the pick point is where the press left the pointer.
        pickAt(m_pointer.nudged(*step));
        m_pointer.placePointer();
        return true;
    }
    if (const std::optional<int> steps = sampleSizeStep(key)) {
        stepSampleSize(*steps);
        return true;
    }
    return false;
}

void PickMode::endDrag() {
    QCoreApplication::instance()->removeEventFilter(this);
    m_cancelShortcut->setEnabled(false);
    m_loupe->hide();
    m_editor.showPickPreview(false);
    m_window->unsetCursor();
    m_marks.releasePointer(m_dragSample);
    m_dragSample = -1;
    m_shot.reset();
}

} // namespace tincta
