#include "settings/settingsrecord.h"

#include "colour/areaaverage.h"
#include "colour/enumrows.h"
#include "colour/notation.h"
#include "palette/pathhelpers.h"
#include "registry/easyreg.h"

#include <QDir>
#include <QStandardPaths>
#include <algorithm>
#include <array>
#include <span>

namespace tincta {

namespace {

const QString noText;
const QString firstFormatIndex = QStringLiteral("0");
const QString switchOff = QStringLiteral("0");
const QString switchOn = QStringLiteral("1");
const QString singlePixel = QStringLiteral("1");

// Exact and case-sensitive, as every stored value is compared.
bool isSwitch(const QString& text) {
    return text == switchOff || text == switchOn;
}

bool isCustomFormat(const QString& text) {
    return text.size() <= customFormatMaxLength;
}

// One of the texts "0" to "11": the FormatIndex of a notation the palette file lists.
bool isFormatIndex(const QString& text) {
    const std::span<const NotationRow> rows = notationRows();
    return std::any_of(rows.begin(), rows.end(), [&text](const NotationRow& row) {
        return row.stored.isClassic() && text == QString::number(row.stored.formatIndex);
    });
}

// Any text: one that names no notation, or no sample size, is ignored.
bool isAnyText(const QString&) {
    return true;
}

struct StoredValueRow {
    StoredSetting setting;
    const char* name;
    bool (*check)(const QString& text);
    QString (*defaultText)(const SettingsRecord& record);
};

constexpr auto storedValueRows = std::to_array<StoredValueRow>({
    {StoredSetting::CustomFormat, customFormatValueName, isCustomFormat,
     [](const SettingsRecord&) { return noText; }},
    {StoredSetting::FormatIndex, formatIndexValueName, isFormatIndex,
     [](const SettingsRecord&) { return firstFormatIndex; }},
    {StoredSetting::SortIndex, sortIndexValueName, isSwitch,
     [](const SettingsRecord&) { return switchOff; }},
    {StoredSetting::PromptToSave, promptToSaveValueName, isSwitch,
     [](const SettingsRecord&) { return switchOn; }},
    {StoredSetting::StandardFolder, standardFolderValueName, folderExists,
     [](const SettingsRecord& record) { return record.defaultFolder; }},
    {StoredSetting::CssFormat, cssFormatValueName, isAnyText,
     [](const SettingsRecord&) { return noText; }},
    {StoredSetting::StarredFormats, starredFormatsValueName, isAnyText,
     [](const SettingsRecord&) { return noText; }},
    {StoredSetting::SampleSize, sampleSizeValueName, isAnyText,
     [](const SettingsRecord&) { return singlePixel; }},
});

static_assert(hasOneRowPerEnumerator<StoredSetting>(storedValueRows),
              "every stored setting needs exactly one row");
static_assert(rowsFollowTheEnum(storedValueRows, &StoredValueRow::setting),
              "the rows must follow the order of enum StoredSetting");

std::string utf8(const QString& text) {
    return text.toStdString();
}

qint16 switchValue(const QString& text) {
    return text == switchOn ? 1 : 0;
}

// Exact and case-sensitive, as every stored value is compared.
std::optional<Notation> notationWithKey(const QString& cssFormat) {
    if (cssFormat.isEmpty())
        return std::nullopt;
    for (const NotationRow& row : notationRows()) {
        if (cssFormat == row.stored.cssFormat)
            return row.notation;
    }
    return std::nullopt;
}

std::optional<Notation> notationWithIndex(int formatIndex) {
    for (const NotationRow& row : notationRows()) {
        if (row.stored.isClassic() && row.stored.formatIndex == formatIndex)
            return row.notation;
    }
    return std::nullopt;
}

} // namespace

int standardNotation(int formatIndex, const QString& cssFormat) {
    // A FormatIndex other than the one stored beside the key was written by a program that
    // knows nothing of CssFormat, after our last choice: it is the newer one.
    const std::optional<Notation> keyed = notationWithKey(cssFormat);
    if (keyed && notationRow(*keyed).stored.formatIndex == formatIndex)
        return listRow(*keyed);
    return listRow(notationWithIndex(formatIndex).value_or(Notation{}));
}

bool isWrittenCssFormat(const QString& cssFormat) {
    return cssFormat.isEmpty() || notationWithKey(cssFormat).has_value();
}

QString storedFormatIndex(int notation) {
    const std::optional<Notation> row = notationAtRow(notation);
    return QString::number(row ? notationRow(*row).stored.formatIndex : 0);
}

QString storedCssFormat(int notation) {
    const std::optional<Notation> row = notationAtRow(notation);
    return row ? QString(notationRow(*row).stored.cssFormat) : QString();
}

std::vector<int> starredNotations(const QString& stored) {
    std::vector<int> notations;
    for (const QString& item : stored.split(u',', Qt::SkipEmptyParts)) {
        const QString trimmed = item.trimmed();
        bool isNumber = false;
        const int row = trimmed.toInt(&isNumber);
        std::optional<Notation> notation = isNumber ? notationAtRow(row) : notationWithKey(trimmed);
        if (notation &&
            std::find(notations.begin(), notations.end(), listRow(*notation)) == notations.end())
            notations.push_back(listRow(*notation));
    }
    return notations;
}

QString starredFormatsText(const std::vector<int>& notations) {
    QStringList items;
    for (const int row : notations) {
        const std::optional<Notation> notation = notationAtRow(row);
        if (!notation)
            continue;
        const QLatin1StringView key = notationRow(*notation).stored.cssFormat;
        items.append(key.isEmpty() ? QString::number(row) : QString(key));
    }
    return items.join(u',');
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
    std::optional<StoredTexts> texts;
    try {
        texts = readStoredTexts();
    } catch (...) {
        // A load that fails as a whole restores the defaults, as an unacceptable value does.
        texts.reset();
    }
    StoreReport report = m_registry.endBatch();
    result.storeUnreadable = report.unusable;
    if (texts) {
        useStoredTexts(*texts);
        if (!javaScriptNamesMode)
            result.rememberedFormat = standardFormat;
    } else {
        if (result.storeUnreadable) {
            useStoredTexts(defaultTexts());
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

std::optional<SettingsRecord::StoredTexts> SettingsRecord::readStoredTexts() {
    findDefaultFolder();
    StoredTexts texts;
    for (const StoredValueRow& row : storedValueRows) {
        QString text = read(row.name, row.defaultText(*this));
        if (!row.check(text))
            return std::nullopt;
        texts[static_cast<std::size_t>(row.setting)] = std::move(text);
    }
    return texts;
}

SettingsRecord::StoredTexts SettingsRecord::defaultTexts() const {
    StoredTexts texts;
    for (const StoredValueRow& row : storedValueRows)
        texts[static_cast<std::size_t>(row.setting)] = row.defaultText(*this);
    return texts;
}

// The texts have passed their checks.
void SettingsRecord::useStoredTexts(const StoredTexts& texts) {
    const auto text = [&texts](StoredSetting setting) -> const QString& {
        return texts[static_cast<std::size_t>(setting)];
    };
    customFormat = text(StoredSetting::CustomFormat);
    cssFormat = text(StoredSetting::CssFormat);
    standardFormat =
        static_cast<qint16>(standardNotation(text(StoredSetting::FormatIndex).toInt(), cssFormat));
    sortIndex = switchValue(text(StoredSetting::SortIndex));
    promptToSave = switchValue(text(StoredSetting::PromptToSave));
    standardFolder = text(StoredSetting::StandardFolder);
    starredFormats = starredNotations(text(StoredSetting::StarredFormats));
    sampleSize = sampleSizeFromText(text(StoredSetting::SampleSize));
}

void SettingsRecord::restoreDefaultSettings() {
    const StoredTexts texts = defaultTexts();
    useStoredTexts(texts);
    for (const StoredValueRow& row : storedValueRows)
        m_registry.SetString(row.name, utf8(texts[static_cast<std::size_t>(row.setting)]));
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

QStringList SettingsRecord::readValues(std::initializer_list<const char*> valueNames) {
    m_registry.beginBatch(std::chrono::steady_clock::now() + loadWaitLimit);
    QStringList texts;
    for (const char* valueName : valueNames)
        texts.append(read(valueName, QString()));
    m_registry.endBatch();
    return texts;
}

QString SettingsRecord::read(const char* valueName, const QString& defaultValue) {
    bool ignored = false;
    return QString::fromStdString(m_registry.GetValue(valueName, ignored, utf8(defaultValue)));
}

} // namespace tincta
