#pragma once

#include "gui/platform/errorguard.h"
#include "palette/editkind.h"

#include <QAction>
#include <QObject>
#include <array>
#include <optional>
#include <utility>

class QMainWindow;
class QToolBar;

namespace tincta {

// Every command of the menus and the toolbar. Each is one action, shared by its menu item and
// its toolbar button, so that enabling it or changing its tooltip changes both.
enum class Command {
    NewPalette,
    OpenPalette,
    OpenInNotepad,
    SavePalette,
    SavePaletteAs,
    ExportPalette,
    ImportPalette,
    Exit,
    Undo,
    Redo,
    CopyColour,
    PasteColour,
    PasteColourText,
    ColourProperties,
    FindJavaScriptNames,
    PickFromScreen,
    CopyJavaScriptNames,
    PasteHtmlHex,
    ColourCheck,
    AllNotations,
    History,
    ColourPickMode,
    CustomFormat,
    Options,
    Help,
    HomePage,
    About,
};
inline constexpr std::size_t commandCount = static_cast<std::size_t>(Command::About) + 1;

// The object name of the command's action, as tests and accessibility tools find it.
const char* commandName(Command command);

// Builds the menus and the toolbar of the main window from one table of commands.
class CommandTable : public QObject {
    Q_OBJECT

public:
    explicit CommandTable(QMainWindow* window);

    QAction* action(Command command) const { return m_actions[static_cast<std::size_t>(command)]; }
    QToolBar* toolbar() const { return m_toolbar; }

    // Runs `handler` behind the error guard whenever the command is chosen, by menu, key or
    // toolbar.
    template <typename F> void onTriggered(Command command, F handler) {
        connect(action(command), &QAction::triggered, this, guarded(std::move(handler)));
    }
    void setEnabled(Command command, bool enabled);
    // Pick mode takes the palette-opening and importing commands away and says how to get them
    // back.
    void setOpenCommandsEnabled(bool enabled);
    // Paste To Colour Mark is there once a colour has been copied.
    void setPasteEnabled(bool enabled);
    // Undo and Redo name the step they would take back or do again; greyed without one.
    void showUndoSteps(std::optional<EditKind> toUndo, std::optional<EditKind> toRedo);

private:
    void buildMenus(QMainWindow* window);
    void buildToolbar(QMainWindow* window);
    void setEnabledWithToolTip(Command command, bool enabled, const QString& disabledToolTip);

    using UndoSteps = std::pair<std::optional<EditKind>, std::optional<EditKind>>;

    std::array<QAction*, commandCount> m_actions{};
    std::optional<UndoSteps> m_undoStepsShown;
    QToolBar* m_toolbar = nullptr;
};

} // namespace tincta
