#pragma once

#include "settingsdialogs/settingsload.h"

#include <QDialog>
#include <functional>

class QLabel;

namespace tincta {

class TrackedLineEdit;

// Shows a help topic by its page name; false when the help could not be started at all (a topic
// the help does not hold is the help's own business, not a failure).
using HelpTopicOpener = std::function<bool(const QString& topic)>;

// Edits the template of the Custom notation. Ten buttons insert the codes; OK stores the text as
// typed, Cancel forgets the edit.
class CustomFormatDialog : public QDialog {
    Q_OBJECT

public:
    CustomFormatDialog(QWidget* owner, SettingsContext context, HelpTopicOpener openHelpTopic);

    // Loads the settings (which may show the restore message) and shows the stored template.
    void load();

    void setVisible(bool visible) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Selection {
        qsizetype start = 0;
        qsizetype length = 0;
    };

    void buildControls();
    // Puts a code at the caret, or over the selection; the text keeps to the template's limit.
    void insertCode(const QString& code);
    // Stores the template as typed and closes; stays open when it could not be stored.
    void saveAndClose();
    void showHelp();
    Selection currentSelection() const;

    SettingsContext m_context;
    HelpTopicOpener m_openHelpTopic;
    // Where the caret or selection was when the text box last lost the focus.
    Selection m_lastSelection;

    TrackedLineEdit* m_templateEdit = nullptr;
};

// Opens the custom format dialog modally over the main window.
void showCustomFormatDialog(QWidget* owner, const SettingsContext& context,
                            const HelpTopicOpener& openHelpTopic);

} // namespace tincta
