#pragma once

#include "colour/colour.h"

#include <QLatin1StringView>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>
#include <span>

namespace tincta {

// The notations in the order of the notation list. A new one needs its row in notation.cpp:
// the build fails without it.
enum class Notation {
    HtmlHex,
    LowerCaseHtmlHex,
    VbHex,
    Vb,
    CppHex,
    DelphiHex,
    Access,
    DotNetHtml,
    DotNetOle,
    DotNetWin32,
    Java,
    Custom,
    CssRgb,
    CssHsl,
    CssOklch,
    Count // keep last: the number of notations
};

inline constexpr int notationCount = static_cast<int>(Notation::Count);

// How the standard notation is stored: FormatIndex, and CssFormat for a notation that other
// programs sharing FormatIndex do not know (they restore every default past index 11), which
// then stores FormatIndex "0".
struct StoredNotation {
    int formatIndex;
    QLatin1StringView cssFormat;

    // The notations the palette file lists, all that FormatIndex alone can hold.
    constexpr bool isClassic() const { return cssFormat.isEmpty(); }
};

struct NotationRow {
    Notation notation;
    // The list entry, also the notation's label in the palette file.
    const char* listName;
    StoredNotation stored;
    QString (*text)(const Colour& colour, const QString& customTemplate);
    // Reads the notation back (either letter case); null where no reading is offered.
    std::optional<Colour> (*parse)(QStringView text);
    // What the Options dialog shows when it is not the notation's text of #FFCC00.
    const char* fixedExample;
};

// Every row, in list order.
std::span<const NotationRow> notationRows();

const NotationRow& notationRow(Notation notation);

constexpr int listRow(Notation notation) {
    return static_cast<int>(notation);
}

// The notation in row `row` of the list; nullopt for no selection or any other row.
std::optional<Notation> notationAtRow(int row);

// The entries of the notation list.
const QStringList& notationNames();

// The colour written in the notation of list row `row`; nullopt for any other row.
std::optional<QString> notationText(int row, const Colour& colour, const QString& customTemplate);

QString notationText(Notation notation, const Colour& colour, const QString& customTemplate);

// What the Options dialog shows for the notation: its text of #FFCC00 as a rule.
QString notationExample(Notation notation, const QString& customTemplate);

// The colour a text in one of the notations that can be read back names; nullopt for any other.
std::optional<Colour> colourFromNotationText(QStringView text);

// The custom template with its ten codes replaced one after another, case-sensitively.
QString expandCustomTemplate(const QString& customTemplate, const Colour& colour);

} // namespace tincta
