#pragma once

#include "settings/settingsnames.h"

#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <array>
#include <chrono>
#include <cstddef>
#include <functional>
#include <initializer_list>
#include <optional>
#include <utility>
#include <vector>

namespace tincta {

class EasyReg;

inline constexpr int customFormatMaxLength = 250;

// How long a load and a save may wait, each in all, for a store another program holds; the
// program stays frozen meanwhile.
inline constexpr std::chrono::milliseconds loadWaitLimit{1000};
inline constexpr std::chrono::milliseconds saveWaitLimit{2000};

// Shown (titled "Tincta", information icon, OK) when a load had to restore the defaults.
inline constexpr char settingsRestoredMessage[] = QT_TRANSLATE_NOOP(
    "tincta::Settings", "Unacceptable settings found in Registry. Default settings restored.");

// The folders the default folder is chosen from; each answers an empty text when unknown.
struct FolderLookup {
    std::function<QString()> desktop;
    std::function<QString()> home;
};

// The user's desktop and home folders as the system reports them.
FolderLookup systemFolderLookup();

// The standard notation (a list row) that a stored FormatIndex (0..11) and CssFormat stand for:
// a CssFormat naming a notation wins while FormatIndex is what that notation stores beside it
// (0); any other text in it is ignored.
int standardNotation(int formatIndex, const QString& cssFormat);
// Whether CssFormat holds what the program writes there: empty or a notation's key.
bool isWrittenCssFormat(const QString& cssFormat);
// How the standard notation in list row `notation` is stored, as FormatIndex and as CssFormat.
QString storedFormatIndex(int notation);
QString storedCssFormat(int notation);

// The notations (list rows) a StarredFormats text names, in its order: each item a notation's
// CssFormat key or its list row; unknown items and repeats are ignored.
std::vector<int> starredNotations(const QString& stored);
// The StarredFormats text of the notations (list rows).
QString starredFormatsText(const std::vector<int>& notations);

// The stored values, in the order a load reads them and a restore writes them. A new one needs
// its row in settingsrecord.cpp: the build fails without it.
enum class StoredSetting {
    CustomFormat,
    FormatIndex,
    SortIndex,
    PromptToSave,
    StandardFolder,
    CssFormat,
    StarredFormats,
    SampleSize,
    Count // keep last: the number of stored values
};

inline constexpr auto storedSettingCount = static_cast<std::size_t>(StoredSetting::Count);

struct SettingsLoadResult {
    // The caller shows settingsRestoredMessage.
    bool defaultsRestored = false;
    // The store could not be read: what was not read took its default, and nothing was
    // restored or written.
    bool storeUnreadable = false;
    // Where a damaged store was kept when a fresh one took its place; empty when none was.
    QString damagedStoreKeptAs;
    // The main window's remembered notation when the load decides it; nothing leaves it alone
    // (the JavaScript names mode was on and nothing had to be restored).
    std::optional<qint16> rememberedFormat;
};

// Values to store as text, by value name, in the order they are written.
using SettingValues = std::vector<std::pair<const char*, QString>>;

struct SettingsSaveResult {
    bool saved = false;
    // As for a load.
    QString damagedStoreKeptAs;
};

// The user settings in memory, and their loading and restoring through EasyReg, which must
// already point at programKeyPath under HKEY_CURRENT_USER.
class SettingsRecord {
public:
    explicit SettingsRecord(EasyReg& registry, FolderLookup folders = systemFolderLookup());

    QString customFormat;
    qint16 sortIndex = 0;
    qint16 promptToSave = 0;
    QString standardFolder;
    QString defaultFolder;
    // The CssFormat text the most recent load read, whatever it holds.
    QString cssFormat;
    // The standard notation (a list row) the most recent load accepted.
    qint16 standardFormat = 0;
    // The starred notations (list rows), in the order of the stored StarredFormats.
    std::vector<int> starredFormats;
    // The side of the square a screen pick averages, in device pixels.
    int sampleSize = 1;

    // Sets defaultFolder to the desktop folder when it exists, else to the home folder, so that
    // a machine without a desktop folder still has a folder that passes the load's test.
    // True when the desktop folder was found.
    bool findDefaultFolder();

    // Reads and checks the stored values in order; the first unacceptable one restores all.
    SettingsLoadResult loadSettings(bool javaScriptNamesMode);

    // Puts the defaults into memory and writes all five, then an empty CssFormat so that the
    // restored standard notation holds at the next start too; write failures are not reported.
    void restoreDefaultSettings();

    // Writes the values in order, waiting at most saveWaitLimit in all; stops at the first that
    // fails. The record in memory is the caller's to update.
    SettingsSaveResult saveSettings(const SettingValues& values);

    // Stored values outside the settings, read together and never checked here: empty where
    // one is missing or the store cannot be read within loadWaitLimit.
    QStringList readValues(std::initializer_list<const char*> valueNames);

private:
    using StoredTexts = std::array<QString, storedSettingCount>;

    // The stored texts, or nullopt at the first that its check refuses.
    std::optional<StoredTexts> readStoredTexts();
    StoredTexts defaultTexts() const;
    void useStoredTexts(const StoredTexts& texts);
    QString read(const char* valueName, const QString& defaultValue);

    EasyReg& m_registry;
    FolderLookup m_folders;
};

} // namespace tincta
