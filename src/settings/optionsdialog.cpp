#include "settings/optionsdialog.h"

#include "colour/notation.h"
#include "gui/platform/errorguard.h"
#include "gui/widgets/uitext.h"
#include "gui/widgets/widgethelpers.h"
#include "settings/elidedlabel.h"
#include "settings/settingsrecord.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

namespace tincta {

namespace {

const UiText dialogCaption{QT_TRANSLATE_NOOP("tincta", "Options")};
const UiText standardFormatCaption{QT_TRANSLATE_NOOP("tincta", "&Standard format:")};
const UiText standardFormatToolTip{QT_TRANSLATE_NOOP(
    "tincta", "What format should Tincta select the next time the program starts?")};
const UiText exampleCaption{QT_TRANSLATE_NOOP("tincta", "Example")};
const UiText standardFolderCaption{QT_TRANSLATE_NOOP("tincta", "Standard folder")};
const UiText standardFolderSpoken{QT_TRANSLATE_NOOP("tincta", "Standard folder: %1")};
const UiText changeCaption{QT_TRANSLATE_NOOP("tincta", "&Change standard folder...")};
const UiText changeToolTip{
    QT_TRANSLATE_NOOP("tincta", "What folder should Tincta select when you open and save files?")};
const UiText sortOrderCaption{
    QT_TRANSLATE_NOOP("tincta", "Standard sort order in JavaScript Palette")};
const UiText alphabeticallyCaption{QT_TRANSLATE_NOOP("tincta", "Sort &alphabetically")};
const UiText alphabeticallyToolTip{QT_TRANSLATE_NOOP(
    "tincta", "Click here if the JavaScript Palette should be sorted alphabetically")};
const UiText dotNetCaption{QT_TRANSLATE_NOOP("tincta", "Sort like &Visual Studio .NET")};
const UiText dotNetToolTip{QT_TRANSLATE_NOOP(
    "tincta", "Click here if the JavaScript Palette should be sorted as in Visual Studio .NET")};
const UiText promptToSaveCaption{QT_TRANSLATE_NOOP("tincta", "Prompt to save on exit")};
const UiText yesCaption{QT_TRANSLATE_NOOP("tincta", "&Yes")};
const UiText yesToolTip{QT_TRANSLATE_NOOP(
    "tincta", "Click here if you want Tincta to remind you to save unsaved changes on exit")};
const UiText noCaption{QT_TRANSLATE_NOOP("tincta", "&No")};
const UiText noToolTip{QT_TRANSLATE_NOOP(
    "tincta",
    "Click here if you do not want Tincta to remind you to save unsaved changes on exit")};
const UiText okCaption{QT_TRANSLATE_NOOP("tincta", "OK")};
const UiText cancelCaption{QT_TRANSLATE_NOOP("tincta", "Cancel")};
const UiText browseTitle{
    QT_TRANSLATE_NOOP("tincta", "Select the folder you want to be standard folder")};
const QString rootFolder = QStringLiteral("/");

// The dialog's size is given in twips, 15 to a pixel.
constexpr int clientWidth = 7710 / twipsPerPixel;
constexpr int clientHeight = 5415 / twipsPerPixel;
constexpr int listHeight = 1260 / twipsPerPixel;
constexpr int folderLabelHeight = 600 / twipsPerPixel;
constexpr int buttonWidth = 1450 / twipsPerPixel;
constexpr int exampleLabelWidth = 3180 / twipsPerPixel;

const Colour exampleColour{255, 204, 0};

QRadioButton* makeOption(QWidget* parent, const char* name, const QString& caption,
                         const QString& toolTip) {
    auto* option = named(new QRadioButton(caption, parent), name);
    option->setToolTip(toolTip);
    // Tab enters an option group at its checked option; the arrows move within the group.
    option->setFocusPolicy(Qt::ClickFocus);
    QObject::connect(option, &QRadioButton::toggled, option, [option](bool checked) {
        option->setFocusPolicy(checked ? Qt::StrongFocus : Qt::ClickFocus);
    });
    return option;
}

} // namespace

QString exampleText(int index, const QString& customFormat) {
    switch (index) {
    case 0:
        return QStringLiteral("FFCC00");
    case 1:
        return QStringLiteral("ffcc00");
    case 2:
        return QStringLiteral("&H0000CCFF&");
    case 3:
        return QStringLiteral("RGB(255, 204, 0)");
    case 4:
        return QStringLiteral("0x0000ccff");
    case 5:
        return QStringLiteral("$0000CCFF");
    case 6:
        return QStringLiteral("52479");
    case 7:
        return QStringLiteral("ColorTranslator.FromHtml(\"#FFCC00\")");
    case 8:
        return QStringLiteral("ColorTranslator.FromOle(52479)");
    case 9:
        return QStringLiteral("ColorTranslator.FromWin32(52479)");
    case 10:
        return QStringLiteral("Color(255,204,0)");
    case customNotation:
        return expandCustomTemplate(customFormat, exampleColour);
    case cssRgbNotation:
    case cssHslNotation:
    case cssOklchNotation:
        return *notationText(index, exampleColour, QString());
    default:
        return QString();
    }
}

namespace {

int exampleWidth(const QFontMetrics& metrics) {
    int widest = exampleLabelWidth;
    for (int index = 0; index < notationCount; ++index)
        widest = std::max(widest, metrics.horizontalAdvance(exampleText(index, QString())));
    return widest;
}

} // namespace

OptionsDialog::OptionsDialog(QWidget* owner, SettingsContext context)
    : QDialog(owner), m_context(std::move(context)) {
    setObjectName(QStringLiteral("frmOptions"));
    setWindowTitle(dialogCaption);
    // Modal to the program's windows only: the help viewer stays usable beside it, as a help
    // program of its own would.
    setWindowModality(Qt::WindowModal);
    buildControls();
}

void OptionsDialog::buildControls() {
    auto* page = new QGridLayout(this);
    page->setHorizontalSpacing(14);
    page->setVerticalSpacing(10);
    page->setColumnStretch(0, 1);
    page->setColumnStretch(1, 1);

    auto* formatColumn = new QVBoxLayout;
    lblStandardFormat = named(new QLabel(standardFormatCaption, this), "lblStandardFormat");
    lstStandardFormat = named(new QListWidget(this), "lstStandardFormat");
    lstStandardFormat->setToolTip(standardFormatToolTip);
    lblStandardFormat->setBuddy(lstStandardFormat);
    lstStandardFormat->setAccessibleName(lblStandardFormat->text().remove(QLatin1Char('&')));
    lstStandardFormat->setMinimumHeight(listHeight);
    formatColumn->addWidget(lblStandardFormat);
    formatColumn->addWidget(lstStandardFormat, 1);
    page->addLayout(formatColumn, 0, 0);

    fraExample = named(new QGroupBox(exampleCaption, this), "fraExample");
    auto* exampleLayout = new QVBoxLayout(fraExample);
    // Shown as written: an example may hold ampersands or markup-like text. The dialog keeps one
    // size: every standard example fits, a longer custom one is cut.
    lblExample = named(new ElidedLabel(fraExample), "lblExample");
    lblExample->setFixedWidth(exampleWidth(lblExample->fontMetrics()));
    exampleLayout->addStretch(1);
    exampleLayout->addWidget(lblExample);
    exampleLayout->addStretch(1);
    page->addWidget(fraExample, 0, 1);

    fraStandardFolder = named(new QGroupBox(standardFolderCaption, this), "fraStandardFolder");
    auto* folderLayout = new QVBoxLayout(fraStandardFolder);
    lblSelectedStandardFolder = named(new QLabel(fraStandardFolder), "lblSelectedStandardFolder");
    lblSelectedStandardFolder->setTextFormat(Qt::PlainText);
    showStandardFolder(rootFolder);
    lblSelectedStandardFolder->setWordWrap(true);
    lblSelectedStandardFolder->setMinimumHeight(folderLabelHeight);
    lblSelectedStandardFolder->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblSelectedStandardFolder->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    cmdChange = named(new QPushButton(changeCaption, fraStandardFolder), "cmdChange");
    cmdChange->setToolTip(changeToolTip);
    cmdChange->setAutoDefault(false);
    folderLayout->addWidget(lblSelectedStandardFolder);
    folderLayout->addWidget(cmdChange, 0, Qt::AlignLeft);
    page->addWidget(fraStandardFolder, 1, 0, 1, 2);

    fraSortOrder = named(new QGroupBox(sortOrderCaption, this), "fraSortOrder");
    auto* sortLayout = new QVBoxLayout(fraSortOrder);
    optAlphabetically =
        makeOption(fraSortOrder, "optAlphabetically", alphabeticallyCaption, alphabeticallyToolTip);
    optDotNet = makeOption(fraSortOrder, "optDotNet", dotNetCaption, dotNetToolTip);
    sortLayout->addWidget(optAlphabetically);
    sortLayout->addWidget(optDotNet);
    page->addWidget(fraSortOrder, 2, 0);

    fraPromptToSave = named(new QGroupBox(promptToSaveCaption, this), "fraPromptToSave");
    auto* promptLayout = new QVBoxLayout(fraPromptToSave);
    optYes = makeOption(fraPromptToSave, "optYes", yesCaption, yesToolTip);
    optNo = makeOption(fraPromptToSave, "optNo", noCaption, noToolTip);
    promptLayout->addWidget(optYes);
    promptLayout->addWidget(optNo);
    page->addWidget(fraPromptToSave, 2, 1);

    auto* buttons = new QHBoxLayout;
    cmdOK = named(new QPushButton(okCaption, this), "cmdOK");
    cmdOK->setDefault(true);
    cmdCancel = named(new QPushButton(cancelCaption, this), "cmdCancel");
    cmdCancel->setAutoDefault(false);
    for (QPushButton* button : {cmdOK, cmdCancel})
        button->setMinimumWidth(buttonWidth);
    buttons->addStretch(1);
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    buttons->addStretch(1);
    page->addLayout(buttons, 3, 0, 1, 2);
    page->setRowStretch(0, 1);

    resize(clientWidth, clientHeight);

    connect(lstStandardFormat, &QListWidget::currentRowChanged, this,
            [this](int) { ErrorGuard::run([this] { lstStandardFormat_Click(); }); });
    connect(cmdChange, &QPushButton::clicked, this,
            [this](bool) { ErrorGuard::run([this] { cmdChange_Click(); }); });
    connect(cmdOK, &QPushButton::clicked, this,
            [this](bool) { ErrorGuard::run([this] { cmdOK_Click(); }); });
    connect(cmdCancel, &QPushButton::clicked, this,
            [this](bool) { ErrorGuard::run([this] { cmdCancel_Click(); }); });
}

void OptionsDialog::load() {
    m_context.loadSettings();
    const SettingsRecord& record = m_context.record;
    lstStandardFormat->clear();
    lstStandardFormat->addItems(notationNames());
    optAlphabetically->setChecked(record.SortIndex == 0);
    optDotNet->setChecked(record.SortIndex == 1);
    optNo->setChecked(record.PromptToSave == 0);
    optYes->setChecked(record.PromptToSave == 1);
    showStandardFolder(record.StandardFolder);
}

void OptionsDialog::showStandardFolder(const QString& folder) {
    lblSelectedStandardFolder->setText(folder);
    // A screen reader speaks the name, so it carries the folder itself.
    lblSelectedStandardFolder->setAccessibleName(standardFolderSpoken.text().arg(folder));
}

void OptionsDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!m_activated) {
        m_activated = true;
        ErrorGuard::run([this] { activate(); });
    }
}

void OptionsDialog::activate() {
    lstStandardFormat->setCurrentRow(m_context.record.standardFormat);
    lblExample->setText(
        exampleText(lstStandardFormat->currentRow(), m_context.record.CustomFormat));
    m_loaded = shownSettings();
    m_loadedCssFormat = m_context.record.CssFormat;
}

void OptionsDialog::lstStandardFormat_Click() {
    lblExample->setText(
        exampleText(lstStandardFormat->currentRow(), m_context.record.CustomFormat));
}

QString OptionsDialog::browseForFolder() {
    QString folder = m_context.services.files.existingFolder(this, browseTitle,
                                                             lblSelectedStandardFolder->text());
    if (folder.endsWith(QLatin1Char('/')) && folder.size() > rootFolder.size())
        folder.chop(1);
    return folder;
}

void OptionsDialog::cmdChange_Click() {
    const QString folder = browseForFolder();
    if (!folder.isEmpty())
        showStandardFolder(folder);
}

OptionsDialog::ShownSettings OptionsDialog::shownSettings() const {
    const SettingsRecord& record = m_context.record;
    ShownSettings shown;
    shown.notation = lstStandardFormat->currentRow();
    shown.sortIndex = optAlphabetically->isChecked() ? 0
                      : optDotNet->isChecked()       ? 1
                                                     : record.SortIndex;
    shown.promptToSave = optYes->isChecked() ? 1 : optNo->isChecked() ? 0 : record.PromptToSave;
    shown.standardFolder = lblSelectedStandardFolder->text();
    return shown;
}

// Only what the user changed here is written: another running copy may have stored its own
// choice of the rest since this dialog loaded them.
void OptionsDialog::cmdOK_Click() {
    const ShownSettings shown = shownSettings();
    SettingValues changed;
    // A notation is stored as the pair; a CssFormat that names no notation goes at any OK.
    const bool notationChanged = shown.notation != m_loaded.notation;
    const QString cssFormat = storedCssFormat(shown.notation);
    if (notationChanged)
        changed.emplace_back(formatIndexValueName, storedFormatIndex(shown.notation));
    if (notationChanged || cssFormat != m_loadedCssFormat)
        changed.emplace_back(cssFormatValueName, cssFormat);
    if (shown.sortIndex != m_loaded.sortIndex)
        changed.emplace_back(sortIndexValueName, QString::number(shown.sortIndex));
    if (shown.promptToSave != m_loaded.promptToSave)
        changed.emplace_back(promptToSaveValueName, QString::number(shown.promptToSave));
    if (shown.standardFolder != m_loaded.standardFolder)
        changed.emplace_back(standardFolderValueName, shown.standardFolder);
    if (!changed.empty() && !saveSettings(m_context, this, changed))
        return;
    SettingsRecord& record = m_context.record;
    record.SortIndex = static_cast<qint16>(shown.sortIndex);
    record.PromptToSave = static_cast<qint16>(shown.promptToSave);
    record.StandardFolder = shown.standardFolder;
    record.CssFormat = cssFormat;
    accept();
}

void OptionsDialog::cmdCancel_Click() {
    reject();
}

void showOptionsDialog(QWidget* owner, const SettingsContext& context) {
    OptionsDialog dialog(owner, context);
    dialog.load();
    dialog.exec();
}

} // namespace tincta
