#pragma once

#include "colour/colour.h"

#include <QRect>
#include <QString>
#include <QWidget>

class QPainter;
#include <span>
#include <vector>

namespace tincta {

// A grid of colour cells painted as one widget. Hundreds of cells as child widgets, repainted on
// every slider step, would be slow; here a change of colours is one repaint.
class SwatchGrid : public QWidget {
    Q_OBJECT

public:
    explicit SwatchGrid(QWidget* parent = nullptr);

    // Cells side by side in one row that stretches with the widget, index 0 at the left.
    void setStretchedRow(int cellCount);
    // Cells at fixed places, in device-independent pixels; later cells paint over earlier ones.
    void setCellRects(std::vector<QRect> rects);

    int cellCount() const { return static_cast<int>(m_colours.size()); }
    void setCellColour(int index, PackedColour colour);
    // Every cell at once, index 0 first, with one repaint: the colour bar changes all its cells
    // on every slider step.
    void setCellColours(std::span<const PackedColour> colours);
    PackedColour cellColour(int index) const { return m_colours[static_cast<std::size_t>(index)]; }
    void setCellToolTip(int index, const QString& toolTip);
    QString cellToolTip(int index) const;
    // Where cell `index` is drawn, in widget coordinates.
    QRect cellRect(int index) const;
    // The topmost cell under a point, or -1.
    int cellAt(const QPoint& point) const;
    // What a screen reader says for a cell: its tooltip, else its colour as HTML hex.
    QString cellAccessibleName(int index) const;

    // The cell the keyboard works on; framed while the grid has the focus.
    int currentCell() const { return m_currentCell; }
    void setCurrentCell(int index);
    bool showsFocusCell() const { return m_showFocusCell && hasFocus(); }
    // Acts as a left press and release on the cell.
    void activateCell(int index);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

Q_SIGNALS:
    void cellPressed(int index, Qt::MouseButton button);
    // A left press and release on the same cell.
    void cellClicked(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void resizeCells(int count);
    // The nearest cell from the current one in a direction, or -1.
    int neighbour(QPoint direction) const;
    void paintFocusFrame(QPainter& painter) const;

    std::vector<PackedColour> m_colours;
    std::vector<QString> m_toolTips;
    std::vector<QRect> m_fixedRects;
    bool m_stretched = false;
    int m_pressedCell = -1;
    int m_currentCell = -1;
    // The frame shows once the keyboard is used, so it never hides a cell from the mouse user.
    bool m_showFocusCell = false;
};

} // namespace tincta
