#include "gui/widgets/swatchgrid.h"

#include "colour/conversions.h"
#include "gui/widgets/colourspeech.h"
#include "gui/widgets/swatchgridaccessible.h"

#include <QAccessible>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <algorithm>
#include <cstdlib>

namespace tincta {

namespace {

QColor qtColour(PackedColour packed) {
    const Colour colour = unpack(packed);
    return QColor(colour.red, colour.green, colour.blue);
}

constexpr int stretchedCellMinimumWidth = 1;
constexpr int stretchedRowHeight = 24;
// How far the focus frame reaches past its cell: the colour bar's cells are two pixels wide.
constexpr int focusFrameMargin = 2;
// Keeps the frame's neighbour on its own row or column unless none is there.
constexpr int sidewaysPenalty = 3;

void installAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(&SwatchGridAccessible::factory);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace

SwatchGrid::SwatchGrid(QWidget* parent) : QWidget(parent) {
    installAccessibility();
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Tab reaches the grid; a click acts on its cell without taking the focus from elsewhere.
    setFocusPolicy(Qt::TabFocus);
}

void SwatchGrid::resizeCells(int count) {
    m_currentCell = -1;
    m_colours.assign(static_cast<std::size_t>(count), 0);
    m_toolTips.assign(static_cast<std::size_t>(count), QString());
}

void SwatchGrid::setStretchedRow(int cellCount) {
    m_stretched = true;
    m_fixedRects.clear();
    resizeCells(cellCount);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    updateGeometry();
    update();
}

void SwatchGrid::setCellRects(std::vector<QRect> rects) {
    m_stretched = false;
    resizeCells(static_cast<int>(rects.size()));
    m_fixedRects = std::move(rects);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    updateGeometry();
    update();
}

void SwatchGrid::setCellColour(int index, PackedColour colour) {
    auto& cell = m_colours[static_cast<std::size_t>(index)];
    if (cell == colour)
        return;
    cell = colour;
    update(cellRect(index));
}

void SwatchGrid::setCellColours(std::span<const PackedColour> colours) {
    if (std::equal(colours.begin(), colours.end(), m_colours.begin(), m_colours.end()))
        return;
    m_colours.assign(colours.begin(), colours.end());
    update();
}

void SwatchGrid::setCellToolTip(int index, const QString& toolTip) {
    m_toolTips[static_cast<std::size_t>(index)] = toolTip;
}

QString SwatchGrid::cellToolTip(int index) const {
    return m_toolTips[static_cast<std::size_t>(index)];
}

QString SwatchGrid::cellAccessibleName(int index) const {
    // A tooltip that only repeats the hex value would hide the colour's name from the listener.
    const QString toolTip = cellToolTip(index);
    const PackedColour colour = cellColour(index);
    return toolTip.isEmpty() || toolTip == hexTriplet(unpack(colour)) ? spokenColour(colour)
                                                                      : toolTip;
}

void SwatchGrid::setCurrentCell(int index) {
    if (index == m_currentCell || index < 0 || index >= cellCount())
        return;
    m_currentCell = index;
    update();
    if (hasFocus()) {
        QAccessibleEvent focus(this, QAccessible::Focus);
        focus.setChild(index);
        QAccessible::updateAccessibility(&focus);
    }
}

void SwatchGrid::activateCell(int index) {
    if (index < 0 || index >= cellCount())
        return;
    setCurrentCell(index);
    Q_EMIT cellPressed(index, Qt::LeftButton);
    Q_EMIT cellClicked(index);
}

int SwatchGrid::neighbour(QPoint direction) const {
    const QPoint from = cellRect(m_currentCell).center();
    int nearest = -1;
    int nearestScore = 0;
    for (int i = 0; i < cellCount(); ++i) {
        const QPoint offset = cellRect(i).center() - from;
        const int ahead = offset.x() * direction.x() + offset.y() * direction.y();
        if (ahead <= 0)
            continue;
        const int sideways = std::abs(offset.x() * direction.y() - offset.y() * direction.x());
        const int score = ahead + sidewaysPenalty * sideways;
        if (nearest < 0 || score < nearestScore) {
            nearest = i;
            nearestScore = score;
        }
    }
    return nearest;
}

QRect SwatchGrid::cellRect(int index) const {
    if (!m_stretched)
        return m_fixedRects[static_cast<std::size_t>(index)];
    const int count = cellCount();
    const int left = index * width() / count;
    const int right = (index + 1) * width() / count;
    return QRect(left, 0, right - left, height());
}

int SwatchGrid::cellAt(const QPoint& point) const {
    if (!rect().contains(point))
        return -1;
    if (m_stretched) {
        // The last cell whose left edge, as cellRect rounds it, is at or before the point.
        const int count = cellCount();
        const int w = std::max(1, width());
        const int index = ((point.x() + 1) * count + w - 1) / w - 1;
        return std::clamp(index, 0, count - 1);
    }
    for (int i = cellCount() - 1; i >= 0; --i) {
        if (m_fixedRects[static_cast<std::size_t>(i)].contains(point))
            return i;
    }
    return -1;
}

QSize SwatchGrid::sizeHint() const {
    if (m_stretched)
        return QSize(cellCount() * 2, stretchedRowHeight);
    QRect bounds;
    for (const QRect& cell : m_fixedRects)
        bounds |= cell;
    return QSize(bounds.right() + 1, bounds.bottom() + 1);
}

QSize SwatchGrid::minimumSizeHint() const {
    if (m_stretched)
        return QSize(cellCount() * stretchedCellMinimumWidth, stretchedRowHeight);
    return sizeHint();
}

void SwatchGrid::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), palette().window());
    for (int i = 0; i < cellCount(); ++i) {
        const QRect cell = cellRect(i);
        if (cell.intersects(event->rect()))
            painter.fillRect(cell, qtColour(m_colours[static_cast<std::size_t>(i)]));
    }
    if (showsFocusCell() && m_currentCell >= 0)
        paintFocusFrame(painter);
}

void SwatchGrid::paintFocusFrame(QPainter& painter) const {
    // Two rings in the theme's text and base colours: one of them stands out on any cell.
    const QRect frame =
        cellRect(m_currentCell)
            .adjusted(-focusFrameMargin, -focusFrameMargin, focusFrameMargin, focusFrameMargin)
            .intersected(rect());
    painter.setBrush(Qt::NoBrush);
    painter.setPen(palette().color(QPalette::Text));
    painter.drawRect(frame.adjusted(0, 0, -1, -1));
    painter.setPen(palette().color(QPalette::Base));
    painter.drawRect(frame.adjusted(1, 1, -2, -2));
}

void SwatchGrid::mousePressEvent(QMouseEvent* event) {
    const int cell = cellAt(event->position().toPoint());
    m_pressedCell = event->button() == Qt::LeftButton ? cell : -1;
    if (m_pressedCell >= 0) {
        m_showFocusCell = false;
        setCurrentCell(m_pressedCell);
    }
    if (cell >= 0)
        Q_EMIT cellPressed(cell, event->button());
}

void SwatchGrid::mouseReleaseEvent(QMouseEvent* event) {
    const int pressed = m_pressedCell;
    m_pressedCell = -1;
    if (event->button() == Qt::LeftButton && pressed >= 0 &&
        cellAt(event->position().toPoint()) == pressed)
        Q_EMIT cellClicked(pressed);
}

bool SwatchGrid::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const int cell = cellAt(help->pos());
        const QString text = cell >= 0 ? cellToolTip(cell) : QString();
        if (text.isEmpty()) {
            QToolTip::hideText();
            event->ignore();
        } else {
            QToolTip::showText(help->globalPos(), text, this, cellRect(cell));
        }
        return true;
    }
    return QWidget::event(event);
}

void SwatchGrid::keyPressEvent(QKeyEvent* event) {
    QPoint direction;
    switch (event->key()) {
    case Qt::Key_Left:
        direction = QPoint(-1, 0);
        break;
    case Qt::Key_Right:
        direction = QPoint(1, 0);
        break;
    case Qt::Key_Up:
        direction = QPoint(0, -1);
        break;
    case Qt::Key_Down:
        direction = QPoint(0, 1);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        m_showFocusCell = true;
        activateCell(m_currentCell);
        return;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    m_showFocusCell = true;
    update();
    if (m_currentCell >= 0)
        setCurrentCell(neighbour(direction));
}

void SwatchGrid::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason)
        m_showFocusCell = true;
    if (m_currentCell < 0)
        setCurrentCell(0);
    update();
}

void SwatchGrid::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}

} // namespace tincta
