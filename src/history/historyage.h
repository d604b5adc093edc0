#pragma once

#include <QString>

namespace tincta {

// How long ago a colour was used, as the History window shows it ("2 min ago") and as a screen
// reader speaks it ("2 minutes ago"). A time in the future, from a clock set back, is "just now".
QString shortAgeText(qint64 secondsAgo);
QString spokenAgeText(qint64 secondsAgo);

} // namespace tincta
