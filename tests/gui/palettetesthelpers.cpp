#include "palettetesthelpers.h"

#include <QFile>
#include <QScrollBar>

namespace tincta::test {

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qWarning("cannot write %s", qPrintable(path));
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

void editPalette(MainWindowFixture& f, int red) {
    f.ui().hsbRed->setValue(red);
}

} // namespace tincta::test
