#include "palette/formats/gimppalette.h"

#include <QFileInfo>
#include <QStringDecoder>
#include <algorithm>

namespace tincta {

namespace {

constexpr QLatin1StringView header{"GIMP Palette"};
constexpr QLatin1StringView namePrefix{"Name:"};
constexpr QLatin1StringView columnsPrefix{"Columns:"};
constexpr QLatin1StringView newPaletteName{"Tincta palette"};
constexpr QLatin1StringView columnsLine{"Columns: 6"};
constexpr QLatin1StringView commentLine{"#"};
constexpr QChar lineEnd{u'\n'};
constexpr QChar commentMark{u'#'};
constexpr int channelCount = 3;

// A text that must stay on its line: line breaks inside it become blanks.
QString onOneLine(QString text) {
    std::replace_if(
        text.begin(), text.end(), [](QChar c) { return c == u'\n' || c == u'\r'; }, QChar(u' '));
    return text;
}

QString paletteTitle(const QString& paletteFilePath) {
    const QString baseName = QFileInfo(paletteFilePath).completeBaseName();
    return baseName.isEmpty() ? QString(newPaletteName) : onOneLine(baseName);
}

QString colourLine(const PaletteMark& mark) {
    const QString name = onOneLine(exportedName(mark.name));
    return QString::asprintf("%3d %3d %3d\t", mark.colour.red, mark.colour.green,
                             mark.colour.blue) +
           name;
}

std::optional<QString> utf8Text(const QByteArray& bytes) {
    // Stateless: a character cut off at the end is an error, not pending input.
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder(bytes);
    if (decoder.hasError()) {
        return std::nullopt;
    }
    return text;
}

QStringList textLines(QString text) {
    text.replace(QLatin1StringView("\r\n"), QLatin1StringView("\n"));
    text.replace(u'\r', lineEnd);
    return text.split(lineEnd);
}

bool isHeaderField(const QString& line) {
    return line.startsWith(namePrefix) || line.startsWith(columnsPrefix);
}

QStringView withoutLeadingSpace(QStringView text) {
    while (!text.isEmpty() && text.front().isSpace()) {
        text = text.sliced(1);
    }
    return text;
}

// The next whitespace-separated field of `rest`, which moves past it.
QStringView nextField(QStringView& rest) {
    rest = withoutLeadingSpace(rest);
    const auto end = std::find_if(rest.begin(), rest.end(), [](QChar c) { return c.isSpace(); });
    const QStringView field = rest.first(end - rest.begin());
    rest = rest.sliced(field.size());
    return field;
}

bool isAsciiDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// A whole number with an optional sign; the problem when it is none or outside 0..255.
std::optional<ImportProblem> readChannel(QStringView field, std::int32_t* value) {
    const bool negative = field.startsWith(u'-');
    QStringView digits = negative || field.startsWith(u'+') ? field.sliced(1) : field;
    if (digits.isEmpty() || !std::all_of(digits.begin(), digits.end(), isAsciiDigit)) {
        return ImportProblem::NotANumber;
    }
    while (digits.size() > 1 && digits.front() == u'0') {
        digits = digits.sliced(1);
    }
    // Without leading zeros, more than three digits is out of range whatever they are.
    const int number = digits.size() > 3 ? 256 : digits.toInt();
    if (number > 255 || (negative && number != 0)) {
        return ImportProblem::OutOfRange;
    }
    *value = number;
    return std::nullopt;
}

std::optional<ImportProblem> readColourLine(QStringView line, PaletteMark* mark) {
    std::array<std::int32_t*, channelCount> channels{&mark->colour.red, &mark->colour.green,
                                                     &mark->colour.blue};
    for (std::int32_t* channel : channels) {
        const QStringView field = nextField(line);
        if (field.isEmpty()) {
            return ImportProblem::MissingField;
        }
        if (const std::optional<ImportProblem> problem = readChannel(field, channel)) {
            return problem;
        }
    }
    mark->name = importedName(withoutLeadingSpace(line).toString());
    return std::nullopt;
}

} // namespace

QByteArray gimpPaletteBytes(ExportedMarks marks, const QString& paletteFilePath) {
    QStringList lines{header, QLatin1StringView("Name: ") + paletteTitle(paletteFilePath),
                      columnsLine, commentLine};
    for (const PaletteMark& mark : marks) {
        lines.append(colourLine(mark));
    }
    return (lines.join(lineEnd) + lineEnd).toUtf8();
}

ImportResult readGimpPalette(const QByteArray& bytes) {
    if (bytes.size() > importMaxBytes) {
        return ImportResult::refused(ImportProblem::TooLarge);
    }
    const std::optional<QString> text = utf8Text(bytes);
    if (!text) {
        return ImportResult::refused(ImportProblem::NotUtf8);
    }
    const QStringList lines = textLines(*text);
    if (lines.first().trimmed() != header) {
        return ImportResult::refused(ImportProblem::WrongHeader, 1);
    }
    qsizetype index = 1;
    while (index < lines.size() && isHeaderField(lines[index])) {
        ++index;
    }
    QList<PaletteMark> colours;
    for (; index < lines.size(); ++index) {
        const QStringView line = withoutLeadingSpace(lines[index]);
        if (line.isEmpty() || line.startsWith(commentMark)) {
            continue;
        }
        PaletteMark mark;
        if (const std::optional<ImportProblem> problem = readColourLine(line, &mark)) {
            return ImportResult::refused(*problem, static_cast<int>(index + 1));
        }
        colours.append(mark);
    }
    return ImportResult::ofColours(std::move(colours));
}

} // namespace tincta
