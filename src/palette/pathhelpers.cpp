#include "palette/pathhelpers.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

namespace tincta {

namespace {

const QString separator = QStringLiteral("/");

// The entry's name as the file system spells it, which on a case-insensitive volume may differ
// from the spelling the caller used.
bool parentListsExactly(const QFileInfo& info, const QString& name) {
    QDirIterator entries(info.absolutePath(),
                         QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    while (entries.hasNext()) {
        entries.next();
        if (entries.fileName() == name)
            return true;
    }
    return false;
}

} // namespace

bool folderExists(const QString& path) {
    if (path == separator)
        return true;
    QString folder = path;
    if (folder.endsWith(separator))
        folder.chop(separator.size());
    const QString name = textAfterLast(folder, separator);
    if (name.isEmpty())
        return false;
    const QFileInfo info(folder);
    return info.isDir() && parentListsExactly(info, name);
}

QString textAfterLast(const QString& text, const QString& separator) {
    if (text.isEmpty())
        return {};
    if (separator.isEmpty())
        return text;
    const auto at = text.lastIndexOf(separator);
    if (at < 0)
        return text;
    return text.mid(at + separator.size());
}

} // namespace tincta
