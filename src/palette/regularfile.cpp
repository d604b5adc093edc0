#include "palette/regularfile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#if defined(Q_OS_WIN)
#include <io.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace tincta {

namespace {

#if defined(Q_OS_WIN)
// Opening a pipe or a device never waits here, but reading one may, so the opened handle must
// be a file on a disk.
bool openRegularFile(const QString& path, QFile& file) {
    if (!isRegularFile(path))
        return false;
    file.setFileName(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(file.handle()));
    return GetFileType(handle) == FILE_TYPE_DISK;
}
#else
// The path may be swapped for a pipe between the check and the open, so the descriptor is
// opened without blocking and checked again.
bool openRegularFile(const QString& path, QFile& file) {
    if (!isRegularFile(path))
        return false;
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) ||
        !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return false;
    }
    return true;
}
#endif

} // namespace

bool isRegularFile(const QString& path) {
    return QFileInfo(path).isFile();
}

std::optional<QByteArray> readRegularFile(const QString& path, qint64 maxBytes) {
    QFile file;
    if (!openRegularFile(path, file))
        return std::nullopt;
    QByteArray bytes = file.read(maxBytes);
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}

bool writeFileAtomically(const QString& path, const QByteArray& bytes) {
    if (QFileInfo::exists(path) && !isRegularFile(path))
        return false;
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) &&
           file.write(bytes) == bytes.size() && file.commit();
}

} // namespace tincta
