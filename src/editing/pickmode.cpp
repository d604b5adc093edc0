#include "editing/pickmode.h"

#include "editing/coloureditor.h"
#include "editing/loupe.h"
#include "editing/markspanel.h"
#include "gui/platform/colourportal.h"
#include "gui/platform/errorguard.h"
#include "gui/platform/screenpixel.h"
#include "gui/platform/services.h"

#include <QCoreApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QShortcut>
#include <QWidget>
#include <QtMath>
#include <algorithm>

namespace tincta {

namespace {

constexpr int shiftStep = 10;

std::optional<QPoint> arrowStep(const QKeyEvent& key) {
    const int length = key.modifiers().testFlag(Qt::ShiftModifier) ? shiftStep : 1;
    switch (key.key()) {
    case Qt::Key_Left:
        return QPoint(-length, 0);
    case Qt::Key_Right:
        return QPoint(length, 0);
    case Qt::Key_Up:
        return QPoint(0, -length);
    case Qt::Key_Down:
        return QPoint(0, length);
    default:
        return std::nullopt;
    }
}

QPoint floored(QPointF point) {
    return QPoint(qFloor(point.x()), qFloor(point.y()));
}

} // namespace

PickMode::PickMode(QWidget* window, MarksPanel& marks, ColourEditor& editor,
                   const Services& services)
    : QObject(window), m_window(window), m_marks(marks), m_editor(editor),
      m_screen(services.screen), m_messages(services.messages), m_portal(services.portal),
      m_cancelShortcut(new QShortcut(QKeySequence(Qt::Key_Escape), window)),
      m_loupe(new Loupe(window)) {
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
    if (!on && m_portal != nullptr)
        m_portal->abandon();
    m_marks.setSamplesActive(on);
}

void PickMode::onSamplePressed(int mark, Qt::MouseButton button) {
    if (button != Qt::LeftButton || dragging())
        return;
    if (m_portal != nullptr) {
        m_portal->requestColour();
        return;
    }
    m_dragSample = mark;
    m_pickPoint.reset();
    m_pointerEchoes.clear();
    m_window->setCursor(Qt::CrossCursor);
    // While the mouse is held, other programs' windows show the holder's pointer: the cross-hair.
    m_marks.holdPointer(mark);
    m_editor.showPickPreview(true);
    m_cancelShortcut->setEnabled(true);
    QCoreApplication::instance()->installEventFilter(this);
}

void PickMode::onPortalColour(const Colour& colour) {
    if (!m_on)
        return;
    m_pickColour = colour;
    applyPick(colour);
}

void PickMode::applyPick(const Colour& colour) {
    m_editor.setColour(colour);
    Q_EMIT colourPicked(colour);
}

void PickMode::onSampleMoved(Qt::MouseButtons buttons, QPointF pointer) {
    if (buttons != Qt::LeftButton || !dragging() || isPointerEcho(pointer))
        return;
    pickAt(pointer);
}

bool PickMode::isPointerEcho(QPointF pointer) {
    const auto echo = std::find(m_pointerEchoes.begin(), m_pointerEchoes.end(), floored(pointer));
    if (echo == m_pointerEchoes.end()) {
        m_pointerEchoes.clear();
        return false;
    }
    m_pointerEchoes.erase(m_pointerEchoes.begin(), echo + 1);
    return true;
}

void PickMode::pickAt(QPointF point) {
    const ScreenArea area = m_screen.areaAround(point, Loupe::radius);
    m_pickPoint = area.centre;
    m_pickRatio = area.ratio;
    m_pickColour = pickColourFromRead(area.middle());
    m_editor.setPickPreviewColour(m_pickColour);
    m_loupe->showArea(area, m_pickColour, point);
}

void PickMode::nudge(QPoint step) {
    // Before the first move the pick point is where the press left the pointer.
    const QPointF from = m_pickPoint.value_or(QCursor::pos());
    const qreal ratio = m_pickPoint ? m_pickRatio : 1;
    pickAt(from + QPointF(step) / ratio);
    // At a scale of 2 the pointer reaches only every second device pixel; the pick point is
    // what counts, so the pointer's own arrival must not move it back.
    const QPoint pointer = floored(*m_pickPoint);
    if (pointer == QCursor::pos())
        return;
    m_pointerEchoes.append(pointer);
    QCursor::setPos(pointer);
}

void PickMode::onSampleReleased(Qt::MouseButton button) {
    if (button != Qt::LeftButton || !dragging())
        return;
    applyPick(m_pickColour);
    endDrag();
}

bool PickMode::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && dragging()) {
        if (const std::optional<QPoint> step = arrowStep(*static_cast<QKeyEvent*>(event))) {
            ErrorGuard::run([this, step] { nudge(*step); });
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void PickMode::endDrag() {
    QCoreApplication::instance()->removeEventFilter(this);
    m_cancelShortcut->setEnabled(false);
    m_loupe->hide();
    m_editor.showPickPreview(false);
    m_window->unsetCursor();
    m_marks.releasePointer(m_dragSample);
    m_dragSample = -1;
}

} // namespace tincta
