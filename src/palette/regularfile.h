#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace tincta {

// Up to maxBytes bytes of a regular file (a link to one counts); nullopt for anything else (a
// folder, a named pipe, a device) and for a file that cannot be read. Never waits: a pipe
// without a writer or a terminal would otherwise block the program in open() or read().
std::optional<QByteArray> readRegularFile(const QString& path, qint64 maxBytes);

} // namespace tincta
