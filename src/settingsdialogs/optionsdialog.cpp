#include "settingsdialogs/optionsdialog.h"

#include "colour/notation.h"
#include "gui/platform/errorguard.h"
#include "gui/widgets/elidedlabel.h"
#include "gui/widgets/uitext.h"
#include "gui/widgets/widgethelpers.h"
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
    const std::optional<Notation> notation = notationAtRow(index);
    return notation ? notationExample(*notation, customFormat) : QString();
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
    auto* standardFormatLabel = named(new QLabel(standardFormatCaption, this), "lblStandardFormat");
    m_formatList = named(new QListWidget(this), "lstStandardFormat");
    m_formatList->setToolTip(standardFormatToolTip);
    standardFormatLabel->setBuddy(m_formatList);
    m_formatList->setAccessibleName(standardFormatLabel->text().remove(QLatin1Char('&')));
    m_formatList->setMinimumHeight(listHeight);
    formatColumn->addWidget(standardFormatLabel);
    formatColumn->addWidget(m_formatList, 1);
    page->addLayout(formatColumn, 0, 0);

    auto* exampleFrame = named(new QGroupBox(exampleCaption, this), "fraExample");
    auto* exampleLayout = new QVBoxLayout(exampleFrame);
    // Shown as written: an example may hold ampersands or markup-like text. The dialog keeps one
    // size: every standard example fits, a longer custom one is cut.
    m_exampleLabel = named(new ElidedLabel(exampleFrame), "lblExample");
    m_exampleLabel->setFixedWidth(exampleWidth(m_exampleLabel->fontMetrics()));
    exampleLayout->addStretch(1);
    exampleLayout->addWidget(m_exampleLabel);
    exampleLayout->addStretch(1);
    page->addWidget(exampleFrame, 0, 1);

    auto* folderFrame = named(new QGroupBox(standardFolderCaption, this), "fraStandardFolder");
    auto* folderLayout = new QVBoxLayout(folderFrame);
    m_folderLabel = named(new QLabel(folderFrame), "lblSelectedStandardFolder");
    m_folderLabel->setTextFormat(Qt::PlainText);
    showStandardFolder(rootFolder);
    m_folderLabel->setWordWrap(true);
    m_folderLabel->setMinimumHeight(folderLabelHeight);
    m_folderLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_folderLabel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    auto* changeFolderButton = named(new QPushButton(changeCaption, folderFrame), "cmdChange");
    changeFolderButton->setToolTip(changeToolTip);
    changeFolderButton->setAutoDefault(false);
    folderLayout->addWidget(m_folderLabel);
    folderLayout->addWidget(changeFolderButton, 0, Qt::AlignLeft);
    page->addWidget(folderFrame, 1, 0, 1, 2);

    auto* sortOrderFrame = named(new QGroupBox(sortOrderCaption, this), "fraSortOrder");
    auto* sortLayout = new QVBoxLayout(sortOrderFrame);
    m_alphabeticalOption = makeOption(sortOrderFrame, "optAlphabetically", alphabeticallyCaption,
                                      alphabeticallyToolTip);
    m_dotNetOption = makeOption(sortOrderFrame, "optDotNet", dotNetCaption, dotNetToolTip);
    sortLayout->addWidget(m_alphabeticalOption);
    sortLayout->addWidget(m_dotNetOption);
    page->addWidget(sortOrderFrame, 2, 0);

    auto* promptFrame = named(new QGroupBox(promptToSaveCaption, this), "fraPromptToSave");
    auto* promptLayout = new QVBoxLayout(promptFrame);
    m_promptYesOption = makeOption(promptFrame, "optYes", yesCaption, yesToolTip);
    m_promptNoOption = makeOption(promptFrame, "optNo", noCaption, noToolTip);
    promptLayout->addWidget(m_promptYesOption);
    promptLayout->addWidget(m_promptNoOption);
    page->addWidget(promptFrame, 2, 1);

    auto* buttons = new QHBoxLayout;
    auto* okButton = named(new QPushButton(okCaption, this), "cmdOK");
    okButton->setDefault(true);
    auto* cancelButton = named(new QPushButton(cancelCaption, this), "cmdCancel");
    cancelButton->setAutoDefault(false);
    for (QPushButton* button : {okButton, cancelButton})
        button->setMinimumWidth(buttonWidth);
    buttons->addStretch(1);
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);
    buttons->addStretch(1);
    page->addLayout(buttons, 3, 0, 1, 2);
    page->setRowStretch(0, 1);

    resize(clientWidth, clientHeight);

    connect(m_formatList, &QListWidget::currentRowChanged, this,
            [this](int) { ErrorGuard::run([this] { showExample(); }); });
    connect(changeFolderButton, &QPushButton::clicked, this,
            [this](bool) { ErrorGuard::run([this] { changeFolder(); }); });
    connect(okButton, &QPushButton::clicked, this,
            [this](bool) { ErrorGuard::run([this] { saveAndClose(); }); });
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

void OptionsDialog::load() {
    m_context.loadSettings();
    const SettingsRecord& record = m_context.record;
    m_formatList->clear();
    m_formatList->addItems(notationNames());
    m_alphabeticalOption->setChecked(record.sortIndex == 0);
    m_dotNetOption->setChecked(record.sortIndex == 1);
    m_promptNoOption->setChecked(record.promptToSave == 0);
    m_promptYesOption->setChecked(record.promptToSave == 1);
    showStandardFolder(record.standardFolder);
}

void OptionsDialog::showStandardFolder(const QString& folder) {
    m_folderLabel->setText(folder);
    // A screen reader speaks the name, so it carries the folder itself.
    m_folderLabel->setAccessibleName(standardFolderSpoken.text().arg(folder));
}

void OptionsDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!m_activated) {
        m_activated = true;
        ErrorGuard::run([this] { activate(); });
    }
}

void OptionsDialog::activate() {
    m_formatList->setCurrentRow(m_context.record.standardFormat);
    m_exampleLabel->setText(exampleText(m_formatList->currentRow(), m_context.record.customFormat));
    m_loaded = shownSettings();
    m_loadedCssFormat = m_context.record.cssFormat;
}

void OptionsDialog::showExample() {
    m_exampleLabel->setText(exampleText(m_formatList->currentRow(), m_context.record.customFormat));
}

QString OptionsDialog::browseForFolder() {
    QString folder =
        m_context.services.files.existingFolder(this, browseTitle, m_folderLabel->text());
    if (folder.endsWith(QLatin1Char('/')) && folder.size() > rootFolder.size())
        folder.chop(1);
    return folder;
}

void OptionsDialog::changeFolder() {
    const QString folder = browseForFolder();
    if (!folder.isEmpty())
        showStandardFolder(folder);
}

OptionsDialog::ShownSettings OptionsDialog::shownSettings() const {
    const SettingsRecord& record = m_context.record;
    ShownSettings shown;
    shown.notation = m_formatList->currentRow();
    shown.sortIndex = m_alphabeticalOption->isChecked() ? 0
                      : m_dotNetOption->isChecked()     ? 1
                                                        : record.sortIndex;
    shown.promptToSave = m_promptYesOption->isChecked()  ? 1
                         : m_promptNoOption->isChecked() ? 0
                                                         : record.promptToSave;
    shown.standardFolder = m_folderLabel->text();
    return shown;
}

// Only what the user changed here is written: another running copy may have stored its own
// choice of the rest since this dialog loaded them.
void OptionsDialog::saveAndClose() {
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
    record.sortIndex = static_cast<qint16>(shown.sortIndex);
    record.promptToSave = static_cast<qint16>(shown.promptToSave);
    record.standardFolder = shown.standardFolder;
    record.cssFormat = cssFormat;
    accept();
}

void showOptionsDialog(QWidget* owner, const SettingsContext& context) {
    OptionsDialog dialog(owner, context);
    dialog.load();
    dialog.exec();
}

} // namespace tincta
