#include "registry/sqlitefile.h"

#include <array>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <optional>
#include <sys/stat.h>

namespace tincta::sqlite {

namespace {

constexpr char damagedSuffix[] = ".corrupt-";

struct FileIdentity {
    dev_t device = 0;
    ino_t inode = 0;
    bool exists = false;
    bool operator==(const FileIdentity&) const = default;
};

FileIdentity identityOf(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return {};
    return {info.st_dev, info.st_ino, true};
}

std::string timestamp() {
    const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm parts{};
    localtime_r(&now, &parts);
    std::array<char, 32> text{};
    std::strftime(text.data(), text.size(), "%Y%m%d-%H%M%S", &parts);
    return text.data();
}

// Moves an unusable file (and its journals, which would otherwise be replayed into the fresh
// file) out of the way, and answers where it went. Only the file seen when the failing call
// opened it is moved, so a fresh file another copy of the program already put in its place
// survives; the answer is then empty. Nothing when the file could not be moved.
std::optional<std::string> moveAside(const std::string& filePath, const FileIdentity& seen) {
    if (identityOf(filePath) != seen)
        return std::string();
    std::string target = filePath + damagedSuffix + timestamp();
    for (int attempt = 2; std::filesystem::exists(target); ++attempt)
        target = filePath + damagedSuffix + timestamp() + "-" + std::to_string(attempt);
    if (std::rename(filePath.c_str(), target.c_str()) != 0)
        return std::nullopt;
    for (const char* journal : {"-journal", "-wal"})
        std::rename((filePath + journal).c_str(), (target + journal).c_str());
    std::remove((filePath + "-shm").c_str());
    return target;
}

} // namespace

bool useFile(const std::string& filePath, std::chrono::steady_clock::time_point waitDeadline,
             const std::function<bool(Database&)>& use, StoreReport& report,
             std::unique_ptr<Database>* keepOpen) {
    for (int attempt = 0; attempt < 2; ++attempt) {
        FileIdentity seen;
        try {
            const auto folder = std::filesystem::path(filePath).parent_path();
            if (!folder.empty()) {
                std::error_code ignored;
                std::filesystem::create_directories(folder, ignored);
            }
            seen = identityOf(filePath);
            auto db = std::make_unique<Database>(filePath, waitDeadline);
            const bool result = use(*db);
            if (keepOpen != nullptr)
                *keepOpen = std::move(db);
            return result;
        } catch (const SqliteError& error) {
            if (!isDamage(error.code) || attempt > 0)
                break;
            if (!seen.exists) {
                // A file created during this very call; let the retry look again.
                seen = identityOf(filePath);
            }
            const auto keptAs = moveAside(filePath, seen);
            if (!keptAs)
                break;
            if (!keptAs->empty())
                report.damagedStoreKeptAs = *keptAs;
        } catch (...) {
            break;
        }
    }
    report.unusable = true;
    return false;
}

} // namespace tincta::sqlite
