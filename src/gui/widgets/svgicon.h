#pragma once

#include <QIcon>
#include <QString>

namespace tincta {

// An icon drawn from one of the program's SVG images. The image is read and drawn only when a
// size is first needed, once per size; Qt's own SVG icons read each file when the icon is made,
// which at start-up costs more than drawing the whole toolbar.
QIcon svgIcon(const QString& path);

} // namespace tincta
