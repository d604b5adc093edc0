#pragma once

#include <QString>

namespace tincta {

// Where users learn more about Tincta and where their comments go: the about box shows both,
// and the Help menu opens the home page.
inline const QString homePageAddress = QStringLiteral("https://tincta.github.io/");
inline const QString feedbackAddress = QStringLiteral("feedback@tincta.org");

} // namespace tincta
