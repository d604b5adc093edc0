#include "palette/formats/photoshopcolours.h"

#include "colour/colourspace.h"
#include "palette/formats/bigendian.h"

#include <algorithm>
#include <array>

namespace tincta {

namespace {

constexpr std::uint16_t version1 = 1;
constexpr std::uint16_t version2 = 2;
constexpr int channelsPerColour = 4;
constexpr int colourSize = 2 + 2 * channelsPerColour;
constexpr double fullChannel = 65535.0;
constexpr std::uint16_t channelScale = 257; // 255 × 257 = 65535
// A name's length is 32 bits in the file, but no name of a mark comes near this.
constexpr qsizetype longestName = 0xFFFE;

enum Space : std::uint16_t {
    Rgb = 0,
    Hsb = 1,
    Cmyk = 2,
    Lab = 7,
    Grayscale = 8,
};

struct SpaceName {
    std::uint16_t space;
    QLatin1StringView name;
};

// The spaces Photoshop names that hold no colour this program can compute.
constexpr std::array<SpaceName, 10> otherSpaces{{
    {3, QLatin1StringView("Pantone")},
    {4, QLatin1StringView("Focoltone")},
    {5, QLatin1StringView("Trumatch")},
    {6, QLatin1StringView("Toyo")},
    {9, QLatin1StringView("Wide CMYK")},
    {10, QLatin1StringView("HKS")},
    {11, QLatin1StringView("DIC")},
    {12, QLatin1StringView("Total Ink")},
    {13, QLatin1StringView("Monitor RGB")},
    {14, QLatin1StringView("Duotone")},
}};

QString spaceName(std::uint16_t space) {
    const auto row = std::find_if(otherSpaces.begin(), otherSpaces.end(),
                                  [space](const SpaceName& r) { return r.space == space; });
    return row != otherSpaces.end() ? QString(row->name) : QString::number(space);
}

double unit(std::uint16_t value) {
    return value / fullChannel;
}

double signedHundredths(std::uint16_t value) {
    return static_cast<std::int16_t>(value) / 100.0;
}

std::optional<Colour> colourIn(std::uint16_t space, const std::array<std::uint16_t, 4>& v) {
    switch (space) {
    case Rgb:
        return colourFromUnitChannels(unit(v[0]), unit(v[1]), unit(v[2]));
    case Hsb:
        return colourFromHsv(unit(v[0]) * 360.0, unit(v[1]), unit(v[2]));
    case Cmyk: // 0 is full ink
        return colourFromUnitChannels(unit(v[0]) * unit(v[3]), unit(v[1]) * unit(v[3]),
                                      unit(v[2]) * unit(v[3]));
    case Lab:
        return fromLinearRgb(
            linearFromCieLab(CieLab{v[0] / 100.0, signedHundredths(v[1]), signedHundredths(v[2])}));
    case Grayscale: { // ink from 0 to 10000
        const double light = 1.0 - std::min(v[0] / 10000.0, 1.0);
        return colourFromUnitChannels(light, light, light);
    }
    default:
        return std::nullopt;
    }
}

// One colour record; the reader has checked that its bytes are there.
ImportResult readColour(BigEndianReader& in, QList<PaletteMark>& colours) {
    const qint64 at = in.offset();
    const std::uint16_t space = *in.u16();
    std::array<std::uint16_t, channelsPerColour> values{};
    for (std::uint16_t& value : values) {
        value = *in.u16();
    }
    const std::optional<Colour> colour = colourIn(space, values);
    if (!colour) {
        return ImportResult::refusedAt(ImportProblem::UnknownSpace, at, spaceName(space));
    }
    colours.append({importedName(QString()), *colour});
    return {};
}

// One part of the file after its version: the count, then the colours, named in version 2.
ImportResult readPart(BigEndianReader& in, bool named) {
    const qint64 countAt = in.offset();
    const std::optional<std::uint16_t> count = in.u16();
    if (!count) {
        return ImportResult::refusedAt(ImportProblem::CutShort, countAt);
    }
    if (!named && in.remaining() / colourSize < *count) {
        return ImportResult::refusedAt(ImportProblem::LengthPastEnd, countAt);
    }
    QList<PaletteMark> colours;
    for (int i = 0; i < *count; ++i) {
        if (in.remaining() < colourSize) {
            return ImportResult::refusedAt(ImportProblem::CutShort, in.offset());
        }
        if (ImportResult refusal = readColour(in, colours); !refusal.ok()) {
            return refusal;
        }
        if (!named) {
            continue;
        }
        const qint64 lengthAt = in.offset();
        const std::optional<std::uint32_t> length = in.u32();
        if (!length) {
            return ImportResult::refusedAt(ImportProblem::CutShort, lengthAt);
        }
        const std::optional<QString> name = in.utf16(*length);
        if (!name) {
            return ImportResult::refusedAt(ImportProblem::LengthPastEnd, lengthAt);
        }
        colours.last().name = importedName(*name);
    }
    return ImportResult::ofColours(std::move(colours));
}

void writeColour(BigEndianWriter& out, const Colour& colour) {
    out.u16(Rgb);
    for (const int channel : {colour.red, colour.green, colour.blue}) {
        out.u16(static_cast<std::uint16_t>(channel * channelScale));
    }
    out.u16(0);
}

} // namespace

QByteArray photoshopColoursBytes(ExportedMarks marks) {
    BigEndianWriter out;
    out.u16(version1);
    out.u16(static_cast<std::uint16_t>(marks.size()));
    for (const PaletteMark& mark : marks) {
        writeColour(out, mark.colour);
    }
    out.u16(version2);
    out.u16(static_cast<std::uint16_t>(marks.size()));
    for (const PaletteMark& mark : marks) {
        writeColour(out, mark.colour);
        const QString name = cutToUtf16Units(exportedName(mark.name), longestName);
        out.u32(static_cast<std::uint32_t>(name.size() + 1));
        out.utf16WithNull(name);
    }
    return out.result();
}

ImportResult readPhotoshopColours(const QByteArray& bytes) {
    if (bytes.size() > importMaxBytes) {
        return ImportResult::refused(ImportProblem::TooLarge);
    }
    BigEndianReader in(bytes);
    const std::optional<std::uint16_t> version = in.u16();
    if (!version || (*version != version1 && *version != version2)) {
        return ImportResult::refusedAt(ImportProblem::NotAco, 0);
    }
    ImportResult first = readPart(in, *version == version2);
    if (!first.ok() || *version == version2 || in.atEnd()) {
        return first;
    }
    // Version 2 repeats the colours of version 1 with their names.
    const qint64 secondAt = in.offset();
    const std::optional<std::uint16_t> second = in.u16();
    if (!second) {
        return ImportResult::refusedAt(ImportProblem::CutShort, secondAt);
    }
    if (*second != version2) {
        return ImportResult::refusedAt(ImportProblem::WrongVersion, secondAt,
                                       QString::number(*second));
    }
    return readPart(in, true);
}

} // namespace tincta
