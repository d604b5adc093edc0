#include "gui/widgets/colourspeech.h"

#include "colour/colourtables.h"
#include "colour/conversions.h"

#include <QCoreApplication>

namespace tincta {

QString spokenColour(PackedColour colour) {
    const QString name = javaScriptName(colour);
    if (name.isEmpty())
        return hexTriplet(unpack(colour));
    return QCoreApplication::translate("tincta::ColourSpeech", "%1, named %2")
        .arg(hexTriplet(unpack(colour)), name);
}

} // namespace tincta
