// Import's path through one exchange format, chosen when the target is built: any bytes read as
// that format. Every colour read is within 0..255 and every name clean (no control characters,
// no half surrogate pair, at most 255 characters). For the binary formats, the first six colours
// read must also survive being written and read back unchanged.
#include "palette/formats/exchangeformat.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

using namespace tincta;

namespace {

bool inRange(int channel) {
    return channel >= 0 && channel <= 255;
}

bool isClean(const QString& name) {
    return name.size() <= 2 * foreignNameMaxCharacters && foreignName(name).name == name;
}

// What a mark named `name` is called once written and read back.
QString namedAgain(const QString& name) {
    return isPlaceholderName(name) ? QString(typeAColourName) : name;
}

void checkRoundTrip(const ExchangeFormatRow& row, const QList<PaletteMark>& colours) {
    PaletteMarks marks{};
    for (int i = 0; i < paletteMarkCount; ++i) {
        marks[i] = colours[std::min<qsizetype>(i, colours.size() - 1)];
    }
    const ImportResult again = row.read(row.write(marks, QStringLiteral("fuzz.txt")));
    if (!again.ok() || again.marks.size() != paletteMarkCount) {
        std::abort();
    }
    for (int i = 0; i < paletteMarkCount; ++i) {
        if (again.marks[i].colour != marks[i].colour ||
            again.marks[i].name != namedAgain(marks[i].name)) {
            std::abort();
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > static_cast<std::size_t>(importMaxBytes) + 1) {
        return -1; // Import never reads more than this
    }
    const ExchangeFormatRow& row = exchangeFormatRow(ExchangeFormat::TINCTA_FUZZ_FORMAT);
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const ImportResult result = row.read(bytes);
    if (!result.ok()) {
        if (!result.marks.isEmpty() || result.failure->text().isEmpty()) {
            std::abort();
        }
        return 0;
    }
    for (const PaletteMark& mark : result.marks) {
        const Colour& c = mark.colour;
        if (!inRange(c.red) || !inRange(c.green) || !inRange(c.blue) || !isClean(mark.name)) {
            std::abort();
        }
    }
    if (TINCTA_FUZZ_ROUND_TRIP) {
        checkRoundTrip(row, result.marks);
    }
    return 0;
}
