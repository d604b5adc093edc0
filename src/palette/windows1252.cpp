#include "palette/windows1252.h"

#include <array>

namespace tincta {

namespace {

// Code points of the bytes 0x80..0x9F; every other byte is its own code point.
constexpr std::array<char16_t, 32> highControlRange{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

constexpr char16_t rangeStart = 0x80;
constexpr char16_t rangeEnd = 0xA0;

std::optional<char> byteFor(char16_t codePoint) {
    if (codePoint < rangeStart || (codePoint >= rangeEnd && codePoint <= 0xFF)) {
        return static_cast<char>(codePoint);
    }
    for (std::size_t i = 0; i < highControlRange.size(); ++i) {
        if (highControlRange[i] == codePoint) {
            return static_cast<char>(rangeStart + i);
        }
    }
    return std::nullopt;
}

} // namespace

QString decodeWindows1252(QByteArrayView bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        *out++ = QChar(byte >= rangeStart && byte < rangeEnd ? highControlRange[byte - rangeStart]
                                                             : char16_t{byte});
    }
    return text;
}

std::optional<QByteArray> encodeWindows1252(QStringView text) {
    QByteArray bytes(text.size(), Qt::Uninitialized);
    char* out = bytes.data();
    for (const QChar c : text) {
        const std::optional<char> byte = byteFor(c.unicode());
        if (!byte) {
            return std::nullopt;
        }
        *out++ = *byte;
    }
    return bytes;
}

} // namespace tincta
