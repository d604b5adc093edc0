#pragma once

#include <QIcon>
#include <QString>

namespace tincta {

// One of the program's icons ("new", "tincta", ...), as the build drew it from its SVG at every
// size in iconsizes.h. Each size is read only when first needed: drawing SVG at start-up cost
// more than the whole rest of the toolbar, and the SVG module need not load at all.
QIcon programIcon(const QString& name);

// The program's own icon, which every window of it shows.
QIcon tinctaIcon();

} // namespace tincta
