#pragma once

#include <QString>

namespace tincta {

// True when `path` names an existing folder spelled exactly as on disk (letter case included),
// or the root folder "/". One trailing "/" is ignored.
bool folderExists(const QString& path);

// The part of `text` after the last `separator`; `text` itself when the separator is empty or
// absent.
QString textAfterLast(const QString& text, const QString& separator);

} // namespace tincta
