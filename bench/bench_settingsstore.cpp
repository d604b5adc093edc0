// Measures how long a load and a save of the settings take with the store free, and how long
// they wait before giving up while another program holds the store locked.
//
//   bench_settingsstore     prints medians and maxima

#include "registry/easyreg.h"
#include "registry/sqlitestore.h"
#include "settings/settingsrecord.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>
#include <sqlite3.h>
#include <vector>

using namespace tincta;
using Clock = std::chrono::steady_clock;

namespace {

constexpr int freeRuns = 200;
constexpr int lockedRuns = 5;

struct Figures {
    double median;
    double maximum;
};

Figures measure(int runs, const std::function<void()>& action) {
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        const auto start = Clock::now();
        action();
        times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    return {times[times.size() / 2], times.back()};
}

void print(const char* what, int runs, const Figures& figures) {
    std::printf("  %-28s median %8.1f ms, max %8.1f ms (of %d)\n", what, figures.median,
                figures.maximum, runs);
}

// Holds the store as another program in the middle of a write does.
class Lock {
public:
    explicit Lock(const std::string& file) {
        sqlite3_open(file.c_str(), &m_db);
        sqlite3_exec(m_db, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr);
    }
    ~Lock() { sqlite3_close_v2(m_db); }
    Lock(const Lock&) = delete;
    Lock& operator=(const Lock&) = delete;

private:
    sqlite3* m_db = nullptr;
};

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QTemporaryDir folder;
    const std::string file = folder.filePath(QStringLiteral("registry.sqlite3")).toStdString();
    EasyReg registry(std::make_unique<SqliteStore>(file));
    registry.DefaultHive(HKEY_CURRENT_USER);
    registry.DefaultSubKey(programKeyPath);
    SettingsRecord record(registry);
    const SettingValues options = {{formatIndexValueName, QStringLiteral("3")},
                                   {sortIndexValueName, QStringLiteral("1")},
                                   {promptToSaveValueName, QStringLiteral("0")},
                                   {standardFolderValueName, folder.path()}};
    const auto load = [&record] { record.loadSettings(false); };
    const auto save = [&record, &options] { record.saveSettings(options); };

    std::printf("settings store, free:\n");
    print("load (5 values)", freeRuns, measure(freeRuns, load));
    print("save (the 4 options)", freeRuns, measure(freeRuns, save));

    const Lock lock(file);
    std::printf("settings store, locked by another program (limits: load %lld ms, save %lld "
                "ms):\n",
                static_cast<long long>(loadWaitLimit.count()),
                static_cast<long long>(saveWaitLimit.count()));
    print("load, gives up after", lockedRuns, measure(lockedRuns, load));
    print("save, gives up after", lockedRuns, measure(lockedRuns, save));
    return 0;
}
