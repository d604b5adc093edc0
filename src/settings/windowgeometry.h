#pragma once

#include <QList>
#include <QRect>
#include <QString>
#include <optional>

namespace tincta {

// The main window's place as WindowGeometry stores it: "x,y,width,height", the top-left corner
// of the frame and the size inside it, in device-independent pixels.
QString windowGeometryText(const QRect& geometry);
// Nothing for a text that is not exactly that, with a width and height of at least 1.
std::optional<QRect> windowGeometryFromText(const QString& text);

// Where a window of `geometry` goes on screens with the given available areas (the primary
// first): where it is while the screens hold all of it, else into the screen it overlaps most
// (the primary one when none), shrunk where that screen is smaller.
QRect keptOnScreens(const QRect& geometry, const QList<QRect>& screens);

} // namespace tincta
