#include "palette/colourproperties.h"

#include "app/mainwindowui.h"
#include "app/services.h"
#include "colour/colourtables.h"
#include "editing/autocopy.h"
#include "editing/colourbox.h"
#include "editing/namebox.h"
#include "editing/trackedlineedit.h"

#include <QAction>
#include <QListWidget>
#include <algorithm>

namespace tincta {

namespace {

const QString propertiesTitle = QStringLiteral("Colour Properties");
const QString paragraphBreak = QStringLiteral("\r\n\r\n");
const QString isWebsafe = QStringLiteral("The selected colour is a websafe colour.");
const QString isNotWebsafe = QStringLiteral("The selected colour is not a websafe colour.");
const QString isFailsafe = QStringLiteral("The selected colour will look good in failsafe mode.");
const QString isNotFailsafe =
    QStringLiteral("The selected colour will not look good in failsafe mode.");
const QString isJavaScript = QStringLiteral("The selected colour is a JavaScript colour.");
const QString isNotJavaScript = QStringLiteral("The selected colour is not a JavaScript colour.");
const QString javaScriptNameIntro =
    QStringLiteral("In JavaScript, the name of the selected colour is ");
const QString renameQuestion =
    QStringLiteral("Do you want to change the name of the selected colour to ");
const QString cyanName = QStringLiteral("cyan");
const QString aquaName = QStringLiteral("aqua");
const QString cyanShown = QStringLiteral("cyan (also known as aqua)");
const QString magentaName = QStringLiteral("magenta");
const QString fuchsiaName = QStringLiteral("fuchsia");
const QString magentaShown = QStringLiteral("magenta (also known as fuchsia)");

template <typename Table> bool contains(const Table& table, PackedColour colour) {
    return std::find(table.begin(), table.end(), colour) != table.end();
}

void setNameWithCaretAtEnd(TrackedLineEdit* box, const QString& name) {
    box->setText(name);
    box->setCursorPosition(static_cast<int>(name.size()));
}

} // namespace

ColourProperties::ColourProperties(QWidget* window, MainWindowUi& ui, AppState& state,
                                   Autocopy& autocopy, MessageBoxes& messages)
    : m_window(window), m_ui(ui), m_state(state), m_autocopy(autocopy), m_messages(messages) {}

void ColourProperties::mnuEditColorProperties_Click() {
    const auto mark = static_cast<std::size_t>(m_state.selectedMark);
    const PackedColour colour = m_ui.picSample[mark]->colour();
    const ColourTables& tables = colourTables();

    QString text =
        (contains(tables.websafeColours, colour) ? isWebsafe : isNotWebsafe) + paragraphBreak +
        (contains(tables.failsafeColours, colour) ? isFailsafe : isNotFailsafe) + paragraphBreak;
    const int index = javaScriptIndex(colour);
    if (index < 0) {
        m_messages.show(m_window,
                        Message{propertiesTitle, text + isNotJavaScript, MessageIcon::Information,
                                MessageButtons::Ok, MessageAnswer::Ok});
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
    text += isJavaScript + paragraphBreak + javaScriptNameIntro + shown + QLatin1Char('.');

    TrackedLineEdit* box = m_ui.txtName[mark];
    if (box->text() == proposed) {
        m_messages.show(m_window, Message{propertiesTitle, text, MessageIcon::Information,
                                          MessageButtons::Ok, MessageAnswer::Ok});
        return;
    }
    text += paragraphBreak + renameQuestion + proposed + QLatin1Char('?');
    const MessageAnswer answer =
        m_messages.show(m_window, Message{propertiesTitle, text, MessageIcon::Information,
                                          MessageButtons::YesNo, MessageAnswer::Yes});
    if (answer == MessageAnswer::Yes)
        setNameWithCaretAtEnd(box, proposed);
}

void ColourProperties::mnuEditFind_Click() {
    m_state.namesBeingSet = true;
    for (int i = 0; i < markCount; ++i) {
        const auto mark = static_cast<std::size_t>(i);
        TrackedLineEdit* box = m_ui.txtName[mark];
        const QString name = javaScriptName(m_ui.picSample[mark]->colour());
        if (name.isEmpty())
            box->setText(notJavaScriptColour);
        else if (box->text() != name)
            setNameWithCaretAtEnd(box, name);
    }
    m_state.namesBeingSet = false;
    for (TrackedLineEdit* box : m_ui.txtName)
        setNameBoxBackground(box, plainNameColour);
}

void ColourProperties::mnuEditCopyJavaScriptNames_Click() {
    if (m_ui.mnuEditCopyJavaScriptNames->isChecked()) {
        m_state.javaScriptNamesMode = true;
        m_state.rememberedFormat = m_ui.lstAutocopy->currentRow();
        m_ui.lstAutocopy->setCurrentRow(-1);
        m_ui.lstAutocopy->clearSelection();
        m_ui.lstAutocopy->setEnabled(false);
    } else {
        m_state.javaScriptNamesMode = false;
        m_ui.lstAutocopy->setEnabled(true);
        m_ui.lstAutocopy->setCurrentRow(m_state.rememberedFormat);
    }
    const Colour& colour = m_state.markColour[static_cast<std::size_t>(m_state.selectedMark)];
    m_autocopy.renderNotation(colour.red, colour.green, colour.blue);
}

} // namespace tincta
