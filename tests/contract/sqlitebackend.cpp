// The contract run against the SQLite store: a fresh file for each case.
#include "storecontract.h"

#include "registry/sqlitestore.h"

#include <cstdlib>
#include <filesystem>

namespace tincta::contract {

namespace {

class SqliteBackend final : public ContractBackend {
public:
    explicit SqliteBackend(std::filesystem::path folder) : m_folder(std::move(folder)) {}
    ~SqliteBackend() override {
        std::error_code ignored;
        std::filesystem::remove_all(m_folder, ignored);
    }
    SqliteBackend(const SqliteBackend&) = delete;
    SqliteBackend& operator=(const SqliteBackend&) = delete;

    void clear() override {
        m_file = (m_folder / ("store" + std::to_string(++m_serial) + ".sqlite3")).string();
    }
    std::unique_ptr<RegistryStore> openStore() override {
        return std::make_unique<SqliteStore>(m_file);
    }

private:
    std::filesystem::path m_folder;
    std::string m_file;
    int m_serial = 0;
};

} // namespace

std::unique_ptr<ContractBackend> makeContractBackend(int, char**) {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "storecontract.XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr)
        return nullptr;
    return std::make_unique<SqliteBackend>(pattern);
}

} // namespace tincta::contract
