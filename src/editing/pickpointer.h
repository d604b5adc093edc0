#pragma once

#include "gui/platform/screenpixel.h"

#include <QList>
#include <QPoint>
#include <QPointF>
#include <optional>

class QKeyEvent;
class QWheelEvent;

namespace tincta {

// The arrow keys move the pick point one device pixel, with Shift ten.
std::optional<QPoint> arrowStep(const QKeyEvent& key);
// + (or =) averages a larger area, - a smaller one: one step up or down.
std::optional<int> sampleSizeStep(const QKeyEvent& key);
// The wheel turned away from the user averages a larger area.
int sampleSizeStep(const QWheelEvent& wheel);

// Where a pick reads: it follows the pointer and moves by whole device pixels with the arrows,
// placing the pointer as near as it can go.
class PickPointer {
public:
    void reset();
    // A move the program caused by placing the pointer itself, which must not move the point.
    bool isOwnMove(QPointF pointer);
    // Whether the pointer is expected here because the program placed it, without settling it.
    bool awaits(QPointF pointer) const;
    // The area just read around the point becomes where the pick is.
    void follow(const ScreenArea& area);
    // The point `step` device pixels away; before the first read, from the pointer.
    QPointF nudged(QPoint step) const;
    // Moves the pointer onto the pick point's pixel, as near as the screen's scale allows.
    void placePointer();
    std::optional<QPointF> point() const { return m_point; }

private:
    // The centre of the device pixel read last, and that screen's scale.
    std::optional<QPointF> m_point;
    qreal m_ratio = 1;
    // Where the program placed the pointer and has not yet seen it arrive.
    QList<QPoint> m_echoes;
};

} // namespace tincta
