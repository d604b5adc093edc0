#pragma once

#include <QString>

namespace tincta {

// The one version number of the program and its package; the build sets it from the project.
inline const QString programVersion = QStringLiteral(TINCTA_VERSION);

} // namespace tincta
