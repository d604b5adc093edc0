#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace tincta::test {

// Path of a file kept under tests/data.
QString testDataPath(const QString& relativePath);

// Bytes of a file kept under tests/data; fails the running test when it cannot be read.
QByteArray readTestData(const QString& relativePath);

// The rows of a UTF-8 table kept under tests/data: one row a line, fields separated by tabs;
// empty lines and lines starting with "#" are left out.
QList<QStringList> readTestTable(const QString& relativePath);

} // namespace tincta::test
