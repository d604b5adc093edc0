#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <optional>

namespace tincta {

// Windows-1252, which Qt's own converters do not offer. The five bytes the code page leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand for the code points of the same number, so
// every byte decodes and every decoded text encodes back to the same bytes.
QString decodeWindows1252(QByteArrayView bytes);

// The text in Windows-1252, or nullopt when a character has no byte there.
std::optional<QByteArray> encodeWindows1252(QStringView text);

} // namespace tincta
