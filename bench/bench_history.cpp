// Measures opening the History window over a history of 1,000 entries and 20 pins, and the
// start-up of the main window with that history against an empty one, alternately in one run.
//
//   bench_history                      runs everything and prints medians
//   bench_history startup STATE_FOLDER one start-up (used by the driver as a child process)

#include "app/mainwindow.h"
#include "benchsupport.h"
#include "history/historystore.h"

#include <QAction>
#include <QApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

using namespace tincta;
using namespace tincta::bench;

namespace {

constexpr int startupRuns = 15;
constexpr int openRuns = 30;
constexpr int pinCount = 20;

void fillHistory(const QString& stateFolder) {
    HistoryStore store(stateFolder + QStringLiteral("/tincta/history.sqlite3"));
    const QDateTime start = QDateTime::currentDateTimeUtc().addDays(-3);
    QList<PaletteMark> pins;
    for (int i = 0; i < pinCount; ++i)
        pins.append(
            {QStringLiteral("Pin %1").arg(i), unpack(0xFF0000u + static_cast<unsigned>(i))});
    store.addPins(pins, start);
    for (int i = 0; i < HistoryStore::unpinnedLimit; ++i)
        store.record(unpack(static_cast<PackedColour>(i * 4099)), QStringLiteral("#000000"),
                     start.addSecs(i * 60));
}

int runStartup(Clock::time_point processStart) {
    BenchServices bench;
    MainWindow window(bench.services);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    std::printf("%f\n", millisecondsSince(processStart));
    return 0;
}

double measureStartup(const QString& stateFolder) {
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_STATE_HOME"), stateFolder);
    child.setProcessEnvironment(environment);
    const auto start = Clock::now();
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("startup"), stateFolder});
    child.waitForFinished(30000);
    return child.exitCode() == 0 ? millisecondsSince(start) : -1;
}

QWidget* shownHistoryWindow() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == QLatin1String("frmHistory") && window->isVisible())
            return window;
    }
    return nullptr;
}

// Ctrl+H to a window on screen with its list filled, then closed again.
double measureOpen(MainWindow& window) {
    auto* command = window.findChild<QAction*>(QStringLiteral("mnuEditHistory"));
    const auto start = Clock::now();
    command->trigger();
    QWidget* history = shownHistoryWindow();
    if (history == nullptr || !QTest::qWaitForWindowExposed(history))
        return -1;
    QCoreApplication::processEvents();
    const double elapsed = millisecondsSince(start);
    history->close();
    QCoreApplication::processEvents();
    return elapsed;
}

} // namespace

int main(int argc, char* argv[]) {
    const auto processStart = Clock::now();
    QApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() == 3 && arguments[1] == QLatin1String("startup"))
        return runStartup(processStart);

    QTemporaryDir empty;
    QTemporaryDir full;
    fillHistory(full.path());
    std::vector<double> emptyStarts;
    std::vector<double> fullStarts;
    for (int run = 0; run < startupRuns; ++run) {
        emptyStarts.push_back(measureStartup(empty.path()));
        fullStarts.push_back(measureStartup(full.path()));
    }
    std::printf("start-up, empty history:              median %.1f ms\n", median(emptyStarts));
    std::printf("start-up, 1,000 entries and 20 pins:  median %.1f ms\n", median(fullStarts));

    qputenv("XDG_STATE_HOME", full.path().toLocal8Bit());
    BenchServices bench;
    MainWindow window(bench.services);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    std::vector<double> opens;
    for (int run = 0; run < openRuns; ++run)
        opens.push_back(measureOpen(window));
    std::sort(opens.begin(), opens.end());
    std::printf("History window, 1,020 entries:        median %.2f ms, slowest %.2f ms\n",
                median(opens), opens.back());
    return 0;
}
