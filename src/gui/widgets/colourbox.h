#pragma once

#include "colour/colour.h"

#include <QWidget>

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
    void mouseMoved(Qt::MouseButtons buttons);
    void mouseReleased(Qt::MouseButton button);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    PackedColour m_colour = 0;
    bool m_framed = true;
};

} // namespace tincta
