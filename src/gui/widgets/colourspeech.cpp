#include "gui/widgets/colourspeech.h"

#include "colour/colourtables.h"
#include "colour/conversions.h"

#include <QCoreApplication>
#include <array>

namespace tincta {

QString spokenColour(PackedColour colour) {
    const QString name = javaScriptName(colour);
    if (name.isEmpty())
        return hexTriplet(unpack(colour));
    return QCoreApplication::translate("tincta::ColourSpeech", "%1, named %2")
        .arg(hexTriplet(unpack(colour)), name);
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
