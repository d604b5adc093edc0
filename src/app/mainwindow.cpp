#include "app/mainwindow.h"

#include "app/colourproperties.h"
#include "app/commandtable.h"
#include "app/exchangecommands.h"
#include "app/palettedocument.h"
#include "colour/colourparser.h"
#include "colour/colourtables.h"
#include "colourcheck/colourcheckwindow.h"
#include "editing/coloureditor.h"
#include "editing/markspanel.h"
#include "editing/notationpanel.h"
#include "editing/pickmode.h"
#include "editing/valueentry.h"
#include "gui/platform/errorguard.h"
#include "gui/widgets/programicon.h"
#include "gui/widgets/resources.h"
#include "gui/widgets/swatchgrid.h"
#include "gui/widgets/windowplacement.h"
#include "help/helpcommands.h"
#include "historywindow/colourhistory.h"
#include "notationswindow/notationswindow.h"
#include "palette/paletteexchange.h"
#include "palette/palettemodel.h"
#include "palettewindows/palettewindows.h"
#include "registry/easyreg.h"
#include "settings/settingsrecord.h"
#include "settings/windowgeometry.h"
#include "settingsdialogs/customformatdialog.h"
#include "settingsdialogs/optionsdialog.h"
#include "settingsdialogs/settingsload.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QListWidget>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace tincta {

namespace {

constexpr int lowestGoodColourDepth = 24;
// Longer clipboard texts are shortened in the message that refuses them.
constexpr qsizetype longestQuotedText = 60;

QString quotedClipboardText(const QString& text) {
    const QString line = text.simplified();
    if (line.size() <= longestQuotedText)
        return line;
    return line.left(longestQuotedText - 1) + QChar(0x2026);
}

// Colours of a palette file as pins: a placeholder name is no name.
QList<PaletteMark> pinsOf(QList<PaletteMark> colours) {
    for (PaletteMark& colour : colours) {
        if (isPlaceholderName(colour.name))
            colour.name.clear();
    }
    return colours;
}

} // namespace

MainWindow::MainWindow(const Services& services, QWidget* parent)
    : QMainWindow(parent), m_services(services), m_registry(std::make_unique<EasyReg>()),
      m_settings(std::make_unique<SettingsRecord>(*m_registry)),
      m_model((initResources(), new PaletteModel(this))), m_commands(new CommandTable(this)),
      m_marks(new MarksPanel(*m_model, this)),
      m_editor(new ColourEditor(*m_model, m_services.messages, this)),
      m_notation(new NotationPanel(*m_settings, *m_model, this)),
      m_paletteWindows(new PaletteWindows(this, *m_settings)),
      m_colourCheck(new ColourCheck(this, *m_model)),
      m_history(new ColourHistory(this, m_services.messages)),
      m_allNotations(new AllNotations(this, *m_model, *m_settings)),
      m_pickMode(new PickMode(this, *m_marks, *m_editor, m_services)),
      m_document(new PaletteDocument(this, *m_model, *m_settings, m_services)),
      m_exchange(new ExchangeCommands(this, *m_model, *m_document, *m_settings, m_services)),
      m_properties(std::make_unique<ColourProperties>(this, *m_model, m_services.messages)),
      m_help(std::make_unique<HelpCommands>(this, m_services)) {
    ErrorGuard::setLastResort([this] { handleUnexpectedError(); });
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(tr("Tincta"));
    buildLayout();
    setTabOrder();
    connectPanels();
    connectCommands();
    ErrorGuard::run([this] { start(); });
}

MainWindow::~MainWindow() {
    ErrorGuard::setLastResort(nullptr);
    // The controls outlive the panels their handlers call; silence them first. Blocked rather
    // than disconnected: each must still tell its end to the accessibility cache.
    for (QObject* child : findChildren<QObject*>())
        child->blockSignals(true);
    m_help->htmlHelp().closeViewer();
}

void MainWindow::buildLayout() {
    auto* central = new QWidget(this);
    auto* page = new QVBoxLayout(central);
    page->setContentsMargins(10, 8, 10, 8);
    page->setSpacing(8);

    auto* notationRow = new QHBoxLayout;
    notationRow->addWidget(m_notation->notationList(), 1);
    notationRow->addWidget(m_paletteWindows->buttons());
    auto* editing = new QVBoxLayout;
    editing->setSpacing(8);
    editing->addWidget(m_editor->sliders());
    editing->addWidget(m_editor->valueEntry());
    editing->addLayout(notationRow, 1);

    auto* top = new QHBoxLayout;
    top->setSpacing(16);
    top->addWidget(m_marks, 0, Qt::AlignTop);
    top->addLayout(editing, 1);
    page->addLayout(top, 1);
    page->addWidget(m_editor->colourBar());
    page->addWidget(m_notation->clipboardRow());
    setCentralWidget(central);
}

// Left to right, top to bottom, as the controls are laid out.
void MainWindow::setTabOrder() {
    std::vector<QWidget*> order = m_marks->tabOrder();
    const std::vector<QWidget*> editing = m_editor->tabOrder();
    order.insert(order.end(), editing.begin(), editing.end());
    order.push_back(m_notation->notationList());
    for (QWidget* button : m_paletteWindows->buttons()->findChildren<QWidget*>())
        order.push_back(button);
    order.push_back(m_editor->colourBar());
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void MainWindow::connectPanels() {
    connect(m_editor, &ColourEditor::refreshed, this, [this](const Colour& colour, bool byEdit) {
        m_notation->render(colour);
        if (byEdit)
            m_marks->noteSelectedColourEdited();
    });
    connect(m_notation, &NotationPanel::colourRested, m_marks, &MarksPanel::updatePropertyLetters);
    const auto editColour = [this](const Colour& colour) { m_editor->setColour(colour); };
    connect(m_paletteWindows, &PaletteWindows::colourChosen, m_editor, editColour);
    connect(m_marks, &MarksPanel::colourDropped, m_editor, editColour);
    connect(m_model, &PaletteModel::undoStepsChanged, this, &MainWindow::showUndoSteps);
    connect(m_pickMode, &PickMode::sampleSizeChanged, this, guarded([this](int size) {
                m_settings->sampleSize = size;
                // Only the next pick's square is at stake: a write that fails is not worth a word.
                m_settings->saveSettings({{sampleSizeValueName, QString::number(size)}});
            }));
    // A colour chosen in the Colour Check for another mark selects it: one step, as a drop.
    connect(m_colourCheck, &ColourCheck::colourChosen, this,
            guarded([this](int mark, const Colour& colour) {
                const PaletteEdit edit(*m_model, EditKind::ColourChange);
                m_model->select(mark);
                m_editor->setColour(colour);
            }));
    connect(m_colourCheck, &ColourCheck::copyRequested, m_notation, &NotationPanel::copyColour);
    connect(m_allNotations, &AllNotations::copyRequested, m_notation, &NotationPanel::copyText);
    connect(m_allNotations, &AllNotations::starsChanged, this,
            guarded([this](const std::vector<int>& stars) { keepStars(stars); }));
    m_marks->setDragText([this](const Colour& colour) { return m_notation->textOf(colour); });
    connect(m_document, &PaletteDocument::paletteShown, m_editor, &ColourEditor::focusRedSlider);
    connectHistory();
}

// Every colour that goes to the clipboard and every pick, by whatever route, is recorded.
void MainWindow::connectHistory() {
    connect(m_notation, &NotationPanel::colourCopied, m_history, &ColourHistory::record);
    connect(m_pickMode, &PickMode::colourPicked, m_history, [this](const Colour& colour) {
        m_history->record(colour, m_notation->textOf(colour));
    });
    // A choice in the History window is a choice as in a palette window.
    connect(m_history, &ColourHistory::colourChosen, m_editor,
            [this](const Colour& colour) { m_editor->setColour(colour); });
    connect(m_history, &ColourHistory::exportPinsRequested, this, guarded([this] {
                m_exchange->exportPins(m_history->pins(), m_history->messageParent());
            }));
    connect(m_history, &ColourHistory::importPinsRequested, this, guarded([this] {
                if (const auto colours = m_exchange->importAllColours(m_history->messageParent()))
                    m_history->addPins(pinsOf(*colours));
            }));
}

void MainWindow::connectCommands() {
    connectFileCommands();
    connectEditCommands();
    connectToolCommands();
}

void MainWindow::connectFileCommands() {
    m_commands->onTriggered(Command::NewPalette, [this] { m_document->newPalette(); });
    m_commands->onTriggered(Command::OpenPalette, [this] { m_document->openPalette(); });
    m_commands->onTriggered(Command::OpenInNotepad, [this] { m_document->openInNotepad(); });
    m_commands->onTriggered(Command::SavePalette, [this] { m_document->save(); });
    m_commands->onTriggered(Command::SavePaletteAs, [this] { m_document->saveAs(); });
    m_commands->onTriggered(Command::ExportPalette, [this] { m_exchange->exportPalette(); });
    m_commands->onTriggered(Command::ImportPalette, [this] { m_exchange->importPalette(); });
    m_commands->onTriggered(Command::Exit, [this] { close(); });
}

void MainWindow::connectEditCommands() {
    m_commands->onTriggered(Command::Undo, [this] { m_model->undo(); });
    m_commands->onTriggered(Command::Redo, [this] { m_model->redo(); });
    m_commands->onTriggered(Command::CopyColour, [this] { copyColour(); });
    m_commands->onTriggered(Command::PasteColour,
                            [this] { m_editor->setColour(m_copiedColour, EditKind::Paste); });
    m_commands->onTriggered(Command::PasteColourText, [this] { pasteColourText(); });
    m_commands->onTriggered(Command::ColourProperties,
                            [this] { m_properties->describeSelectedColour(); });
    m_commands->onTriggered(Command::PickFromScreen, [this] { m_pickMode->pickFromScreen(); });
    m_commands->onTriggered(Command::FindJavaScriptNames, [this] {
        const PaletteEdit edit(*m_model, EditKind::FindJavaScriptNames);
        m_properties->findJavaScriptNames();
        m_marks->clearEditedNames();
    });
    m_commands->onTriggered(Command::CopyJavaScriptNames, [this](bool on) {
        m_notation->setJavaScriptNamesMode(on, m_model->selectedColour());
    });
    m_commands->onTriggered(Command::PasteHtmlHex,
                            [this](bool on) { m_editor->setHtmlHexMode(on); });
    m_commands->onTriggered(Command::ColourCheck, [this] { m_colourCheck->open(); });
    m_commands->onTriggered(Command::History, [this] { m_history->open(); });
    m_commands->onTriggered(Command::AllNotations, [this] { m_allNotations->open(); });
}

void MainWindow::connectToolCommands() {
    m_commands->onTriggered(Command::ColourPickMode, [this](bool on) { setPickMode(on); });
    m_commands->onTriggered(Command::CustomFormat, [this] { showCustomFormat(); });
    m_commands->onTriggered(Command::Options, [this] { showOptions(); });
    m_commands->onTriggered(Command::Help, [this] { m_help->showHelp(); });
    m_commands->onTriggered(Command::HomePage, [this] { m_help->openHomePage(); });
    m_commands->onTriggered(Command::About, [this] { m_help->showAbout(); });
}

void MainWindow::start() {
    checkColourDepth();
    m_registry->DefaultHive(HKEY_CURRENT_USER);
    m_registry->DefaultSubKey(programKeyPath);
    buildColourTables();
    loadSettings();
    restorePlace();
    m_document->showNewPalette();
    m_commands->setPasteEnabled(false);
    // Not left to the first activation: a window manager may never activate a new window, and
    // the clipboard would keep an empty label.
    m_notation->showStartColour(m_editor->colour());
    showUndoSteps();
}

void MainWindow::openPaletteFile(const QString& path) {
    ErrorGuard::run([this, &path] { m_document->openFile(path); });
}

void MainWindow::loadSettings() {
    const SettingsLoadResult result = m_settings->loadSettings(m_notation->javaScriptNamesMode());
    if (result.rememberedFormat)
        m_notation->setRememberedNotation(*result.rememberedFormat);
    m_pickMode->setSampleSize(m_settings->sampleSize);
    reportSettingsLoad(m_services.messages, this, result, m_settingsUnreadableTold);
}

// Read apart from the settings: whatever this value holds, they are never restored for it.
void MainWindow::restorePlace() {
    const QString kept = m_settings->readValues({windowGeometryValueName}).constFirst();
    // A first start: the window system knows best where a new window goes.
    if (kept.isEmpty())
        return;
    placeAsKept(this, windowGeometryFromText(kept));
}

void MainWindow::keepPlace() {
    // A place that cannot be kept only costs the next start its place: nothing to tell.
    m_settings->saveSettings({{windowGeometryValueName, windowGeometryText(placeToKeep(this))}});
}

void MainWindow::checkColourDepth() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr || screen->depth() >= lowestGoodColourDepth)
        return;
    inform(m_services.messages, this,
           tr("The color depth of your monitor has a low value.\r\n\r\n"
              "Tincta will look better if you select a higher value in the Control Panel in "
              "Windows."));
}

void MainWindow::copyColour() {
    m_copiedColour = m_model->selectedColour();
    m_commands->setPasteEnabled(true);
}

void MainWindow::pasteColourText() {
    const QClipboard* clipboard = QGuiApplication::clipboard();
    const QString text = clipboard != nullptr ? clipboard->text() : QString();
    if (const std::optional<Colour> colour = colourFromText(text)) {
        m_editor->setColour(*colour, EditKind::Paste);
        return;
    }
    if (text.trimmed().isEmpty()) {
        inform(m_services.messages, this, tr("The clipboard holds no text to read a colour from."));
        return;
    }
    inform(m_services.messages, this,
           tr("The clipboard holds \"%1\", which is no colour Tincta can read.")
               .arg(quotedClipboardText(text)));
}

void MainWindow::keepStars(const std::vector<int>& notations) {
    m_settings->starredFormats = notations;
    // Stars that cannot be kept only cost the next start its stars: nothing to tell.
    m_settings->saveSettings({{starredFormatsValueName, starredFormatsText(notations)}});
}

void MainWindow::showUndoSteps() {
    m_commands->showUndoSteps(m_model->kindToUndo(), m_model->kindToRedo());
}

void MainWindow::setPickMode(bool on) {
    m_pickMode->setOn(on);
    m_commands->setOpenCommandsEnabled(!on);
}

bool MainWindow::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate)
        ErrorGuard::run([this] { m_notation->showRememberedNotation(m_editor->colour()); });
    else if (event->type() == QEvent::WindowDeactivate)
        ErrorGuard::run([this] { m_notation->windowDeactivated(); });
    else if (event->type() == QEvent::Paint && !m_windowIconAsked)
        giveWindowIconAfterThisFrame();
    return QMainWindow::event(event);
}

// Drawing the icon at every size window systems ask for takes as long as building a panel;
// the window manager shows it a moment later, and the first frame comes sooner.
void MainWindow::giveWindowIconAfterThisFrame() {
    m_windowIconAsked = true;
    QTimer::singleShot(0, this, [this] { setWindowIcon(tinctaIcon()); });
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (m_closingAfterError) {
        event->accept();
        return;
    }
    bool mayClose = true;
    ErrorGuard::run([this, &mayClose] { mayClose = m_document->mayClose(); });
    if (!mayClose && !m_closingAfterError) {
        event->ignore();
        return;
    }
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window != this && window->isVisible())
            window->close();
    }
    m_help->htmlHelp().closeViewer();
    ErrorGuard::run([this] { keepPlace(); });
    event->accept();
}

void MainWindow::handleUnexpectedError() {
    m_closingAfterError = true;
    if (!m_errorReported) {
        m_errorReported = true;
        m_services.messages.show(
            this,
            Message{messageTitle, tr("Tincta encountered an unexpected error and must close."),
                    MessageIcon::Error, MessageButtons::Ok, MessageAnswer::Ok});
    }
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible() || window == this)
            window->close();
    }
}

SettingsContext MainWindow::settingsContext() {
    return SettingsContext{*m_settings, m_services, [this] { loadSettings(); }};
}

void MainWindow::showCustomFormat() {
    showCustomFormatDialog(this, settingsContext(),
                           [this](const QString& topic) { return m_help->displayTopic(topic); });
}

void MainWindow::showOptions() {
    showOptionsDialog(this, settingsContext());
}

} // namespace tincta
