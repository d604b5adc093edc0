#pragma once

#include "settings/registrystore.h"

#include <string>

namespace tincta {

// The registry kept in one SQLite file per user. Every call opens the file and closes it again,
// so several running copies see each other's writes at once; writers queue behind a lock for
// up to `busyTimeoutMs`. A file that turns out not to be a store of ours is moved aside to
// "<file>.corrupt-<time>" and replaced by a fresh store.
class SqliteStore final : public RegistryStore {
public:
    static constexpr int busyTimeoutMs = 10000;

    SqliteStore();
    explicit SqliteStore(std::string filePath);

    // $XDG_CONFIG_HOME (else ~/.config) + "/tincta/registry.sqlite3".
    static std::string defaultFilePath();
    const std::string& filePath() const { return m_filePath; }

    bool keyExists(std::int32_t hive, const std::string& keyPath) override;
    bool createKey(std::int32_t hive, const std::string& parentPath,
                   const std::string& newKey) override;
    bool deleteKey(std::int32_t hive, const std::string& keyPath) override;
    bool setValue(std::int32_t hive, const std::string& keyPath, const std::string& valueName,
                  std::uint32_t type, const std::string& data) override;
    std::optional<StoredValue> queryValue(std::int32_t hive, const std::string& keyPath,
                                          const std::string& valueName) override;
    bool deleteValue(std::int32_t hive, const std::string& keyPath,
                     const std::string& valueName) override;

private:
    template <typename Body> bool run(bool write, Body&& body);

    std::string m_filePath;
    // The whole file is checked once, at the first call; later calls check only its tables.
    bool m_contentsChecked = false;
};

} // namespace tincta
