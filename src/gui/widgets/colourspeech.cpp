#include "gui/widgets/colourspeech.h"

#include "colour/colourtables.h"

#include <QCoreApplication>

namespace tincta {

QString htmlHexText(PackedColour colour) {
    const Colour c = unpack(colour);
    const auto& hex = colourTables().hexBytes;
    return QLatin1Char('#') + hex[static_cast<std::size_t>(c.red)] +
           hex[static_cast<std::size_t>(c.green)] + hex[static_cast<std::size_t>(c.blue)];
}

QString spokenColour(PackedColour colour) {
    const QString name = javaScriptName(colour);
    if (name.isEmpty())
        return htmlHexText(colour);
    return QCoreApplication::translate("tincta::ColourSpeech", "%1, named %2")
        .arg(htmlHexText(colour), name);
}

} // namespace tincta
