#pragma once

// The program's settings as another copy of the program sees them: straight from the store in
// the test's own settings folder.

#include "gui/platform/services.h"
#include "registry/easyreg.h"
#include "registry/sqlitestore.h"
#include "settings/settingsrecord.h"
#include "settingsdialogs/settingsload.h"

#include <QApplication>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <memory>
#include <sqlite3.h>

namespace tincta::test {

inline std::unique_ptr<EasyReg> programRegistry() {
    auto registry = std::make_unique<EasyReg>();
    registry->DefaultHive(HKEY_CURRENT_USER);
    registry->DefaultSubKey(programKeyPath);
    return registry;
}

inline void clearStoredSettings() {
    programRegistry()->DeleteKey(HKEY_CURRENT_USER, programKeyPath);
}

// The stored text, or a null text when the value is missing.
inline QString storedSetting(const char* name) {
    auto registry = programRegistry();
    if (!registry->ExistingValue(name))
        return QString();
    bool read = false;
    const QString text = QString::fromStdString(registry->GetValue(name, read));
    return text.isNull() ? QString(QLatin1String("")) : text;
}

inline void storeSetting(const char* name, const QString& text) {
    programRegistry()->SetString(name, text.toStdString());
}

// A settings record of the test's own over the program's store, loaded as the main window loads
// its own, for dialogs opened straight from a test.
struct OwnSettings {
    std::unique_ptr<EasyReg> registry = programRegistry();
    SettingsRecord record{*registry};
    MessageBoxes& messages;

    explicit OwnSettings(MessageBoxes& messageBoxes) : messages(messageBoxes) { load(); }
    void load() {
        bool unreadableTold = false;
        reportSettingsLoad(messages, nullptr, record.loadSettings(false), unreadableTold);
    }
    SettingsContext context(const Services& services) {
        return SettingsContext{record, services, [this] { load(); }};
    }
};

// Holds the store file as another program in the middle of writing it does, until destroyed.
class StoreLock {
public:
    StoreLock() {
        const auto path = SqliteStore::defaultFilePath();
        if (sqlite3_open(path.c_str(), &m_db) != SQLITE_OK ||
            sqlite3_exec(m_db, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr) != SQLITE_OK)
            qWarning("could not lock the settings store");
    }
    ~StoreLock() { sqlite3_close_v2(m_db); }
    StoreLock(const StoreLock&) = delete;
    StoreLock& operator=(const StoreLock&) = delete;

private:
    sqlite3* m_db = nullptr;
};

// Runs `action` on the modal dialog once it is up; the action must close it.
template <typename F> void whenModalOpens(F action) {
    QTimer::singleShot(0, [action] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (dialog == nullptr) {
            qWarning("no modal dialog");
            return;
        }
        action(dialog);
    });
}

} // namespace tincta::test
