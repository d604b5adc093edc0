#pragma once

#include "settings/settingsload.h"

#include <QDialog>

class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
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
    void lstStandardFormat_Click();
    void cmdChange_Click();
    void cmdOK_Click();
    void cmdCancel_Click();

    // The folder the user chose, without a trailing "/" unless it is the root; empty on cancel.
    QString browseForFolder();

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
    ShownSettings shownSettings() const;

    SettingsContext m_context;
    bool m_activated = false;
    // What the dialog showed when it opened, against which OK finds what the user changed.
    ShownSettings m_loaded;
    QString m_loadedCssFormat;

    QLabel* lblStandardFormat = nullptr;
    QListWidget* lstStandardFormat = nullptr;
    QGroupBox* fraExample = nullptr;
    QLabel* lblExample = nullptr;
    QGroupBox* fraStandardFolder = nullptr;
    QLabel* lblSelectedStandardFolder = nullptr;
    QPushButton* cmdChange = nullptr;
    QGroupBox* fraSortOrder = nullptr;
    QRadioButton* optAlphabetically = nullptr;
    QRadioButton* optDotNet = nullptr;
    QGroupBox* fraPromptToSave = nullptr;
    QRadioButton* optYes = nullptr;
    QRadioButton* optNo = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;
};

// Opens the options dialog modally over the main window.
void showOptionsDialog(QWidget* owner, const SettingsContext& context);

} // namespace tincta
