#pragma once

#include "registry/registrystore.h"

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace tincta {

namespace sqlite {
class Database;
}

// The registry kept in one SQLite file per user. Every call is a transaction of its own, so
// several running copies see each other's writes at once. Outside a batch every call opens the
// file and closes it again, and waits for another copy's lock for up to `waitLimit`; a batch
// keeps the file open from its first call to its end, which holds no lock between calls but
// spares each call the opening and the check of the file. A file that turns out not to be a store
// of ours is moved aside to "<file>.corrupt-<time>" and replaced by a fresh store.
class SqliteStore final : public RegistryStore {
public:
    static constexpr std::chrono::milliseconds waitLimit{10000};

    SqliteStore();
    explicit SqliteStore(std::string filePath);
    ~SqliteStore() override;

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
    void beginBatch(std::chrono::steady_clock::time_point waitDeadline) override;
    StoreReport endBatch() override;

private:
    template <typename Body> bool run(bool write, Body&& body);
    // Runs `use` on the batch's open file; false when there is none or the call failed there,
    // which closes the file (undoing what the call began) so the call can start over.
    bool runOnBatchFile(const std::function<bool(sqlite::Database&)>& use, bool& result);

    std::string m_filePath;
    // The whole file is checked once, at the first call; later calls check only its tables.
    bool m_contentsChecked = false;
    std::optional<std::chrono::steady_clock::time_point> m_batchDeadline;
    std::unique_ptr<sqlite::Database> m_batchFile;
    StoreReport m_report;
};

} // namespace tincta
