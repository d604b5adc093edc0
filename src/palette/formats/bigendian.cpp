#include "palette/formats/bigendian.h"

#include <QtEndian>
#include <bit>

namespace tincta {

std::optional<std::uint64_t> BigEndianReader::unsignedValue(int size) {
    if (remaining() < size) {
        return std::nullopt;
    }
    std::uint64_t value = 0;
    for (int i = 0; i < size; ++i) {
        value = (value << 8) | static_cast<std::uint8_t>(m_bytes[m_offset + i]);
    }
    m_offset += size;
    return value;
}

std::optional<std::uint16_t> BigEndianReader::u16() {
    const std::optional<std::uint64_t> value = unsignedValue(2);
    return value ? std::optional<std::uint16_t>(static_cast<std::uint16_t>(*value)) : std::nullopt;
}

std::optional<std::uint32_t> BigEndianReader::u32() {
    const std::optional<std::uint64_t> value = unsignedValue(4);
    return value ? std::optional<std::uint32_t>(static_cast<std::uint32_t>(*value)) : std::nullopt;
}

std::optional<float> BigEndianReader::f32() {
    const std::optional<std::uint32_t> bits = u32();
    return bits ? std::optional<float>(std::bit_cast<float>(*bits)) : std::nullopt;
}

std::optional<QString> BigEndianReader::utf16(qint64 count) {
    if (count < 0 || remaining() / 2 < count) {
        return std::nullopt;
    }
    QString text;
    text.reserve(count);
    for (qint64 i = 0; i < count; ++i) {
        text.append(QChar(*u16()));
    }
    while (text.endsWith(QChar(u'\0'))) {
        text.chop(1);
    }
    return text;
}

std::optional<QByteArray> BigEndianReader::bytes(qint64 count) {
    if (count < 0 || remaining() < count) {
        return std::nullopt;
    }
    QByteArray data = m_bytes.mid(m_offset, count);
    m_offset += count;
    return data;
}

bool BigEndianReader::skip(qint64 count) {
    if (count < 0 || remaining() < count) {
        return false;
    }
    m_offset += count;
    return true;
}

qint64 BigEndianReader::limitTo(qint64 end) {
    const qint64 previous = m_end;
    m_end = std::min(end, m_end);
    return previous;
}

void BigEndianWriter::u16(std::uint16_t value) {
    m_bytes.append(static_cast<char>(value >> 8)).append(static_cast<char>(value & 0xFF));
}

void BigEndianWriter::u32(std::uint32_t value) {
    u16(static_cast<std::uint16_t>(value >> 16));
    u16(static_cast<std::uint16_t>(value & 0xFFFF));
}

void BigEndianWriter::f32(float value) {
    u32(std::bit_cast<std::uint32_t>(value));
}

void BigEndianWriter::utf16WithNull(const QString& text) {
    for (const QChar c : text) {
        u16(c.unicode());
    }
    u16(0);
}

void BigEndianWriter::patchU32(qint64 offset, std::uint32_t value) {
    qToBigEndian(value, m_bytes.data() + offset);
}

QString cutToUtf16Units(const QString& text, qsizetype units) {
    if (text.size() <= units) {
        return text;
    }
    return text.first(text[units - 1].isHighSurrogate() ? units - 1 : units);
}

} // namespace tincta
