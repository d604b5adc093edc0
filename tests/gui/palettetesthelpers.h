#pragma once

#include "mainwindowfixture.h"

#include <QByteArray>
#include <QString>

namespace tincta::test {

// Writes bytes to a file, creating it or replacing what it held.
void writeFile(const QString& path, const QByteArray& bytes);
QByteArray fileBytes(const QString& path);

// Moves the red slider of the selected mark, so that the palette counts as changed.
void editPalette(MainWindowFixture& f, int red = 17);

} // namespace tincta::test
