#pragma once

#include "app/appstate.h"

#include <QPointer>
#include <array>

class QAction;
class QButtonGroup;
class QFrame;
class QLabel;
class QListWidget;
class QMainWindow;
class QMenu;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QTimer;
class QToolBar;
class QWidget;

namespace tincta {

class ColourBox;
class SwatchGrid;
class TrackedLineEdit;

inline constexpr int toolbarPositions = 14;

// Every control of the main window, built once by buildMainWindowUi. The window owns them.
struct MainWindowUi {
    QScrollBar* hsbRed = nullptr;
    QScrollBar* hsbGreen = nullptr;
    QScrollBar* hsbBlue = nullptr;
    ColourBox* txtRedTag = nullptr;
    ColourBox* txtGreenTag = nullptr;
    ColourBox* txtBlueTag = nullptr;
    ColourBox* picPick = nullptr;

    QFrame* frmSet = nullptr;
    TrackedLineEdit* txtHTMLHex = nullptr;
    TrackedLineEdit* txtSetRed = nullptr;
    TrackedLineEdit* txtSetGreen = nullptr;
    TrackedLineEdit* txtSetBlue = nullptr;
    QRadioButton* optSetDec = nullptr;
    QRadioButton* optSetHex = nullptr;
    QPushButton* cmdSetColor = nullptr;

    QListWidget* lstAutocopy = nullptr;
    QPushButton* cmdFailsafe = nullptr;
    QPushButton* cmdWebsafe = nullptr;
    QPushButton* cmdJavaScript = nullptr;
    QTimer* tmrClip = nullptr;

    QButtonGroup* markGroup = nullptr;
    std::array<QRadioButton*, markCount> optColor{};
    std::array<TrackedLineEdit*, markCount> txtName{};
    QWidget* picSampleContainer = nullptr;
    std::array<ColourBox*, markCount> picSample{};
    std::array<QLabel*, markCount> lblColorProp{};

    QLabel* lblClipboard = nullptr;
    QLabel* lblClipboardLabel = nullptr;
    SwatchGrid* lblColorBar = nullptr;

    QMenu* mnuFile = nullptr;
    QAction* mnuFileNew = nullptr;
    QAction* mnuFileOpen = nullptr;
    QAction* mnuFileOpenInNotepad = nullptr;
    QAction* mnuFileSave = nullptr;
    QAction* mnuFileSaveAs = nullptr;
    QAction* mnuFileExit = nullptr;
    QMenu* mnuEdit = nullptr;
    QAction* mnuEditCopyColor = nullptr;
    QAction* mnuEditPasteColor = nullptr;
    QAction* mnuEditColorProperties = nullptr;
    QAction* mnuEditFind = nullptr;
    QAction* mnuEditCopyJavaScriptNames = nullptr;
    QAction* mnuEditPasteHTMLHex = nullptr;
    QMenu* mnuTools = nullptr;
    QAction* mnuToolsColourPickMode = nullptr;
    QAction* mnuToolsCustomFormat = nullptr;
    QAction* mnuToolsOptions = nullptr;
    QMenu* mnuHelp = nullptr;
    QAction* mnuHelpHelp = nullptr;
    QAction* mnuHomePage = nullptr;
    QAction* mnuHelpAboutTincta = nullptr;

    QToolBar* tbrTools = nullptr;
    // Indexed by the 1-based toolbar position minus one; separators included.
    std::array<QAction*, toolbarPositions> toolbarButtons{};

    // The toolbar button at a 1-based position; nullptr outside 1..14.
    QAction* toolbarButton(int position) const;
};

// Creates the controls, menus and toolbar of the main window with their captions, tooltips and
// limits, and lays them out.
MainWindowUi buildMainWindowUi(QMainWindow* window);

// Tooltips that change at run time.
inline const QString openPaletteToolTip = QStringLiteral("Open Palette In Tincta (Ctrl+O)");
inline const QString openInNotepadToolTip = QStringLiteral("Open Palette In Notepad (Ctrl+I)");
inline const QString pasteColorToolTip = QStringLiteral("Paste To Colour Mark (F3)");
inline const QString useCopyButtonToolTip = QStringLiteral("Use the Copy button to enable");
inline const QString pickFromSampleToolTip =
    QStringLiteral("Drag and drop from here to pick a colour anywhere on the screen");

} // namespace tincta
