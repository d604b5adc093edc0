#include "palette/formats/androidresources.h"

#include "colour/codenotation.h"

namespace tincta {

namespace {

constexpr QLatin1StringView header{"<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<resources>\n"};
constexpr QLatin1StringView indent{"    "};
constexpr QLatin1StringView footer{"</resources>\n"};

} // namespace

QByteArray androidColoursBytes(const PaletteMarks& marks) {
    QString xml = header;
    QSet<QString> taken;
    for (int i = 0; i < paletteMarkCount; ++i) {
        const QString base = androidResourceName(
            isPlaceholderName(marks[i].name) ? QString() : marks[i].name, i + 1);
        xml += indent + androidXmlText(marks[i].colour, claimUnique(base, u'_', taken)) +
               QLatin1Char('\n');
    }
    xml += footer;
    return xml.toUtf8();
}

} // namespace tincta
