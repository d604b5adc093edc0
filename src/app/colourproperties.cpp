#include "app/colourproperties.h"

#include "colour/colourtables.h"
#include "gui/platform/services.h"
#include "gui/widgets/uitext.h"
#include "palette/palettemodel.h"

#include <algorithm>

namespace tincta {

namespace {

const UiText propertiesTitle{QT_TRANSLATE_NOOP("tincta", "Colour Properties")};
const QString paragraphBreak = QStringLiteral("\r\n\r\n");
const UiText isWebsafe{QT_TRANSLATE_NOOP("tincta", "The selected colour is a websafe colour.")};
const UiText isNotWebsafe{
    QT_TRANSLATE_NOOP("tincta", "The selected colour is not a websafe colour.")};
const UiText isFailsafe{
    QT_TRANSLATE_NOOP("tincta", "The selected colour will look good in failsafe mode.")};
const UiText isNotFailsafe{
    QT_TRANSLATE_NOOP("tincta", "The selected colour will not look good in failsafe mode.")};
const UiText isJavaScript{
    QT_TRANSLATE_NOOP("tincta", "The selected colour is a JavaScript colour.")};
const UiText isNotJavaScript{
    QT_TRANSLATE_NOOP("tincta", "The selected colour is not a JavaScript colour.")};
const UiText javaScriptNameSentence{
    QT_TRANSLATE_NOOP("tincta", "In JavaScript, the name of the selected colour is %1.")};
const UiText renameQuestion{
    QT_TRANSLATE_NOOP("tincta", "Do you want to change the name of the selected colour to %1?")};
const QString cyanName = QStringLiteral("cyan");
const QString aquaName = QStringLiteral("aqua");
const UiText cyanShown{QT_TRANSLATE_NOOP("tincta", "cyan (also known as aqua)")};
const QString magentaName = QStringLiteral("magenta");
const QString fuchsiaName = QStringLiteral("fuchsia");
const UiText magentaShown{QT_TRANSLATE_NOOP("tincta", "magenta (also known as fuchsia)")};

template <typename Table> bool contains(const Table& table, PackedColour colour) {
    return std::find(table.begin(), table.end(), colour) != table.end();
}

} // namespace

ColourProperties::ColourProperties(QWidget* window, PaletteModel& model, MessageBoxes& messages)
    : m_window(window), m_model(model), m_messages(messages) {}

void ColourProperties::describeSelectedColour() {
    const int mark = m_model.selectedMark();
    const PackedColour colour = pack(m_model.colour(mark));
    const ColourTables& tables = colourTables();

    QString text =
        (contains(tables.websafeColours, colour) ? isWebsafe : isNotWebsafe) + paragraphBreak +
        (contains(tables.failsafeColours, colour) ? isFailsafe : isNotFailsafe) + paragraphBreak;
    const int index = javaScriptIndex(colour);
    if (index < 0) {
        inform(text + isNotJavaScript, MessageButtons::Ok);
        return;
    }

    const QString& name = tables.javaScriptNames[static_cast<std::size_t>(index)];
    QString proposed = name;
    QString shown = name;
    if (name == aquaName || name == cyanName) {
        proposed = cyanName;
        shown = cyanShown;
    } else if (name == fuchsiaName || name == magentaName) {
        proposed = magentaName;
        shown = magentaShown;
    }
    text += isJavaScript + paragraphBreak + javaScriptNameSentence.text().arg(shown);
    if (m_model.name(mark) == proposed) {
        inform(text, MessageButtons::Ok);
        return;
    }
    text += paragraphBreak + renameQuestion.text().arg(proposed);
    if (inform(text, MessageButtons::YesNo) == MessageAnswer::Yes)
        m_model.setName(mark, proposed);
}

MessageAnswer ColourProperties::inform(const QString& text, MessageButtons buttons) {
    const MessageAnswer defaultAnswer =
        buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Yes;
    return m_messages.show(
        m_window, Message{propertiesTitle, text, MessageIcon::Information, buttons, defaultAnswer});
}

void ColourProperties::findJavaScriptNames() {
    for (int mark = 0; mark < markCount; ++mark) {
        const QString name = javaScriptName(pack(m_model.colour(mark)));
        m_model.setName(mark, name.isEmpty() ? QString(notJavaScriptColour) : name);
    }
}

} // namespace tincta
