#include "settings/settingsrecord.h"

#include "colour/notation.h"
#include "palette/pathhelpers.h"
#include "settings/easyreg.h"

#include <QDir>
#include <QStandardPaths>
#include <QStringList>
#include <array>

namespace tincta {

namespace {

const QString noCustomFormat;
const QString defaultFormatIndex = QStringLiteral("0");
const QString defaultSortIndex = QStringLiteral("0");
const QString defaultPromptToSave = QStringLiteral("1");

const QStringList& acceptedFormatIndexes() {
    static const QStringList texts = {
        QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2"),  QStringLiteral("3"),
        QStringLiteral("4"), QStringLiteral("5"), QStringLiteral("6"),  QStringLiteral("7"),
        QStringLiteral("8"), QStringLiteral("9"), QStringLiteral("10"), QStringLiteral("11")};
    return texts;
}

// A stored switch: exactly "0" or "1".
std::optional<qint16> switchValue(const QString& text) {
    if (text == QLatin1String("0"))
        return 0;
    if (text == QLatin1String("1"))
        return 1;
    return std::nullopt;
}

std::string utf8(const QString& text) {
    return text.toStdString();
}

struct CssFormatName {
    int notation;
    QLatin1StringView name;
};

constexpr std::array<CssFormatName, 3> cssFormatNames{{
    {cssRgbNotation, QLatin1StringView("rgb")},
    {cssHslNotation, QLatin1StringView("hsl")},
    {cssOklchNotation, QLatin1StringView("oklch")},
}};

// Exact and case-sensitive, as every stored value is compared.
std::optional<int> cssNotationNamed(const QString& cssFormat) {
    for (const CssFormatName& css : cssFormatNames) {
        if (cssFormat == css.name)
            return css.notation;
    }
    return std::nullopt;
}

} // namespace

int standardNotation(int formatIndex, const QString& cssFormat) {
    // A FormatIndex other than 0 was written by a program that knows nothing of CssFormat,
    // after our last choice: it is the newer one.
    if (formatIndex != 0)
        return formatIndex;
    return cssNotationNamed(cssFormat).value_or(formatIndex);
}

bool isWrittenCssFormat(const QString& cssFormat) {
    return cssFormat.isEmpty() || cssNotationNamed(cssFormat).has_value();
}

QString storedFormatIndex(int notation) {
    return QString::number(notation < classicNotationCount ? notation : 0);
}

QString storedCssFormat(int notation) {
    for (const CssFormatName& css : cssFormatNames) {
        if (notation == css.notation)
            return css.name;
    }
    return QString();
}

FolderLookup systemFolderLookup() {
    return {[] { return QStandardPaths::writableLocation(QStandardPaths::DesktopLocation); },
            [] { return QDir::homePath(); }};
}

SettingsRecord::SettingsRecord(EasyReg& registry, FolderLookup folders)
    : m_registry(registry), m_folders(std::move(folders)) {}

bool SettingsRecord::findDefaultFolder() {
    const QString desktop = m_folders.desktop ? m_folders.desktop() : QString();
    if (!desktop.isEmpty() && folderExists(desktop)) {
        defaultFolder = desktop;
        return true;
    }
    defaultFolder = m_folders.home ? m_folders.home() : QString();
    return false;
}

// A value the store could not give reads as its default, as a missing one does; the load as a
// whole then keeps away from the store: a restore would overwrite settings it never saw.
SettingsLoadResult SettingsRecord::loadSettings(bool javaScriptNamesMode) {
    SettingsLoadResult result;
    const auto waitDeadline = std::chrono::steady_clock::now() + loadWaitLimit;
    m_registry.beginBatch(waitDeadline);
    bool acceptable = false;
    try {
        acceptable = readSettings(javaScriptNamesMode, result);
    } catch (...) {
        acceptable = false;
    }
    StoreReport report = m_registry.endBatch();
    result.storeUnreadable = report.unusable;
    if (!acceptable) {
        if (result.storeUnreadable) {
            useDefaultSettings();
        } else {
            m_registry.beginBatch(waitDeadline);
            restoreDefaultSettings();
            const StoreReport restore = m_registry.endBatch();
            if (!restore.damagedStoreKeptAs.empty())
                report.damagedStoreKeptAs = restore.damagedStoreKeptAs;
            result.defaultsRestored = true;
        }
        result.rememberedFormat = 0;
    }
    result.damagedStoreKeptAs = QString::fromStdString(report.damagedStoreKeptAs);
    return result;
}

bool SettingsRecord::readSettings(bool javaScriptNamesMode, SettingsLoadResult& result) {
    findDefaultFolder();

    const QString customFormat = read(customFormatValueName, noCustomFormat);
    if (customFormat.size() > customFormatMaxLength)
        return false;
    CustomFormat = customFormat;

    const QString formatIndex = read(formatIndexValueName, defaultFormatIndex);
    if (!acceptedFormatIndexes().contains(formatIndex))
        return false;
    CssFormat = read(cssFormatValueName, QString());
    standardFormat = static_cast<qint16>(standardNotation(formatIndex.toInt(), CssFormat));
    if (!javaScriptNamesMode)
        result.rememberedFormat = standardFormat;

    const auto sortIndex = switchValue(read(sortIndexValueName, defaultSortIndex));
    if (!sortIndex)
        return false;
    SortIndex = *sortIndex;

    const auto promptToSave = switchValue(read(promptToSaveValueName, defaultPromptToSave));
    if (!promptToSave)
        return false;
    PromptToSave = *promptToSave;

    const QString standardFolder = read(standardFolderValueName, defaultFolder);
    if (!folderExists(standardFolder))
        return false;
    StandardFolder = standardFolder;
    return true;
}

void SettingsRecord::useDefaultSettings() {
    CustomFormat = noCustomFormat;
    CssFormat.clear();
    standardFormat = 0;
    SortIndex = 0;
    PromptToSave = 1;
    StandardFolder = defaultFolder;
}

void SettingsRecord::restoreDefaultSettings() {
    useDefaultSettings();
    m_registry.SetString(customFormatValueName, utf8(CustomFormat));
    m_registry.SetString(formatIndexValueName, utf8(defaultFormatIndex));
    m_registry.SetString(sortIndexValueName, utf8(defaultSortIndex));
    m_registry.SetString(promptToSaveValueName, utf8(defaultPromptToSave));
    m_registry.SetString(standardFolderValueName, utf8(StandardFolder));
    m_registry.SetString(cssFormatValueName, utf8(CssFormat));
}

SettingsSaveResult SettingsRecord::saveSettings(const SettingValues& values) {
    m_registry.beginBatch(std::chrono::steady_clock::now() + saveWaitLimit);
    bool saved = true;
    for (const auto& [valueName, text] : values) {
        saved = m_registry.SetString(valueName, utf8(text));
        if (!saved)
            break;
    }
    const StoreReport report = m_registry.endBatch();
    return {saved, QString::fromStdString(report.damagedStoreKeptAs)};
}

QString SettingsRecord::readValue(const char* valueName) {
    m_registry.beginBatch(std::chrono::steady_clock::now() + loadWaitLimit);
    const QString text = read(valueName, QString());
    m_registry.endBatch();
    return text;
}

QString SettingsRecord::read(const char* valueName, const QString& defaultValue) {
    bool ignored = false;
    return QString::fromStdString(m_registry.GetValue(valueName, ignored, utf8(defaultValue)));
}

} // namespace tincta
