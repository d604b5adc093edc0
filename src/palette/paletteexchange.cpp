#include "palette/paletteexchange.h"

#include "colour/conversions.h"

#include <QCoreApplication>
#include <QSet>

namespace tincta {

namespace {

class PaletteImport {
    Q_DECLARE_TR_FUNCTIONS(PaletteImport)

public:
    static QString atLine(int line, const QString& what) {
        return tr("Line %1: %2").arg(line).arg(what);
    }
};

constexpr QLatin1StringView colourIdentifierStem{"colour-"};

bool isControl(QChar c) {
    return c.category() == QChar::Other_Control;
}

bool keptInIdentifier(char32_t c) {
    return QChar::isLetter(c) || QChar::isDigit(c) || c == U'-' || c == U'_';
}

// The name cleaned to identifier characters; empty when nothing is left. Dropped characters go
// first, so "Sky, blue!" gives "sky-blue", not a dash for a blank before a dropped character.
// Accents typed as a letter and a combining mark are joined first, so the mark is not dropped.
QString cleanedIdentifier(const QString& name) {
    const QString text = name.normalized(QString::NormalizationForm_C).toLower();
    QString kept;
    for (const uint codePoint : text.toUcs4()) {
        const char32_t c = codePoint;
        if (QChar::isSpace(c) || keptInIdentifier(c)) {
            kept.append(QString::fromUcs4(&c, 1));
        }
    }
    return kept.simplified().replace(u' ', u'-');
}

} // namespace

QString ImportFailure::text() const {
    switch (problem) {
    case ImportProblem::TooLarge:
        return PaletteImport::tr("The file is larger than 1 MiB.");
    case ImportProblem::NotUtf8:
        return PaletteImport::tr("The file is not UTF-8 text.");
    case ImportProblem::WrongHeader:
        return PaletteImport::tr("The file is not a GIMP palette.");
    case ImportProblem::MissingField:
        return PaletteImport::atLine(line, PaletteImport::tr("a colour needs three values."));
    case ImportProblem::NotANumber:
        return PaletteImport::atLine(line,
                                     PaletteImport::tr("a colour value is not a whole number."));
    case ImportProblem::OutOfRange:
        return PaletteImport::atLine(line,
                                     PaletteImport::tr("a colour value is outside 0 to 255."));
    case ImportProblem::NotJson:
        return PaletteImport::tr("The file is not complete JSON.");
    case ImportProblem::NotTokens:
        return PaletteImport::tr("The file is not a design tokens file.");
    case ImportProblem::UnreadableColour:
        return PaletteImport::tr("The colour of the token \"%1\" cannot be read.").arg(token);
    case ImportProblem::NoColours:
        break;
    }
    return PaletteImport::tr("The file holds no colours.");
}

ImportResult ImportResult::refused(ImportProblem problem, int line, const QString& token) {
    ImportResult result;
    result.failure = ImportFailure{problem, line, token};
    return result;
}

ImportResult ImportResult::firstSix(QList<PaletteMark> colours) {
    if (colours.isEmpty()) {
        return refused(ImportProblem::NoColours);
    }
    ImportResult result;
    for (PaletteMark& mark : colours) {
        ForeignName name = foreignName(mark.name);
        mark.name = std::move(name.name);
        if (name.shortened) {
            ++result.shortenedColourNames;
            result.shortenedNames += result.marks.size() < paletteMarkCount ? 1 : 0;
        }
        if (result.marks.size() < paletteMarkCount) {
            result.marks.append(mark);
        }
    }
    result.colours = std::move(colours);
    return result;
}

ForeignName foreignName(const QString& name) {
    QString cleaned;
    qsizetype characters = 0;
    for (qsizetype i = 0; i < name.size(); ++i, ++characters) {
        if (characters == foreignNameMaxCharacters) {
            return {cleaned, true};
        }
        const QChar c = name[i];
        if (isControl(c)) {
            while (i + 1 < name.size() && isControl(name[i + 1])) {
                ++i;
            }
            cleaned.append(u' ');
        } else if (c.isHighSurrogate() && i + 1 < name.size() && name[i + 1].isLowSurrogate()) {
            cleaned.append(c).append(name[++i]);
        } else {
            cleaned.append(c.isSurrogate() ? QChar(QChar::ReplacementCharacter) : c);
        }
    }
    return {cleaned, false};
}

bool isPlaceholderName(const QString& name) {
    return name == typeAColourName || name == notJavaScriptColour;
}

QString importedName(const QString& name) {
    return name.isEmpty() || name == untitledName ? QString(typeAColourName) : name;
}

QString lowerCaseHex(const Colour& colour) {
    QString hex(QLatin1Char('#'));
    for (const int channel : {colour.red, colour.green, colour.blue}) {
        appendHexPair(hex, channel, HexCase::Lower);
    }
    return hex;
}

QStringList markIdentifiers(ExportedMarks marks) {
    QStringList identifiers;
    QSet<QString> taken;
    for (std::size_t i = 0; i < marks.size(); ++i) {
        QString base =
            isPlaceholderName(marks[i].name) ? QString() : cleanedIdentifier(marks[i].name);
        if (base.isEmpty()) {
            base = colourIdentifierStem + QString::number(i + 1);
        }
        QString identifier = base;
        for (int repeat = 2; taken.contains(identifier); ++repeat) {
            identifier = base + QLatin1Char('-') + QString::number(repeat);
        }
        taken.insert(identifier);
        identifiers.append(identifier);
    }
    return identifiers;
}

} // namespace tincta
