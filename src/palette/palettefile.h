#pragma once

#include "colour/colour.h"

#include <QByteArray>
#include <QLatin1StringView>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace tincta {

inline constexpr int paletteMarkCount = 6;

// The placeholder names of a mark: the default name, written for an unnamed mark, and the one
// Find JavaScript Names shows for a colour without a name, which is never written to a file.
inline constexpr QLatin1StringView typeAColourName{"Type a colour name"};
inline constexpr QLatin1StringView notJavaScriptColour{"Not JavaScript colour"};

// What Open reads of a file: at most this many bytes and lines; a longer file is rejected.
// Callers read at most paletteFileMaxBytes + 1 bytes, so that a file over the limit shows.
inline constexpr qsizetype paletteFileMaxBytes = 1024 * 1024;
inline constexpr qsizetype paletteFileMaxLines = 1000;

// One mark as a palette file holds it.
struct PaletteMark {
    QString name;
    Colour colour;

    friend bool operator==(const PaletteMark&, const PaletteMark&) = default;
};

using PaletteMarks = std::array<PaletteMark, paletteMarkCount>;

// The name a palette file holds for a name box's text.
QString writtenName(const QString& nameBoxText);

// The whole palette file as written: 100 lines, each ending in CR LF, in Windows-1252 when that
// holds every character and reads back as the same text, otherwise in UTF-8.
QByteArray paletteFileBytes(const std::array<QString, paletteMarkCount>& nameBoxTexts,
                            const std::array<Colour, paletteMarkCount>& colours,
                            const QString& customTemplate);

// Why a palette cannot be written as a file that Open reads back as it is.
struct UnwritablePalette {
    enum class Reason {
        NameNotWritable, // a line break would split the name's line; half a surrogate pair has
                         // no encoding
        TooLarge,        // over paletteFileMaxBytes, which Open refuses
    };
    Reason reason = Reason::TooLarge;
    int mark = 0; // NameNotWritable: the first mark with such a name, from 0
};

struct WritablePaletteFile {
    QByteArray bytes; // empty when unwritable
    std::optional<UnwritablePalette> unwritable;
};

// paletteFileBytes(), unless Open would not read that file back as the same palette.
WritablePaletteFile writablePaletteFile(const std::array<QString, paletteMarkCount>& nameBoxTexts,
                                        const std::array<Colour, paletteMarkCount>& colours,
                                        const QString& customTemplate);

struct PaletteFileLines {
    QStringList lines;    // without terminators, line 1 first; empty when tooLong
    bool tooLong = false; // over paletteFileMaxBytes or paletteFileMaxLines: reject the file
};

// The lines of a file's bytes: valid UTF-8 is read as UTF-8 (an initial byte order mark
// skipped), anything else as Windows-1252; lines end at CR LF, a lone CR or a lone LF.
PaletteFileLines paletteFileLines(const QByteArray& bytes);

// The six marks of a palette file in the current format or one of the three older layouts;
// nullopt when the file is rejected. Every colour value must be a whole number 0..255.
std::optional<PaletteMarks> readPaletteFile(const QStringList& fileLines);

} // namespace tincta
