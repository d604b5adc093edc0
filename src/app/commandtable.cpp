#include "app/commandtable.h"

#include "gui/widgets/programicon.h"
#include "gui/widgets/widgethelpers.h"

#include <QCoreApplication>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

namespace tincta {

namespace {

// Repeated as a literal in each QT_TRANSLATE_NOOP below, where lupdate reads it.
constexpr const char* context = "tincta::CommandTable";
constexpr int toolbarIconSize = 22;

struct CommandEntry {
    Command command;
    const char* name;
    const char* caption;
    int shortcut;
    bool checkable;
    int otherShortcut = 0;
};

// Row i of each table below belongs to value i of its enum: a row left out or out of place fails
// to compile instead of handing its slot to another command.
template <typename Row, std::size_t rows, typename Key>
constexpr bool inEnumOrder(const std::array<Row, rows>& table, Key Row::*key) {
    for (std::size_t i = 0; i < rows; ++i) {
        if (table[i].*key != static_cast<Key>(i))
            return false;
    }
    return true;
}

constexpr int ctrl(Qt::Key key) {
    return (Qt::CTRL | key).toCombined();
}

constexpr int ctrlShift(Qt::Key key) {
    return (Qt::CTRL | Qt::SHIFT | key).toCombined();
}

// One row a command, so the table reads as one.
// clang-format off
constexpr std::array<CommandEntry, commandCount> commandEntries{{
    {Command::NewPalette, "mnuFileNew", QT_TRANSLATE_NOOP("tincta::CommandTable", "&New Palette"), ctrl(Qt::Key_N), false},
    {Command::OpenPalette, "mnuFileOpen", QT_TRANSLATE_NOOP("tincta::CommandTable", "&Open Palette In Tincta..."), ctrl(Qt::Key_O), false},
    {Command::OpenInNotepad, "mnuFileOpenInNotepad", QT_TRANSLATE_NOOP("tincta::CommandTable", "Open Palette &In Notepad..."), ctrl(Qt::Key_I), false},
    {Command::SavePalette, "mnuFileSave", QT_TRANSLATE_NOOP("tincta::CommandTable", "&Save Palette"), ctrl(Qt::Key_S), false},
    {Command::SavePaletteAs, "mnuFileSaveAs", QT_TRANSLATE_NOOP("tincta::CommandTable", "Save Palette &As..."), Qt::Key_F12, false},
    {Command::ExportPalette, "mnuFileExport", QT_TRANSLATE_NOOP("tincta::CommandTable", "Ex&port Palette..."), ctrl(Qt::Key_E), false},
    {Command::ImportPalette, "mnuFileImport", QT_TRANSLATE_NOOP("tincta::CommandTable", "I&mport Palette..."), ctrlShift(Qt::Key_O), false},
    {Command::Exit, "mnuFileExit", QT_TRANSLATE_NOOP("tincta::CommandTable", "&Exit"), ctrl(Qt::Key_W), false},
    {Command::Undo, "mnuEditUndo", QT_TRANSLATE_NOOP("tincta::CommandTable", "&Undo"), ctrl(Qt::Key_Z), false},
    {Command::Redo, "mnuEditRedo", QT_TRANSLATE_NOOP("tincta::CommandTable", "&Redo"), ctrlShift(Qt::Key_Z), false, ctrl(Qt::Key_Y)},
    {Command::CopyColour, "mnuEditCopyColor", QT_TRANSLATE_NOOP("tincta::CommandTable", "&Copy From Colour Mark"), Qt::Key_F2, false},
    {Command::PasteColour, "mnuEditPasteColor", QT_TRANSLATE_NOOP("tincta::CommandTable", "Paste To Colour &Mark"), Qt::Key_F3, false},
    {Command::PasteColourText, "mnuEditPasteColourText", QT_TRANSLATE_NOOP("tincta::CommandTable", "Paste C&olour"), ctrlShift(Qt::Key_V), false},
    {Command::ColourProperties, "mnuEditColorProperties", QT_TRANSLATE_NOOP("tincta::CommandTable", "Colour &Properties..."), Qt::Key_F4, false},
    {Command::FindJavaScriptNames, "mnuEditFind", QT_TRANSLATE_NOOP("tincta::CommandTable", "&Find JavaScript Names"), Qt::Key_F5, false},
    {Command::PickFromScreen, "mnuEditPickFromScreen", QT_TRANSLATE_NOOP("tincta::CommandTable", "Pick From &Screen"), ctrlShift(Qt::Key_P), false},
    {Command::CopyJavaScriptNames, "mnuEditCopyJavaScriptNames", QT_TRANSLATE_NOOP("tincta::CommandTable", "Copy &JavaScript Names"), Qt::Key_F6, true},
    {Command::PasteHtmlHex, "mnuEditPasteHTMLHex", QT_TRANSLATE_NOOP("tincta::CommandTable", "Paste &HTML Hex"), Qt::Key_F11, true},
    {Command::ColourCheck, "mnuEditColourCheck", QT_TRANSLATE_NOOP("tincta::CommandTable", "Colour Chec&k..."), ctrl(Qt::Key_K), false},
    {Command::AllNotations, "mnuEditAllNotations", QT_TRANSLATE_NOOP("tincta::CommandTable", "All &Notations..."), ctrl(Qt::Key_L), false},
    {Command::History, "mnuEditHistory", QT_TRANSLATE_NOOP("tincta::CommandTable", "Hi&story..."), ctrl(Qt::Key_H), false},
    {Command::ColourPickMode, "mnuToolsColourPickMode", QT_TRANSLATE_NOOP("tincta::CommandTable", "Colour &Pick Mode"), Qt::Key_F7, true},
    {Command::CustomFormat, "mnuToolsCustomFormat", QT_TRANSLATE_NOOP("tincta::CommandTable", "&Custom Format..."), Qt::Key_F8, false},
    {Command::Options, "mnuToolsOptions", QT_TRANSLATE_NOOP("tincta::CommandTable", "&Options..."), Qt::Key_F9, false},
    {Command::Help, "mnuHelpHelp", QT_TRANSLATE_NOOP("tincta::CommandTable", "&Help"), Qt::Key_F1, false},
    {Command::HomePage, "mnuHomePage", QT_TRANSLATE_NOOP("tincta::CommandTable", "&Visit Tincta Home Page"), 0, false},
    {Command::About, "mnuHelpAboutTincta", QT_TRANSLATE_NOOP("tincta::CommandTable", "&About Tincta..."), 0, false},
}};
static_assert(inEnumOrder(commandEntries, &CommandEntry::command),
              "each command needs one row, in the order of the Command enum");

struct UndoCaptions {
    EditKind kind;
    const char* undo;
    const char* redo;
};

constexpr std::array<UndoCaptions, editKindCount> undoCaptions{{
    {EditKind::ColourChange, QT_TRANSLATE_NOOP("tincta::CommandTable", "&Undo Colour Change"), QT_TRANSLATE_NOOP("tincta::CommandTable", "&Redo Colour Change")},
    {EditKind::NameChange, QT_TRANSLATE_NOOP("tincta::CommandTable", "&Undo Name Change"), QT_TRANSLATE_NOOP("tincta::CommandTable", "&Redo Name Change")},
    {EditKind::Paste, QT_TRANSLATE_NOOP("tincta::CommandTable", "&Undo Paste"), QT_TRANSLATE_NOOP("tincta::CommandTable", "&Redo Paste")},
    {EditKind::Import, QT_TRANSLATE_NOOP("tincta::CommandTable", "&Undo Import"), QT_TRANSLATE_NOOP("tincta::CommandTable", "&Redo Import")},
    {EditKind::FindJavaScriptNames, QT_TRANSLATE_NOOP("tincta::CommandTable", "&Undo Find JavaScript Names"), QT_TRANSLATE_NOOP("tincta::CommandTable", "&Redo Find JavaScript Names")},
}};
static_assert(inEnumOrder(undoCaptions, &UndoCaptions::kind),
              "each kind of step needs one row, in the order of the EditKind enum");
// clang-format on

// A menu item or toolbar position: a command, or a separator when `separator` is set.
struct Item {
    Command command;
    const char* separator;
};

constexpr Item separator(const char* name) {
    return Item{Command::NewPalette, name};
}

constexpr Item item(Command command) {
    return Item{command, nullptr};
}

struct MenuEntry {
    const char* name;
    const char* caption;
    std::initializer_list<Item> items;
};

const std::array<MenuEntry, 4> menus{{
    {"mnuFile",
     QT_TRANSLATE_NOOP("tincta::CommandTable", "&File"),
     {item(Command::NewPalette), item(Command::OpenPalette), item(Command::OpenInNotepad),
      item(Command::SavePalette), item(Command::SavePaletteAs), item(Command::ExportPalette),
      item(Command::ImportPalette), separator("mnuFileSeparator1"), item(Command::Exit)}},
    {"mnuEdit",
     QT_TRANSLATE_NOOP("tincta::CommandTable", "&Edit"),
     {item(Command::Undo), item(Command::Redo), separator("mnuEditUndoSeparator"),
      item(Command::CopyColour), item(Command::PasteColour), item(Command::PasteColourText),
      separator("mnuEditSeparator1"), item(Command::ColourProperties),
      item(Command::FindJavaScriptNames), item(Command::PickFromScreen),
      separator("mnuEditSeparator2"), item(Command::CopyJavaScriptNames),
      item(Command::PasteHtmlHex), separator("mnuEditSeparator3"), item(Command::ColourCheck),
      item(Command::AllNotations), item(Command::History)}},
    {"mnuTools",
     QT_TRANSLATE_NOOP("tincta::CommandTable", "&Tools"),
     {item(Command::ColourPickMode), separator("mnuToolsSeparator1"), item(Command::CustomFormat),
      item(Command::Options)}},
    {"mnuHelp",
     QT_TRANSLATE_NOOP("tincta::CommandTable", "&Help"),
     {item(Command::Help), item(Command::HomePage), separator("mnuHelpSeparator1"),
      item(Command::About)}},
}};

struct ToolbarButton {
    Item item;
    const char* name;
    const char* image;
    const char* toolTip;
    // Where the tooltip alone would not tell a screen reader's user what the button does.
    const char* accessibleName = nullptr;
};

// The name of position 3 ends in a blank; it is kept as the button's name.
// clang-format off
const std::array<ToolbarButton, 15> toolbarButtons{{
    {item(Command::NewPalette), "btnNew", "new", QT_TRANSLATE_NOOP("tincta::CommandTable", "New Palette (Ctrl+N)")},
    {item(Command::OpenPalette), "btnOpen", "open", QT_TRANSLATE_NOOP("tincta::CommandTable", "Open Palette In Tincta (Ctrl+O)")},
    {item(Command::OpenInNotepad), "btnOpenInNotepad ", "notepad", QT_TRANSLATE_NOOP("tincta::CommandTable", "Open Palette In Notepad (Ctrl+I)")},
    {item(Command::SavePalette), "btnSave", "save", QT_TRANSLATE_NOOP("tincta::CommandTable", "Save Palette (Ctrl+S)")},
    {separator("tbrSeparator1"), nullptr, nullptr, nullptr},
    {item(Command::CopyColour), "btnCopyColor", "copy", QT_TRANSLATE_NOOP("tincta::CommandTable", "Copy From Colour Mark (F2)")},
    {item(Command::PasteColour), "btnPasteColor", "paste", QT_TRANSLATE_NOOP("tincta::CommandTable", "Paste To Colour Mark (F3)")},
    {item(Command::ColourProperties), "btnColorProperties", "properties", QT_TRANSLATE_NOOP("tincta::CommandTable", "Colour Properties (F4)")},
    {item(Command::FindJavaScriptNames), "btnFind", "find", QT_TRANSLATE_NOOP("tincta::CommandTable", "Find JavaScript Names (F5)")},
    {item(Command::PickFromScreen), "btnPickFromScreen", "pick", QT_TRANSLATE_NOOP("tincta::CommandTable", "Pick From Screen (Ctrl+Shift+P)"), QT_TRANSLATE_NOOP("tincta::CommandTable", "Pick a colour from the screen")},
    {separator("btnSeparator2"), nullptr, nullptr, nullptr},
    {item(Command::CustomFormat), "btnCustomFormat", "custom", QT_TRANSLATE_NOOP("tincta::CommandTable", "Custom Format (F8)")},
    {item(Command::Options), "btnOptions", "options", QT_TRANSLATE_NOOP("tincta::CommandTable", "Options (F9)")},
    {separator("btnSeparator3"), nullptr, nullptr, nullptr},
    {item(Command::Help), "btnHelp", "help", QT_TRANSLATE_NOOP("tincta::CommandTable", "Help (F1)")},
}};
// clang-format on

QString translated(const char* text) {
    return QCoreApplication::translate(context, text);
}

const CommandEntry& entryOf(Command command) {
    return commandEntries[static_cast<std::size_t>(command)];
}

// The caption of Undo or Redo: the plain one, or the one that names the step.
QString undoCaption(Command command, std::optional<EditKind> kind) {
    if (!kind)
        return translated(entryOf(command).caption);
    const UndoCaptions& captions = undoCaptions[static_cast<std::size_t>(*kind)];
    return translated(command == Command::Undo ? captions.undo : captions.redo);
}

// The tooltip of a command's toolbar button; empty for a command that has none.
QString toolbarToolTip(Command command) {
    for (const ToolbarButton& button : toolbarButtons) {
        if (button.item.separator == nullptr && button.item.command == command)
            return translated(button.toolTip);
    }
    return {};
}

} // namespace

const char* commandName(Command command) {
    return entryOf(command).name;
}

CommandTable::CommandTable(QMainWindow* window) : QObject(window) {
    for (const CommandEntry& entry : commandEntries) {
        auto* action = named(new QAction(translated(entry.caption), window), entry.name);
        QList<QKeySequence> shortcuts{QKeySequence(entry.shortcut)};
        if (entry.otherShortcut != 0)
            shortcuts.append(QKeySequence(entry.otherShortcut));
        action->setShortcuts(shortcuts);
        action->setShortcutContext(Qt::WindowShortcut);
        action->setCheckable(entry.checkable);
        m_actions[static_cast<std::size_t>(entry.command)] = action;
    }
    buildMenus(window);
    buildToolbar(window);
}

void CommandTable::buildMenus(QMainWindow* window) {
    for (const MenuEntry& entry : menus) {
        QMenu* menu = named(window->menuBar()->addMenu(translated(entry.caption)), entry.name);
        for (const Item& menuItem : entry.items) {
            if (menuItem.separator != nullptr)
                named(menu->addSeparator(), menuItem.separator);
            else
                menu->addAction(action(menuItem.command));
        }
    }
}

void CommandTable::buildToolbar(QMainWindow* window) {
    m_toolbar = named(window->addToolBar(tr("Tools")), "tbrTools");
    m_toolbar->setMovable(false);
    m_toolbar->setFloatable(false);
    m_toolbar->setIconSize(QSize(toolbarIconSize, toolbarIconSize));
    m_toolbar->toggleViewAction()->setEnabled(false);
    for (const ToolbarButton& button : toolbarButtons) {
        if (button.item.separator != nullptr) {
            named(m_toolbar->addSeparator(), button.item.separator);
            continue;
        }
        QAction* shared = action(button.item.command);
        shared->setIcon(programIcon(QLatin1String(button.image)));
        shared->setToolTip(translated(button.toolTip));
        shared->setIconVisibleInMenu(false);
        m_toolbar->addAction(shared);
        QWidget* widget = named(m_toolbar->widgetForAction(shared), button.name);
        if (button.accessibleName != nullptr)
            widget->setAccessibleName(translated(button.accessibleName));
    }
}

void CommandTable::setEnabled(Command command, bool enabled) {
    action(command)->setEnabled(enabled);
}

void CommandTable::setEnabledWithToolTip(Command command, bool enabled,
                                         const QString& disabledToolTip) {
    QAction* shared = action(command);
    shared->setEnabled(enabled);
    shared->setToolTip(enabled ? toolbarToolTip(command) : disabledToolTip);
}

void CommandTable::setOpenCommandsEnabled(bool enabled) {
    for (Command command : {Command::OpenPalette, Command::OpenInNotepad, Command::ImportPalette})
        setEnabledWithToolTip(command, enabled, tr("Press F7 to enable"));
}

void CommandTable::showUndoSteps(std::optional<EditKind> toUndo, std::optional<EditKind> toRedo) {
    // Every slider step adds a step; the captions change far less often.
    const UndoSteps shown{toUndo, toRedo};
    if (m_undoStepsShown == shown)
        return;
    m_undoStepsShown = shown;
    for (const auto& [command, kind] :
         {std::pair{Command::Undo, toUndo}, std::pair{Command::Redo, toRedo}}) {
        QAction* shared = action(command);
        shared->setText(undoCaption(command, kind));
        shared->setEnabled(kind.has_value());
    }
}

void CommandTable::setPasteEnabled(bool enabled) {
    setEnabledWithToolTip(Command::PasteColour, enabled, tr("Use the Copy button to enable"));
}

} // namespace tincta
