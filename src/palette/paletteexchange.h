#pragma once

#include "colour/conversions.h"
#include "palette/palettefile.h"

#include <QByteArray>
#include <QList>
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
};

struct ImportFailure {
    ImportProblem problem = ImportProblem::NoColours;
    int line = 0;  // GIMP palette: the line at fault, counted from 1; 0 when no line is
    QString token; // design tokens: the path of the token at fault ("brand.primary")

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
    QList<PaletteMark> marks; // the file's first colours in order, one to six; empty on failure
    std::optional<ImportFailure> failure;
    int shortenedNames = 0;       // how many of the names in `marks` foreignName() shortened
    QList<PaletteMark> colours;   // every colour of the file in order, names as in `marks`
    int shortenedColourNames = 0; // how many of the names in `colours` foreignName() shortened

    bool ok() const { return !failure.has_value(); }

    static ImportResult refused(ImportProblem problem, int line = 0, const QString& token = {});
    // The first six of a file's colours (and all of them in `colours`) with their names made
    // foreignName()s; a file without any colour is refused.
    static ImportResult firstSix(QList<PaletteMark> colours);
};

// Both placeholders stand for a mark without a name.
bool isPlaceholderName(const QString& name);

// The name a mark takes from an imported colour: "Untitled" and the empty name mean none.
QString importedName(const QString& name);

// "#rrggbb" in lower case, as style sheets and design tokens write a colour.
QString lowerCaseHex(const Colour& colour);

// The identifier of each mark in exported style sheets and tokens: the name in lower case with
// letters of any script, digits, "-" and "_" kept and everything else dropped, then blanks at the
// ends dropped and each run of blanks inside turned into one "-"; "colour-N" (N = 1..6) for a
// placeholder or a name that leaves nothing; an identifier already taken gets "-2", "-3", ... so
// every mark has its own.
QStringList markIdentifiers(ExportedMarks marks);

} // namespace tincta
