#pragma once

#include "colour/colour.h"
#include "gui/platform/services.h"

#include <QMainWindow>
#include <memory>
#include <vector>

namespace tincta {

class AllNotations;
class ColourCheck;
class ColourHistory;
class ColourEditor;
class ColourProperties;
class CommandTable;
class EasyReg;
class ExchangeCommands;
class HelpCommands;
class MarksPanel;
class NotationPanel;
class PaletteDocument;
class PaletteModel;
class PaletteWindows;
class PickMode;
class SettingsRecord;
struct SettingsContext;

// The main window: builds the panels around the palette model and connects them, the commands
// and the palette document.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(const Services& services, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The palette the window shows.
    const PaletteModel& palette() const { return *m_model; }
    // The palette file named at start, opened as Open opens it.
    void openPaletteFile(const QString& path);

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void giveWindowIconAfterThisFrame();
    void buildLayout();
    void setTabOrder();
    void connectPanels();
    void connectHistory();
    void connectCommands();
    void connectFileCommands();
    void connectEditCommands();
    void connectToolCommands();
    void start();
    void checkColourDepth();
    // Where the window was when the program last closed, and keeping that for the next start.
    void restorePlace();
    void keepPlace();
    // Reads the stored settings again and tells the user what the load met.
    void loadSettings();
    SettingsContext settingsContext();
    void showCustomFormat();
    void showOptions();
    void setPickMode(bool on);
    void copyColour();
    // Sets the selected mark to the colour the clipboard's text names, in any notation.
    void pasteColourText();
    void keepStars(const std::vector<int>& notations);
    // Undo and Redo name the steps they would take, and are greyed when there is none.
    void showUndoSteps();
    // The last resort: one message at most per run, then every window closes without asking.
    void handleUnexpectedError();

    Services m_services;
    bool m_closingAfterError = false;
    bool m_errorReported = false;
    // "The settings could not be read" is said once a run, however often a load fails.
    bool m_settingsUnreadableTold = false;
    bool m_windowIconAsked = false;
    std::unique_ptr<EasyReg> m_registry;
    std::unique_ptr<SettingsRecord> m_settings;
    PaletteModel* m_model;
    CommandTable* m_commands;
    MarksPanel* m_marks;
    ColourEditor* m_editor;
    NotationPanel* m_notation;
    PaletteWindows* m_paletteWindows;
    ColourCheck* m_colourCheck;
    ColourHistory* m_history;
    AllNotations* m_allNotations;
    PickMode* m_pickMode;
    PaletteDocument* m_document;
    ExchangeCommands* m_exchange;
    std::unique_ptr<ColourProperties> m_properties;
    std::unique_ptr<HelpCommands> m_help;
    Colour m_copiedColour{};
};

} // namespace tincta
