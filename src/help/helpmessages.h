#pragma once

#include <QString>

namespace tincta {

// Warnings shown when the help viewer, the browser or the mail client cannot be started.
inline const QString helpProblem = QStringLiteral("Problem with HTML Help.");
inline const QString browserProblem = QStringLiteral("Problem with browser.");
inline const QString mailClientProblem = QStringLiteral("Problem with mail client.");

} // namespace tincta
