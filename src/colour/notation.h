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
    CssHwb,
    CssLab,
    CssLch,
    CssOklab,
    CssDisplayP3,
    CssHex8,
    CssRgba,
    Hsv,
    Flutter,
    SwiftUi,
    JetpackCompose,
    AndroidXml,
    Qml,
    QColorCall,
    Tailwind,
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

// What a notation writes from: the colour, and what some notations take beside it.
struct NotationSource {
    Colour colour;
    QString customTemplate = {};
    // The mark the colour belongs to, for a notation that names it: its name (empty for a
    // placeholder name) and its number counted from 1.
    QString markName = {};
    int markNumber = 1;
};

struct NotationRow {
    Notation notation;
    // The list entry, also the notation's label in the palette file.
    const char* listName;
    StoredNotation stored;
    QString (*text)(const NotationSource& source);
    // Reads the notation back to the very colour (either letter case); null where no exact
    // reading is offered.
    std::optional<Colour> (*parse)(QStringView text);
    // What the Options dialog shows (UTF-8) when it is not the notation's text of #FFCC00.
    const char* fixedExample;
    // Where the notation says more than it copies, what a list of every notation shows; null
    // where that is the text itself.
    QString (*detailedText)(const NotationSource& source) = nullptr;
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
QString notationText(Notation notation, const NotationSource& source);

// The text, or its detailed form where the notation has one: what a list of every notation shows.
QString detailedNotationText(Notation notation, const NotationSource& source);

// What the Options dialog shows for the notation: its text of #FFCC00 as a rule.
QString notationExample(Notation notation, const QString& customTemplate);

// The colour a text in one of the notations that can be read back names; nullopt for any other.
std::optional<Colour> colourFromNotationText(QStringView text);

// The custom template with its codes replaced one after another, case-sensitively: the ten
// classic ones first, in their order, then those added later.
QString expandCustomTemplate(const QString& customTemplate, const Colour& colour);

} // namespace tincta
