// Open's path through the palette file format: any bytes, decoded and split into lines, then
// read. An accepted palette must also survive being written and read back unchanged.
#include "palette/palettefile.h"

#include <cstdint>
#include <cstdlib>

using namespace tincta;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > static_cast<std::size_t>(paletteFileMaxBytes) + 1) {
        return -1; // Open never reads more than this
    }
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const PaletteFileLines lines = paletteFileLines(bytes);
    if (lines.tooLong) {
        return 0;
    }
    const std::optional<PaletteMarks> marks = readPaletteFile(lines.lines);
    if (!marks) {
        return 0;
    }
    std::array<QString, paletteMarkCount> names;
    std::array<Colour, paletteMarkCount> colours;
    for (int i = 0; i < paletteMarkCount; ++i) {
        const Colour& c = (*marks)[i].colour;
        if (c.red < 0 || c.red > 255 || c.green < 0 || c.green > 255 || c.blue < 0 ||
            c.blue > 255) {
            std::abort(); // an accepted colour is always 0..255
        }
        names[i] = (*marks)[i].name;
        colours[i] = c;
    }
    const PaletteFileLines written =
        paletteFileLines(paletteFileBytes(names, colours, QStringLiteral("%UR%%LD%")));
    const std::optional<PaletteMarks> readBack = readPaletteFile(written.lines);
    if (written.tooLong || !readBack) {
        std::abort();
    }
    for (int i = 0; i < paletteMarkCount; ++i) {
        if ((*readBack)[i].name != writtenName(names[i]) || (*readBack)[i].colour != colours[i]) {
            std::abort();
        }
    }
    return 0;
}
