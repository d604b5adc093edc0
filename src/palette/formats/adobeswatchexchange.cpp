#include "palette/formats/adobeswatchexchange.h"

#include "colour/colourspace.h"
#include "palette/formats/bigendian.h"

#include <QFileInfo>
#include <algorithm>
#include <array>
#include <cmath>

namespace tincta {

namespace {

constexpr QByteArrayView signature{"ASEF"};
constexpr std::uint16_t majorVersion = 1;
constexpr std::uint16_t minorVersion = 0;
constexpr std::uint16_t groupStart = 0xC001;
constexpr std::uint16_t groupEnd = 0xC002;
constexpr std::uint16_t colourEntry = 0x0001;
constexpr std::uint16_t processColour = 2;
constexpr QLatin1StringView newPaletteGroup{"Tincta"};
// A name's length counts its terminating null in 16 bits.
constexpr qsizetype longestName = 0xFFFE;

enum class Model { Rgb, Cmyk, Lab, Gray };

struct ModelRow {
    Model model;
    QByteArrayView code;
    int values;
};

constexpr std::array<ModelRow, 4> models{{
    {Model::Rgb, "RGB ", 3},
    {Model::Cmyk, "CMYK", 4},
    {Model::Lab, "LAB ", 3},
    {Model::Gray, "Gray", 1},
}};

QString groupName(const QString& paletteFilePath) {
    const QString baseName = QFileInfo(paletteFilePath).completeBaseName();
    return baseName.isEmpty() ? QString(newPaletteGroup) : baseName;
}

// A block: its type, then its length filled in once its contents are written.
void writeBlock(BigEndianWriter& out, std::uint16_t type, const auto& writeContents) {
    out.u16(type);
    const qint64 lengthAt = out.size();
    out.u32(0);
    writeContents();
    out.patchU32(lengthAt, static_cast<std::uint32_t>(out.size() - lengthAt - 4));
}

void writeName(BigEndianWriter& out, const QString& name) {
    const QString fitting = cutToUtf16Units(name, longestName);
    out.u16(static_cast<std::uint16_t>(fitting.size() + 1));
    out.utf16WithNull(fitting);
}

void writeColour(BigEndianWriter& out, const PaletteMark& mark) {
    writeBlock(out, colourEntry, [&] {
        writeName(out, exportedName(mark.name));
        out.bytes(models[0].code.toByteArray());
        for (const int channel : {mark.colour.red, mark.colour.green, mark.colour.blue}) {
            out.f32(static_cast<float>(channel) / 255.0f);
        }
        out.u16(processColour);
    });
}

Colour fromCmyk(const std::array<double, 4>& v) {
    const double black = 1.0 - v[3];
    return colourFromUnitChannels((1.0 - v[0]) * black, (1.0 - v[1]) * black, (1.0 - v[2]) * black);
}

Colour colourOf(Model model, const std::array<double, 4>& v) {
    switch (model) {
    case Model::Rgb:
        return colourFromUnitChannels(v[0], v[1], v[2]);
    case Model::Cmyk:
        return fromCmyk(v);
    case Model::Lab:
        return fromLinearRgb(linearFromCieLab(CieLab{v[0] * 100.0, v[1], v[2]}));
    case Model::Gray:
        break;
    }
    return colourFromUnitChannels(v[0], v[0], v[0]);
}

// What a model code says in a message: its printable characters.
QString modelText(const QByteArray& code) {
    QString text;
    for (const char c : code) {
        text.append(c >= ' ' && c <= '~' ? QChar(QLatin1Char(c)) : QChar(u'?'));
    }
    return text.trimmed();
}

// Reads one colour entry whose block the reader is limited to; nullopt with `result` set to the
// refusal when it is broken.
std::optional<PaletteMark> readColourEntry(BigEndianReader& in, ImportResult& result) {
    const qint64 nameAt = in.offset();
    const std::optional<std::uint16_t> nameLength = in.u16();
    if (!nameLength) {
        result = ImportResult::refusedAt(ImportProblem::BlockTooShort, nameAt);
        return std::nullopt;
    }
    const std::optional<QString> name = in.utf16(*nameLength);
    if (!name) {
        result = ImportResult::refusedAt(ImportProblem::LengthPastBlock, nameAt);
        return std::nullopt;
    }
    const qint64 modelAt = in.offset();
    const std::optional<QByteArray> code = in.bytes(4);
    if (!code) {
        result = ImportResult::refusedAt(ImportProblem::BlockTooShort, modelAt);
        return std::nullopt;
    }
    const auto row = std::find_if(models.begin(), models.end(),
                                  [&](const ModelRow& r) { return r.code == *code; });
    if (row == models.end()) {
        result = ImportResult::refusedAt(ImportProblem::UnknownSpace, modelAt, modelText(*code));
        return std::nullopt;
    }
    std::array<double, 4> values{};
    for (int i = 0; i < row->values; ++i) {
        const qint64 valueAt = in.offset();
        const std::optional<float> value = in.f32();
        if (!value) {
            result = ImportResult::refusedAt(ImportProblem::BlockTooShort, valueAt);
            return std::nullopt;
        }
        if (!std::isfinite(*value)) {
            result = ImportResult::refusedAt(ImportProblem::NotANumberValue, valueAt);
            return std::nullopt;
        }
        values[static_cast<std::size_t>(i)] = *value;
    }
    // The colour type (global, spot, process) after the values changes nothing on a screen.
    return PaletteMark{importedName(*name), colourOf(row->model, values)};
}

} // namespace

QByteArray adobeSwatchBytes(ExportedMarks marks, const QString& paletteFilePath) {
    BigEndianWriter out;
    out.bytes(signature.toByteArray());
    out.u16(majorVersion);
    out.u16(minorVersion);
    out.u32(static_cast<std::uint32_t>(marks.size() + 2)); // the group's start and end too
    writeBlock(out, groupStart, [&] { writeName(out, groupName(paletteFilePath)); });
    for (const PaletteMark& mark : marks) {
        writeColour(out, mark);
    }
    writeBlock(out, groupEnd, [] {});
    return out.result();
}

ImportResult readAdobeSwatches(const QByteArray& bytes) {
    if (bytes.size() > importMaxBytes) {
        return ImportResult::refused(ImportProblem::TooLarge);
    }
    if (!bytes.startsWith(signature)) {
        return ImportResult::refusedAt(ImportProblem::NotAse, 0);
    }
    BigEndianReader in(bytes);
    in.skip(signature.size());
    const std::optional<std::uint16_t> major = in.u16();
    const std::optional<std::uint16_t> minor = in.u16();
    if (!major || !minor) {
        return ImportResult::refusedAt(ImportProblem::CutShort, signature.size());
    }
    if (*major != majorVersion) {
        return ImportResult::refusedAt(ImportProblem::WrongVersion, signature.size(),
                                       QStringLiteral("%1.%2").arg(*major).arg(*minor));
    }
    const qint64 countAt = in.offset();
    const std::optional<std::uint32_t> blockCount = in.u32();
    if (!blockCount) {
        return ImportResult::refusedAt(ImportProblem::CutShort, countAt);
    }
    QList<PaletteMark> colours;
    for (std::uint32_t block = 0; block < *blockCount; ++block) {
        const qint64 blockAt = in.offset();
        const std::optional<std::uint16_t> type = in.u16();
        const std::optional<std::uint32_t> length = in.u32();
        if (!type || !length) {
            return ImportResult::refusedAt(ImportProblem::CutShort, blockAt);
        }
        if (*length > in.remaining()) {
            return ImportResult::refusedAt(ImportProblem::LengthPastEnd, blockAt + 2);
        }
        const qint64 blockEnd = in.offset() + *length;
        // Groups and blocks of kinds this program does not know only carry names.
        if (*type == colourEntry) {
            const qint64 fileEnd = in.limitTo(blockEnd);
            ImportResult refusal;
            const std::optional<PaletteMark> colour = readColourEntry(in, refusal);
            if (!colour) {
                return refusal;
            }
            colours.append(*colour);
            in.restoreLimit(fileEnd);
        }
        in.skip(blockEnd - in.offset());
    }
    return ImportResult::ofColours(std::move(colours));
}

} // namespace tincta
