#include "app/mainwindow.h"

#include "app/resources.h"
#include "colour/colourtables.h"
#include "colour/notation.h"
#include "editing/autocopy.h"
#include "editing/colourbox.h"
#include "editing/pickmode.h"
#include "editing/selectedcolour.h"
#include "editing/trackedlineedit.h"
#include "editing/valueentry.h"
#include "help/helpcommands.h"
#include "palette/colourmarks.h"
#include "palette/colourproperties.h"
#include "palette/palettecommands.h"
#include "palettewindows/palettewindows.h"
#include "palettewindows/swatchgrid.h"
#include "settings/customformatdialog.h"
#include "settings/easyreg.h"
#include "settings/optionsdialog.h"
#include "settings/settingsload.h"
#include "settings/settingsrecord.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QTimer>

namespace tincta {

namespace {

const QString newPaletteCaption = QStringLiteral("Tincta - New palette");
const QString unexpectedErrorText =
    QStringLiteral("Tincta encountered an unexpected error and must close.");
const QString lowColourDepthText =
    QStringLiteral("The color depth of your monitor has a low value.\r\n\r\n"
                   "Tincta will look better if you select a higher value in the Control Panel "
                   "in Windows.");
constexpr int lowestGoodColourDepth = 24;

} // namespace

MainWindow::MainWindow(const Services& services, QWidget* parent)
    : QMainWindow(parent), m_services(services), m_ui((initResources(), buildMainWindowUi(this))) {
    m_registry = std::make_unique<EasyReg>();
    m_settings = std::make_unique<SettingsRecord>(*m_registry);
    m_autocopy = std::make_unique<Autocopy>(m_ui, m_state, *m_settings);
    m_selected = std::make_unique<SelectedColour>(m_ui, m_state, *m_autocopy);
    m_marks = std::make_unique<ColourMarks>(this, m_ui, m_state, *m_selected);
    m_valueEntry =
        std::make_unique<ValueEntry>(this, m_ui, m_state, *m_selected, m_services.messages);
    m_properties =
        std::make_unique<ColourProperties>(this, m_ui, m_state, *m_autocopy, m_services.messages);
    m_paletteWindows = std::make_unique<PaletteWindows>(
        this, *m_selected, *m_settings,
        [this](const std::function<void()>& handler) { guarded(handler); });
    m_paletteCommands =
        std::make_unique<PaletteCommands>(this, m_ui, m_state, *m_marks, *m_settings, m_services);
    m_help = std::make_unique<HelpCommands>(this, m_services);
    m_pickMode = std::make_unique<PickMode>(this, m_ui, *m_selected);
    connectEditing();
    connectMarks();
    connectMenus();
    connectToolbar();
    connectPaletteWindows();
    connectColourProperties();
    connectPaletteCommands();
    connectHelp();
    connectPickMode();
    connectSettingsDialogs();
    m_ui.tmrClip->start();
    guarded([this] { Form_Load(); });
}

MainWindow::~MainWindow() {
    // The controls outlive the subsystems their handlers call; silence them first.
    for (QObject* child : findChildren<QObject*>())
        child->disconnect(this);
    m_help->htmlHelp().HelpClose();
}

void MainWindow::Form_Load() {
    checkColourDepth();
    m_state.mainWindowReady = true;
    m_registry->DefaultHive(HKEY_CURRENT_USER);
    m_registry->DefaultSubKey(programKeyPath);
    m_state.closingAfterError = false;
    m_state.errorReported = false;
    m_state.selectNameOnClick = true;
    buildColourTables();
    loadSettings();
    m_ui.lstAutocopy->addItems(notationNames());
    m_marks->loadDefaultPalette();
    freezeWindow(this);
    m_marks->applyFilePalette(newPaletteCaption);
    m_ui.mnuEditPasteColor->setEnabled(false);
    QAction* pasteButton = m_ui.toolbarButton(7);
    pasteButton->setEnabled(false);
    pasteButton->setToolTip(useCopyButtonToolTip);
}

void MainWindow::loadSettings() {
    const SettingsLoadResult result = m_settings->loadSettings(m_state.javaScriptNamesMode);
    if (result.rememberedFormat)
        m_state.rememberedFormat = *result.rememberedFormat;
    reportSettingsLoad(m_services.messages, this, result, m_settingsUnreadableTold);
}

void MainWindow::checkColourDepth() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr || screen->depth() >= lowestGoodColourDepth)
        return;
    inform(m_services.messages, this, lowColourDepthText);
}

void MainWindow::Form_Activate() {
    if (!m_state.javaScriptNamesMode)
        m_ui.lstAutocopy->setCurrentRow(m_state.rememberedFormat);
    const Colour colour = m_selected->sliderColour();
    m_autocopy->renderNotation(colour.red, colour.green, colour.blue);
}

void MainWindow::Form_Deactivate() {
    if (!m_state.javaScriptNamesMode)
        m_state.rememberedFormat = m_ui.lstAutocopy->currentRow();
}

bool MainWindow::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate)
        guarded([this] { Form_Activate(); });
    else if (event->type() == QEvent::WindowDeactivate)
        guarded([this] { Form_Deactivate(); });
    return QMainWindow::event(event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (m_state.closingAfterError) {
        event->accept();
        return;
    }
    if (!confirmClose()) {
        event->ignore();
        return;
    }
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window != this && window->isVisible())
            window->close();
    }
    m_help->htmlHelp().HelpClose();
    event->accept();
}

bool MainWindow::confirmClose() {
    bool mayClose = true;
    guarded([this, &mayClose] {
        if (m_settings->PromptToSave == 1)
            mayClose = m_paletteCommands->mayReplacePalette();
    });
    return mayClose || m_state.closingAfterError;
}

void MainWindow::handleUnexpectedError() {
    if (!m_state.mainWindowReady)
        return;
    m_state.closingAfterError = true;
    if (!m_state.errorReported) {
        m_state.errorReported = true;
        m_services.messages.show(this,
                                 Message{messageTitle, unexpectedErrorText, MessageIcon::Error,
                                         MessageButtons::Ok, MessageAnswer::Ok});
    }
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible() || window == this)
            window->close();
    }
}

void MainWindow::connectEditing() {
    for (QScrollBar* slider : {m_ui.hsbRed, m_ui.hsbGreen, m_ui.hsbBlue}) {
        connect(slider, &QScrollBar::valueChanged, this,
                guard([this](int) { m_selected->slider_Change(); }));
    }
    connect(m_ui.lblColorBar, &SwatchGrid::cellClicked, this,
            guard([this](int index) { m_selected->lblColorBar_Click(index); }));
    connect(m_ui.lstAutocopy, &QListWidget::currentRowChanged, this,
            guard([this](int) { m_selected->lstAutocopy_Click(); }));
    connect(m_ui.tmrClip, &QTimer::timeout, this, guard([this] { m_autocopy->tmrClip_Timer(); }));

    connect(m_ui.cmdSetColor, &QPushButton::clicked, this,
            guard([this](bool) { m_valueEntry->cmdSetColor_Click(); }));
    connect(m_ui.optSetDec, &QRadioButton::toggled, this, guard([this](bool on) {
                if (on)
                    m_valueEntry->optSetDec_Click();
            }));
    connect(m_ui.optSetHex, &QRadioButton::toggled, this, guard([this](bool on) {
                if (on)
                    m_valueEntry->optSetHex_Click();
            }));
    for (TrackedLineEdit* field :
         {m_ui.txtSetRed, m_ui.txtSetGreen, m_ui.txtSetBlue, m_ui.txtHTMLHex}) {
        connect(field, &TrackedLineEdit::focusGained, this,
                guard([this, field](Qt::FocusReason reason) {
                    m_valueEntry->field_GotFocus(field, isTabFocus(reason));
                }));
        connect(field, &TrackedLineEdit::enterPressed, this,
                guard([this, field] { m_valueEntry->field_EnterPressed(field); }));
    }
}

void MainWindow::connectMarks() {
    connect(m_ui.markGroup, &QButtonGroup::idClicked, this,
            guard([this](int index) { m_marks->optColor_Click(index); }));
    for (int i = 0; i < markCount; ++i) {
        TrackedLineEdit* name = m_ui.txtName[static_cast<std::size_t>(i)];
        connect(name, &QLineEdit::textChanged, this,
                guard([this, i](const QString&) { m_marks->txtName_Change(i); }));
        connect(name, &TrackedLineEdit::clicked, this,
                guard([this, i] { m_marks->txtName_Click(i); }));
        connect(name, &TrackedLineEdit::doubleClicked, this,
                guard([this, i] { m_marks->txtName_DblClick(i); }));
        connect(name, &TrackedLineEdit::focusGained, this, guard([this, i](Qt::FocusReason reason) {
                    m_marks->txtName_GotFocus(i, isTabFocus(reason));
                }));
        connect(name, &TrackedLineEdit::focusLost, this,
                guard([this, i] { m_marks->txtName_LostFocus(i); }));
    }
}

void MainWindow::connectMenus() {
    connect(m_ui.mnuFileExit, &QAction::triggered, this, guard([this](bool) { close(); }));
    connect(m_ui.mnuEditCopyColor, &QAction::triggered, this,
            guard([this](bool) { m_marks->mnuEditCopyColor_Click(); }));
    connect(m_ui.mnuEditPasteColor, &QAction::triggered, this,
            guard([this](bool) { m_marks->mnuEditPasteColor_Click(); }));
    connect(m_ui.mnuEditPasteHTMLHex, &QAction::triggered, this,
            guard([this](bool) { m_valueEntry->mnuEditPasteHTMLHex_Click(); }));
}

void MainWindow::connectToolbar() {
    for (int position = 1; position <= toolbarPositions; ++position) {
        QAction* button = m_ui.toolbarButton(position);
        if (!button->isSeparator()) {
            connect(button, &QAction::triggered, this,
                    guard([this, position](bool) { tbrTools_ButtonClick(position); }));
        }
    }
}

void MainWindow::connectPaletteCommands() {
    PaletteCommands& commands = *m_paletteCommands;
    connect(m_ui.mnuFileNew, &QAction::triggered, this,
            guard([&commands](bool) { commands.mnuFileNew_Click(); }));
    connect(m_ui.mnuFileOpen, &QAction::triggered, this,
            guard([&commands](bool) { commands.mnuFileOpen_Click(); }));
    connect(m_ui.mnuFileOpenInNotepad, &QAction::triggered, this,
            guard([&commands](bool) { commands.mnuFileOpenInNotepad_Click(); }));
    connect(m_ui.mnuFileSave, &QAction::triggered, this,
            guard([&commands](bool) { commands.mnuFileSave_Click(); }));
    connect(m_ui.mnuFileSaveAs, &QAction::triggered, this,
            guard([&commands](bool) { commands.mnuFileSaveAs_Click(); }));
}

void MainWindow::connectHelp() {
    connect(m_ui.mnuHelpHelp, &QAction::triggered, this,
            guard([this](bool) { m_help->mnuHelpHelp_Click(); }));
    connect(m_ui.mnuHomePage, &QAction::triggered, this,
            guard([this](bool) { m_help->mnuHomePage_Click(); }));
    connect(m_ui.mnuHelpAboutTincta, &QAction::triggered, this,
            guard([this](bool) { m_help->mnuHelpAboutTincta_Click(); }));
}

void MainWindow::connectPickMode() {
    connect(m_pickMode->cancelShortcut(), &QShortcut::activated, this,
            guard([this] { m_pickMode->cancelDrag(); }));
    connect(m_ui.mnuToolsColourPickMode, &QAction::triggered, this,
            guard([this](bool) { m_pickMode->mnuToolsColourPickMode_Click(); }));
    for (int i = 0; i < markCount; ++i) {
        ColourBox* sample = m_ui.picSample[static_cast<std::size_t>(i)];
        connect(sample, &ColourBox::mousePressed, this, guard([this, i](Qt::MouseButton button) {
                    m_pickMode->picSample_MouseDown(i, button);
                }));
        connect(sample, &ColourBox::mouseMoved, this,
                guard([this, i](Qt::MouseButtons buttons, QPointF pointer) {
                    m_pickMode->picSample_MouseMove(i, buttons, pointer);
                }));
        connect(sample, &ColourBox::mouseReleased, this, guard([this, i](Qt::MouseButton button) {
                    m_pickMode->picSample_MouseUp(i, button);
                }));
    }
}

SettingsContext MainWindow::settingsContext() {
    return SettingsContext{*m_settings, m_services, [this] { loadSettings(); },
                           [this] { handleUnexpectedError(); }};
}

void MainWindow::connectSettingsDialogs() {
    connect(m_ui.mnuToolsCustomFormat, &QAction::triggered, this,
            guard([this](bool) { mnuToolsCustomFormat_Click(); }));
    connect(m_ui.mnuToolsOptions, &QAction::triggered, this,
            guard([this](bool) { mnuToolsOptions_Click(); }));
}

void MainWindow::mnuToolsCustomFormat_Click() {
    showCustomFormatDialog(this, settingsContext(),
                           [this](const QString& topic) { return m_help->displayTopic(topic); });
}

void MainWindow::mnuToolsOptions_Click() {
    showOptionsDialog(this, settingsContext());
}

void MainWindow::tbrTools_ButtonClick(int position) {
    switch (position) {
    case 1:
        m_paletteCommands->mnuFileNew_Click();
        break;
    case 2:
        m_paletteCommands->mnuFileOpen_Click();
        break;
    case 3:
        m_paletteCommands->mnuFileOpenInNotepad_Click();
        break;
    case 4:
        m_paletteCommands->mnuFileSave_Click();
        break;
    case 6:
        m_marks->mnuEditCopyColor_Click();
        break;
    case 7:
        m_marks->mnuEditPasteColor_Click();
        break;
    case 8:
        m_properties->mnuEditColorProperties_Click();
        break;
    case 9:
        m_properties->mnuEditFind_Click();
        break;
    case 11:
        mnuToolsCustomFormat_Click();
        break;
    case 12:
        mnuToolsOptions_Click();
        break;
    case 14:
        m_help->mnuHelpHelp_Click();
        break;
    default:
        break;
    }
}

void MainWindow::connectPaletteWindows() {
    connect(m_ui.cmdWebsafe, &QPushButton::clicked, this,
            guard([this](bool) { m_paletteWindows->cmdWebsafe_Click(); }));
    connect(m_ui.cmdFailsafe, &QPushButton::clicked, this,
            guard([this](bool) { m_paletteWindows->cmdFailsafe_Click(); }));
    connect(m_ui.cmdJavaScript, &QPushButton::clicked, this,
            guard([this](bool) { m_paletteWindows->cmdJavaScript_Click(); }));
}

void MainWindow::connectColourProperties() {
    connect(m_ui.mnuEditColorProperties, &QAction::triggered, this,
            guard([this](bool) { m_properties->mnuEditColorProperties_Click(); }));
    connect(m_ui.mnuEditFind, &QAction::triggered, this,
            guard([this](bool) { m_properties->mnuEditFind_Click(); }));
    connect(m_ui.mnuEditCopyJavaScriptNames, &QAction::triggered, this,
            guard([this](bool) { m_properties->mnuEditCopyJavaScriptNames_Click(); }));
}

} // namespace tincta
