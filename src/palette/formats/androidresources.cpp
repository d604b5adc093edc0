#include "palette/formats/androidresources.h"

#include "colour/codenotation.h"

namespace tincta {

namespace {

constexpr QLatin1StringView header{"<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<resources>\n"};
constexpr QLatin1StringView indent{"    "};
constexpr QLatin1StringView footer{"</resources>\n"};

} // namespace

QByteArray androidColoursBytes(ExportedMarks marks) {
    QString xml = header;
    QSet<QString> taken;
    int number = 0;
    for (const PaletteMark& mark : marks) {
        const QString base =
            androidResourceName(isPlaceholderName(mark.name) ? QString() : mark.name, ++number);
        xml += indent + androidXmlText(mark.colour, claimUnique(base, u'_', taken)) +
               QLatin1Char('\n');
    }
    xml += footer;
    return xml.toUtf8();
}

} // namespace tincta
