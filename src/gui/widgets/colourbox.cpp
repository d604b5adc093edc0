#include "gui/widgets/colourbox.h"

#include <QMouseEvent>
#include <QPainter>

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
    Q_EMIT mousePressed(event->button());
}

void ColourBox::mouseMoveEvent(QMouseEvent* event) {
    Q_EMIT mouseMoved(event->buttons());
}

void ColourBox::mouseReleaseEvent(QMouseEvent* event) {
    Q_EMIT mouseReleased(event->button());
}

} // namespace tincta
