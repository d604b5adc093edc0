#include "gui/widgets/colourbox.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWindow>
#include <utility>

namespace tincta {

ColourBox::ColourBox(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ColourBox::setColour(PackedColour colour) {
    if (colour == m_colour)
        return;
    m_colour = colour;
    update();
}

void ColourBox::setFramed(bool framed) {
    m_framed = framed;
    update();
}

void ColourBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const Colour colour = unpack(m_colour);
    const QColor fill(colour.red, colour.green, colour.blue);
    if (!m_framed) {
        painter.fillRect(rect(), fill);
        return;
    }
    // A thin neutral frame keeps white and very light colours visible against the window.
    painter.fillRect(rect(), palette().color(QPalette::Mid));
    painter.fillRect(rect().adjusted(1, 1, -1, -1), fill);
}

void ColourBox::mousePressEvent(QMouseEvent* event) {
    // The moves of a drag that starts here reach the window first, unrounded.
    if (QWindow* handle = window()->windowHandle())
        handle->installEventFilter(this);
    Q_EMIT mousePressed(event->button());
}

void ColourBox::mouseMoveEvent(QMouseEvent* event) {
    Q_EMIT mouseMoved(event->buttons(), precisePointer(event));
}

bool ColourBox::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove)
        m_windowPointer = static_cast<QMouseEvent*>(event)->globalPosition();
    return QWidget::eventFilter(watched, event);
}

QPointF ColourBox::precisePointer(const QMouseEvent* event) {
    // Only a refinement of this very move counts, never a stale position.
    const QPointF rounded = event->globalPosition();
    const std::optional<QPointF> seen = std::exchange(m_windowPointer, std::nullopt);
    if (seen && qAbs(seen->x() - rounded.x()) <= 0.5 && qAbs(seen->y() - rounded.y()) <= 0.5)
        return *seen;
    return rounded;
}

void ColourBox::mouseReleaseEvent(QMouseEvent* event) {
    Q_EMIT mouseReleased(event->button());
}

} // namespace tincta
