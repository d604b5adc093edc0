#pragma once

#include "settingsdialogs/settingsload.h"

#include <QDialog>

class QLabel;
class QListWidget;
class QRadioButton;

namespace tincta {

// What notation `index` makes of #FFCC00, as the options dialog shows it; empty for any index
// outside the list. The Custom example fills the codes of `customFormat`.
QString exampleText(int index, const QString& customFormat);

// The options: standard notation, prompt to save on exit, standard folder and the JavaScript
// palette's sort order. Every opening starts from freshly loaded settings; only OK writes.
class OptionsDialog : public QDialog {
    Q_OBJECT

public:
    OptionsDialog(QWidget* owner, SettingsContext context);

    // Loads the settings (which may show the restore message) and puts them into the controls.
    void load();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void showStandardFolder(const QString& folder);

    // The settings as the controls show them.
    struct ShownSettings {
        // The list row, 0..14.
        int notation = -1;
        int sortIndex = 0;
        int promptToSave = 1;
        QString standardFolder;
    };

    void buildControls();
    void activate();
    void showExample();
    void changeFolder();
    // Writes what the user changed and closes; stays open when it could not be written.
    void saveAndClose();
    // The folder the user chose, without a trailing "/" unless it is the root; empty on cancel.
    QString browseForFolder();
    ShownSettings shownSettings() const;

    SettingsContext m_context;
    bool m_activated = false;
    // What the dialog showed when it opened, against which OK finds what the user changed.
    ShownSettings m_loaded;
    QString m_loadedCssFormat;

    QListWidget* m_formatList = nullptr;
    QLabel* m_exampleLabel = nullptr;
    QLabel* m_folderLabel = nullptr;
    QRadioButton* m_alphabeticalOption = nullptr;
    QRadioButton* m_dotNetOption = nullptr;
    QRadioButton* m_promptYesOption = nullptr;
    QRadioButton* m_promptNoOption = nullptr;
};

// Opens the options dialog modally over the main window.
void showOptionsDialog(QWidget* owner, const SettingsContext& context);

} // namespace tincta
