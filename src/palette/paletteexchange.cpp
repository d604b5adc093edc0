#include "palette/paletteexchange.h"

#include "colour/conversions.h"

#include <QCoreApplication>
#include <QSet>
#include <algorithm>

namespace tincta {

namespace {

class PaletteImport {
    Q_DECLARE_TR_FUNCTIONS(PaletteImport)

public:
    static QString atLine(int line, const QString& what) {
        return tr("Line %1: %2").arg(line).arg(what);
    }
    static QString atByte(qint64 offset, const QString& what) {
        return tr("Byte %1: %2").arg(offset).arg(what);
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
    case ImportProblem::NotAse:
        return PaletteImport::tr("The file is not an Adobe Swatch Exchange file.");
    case ImportProblem::NotAco:
        return PaletteImport::tr("The file is not a Photoshop colour file.");
    case ImportProblem::WrongVersion:
        return PaletteImport::atByte(
            offset, PaletteImport::tr("version %1 of the format cannot be read.").arg(token));
    case ImportProblem::CutShort:
        return PaletteImport::atByte(offset, PaletteImport::tr("the file ends too early."));
    case ImportProblem::LengthPastEnd:
        return PaletteImport::atByte(
            offset, PaletteImport::tr("a length points past the end of the file."));
    case ImportProblem::LengthPastBlock:
        return PaletteImport::atByte(
            offset, PaletteImport::tr("a length points past the end of its block."));
    case ImportProblem::UnknownSpace:
        return PaletteImport::atByte(
            offset, PaletteImport::tr("the colour space %1 cannot be read.").arg(token));
    case ImportProblem::NotANumberValue:
        return PaletteImport::atByte(offset, PaletteImport::tr("a colour value is not a number."));
    case ImportProblem::BlockTooShort:
        return PaletteImport::atByte(offset,
                                     PaletteImport::tr("the block ends inside its colour."));
    case ImportProblem::NoColours:
        break;
    }
    return PaletteImport::tr("The file holds no colours.");
}

ImportResult ImportResult::refused(ImportProblem problem, int line, const QString& token) {
    return {{}, ImportFailure{problem, line, token}, {}};
}

ImportResult ImportResult::refusedAt(ImportProblem problem, qint64 offset, const QString& what) {
    return {{}, ImportFailure{problem, 0, what, offset}, {}};
}

ImportResult ImportResult::ofColours(QList<PaletteMark> colours) {
    if (colours.isEmpty()) {
        return refused(ImportProblem::NoColours);
    }
    QList<qsizetype> shortened;
    for (qsizetype i = 0; i < colours.size(); ++i) {
        ForeignName name = foreignName(colours[i].name);
        colours[i].name = std::move(name.name);
        if (name.shortened) {
            shortened.append(i);
        }
    }
    return {std::move(colours), std::nullopt, std::move(shortened)};
}

int ImportResult::shortenedAmong(const QList<qsizetype>& colours) const {
    return static_cast<int>(std::count_if(colours.begin(), colours.end(), [this](qsizetype c) {
        return std::binary_search(shortened.begin(), shortened.end(), c);
    }));
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

QString exportedName(const QString& markName) {
    return isPlaceholderName(markName) ? QString(untitledName) : markName;
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
        identifiers.append(claimUnique(base, u'-', taken));
    }
    return identifiers;
}

QString claimUnique(const QString& base, QChar joiner, QSet<QString>& taken) {
    QString name = base;
    for (int repeat = 2; taken.contains(name); ++repeat) {
        name = base + joiner + QString::number(repeat);
    }
    taken.insert(name);
    return name;
}

} // namespace tincta
