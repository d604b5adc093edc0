#pragma once

#include <QByteArray>
#include <QString>

namespace tincta::test {

// Path of a file kept under tests/data.
QString testDataPath(const QString& relativePath);

// Bytes of a file kept under tests/data; fails the running test when it cannot be read.
QByteArray readTestData(const QString& relativePath);

} // namespace tincta::test
