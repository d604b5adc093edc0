#pragma once

#include "gui/widgets/uitext.h"

namespace tincta {

// Warnings shown when the help viewer, the browser or the mail client cannot be started.
inline const UiText helpProblem{QT_TRANSLATE_NOOP("tincta", "Problem with HTML Help.")};
inline const UiText browserProblem{QT_TRANSLATE_NOOP("tincta", "Problem with browser.")};
inline const UiText mailClientProblem{QT_TRANSLATE_NOOP("tincta", "Problem with mail client.")};

} // namespace tincta
