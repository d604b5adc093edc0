#include "testdata.h"

#include <QFile>
#include <QTest>

namespace tincta::test {

QString testDataPath(const QString& relativePath) {
    return qEnvironmentVariable("TINCTA_TEST_DATA") + QLatin1Char('/') + relativePath;
}

QByteArray readTestData(const QString& relativePath) {
    QFile file(testDataPath(relativePath));
    if (!file.open(QIODevice::ReadOnly)) {
        qWarning("cannot read test data %s", qPrintable(file.fileName()));
        return {};
    }
    return file.readAll();
}

QList<QStringList> readTestTable(const QString& relativePath) {
    QList<QStringList> rows;
    const QString text = QString::fromUtf8(readTestData(relativePath));
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        if (!line.isEmpty() && !line.startsWith(QLatin1Char('#')))
            rows << line.split(QLatin1Char('\t'));
    }
    return rows;
}

} // namespace tincta::test
