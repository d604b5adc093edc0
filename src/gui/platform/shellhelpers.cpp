#include "gui/platform/shellhelpers.h"

#include "gui/platform/services.h"

#include <QDir>

namespace tincta {

namespace {

const QString mailToScheme = QStringLiteral("mailto:");

} // namespace

QUrl shellTarget(const QString& target) {
    if (target.isEmpty())
        return {};
    // An absolute path may hold "#" or "?", which a URL parser would cut off.
    if (QDir::isAbsolutePath(target))
        return QUrl::fromLocalFile(target);
    const QUrl url(target, QUrl::StrictMode);
    // A one-letter scheme is a drive letter ("C:\..."), not an address.
    if (url.isValid() && url.scheme().size() > 1)
        return url;
    return QUrl::fromLocalFile(QDir::current().absoluteFilePath(target));
}

bool openWithShell(Launcher& launcher, const QString& target) {
    const QUrl url = shellTarget(target);
    return url.isValid() && launcher.openUrl(url);
}

bool openMailTo(Launcher& launcher, const QString& address) {
    const QUrl url(mailToScheme + address);
    return url.isValid() && launcher.openUrl(url);
}

} // namespace tincta
