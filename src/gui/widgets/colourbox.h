#pragma once

#include "colour/colour.h"

#include <QWidget>
#include <optional>

namespace tincta {

// A box filled with one colour: the colour-mark samples, the slider tags and the pick preview.
// It reports mouse presses, moves and releases so that a drag can start from a sample.
class ColourBox : public QWidget {
    Q_OBJECT

public:
    explicit ColourBox(QWidget* parent = nullptr);

    PackedColour colour() const { return m_colour; }
    void setColour(PackedColour colour);
    void setFramed(bool framed);

Q_SIGNALS:
    void mousePressed(Qt::MouseButton button);
    // The pointer position is global, in device-independent pixels with their fractions: on a
    // scaled screen a fraction tells which device pixel the pointer is on.
    void mouseMoved(Qt::MouseButtons buttons, QPointF globalPosition);
    void mouseReleased(Qt::MouseButton button);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The position of a move as its window received it: widgets get it rounded to whole
    // device-independent pixels, which on a scaled screen loses the device pixel.
    QPointF precisePointer(const QMouseEvent* event);

    std::optional<QPointF> m_windowPointer;
    PackedColour m_colour = 0;
    bool m_framed = true;
};

} // namespace tincta
