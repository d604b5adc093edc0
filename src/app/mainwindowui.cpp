#include "app/mainwindowui.h"

#include "app/svgicon.h"
#include "app/widgethelpers.h"
#include "editing/colourbox.h"
#include "editing/colourslider.h"
#include "editing/trackedlineedit.h"
#include "palettewindows/swatchgrid.h"

#include <QAction>
#include <QButtonGroup>
#include <QCoreApplication>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeySequence>
#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

namespace tincta {

namespace {

constexpr int markRowHeight = 26;
constexpr int sliderHeight = 18;
constexpr int sampleWidth = 44;
constexpr int nameBoxLength = 21;
constexpr int valueFieldLength = 3;
constexpr int htmlHexFieldLength = 7;
constexpr int clipboardTimerMs = 200;
constexpr int toolbarIconSize = 22;

QString indexed(const char* name, int index) {
    return QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(index);
}

QScrollBar* makeSlider(QWidget* parent, const char* name, const QString& accessibleName) {
    auto* slider = named(new ColourSlider(parent), QLatin1String(name));
    slider->setAccessibleName(accessibleName);
    slider->setMinimumWidth(256);
    slider->setFixedHeight(sliderHeight);
    return slider;
}

ColourBox* makeTag(QWidget* parent, const char* name, PackedColour colour) {
    auto* tag = named(new ColourBox(parent), QLatin1String(name));
    tag->setColour(colour);
    tag->setFixedSize(sliderHeight, sliderHeight);
    return tag;
}

TrackedLineEdit* makeField(QWidget* parent, const char* name, int typingLimit,
                           const QString& toolTip) {
    auto* field = named(new TrackedLineEdit(parent), QLatin1String(name));
    field->setTypingLimit(typingLimit);
    field->setToolTip(toolTip);
    field->setUpperCaseTyping(true);
    return field;
}

QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption,
                        const QString& toolTip) {
    auto* button = named(new QPushButton(caption, parent), QLatin1String(name));
    button->setToolTip(toolTip);
    button->setAutoDefault(false);
    return button;
}

QAction* addItem(QMenu* menu, const char* name, const QString& caption,
                 const QKeySequence& shortcut = {}) {
    auto* action = named(menu->addAction(caption), QLatin1String(name));
    action->setShortcut(shortcut);
    action->setShortcutContext(Qt::WindowShortcut);
    return action;
}

void addSeparator(QMenu* menu, const char* name) {
    menu->addSeparator()->setObjectName(QLatin1String(name));
}

void buildMenus(QMainWindow* window, MainWindowUi& ui) {
    QMenuBar* bar = window->menuBar();
    ui.mnuFile = named(bar->addMenu(QStringLiteral("&File")), QStringLiteral("mnuFile"));
    ui.mnuFileNew = addItem(ui.mnuFile, "mnuFileNew", QStringLiteral("&New Palette"),
                            QKeySequence(Qt::CTRL | Qt::Key_N));
    ui.mnuFileOpen =
        addItem(ui.mnuFile, "mnuFileOpen", QStringLiteral("&Open Palette In Tincta..."),
                QKeySequence(Qt::CTRL | Qt::Key_O));
    ui.mnuFileOpenInNotepad =
        addItem(ui.mnuFile, "mnuFileOpenInNotepad", QStringLiteral("Open Palette &In Notepad..."),
                QKeySequence(Qt::CTRL | Qt::Key_I));
    ui.mnuFileSave = addItem(ui.mnuFile, "mnuFileSave", QStringLiteral("&Save Palette"),
                             QKeySequence(Qt::CTRL | Qt::Key_S));
    ui.mnuFileSaveAs = addItem(ui.mnuFile, "mnuFileSaveAs", QStringLiteral("Save Palette &As..."),
                               QKeySequence(Qt::Key_F12));
    addSeparator(ui.mnuFile, "mnuFileSeparator1");
    ui.mnuFileExit = addItem(ui.mnuFile, "mnuFileExit", QStringLiteral("&Exit"),
                             QKeySequence(Qt::CTRL | Qt::Key_W));

    ui.mnuEdit = named(bar->addMenu(QStringLiteral("&Edit")), QStringLiteral("mnuEdit"));
    ui.mnuEditCopyColor = addItem(ui.mnuEdit, "mnuEditCopyColor",
                                  QStringLiteral("&Copy From Colour Mark"), Qt::Key_F2);
    ui.mnuEditPasteColor = addItem(ui.mnuEdit, "mnuEditPasteColor",
                                   QStringLiteral("Paste To Colour &Mark"), Qt::Key_F3);
    addSeparator(ui.mnuEdit, "mnuEditSeparator1");
    ui.mnuEditColorProperties = addItem(ui.mnuEdit, "mnuEditColorProperties",
                                        QStringLiteral("Colour &Properties..."), Qt::Key_F4);
    ui.mnuEditFind =
        addItem(ui.mnuEdit, "mnuEditFind", QStringLiteral("&Find JavaScript Names"), Qt::Key_F5);
    addSeparator(ui.mnuEdit, "mnuEditSeparator2");
    ui.mnuEditCopyJavaScriptNames = addItem(ui.mnuEdit, "mnuEditCopyJavaScriptNames",
                                            QStringLiteral("Copy &JavaScript Names"), Qt::Key_F6);
    ui.mnuEditCopyJavaScriptNames->setCheckable(true);
    ui.mnuEditPasteHTMLHex =
        addItem(ui.mnuEdit, "mnuEditPasteHTMLHex", QStringLiteral("Paste &HTML Hex"), Qt::Key_F11);
    ui.mnuEditPasteHTMLHex->setCheckable(true);

    ui.mnuTools = named(bar->addMenu(QStringLiteral("&Tools")), QStringLiteral("mnuTools"));
    ui.mnuToolsColourPickMode = addItem(ui.mnuTools, "mnuToolsColourPickMode",
                                        QStringLiteral("Colour &Pick Mode"), Qt::Key_F7);
    ui.mnuToolsColourPickMode->setCheckable(true);
    addSeparator(ui.mnuTools, "mnuToolsSeparator1");
    ui.mnuToolsCustomFormat = addItem(ui.mnuTools, "mnuToolsCustomFormat",
                                      QStringLiteral("&Custom Format..."), Qt::Key_F8);
    ui.mnuToolsOptions =
        addItem(ui.mnuTools, "mnuToolsOptions", QStringLiteral("&Options..."), Qt::Key_F9);

    ui.mnuHelp = named(bar->addMenu(QStringLiteral("&Help")), QStringLiteral("mnuHelp"));
    ui.mnuHelpHelp = addItem(ui.mnuHelp, "mnuHelpHelp", QStringLiteral("&Help"), Qt::Key_F1);
    ui.mnuHomePage = addItem(ui.mnuHelp, "mnuHomePage", QStringLiteral("&Visit Tincta Home Page"));
    addSeparator(ui.mnuHelp, "mnuHelpSeparator1");
    ui.mnuHelpAboutTincta =
        addItem(ui.mnuHelp, "mnuHelpAboutTincta", QStringLiteral("&About Tincta..."));
}

struct ToolbarEntry {
    const char* key; // nullptr for a separator
    const char* image;
    const char* toolTip;
};

// The key of position 3 ends in a blank; it is kept as the button's name.
constexpr std::array<ToolbarEntry, toolbarPositions> toolbarEntries{{
    {"btnNew", "new", "New Palette (Ctrl+N)"},
    {"btnOpen", "open", "Open Palette In Tincta (Ctrl+O)"},
    {"btnOpenInNotepad ", "notepad", "Open Palette In Notepad (Ctrl+I)"},
    {"btnSave", "save", "Save Palette (Ctrl+S)"},
    {"tbrSeparator1", nullptr, nullptr},
    {"btnCopyColor", "copy", "Copy From Colour Mark (F2)"},
    {"btnPasteColor", "paste", "Paste To Colour Mark (F3)"},
    {"btnColorProperties", "properties", "Colour Properties (F4)"},
    {"btnFind", "find", "Find JavaScript Names (F5)"},
    {"btnSeparator2", nullptr, nullptr},
    {"btnCustomFormat", "custom", "Custom Format (F8)"},
    {"btnOptions", "options", "Options (F9)"},
    {"btnSeparator3", nullptr, nullptr},
    {"btnHelp", "help", "Help (F1)"},
}};

void buildToolbar(QMainWindow* window, MainWindowUi& ui) {
    ui.tbrTools = named(window->addToolBar(QStringLiteral("Tools")), QStringLiteral("tbrTools"));
    ui.tbrTools->setMovable(false);
    ui.tbrTools->setFloatable(false);
    ui.tbrTools->setIconSize(QSize(toolbarIconSize, toolbarIconSize));
    ui.tbrTools->toggleViewAction()->setEnabled(false);
    for (std::size_t i = 0; i < toolbarEntries.size(); ++i) {
        const ToolbarEntry& entry = toolbarEntries[i];
        QAction* action = nullptr;
        if (entry.image == nullptr) {
            action = ui.tbrTools->addSeparator();
        } else {
            const QIcon icon =
                svgIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(entry.image)));
            action = ui.tbrTools->addAction(icon, QString());
            action->setToolTip(QLatin1String(entry.toolTip));
        }
        action->setObjectName(QLatin1String(entry.key));
        ui.toolbarButtons[i] = action;
    }
}

QWidget* buildMarks(QWidget* parent, MainWindowUi& ui) {
    auto* marks = named(new QWidget(parent), QStringLiteral("marks"));
    auto* grid = new QGridLayout(marks);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(0);

    ui.markGroup = new QButtonGroup(marks);
    ui.picSampleContainer = named(new QWidget(marks), QStringLiteral("picSampleContainer"));
    auto* samples = new QVBoxLayout(ui.picSampleContainer);
    samples->setContentsMargins(0, 0, 0, 0);
    samples->setSpacing(0);
    ui.picSampleContainer->setEnabled(false);

    for (int i = 0; i < markCount; ++i) {
        auto* option = named(new QRadioButton(marks), indexed("optColor", i));
        option->setToolTip(QStringLiteral("Click here to select this colour mark"));
        option->setFixedHeight(markRowHeight);
        ui.markGroup->addButton(option, i);
        ui.optColor[static_cast<std::size_t>(i)] = option;

        // Each sample sits in a cell of the row's height so the six rows line up with the names.
        auto* cell = new QWidget(ui.picSampleContainer);
        cell->setFixedSize(sampleWidth, markRowHeight);
        auto* sample = named(new ColourBox(cell), indexed("picSample", i));
        sample->setGeometry(0, 3, sampleWidth, markRowHeight - 6);
        sample->setEnabled(false);
        samples->addWidget(cell);
        ui.picSample[static_cast<std::size_t>(i)] = sample;

        auto* name = named(new TrackedLineEdit(marks), indexed("txtName", i));
        name->setTypingLimit(nameBoxLength);
        name->setToolTip(QStringLiteral("Click and type a colour name"));
        name->setMinimumWidth(
            name->fontMetrics().horizontalAdvance(QString(nameBoxLength, QLatin1Char('n'))) + 8);
        name->setFixedHeight(markRowHeight - 4);
        ui.txtName[static_cast<std::size_t>(i)] = name;

        auto* letters = named(new QLabel(marks), indexed("lblColorProp", i));
        letters->setMinimumWidth(letters->fontMetrics().horizontalAdvance(QStringLiteral("WFJ")) +
                                 4);
        letters->setFixedHeight(markRowHeight);
        ui.lblColorProp[static_cast<std::size_t>(i)] = letters;

        grid->addWidget(option, i, 0);
        grid->addWidget(name, i, 2);
        grid->addWidget(letters, i, 3);
    }
    grid->addWidget(ui.picSampleContainer, 0, 1, markCount, 1);
    samples->setSizeConstraint(QLayout::SetFixedSize);
    grid->setColumnStretch(2, 1);
    return marks;
}

QWidget* buildSliders(QWidget* parent, MainWindowUi& ui) {
    auto* sliders = named(new QWidget(parent), QStringLiteral("sliders"));
    auto* grid = new QGridLayout(sliders);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(8);
    ui.hsbRed = makeSlider(sliders, "hsbRed", QCoreApplication::translate("MainWindow", "Red"));
    ui.hsbGreen =
        makeSlider(sliders, "hsbGreen", QCoreApplication::translate("MainWindow", "Green"));
    ui.hsbBlue = makeSlider(sliders, "hsbBlue", QCoreApplication::translate("MainWindow", "Blue"));
    ui.txtRedTag = makeTag(sliders, "txtRedTag", 0x0000FF);
    ui.txtGreenTag = makeTag(sliders, "txtGreenTag", 0x00FF00);
    ui.txtBlueTag = makeTag(sliders, "txtBlueTag", 0xFF0000);
    ui.picPick = named(new ColourBox(sliders), QStringLiteral("picPick"));
    ui.picPick->hide();
    grid->addWidget(ui.txtRedTag, 0, 0);
    grid->addWidget(ui.hsbRed, 0, 1);
    grid->addWidget(ui.txtGreenTag, 1, 0);
    grid->addWidget(ui.hsbGreen, 1, 1);
    grid->addWidget(ui.txtBlueTag, 2, 0);
    grid->addWidget(ui.hsbBlue, 2, 1);
    grid->addWidget(ui.picPick, 0, 0, 3, 2);
    return sliders;
}

QWidget* buildValueEntry(QWidget* parent, MainWindowUi& ui) {
    ui.frmSet = named(new QFrame(parent), QStringLiteral("frmSet"));
    auto* row = new QHBoxLayout(ui.frmSet);
    row->setContentsMargins(0, 0, 0, 0);
    ui.txtHTMLHex = makeField(
        ui.frmSet, "txtHTMLHex", htmlHexFieldLength,
        QStringLiteral(
            "Paste or type a lower or upper case HTML Hex value and click on the Set button"));
    ui.txtSetRed =
        makeField(ui.frmSet, "txtSetRed", valueFieldLength, QStringLiteral("Type the red value"));
    ui.txtSetGreen = makeField(ui.frmSet, "txtSetGreen", valueFieldLength,
                               QStringLiteral("Type the green value"));
    ui.txtSetBlue =
        makeField(ui.frmSet, "txtSetBlue", valueFieldLength, QStringLiteral("Type the blue value"));
    const int valueWidth =
        ui.txtSetRed->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 12;
    for (auto* field : {ui.txtSetRed, ui.txtSetGreen, ui.txtSetBlue})
        field->setFixedWidth(valueWidth);
    ui.txtHTMLHex->setFixedWidth(
        ui.txtHTMLHex->fontMetrics().horizontalAdvance(QStringLiteral("#DDDDDDD")) + 12);
    ui.txtHTMLHex->hide();
    ui.optSetDec =
        named(new QRadioButton(QStringLiteral("Dec"), ui.frmSet), QStringLiteral("optSetDec"));
    ui.optSetDec->setToolTip(QStringLiteral("Click here for decimal colour values"));
    ui.optSetHex =
        named(new QRadioButton(QStringLiteral("Hex"), ui.frmSet), QStringLiteral("optSetHex"));
    ui.optSetHex->setToolTip(QStringLiteral("Click here for hexadecimal colour values"));
    ui.cmdSetColor = makeButton(
        ui.frmSet, "cmdSetColor", QStringLiteral("Set"),
        QStringLiteral(
            "Click here to change the selected colour according to the values to the right"));
    // A push button is at least 75 pixels wide by default; the three-letter caption needs far
    // less, and the window must fit a 640-pixel-wide screen (1280 device pixels at twice the
    // scale).
    ui.cmdSetColor->setMinimumWidth(
        ui.cmdSetColor->fontMetrics().horizontalAdvance(ui.cmdSetColor->text()) + 24);
    row->addWidget(ui.cmdSetColor);
    row->addWidget(ui.txtHTMLHex);
    row->addWidget(ui.txtSetRed);
    row->addWidget(ui.txtSetGreen);
    row->addWidget(ui.txtSetBlue);
    row->addSpacing(6);
    row->addWidget(ui.optSetDec);
    row->addWidget(ui.optSetHex);
    row->addStretch(1);
    return ui.frmSet;
}

QWidget* buildNotationsAndPalettes(QWidget* parent, MainWindowUi& ui) {
    auto* area = new QWidget(parent);
    auto* row = new QHBoxLayout(area);
    row->setContentsMargins(0, 0, 0, 0);
    ui.lstAutocopy = named(new QListWidget(area), QStringLiteral("lstAutocopy"));
    ui.lstAutocopy->setToolTip(
        QStringLiteral("Select the format you want to copy to the clipboard"));
    ui.lstAutocopy->setMinimumWidth(170);
    row->addWidget(ui.lstAutocopy, 1);
    auto* buttons = new QVBoxLayout;
    ui.cmdWebsafe = makeButton(area, "cmdWebsafe", QStringLiteral("Websafe Palette"),
                               QStringLiteral("Click here to open the Websafe Palette"));
    ui.cmdFailsafe = makeButton(area, "cmdFailsafe", QStringLiteral("Failsafe Palette"),
                                QStringLiteral("Click here to open the Failsafe Palette"));
    ui.cmdJavaScript = makeButton(area, "cmdJavaScript", QStringLiteral("JavaScript Palette"),
                                  QStringLiteral("Click here to open the JavaScript Palette"));
    buttons->addWidget(ui.cmdWebsafe);
    buttons->addWidget(ui.cmdFailsafe);
    buttons->addWidget(ui.cmdJavaScript);
    buttons->addStretch(1);
    row->addLayout(buttons);
    return area;
}

QWidget* buildClipboardRow(QWidget* parent, MainWindowUi& ui) {
    auto* area = new QWidget(parent);
    auto* row = new QHBoxLayout(area);
    row->setContentsMargins(0, 0, 0, 0);
    ui.lblClipboardLabel = named(new QLabel(QStringLiteral("Sent To Clipboard"), area),
                                 QStringLiteral("lblClipboardLabel"));
    ui.lblClipboard = named(new QLabel(area), QStringLiteral("lblClipboard"));
    ui.lblClipboard->setToolTip(QStringLiteral("This is what Tincta put on the clipboard"));
    ui.lblClipboard->setTextFormat(Qt::PlainText);
    ui.lblClipboard->setAutoFillBackground(true);
    QPalette white = ui.lblClipboard->palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    ui.lblClipboard->setPalette(white);
    ui.lblClipboard->setFrameShape(QFrame::StyledPanel);
    ui.lblClipboard->setMargin(3);
    ui.lblClipboard->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    row->addWidget(ui.lblClipboardLabel);
    row->addWidget(ui.lblClipboard, 1);
    return area;
}

// Left to right, top to bottom, as the controls are laid out.
void setTabOrder(const MainWindowUi& ui) {
    std::vector<QWidget*> order;
    for (int i = 0; i < markCount; ++i) {
        order.push_back(ui.optColor[static_cast<std::size_t>(i)]);
        order.push_back(ui.txtName[static_cast<std::size_t>(i)]);
    }
    order.insert(order.end(),
                 {ui.hsbRed, ui.hsbGreen, ui.hsbBlue, ui.cmdSetColor, ui.txtHTMLHex, ui.txtSetRed,
                  ui.txtSetGreen, ui.txtSetBlue, ui.optSetDec, ui.optSetHex, ui.lstAutocopy,
                  ui.cmdWebsafe, ui.cmdFailsafe, ui.cmdJavaScript});
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

} // namespace

QAction* MainWindowUi::toolbarButton(int position) const {
    if (position < 1 || position > toolbarPositions)
        return nullptr;
    return toolbarButtons[static_cast<std::size_t>(position - 1)];
}

MainWindowUi buildMainWindowUi(QMainWindow* window) {
    MainWindowUi ui;
    window->setObjectName(QStringLiteral("frmMain"));
    window->setWindowTitle(QStringLiteral("Tincta"));
    window->setWindowIcon(svgIcon(QStringLiteral(":/icons/tincta.svg")));
    buildMenus(window, ui);
    buildToolbar(window, ui);

    auto* central = new QWidget(window);
    auto* page = new QVBoxLayout(central);
    page->setContentsMargins(10, 8, 10, 8);
    page->setSpacing(8);

    auto* top = new QHBoxLayout;
    top->setSpacing(16);
    top->addWidget(buildMarks(central, ui), 0, Qt::AlignTop);
    auto* editing = new QVBoxLayout;
    editing->setSpacing(8);
    editing->addWidget(buildSliders(central, ui));
    editing->addWidget(buildValueEntry(central, ui));
    editing->addWidget(buildNotationsAndPalettes(central, ui), 1);
    top->addLayout(editing, 1);
    page->addLayout(top, 1);

    ui.lblColorBar = named(new SwatchGrid(central), QStringLiteral("lblColorBar"));
    ui.lblColorBar->setStretchedRow(256);
    page->addWidget(ui.lblColorBar);
    page->addWidget(buildClipboardRow(central, ui));
    window->setCentralWidget(central);
    setTabOrder(ui);

    ui.tmrClip = named(new QTimer(window), QStringLiteral("tmrClip"));
    ui.tmrClip->setInterval(clipboardTimerMs);
    ui.tmrClip->setTimerType(Qt::PreciseTimer);
    return ui;
}

} // namespace tincta
