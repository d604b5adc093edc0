#pragma once

// The main window's controls as tests find them: by the object names they carry, never through
// the classes that build them.

#include "app/commandtable.h"
#include "gui/widgets/colourbox.h"
#include "gui/widgets/swatchgrid.h"
#include "gui/widgets/trackedlineedit.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>
#include <QToolBar>
#include <array>

namespace tincta::test {

inline constexpr int marks = 6;

struct Controls {
    explicit Controls(const QMainWindow* window);

    QScrollBar* hsbRed;
    QScrollBar* hsbGreen;
    QScrollBar* hsbBlue;
    ColourBox* txtRedTag;
    ColourBox* txtGreenTag;
    ColourBox* txtBlueTag;
    ColourBox* picPick;

    QFrame* frmSet;
    TrackedLineEdit* txtHTMLHex;
    TrackedLineEdit* txtSetRed;
    TrackedLineEdit* txtSetGreen;
    TrackedLineEdit* txtSetBlue;
    QRadioButton* optSetDec;
    QRadioButton* optSetHex;
    QPushButton* cmdSetColor;

    QListWidget* lstAutocopy;
    QPushButton* cmdFailsafe;
    QPushButton* cmdWebsafe;
    QPushButton* cmdJavaScript;
    QTimer* tmrClip;

    std::array<QRadioButton*, marks> optColor;
    std::array<TrackedLineEdit*, marks> txtName;
    QWidget* picSampleContainer;
    std::array<ColourBox*, marks> picSample;
    std::array<QLabel*, marks> lblColorProp;

    QLabel* lblClipboard;
    QLabel* lblClipboardLabel;
    SwatchGrid* lblColorBar;

    QMenu* mnuFile;
    QAction* mnuFileNew;
    QAction* mnuFileOpen;
    QAction* mnuFileOpenInNotepad;
    QAction* mnuFileSave;
    QAction* mnuFileSaveAs;
    QAction* mnuFileExit;
    QMenu* mnuEdit;
    QAction* mnuEditCopyColor;
    QAction* mnuEditPasteColor;
    QAction* mnuEditColorProperties;
    QAction* mnuEditFind;
    QAction* mnuEditCopyJavaScriptNames;
    QAction* mnuEditPasteHTMLHex;
    QMenu* mnuTools;
    QAction* mnuToolsColourPickMode;
    QAction* mnuToolsCustomFormat;
    QAction* mnuToolsOptions;
    QMenu* mnuHelp;
    QAction* mnuHelpHelp;
    QAction* mnuHomePage;
    QAction* mnuHelpAboutTincta;

    // Every command's action, by its command.
    std::array<QAction*, commandCount> commands;
    QAction* command(Command which) const { return commands[static_cast<std::size_t>(which)]; }

    QToolBar* tbrTools;
    // The action at a 1-based toolbar position, separators included; nullptr outside 1..15.
    QAction* toolbarButton(int position) const;
    // Clicks the mark's option button, as the user selects a mark.
    void selectMark(int mark) const;
    // Moves the three sliders to the colour, red first.
    void setSliders(const Colour& colour) const;
};

} // namespace tincta::test
