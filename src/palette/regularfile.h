#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace tincta {

// A regular file, or a link to one: the only kind of file Open reads and a writer replaces.
bool isRegularFile(const QString& path);

// Up to maxBytes bytes of a regular file (a link to one counts); nullopt for anything else (a
// folder, a named pipe, a device) and for a file that cannot be read. Never waits: a pipe
// without a writer or a terminal would otherwise block the program in open() or read().
std::optional<QByteArray> readRegularFile(const QString& path, qint64 maxBytes);

// Replaces the file with `bytes` only once they are all written: a failure part-way leaves the
// old file as it was. Unbuffered, because a buffered write that the disk cuts short (full, over
// quota) is otherwise committed as if whole. Refuses, writing nothing, a path that exists and is
// no regular file (a folder, a named pipe, a device, or a link to one): the new file would take
// its place, and a link to a device would cost the whole system that device.
bool writeFileAtomically(const QString& path, const QByteArray& bytes);

} // namespace tincta
