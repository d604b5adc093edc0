#include "editing/pickpointer.h"

#include <QCursor>
#include <QKeyEvent>
#include <QWheelEvent>
#include <QtMath>
#include <algorithm>

namespace tincta {

namespace {

constexpr int shiftStep = 10;

QPoint floored(QPointF point) {
    return QPoint(qFloor(point.x()), qFloor(point.y()));
}

} // namespace

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

std::optional<int> sampleSizeStep(const QKeyEvent& key) {
    switch (key.key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        return 1;
    case Qt::Key_Minus:
    case Qt::Key_Underscore:
        return -1;
    default:
        return std::nullopt;
    }
}

int sampleSizeStep(const QWheelEvent& wheel) {
    const int delta = wheel.angleDelta().y();
    return delta > 0 ? 1 : (delta < 0 ? -1 : 0);
}

void PickPointer::reset() {
    m_point.reset();
    m_ratio = 1;
    m_echoes.clear();
}

bool PickPointer::isOwnMove(QPointF pointer) {
    const auto echo = std::find(m_echoes.begin(), m_echoes.end(), floored(pointer));
    if (echo == m_echoes.end()) {
        m_echoes.clear();
        return false;
    }
    m_echoes.erase(m_echoes.begin(), echo + 1);
    return true;
}

bool PickPointer::awaits(QPointF pointer) const {
    return m_echoes.contains(floored(pointer));
}

void PickPointer::follow(const ScreenArea& area) {
    m_point = area.centre;
    m_ratio = area.ratio;
}

QPointF PickPointer::nudged(QPoint step) const {
    if (!m_point)
        return QPointF(QCursor::pos()) + QPointF(step);
    return *m_point + QPointF(step) / m_ratio;
}

void PickPointer::placePointer() {
    // At a scale of 2 the pointer reaches only every second device pixel; the pick point is
    // what counts, so the pointer's own arrival must not move it back.
    if (!m_point)
        return;
    const QPoint pointer = floored(*m_point);
    if (pointer == QCursor::pos())
        return;
    m_echoes.append(pointer);
    QCursor::setPos(pointer);
}

} // namespace tincta
