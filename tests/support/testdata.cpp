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

} // namespace tincta::test
