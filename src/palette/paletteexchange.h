#pragma once

#include "colour/conversions.h"
#include "palette/palettefile.h"

#include <QByteArray>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>
#include <optional>
#include <span>

namespace tincta {

// The marks an export writes: the six of the palette, or the pins of the colour history, any
// number of them.
using ExportedMarks = std::span<const PaletteMark>;

// Import reads at most this many bytes; callers read one byte more, so that a longer file shows.
inline constexpr qsizetype importMaxBytes = 1024 * 1024;

// What an unnamed mark is called in other programs' palettes, which have no placeholder names.
inline constexpr QLatin1StringView untitledName{"Untitled"};

enum class ImportProblem {
    TooLarge,         // over importMaxBytes
    NotUtf8,          // a GIMP palette that is not UTF-8 text
    WrongHeader,      // not a GIMP palette
    MissingField,     // a colour line with fewer than three values
    NotANumber,       // a colour value that is not a whole number
    OutOfRange,       // a colour value outside 0..255
    NotJson,          // not JSON, or JSON cut short
    NotTokens,        // JSON that is not an object of tokens
    UnreadableColour, // a colour token whose value gives no sRGB colour
    NoColours,        // a file that holds no colour
    NotAse,           // no "ASEF" signature
    NotAco,           // neither version 1 nor version 2 of a Photoshop colour file
    WrongVersion,     // a version of a binary format this program cannot read
    CutShort,         // a binary file that ends inside a value
    LengthPastEnd,    // a count or length that reaches past the end of the file
    LengthPastBlock,  // a block of an .ase file shorter than what it holds
    UnknownSpace,     // a colour model or space that cannot become sRGB
    NotANumberValue,  // a colour value that is infinite or not a number
    BlockTooShort,    // a block of an .ase file that ends inside its colour
};

struct ImportFailure {
    ImportProblem problem = ImportProblem::NoColours;
    int line = 0;       // GIMP palette: the line at fault, counted from 1; 0 when no line is
    QString token;      // design tokens: the path of the token at fault ("brand.primary"); the
                        // colour space or version a binary file names
    qint64 offset = -1; // binary files: the byte at fault, counted from 0; -1 when none is

    // One sentence on what is wrong, for the message that names the file.
    QString text() const;
};

// The longest name a mark takes from another program's file, in characters.
inline constexpr qsizetype foreignNameMaxCharacters = 255;

struct ForeignName {
    QString name;
    bool shortened = false; // cut to its first foreignNameMaxCharacters characters
};

// A name from another program's file as a mark may hold it: each run of control characters (line
// breaks, tabs) becomes one blank, so that the name stays on its line of the palette file; half a
// surrogate pair becomes U+FFFD, as no file can hold it; and only the first 255 characters stay.
ForeignName foreignName(const QString& name);

// Either the colours of a file or why it was refused.
struct ImportResult {
    QList<PaletteMark> marks; // every colour of the file in order; empty on failure
    std::optional<ImportFailure> failure;
    QList<qsizetype> shortened; // the colours whose names foreignName() shortened, ascending

    bool ok() const { return !failure.has_value(); }
    // How many of the given colours had their names shortened.
    int shortenedAmong(const QList<qsizetype>& colours) const;

    static ImportResult refused(ImportProblem problem, int line = 0, const QString& token = {});
    static ImportResult refusedAt(ImportProblem problem, qint64 offset, const QString& what = {});
    // A file's colours with their names made foreignName()s; a file without any is refused.
    static ImportResult ofColours(QList<PaletteMark> colours);
};

// Both placeholders stand for a mark without a name.
bool isPlaceholderName(const QString& name);

// The name a mark takes from an imported colour: "Untitled" and the empty name mean none.
QString importedName(const QString& name);

// The name of a mark in another program's palette, which has no placeholder names: "Untitled"
// for a placeholder.
QString exportedName(const QString& markName);

// "#rrggbb" in lower case, as style sheets and design tokens write a colour.
QString lowerCaseHex(const Colour& colour);

// The identifier of each mark in exported style sheets and tokens: the name in lower case with
// letters of any script, digits, "-" and "_" kept and everything else dropped, then blanks at the
// ends dropped and each run of blanks inside turned into one "-"; "colour-N" (N = 1..6) for a
// placeholder or a name that leaves nothing; an identifier already taken gets "-2", "-3", ... so
// every mark has its own.
QStringList markIdentifiers(ExportedMarks marks);

// `base`, or the first of base + joiner + "2", "3", ... that `taken` does not hold yet; `taken`
// holds it afterwards.
QString claimUnique(const QString& base, QChar joiner, QSet<QString>& taken);

} // namespace tincta
