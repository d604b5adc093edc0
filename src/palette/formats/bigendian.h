#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>

namespace tincta {

// Reads the big-endian values of a binary palette file in order. A read that would pass the end
// of the bytes (or of the current limit) returns nullopt and moves nothing, so the reader can say
// at which byte the file fell short.
class BigEndianReader {
public:
    explicit BigEndianReader(const QByteArray& bytes) : m_bytes(bytes), m_end(bytes.size()) {}

    qint64 offset() const { return m_offset; }
    qint64 remaining() const { return m_end - m_offset; }
    bool atEnd() const { return m_offset == m_end; }

    std::optional<std::uint16_t> u16();
    std::optional<std::uint32_t> u32();
    std::optional<float> f32();
    // `count` UTF-16 code units, without the terminating nulls a name may end in.
    std::optional<QString> utf16(qint64 count);
    std::optional<QByteArray> bytes(qint64 count);
    // Moves `count` bytes on; false, moving nothing, when fewer remain.
    bool skip(qint64 count);

    // Reads stop at `end` (an offset no further than the current limit) until the limit is
    // lifted again with the limit this returns.
    qint64 limitTo(qint64 end);
    void restoreLimit(qint64 end) { m_end = end; }

private:
    std::optional<std::uint64_t> unsignedValue(int size);

    const QByteArray& m_bytes;
    qint64 m_offset = 0;
    qint64 m_end;
};

// Appends big-endian values to a binary palette file.
class BigEndianWriter {
public:
    void u16(std::uint16_t value);
    void u32(std::uint32_t value);
    void f32(float value);
    // The text as UTF-16 code units and a terminating null.
    void utf16WithNull(const QString& text);
    void bytes(const QByteArray& data) { m_bytes.append(data); }

    // Writes `value` at `offset`, where a placeholder was written before the length was known.
    void patchU32(qint64 offset, std::uint32_t value);
    qint64 size() const { return m_bytes.size(); }
    const QByteArray& result() const { return m_bytes; }

private:
    QByteArray m_bytes;
};

// The text cut to at most `units` UTF-16 code units, never inside a surrogate pair, for a name
// whose length a file keeps in a field of fixed size.
QString cutToUtf16Units(const QString& text, qsizetype units);

} // namespace tincta
