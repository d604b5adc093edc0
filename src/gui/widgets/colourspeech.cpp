#include "gui/widgets/colourspeech.h"

#include "colour/colourtables.h"

#include <QCoreApplication>
#include <array>

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

QString spokenProperties(PackedColour colour) {
    // One whole text for each combination, so that a translation can order and join the words
    // as its language does.
    static constexpr std::array<const char*, 8> words{
        QT_TRANSLATE_NOOP("tincta::ColourSpeech", "none"),
        QT_TRANSLATE_NOOP("tincta::ColourSpeech", "JavaScript name"),
        QT_TRANSLATE_NOOP("tincta::ColourSpeech", "failsafe"),
        QT_TRANSLATE_NOOP("tincta::ColourSpeech", "failsafe, JavaScript name"),
        QT_TRANSLATE_NOOP("tincta::ColourSpeech", "websafe"),
        QT_TRANSLATE_NOOP("tincta::ColourSpeech", "websafe, JavaScript name"),
        QT_TRANSLATE_NOOP("tincta::ColourSpeech", "websafe, failsafe"),
        QT_TRANSLATE_NOOP("tincta::ColourSpeech", "websafe, failsafe, JavaScript name"),
    };
    return QCoreApplication::translate("tincta::ColourSpeech",
                                       words[static_cast<std::size_t>(propertyFlags(colour))]);
}

} // namespace tincta
