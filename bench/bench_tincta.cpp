// Measures start-up to the shown window, one refresh of the selected colour and a full sweep of
// the red slider with painting, each against a bare Qt window with as many widgets, in one run.
//
//   bench_tincta            runs everything and prints medians
//   bench_tincta startup tincta|bare   one start-up (used by the driver as a child process)

#include "app/mainwindow.h"
#include "benchsupport.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QGridLayout>
#include <QLabel>
#include <QMainWindow>
#include <QProcess>
#include <QScrollBar>
#include <QTest>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <sys/resource.h>
#include <vector>

using namespace tincta;
using namespace tincta::bench;

namespace {

constexpr int startupRuns = 15;
constexpr int refreshRuns = 2000;
constexpr int sweepRuns = 15;

long peakMemoryKiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// A plain window with as many widgets as the main window has, and one slider to sweep.
class BareWindow : public QMainWindow {
public:
    explicit BareWindow(int widgetCount) {
        auto* central = new QWidget(this);
        auto* grid = new QGridLayout(central);
        slider = new QScrollBar(Qt::Horizontal, central);
        slider->setRange(0, 255);
        grid->addWidget(slider, 0, 0, 1, 8);
        for (int i = 0; i < widgetCount; ++i)
            grid->addWidget(new QLabel(QString::number(i), central), 1 + i / 8, i % 8);
        setCentralWidget(central);
    }
    QScrollBar* slider = nullptr;
};

int mainWindowWidgetCount() {
    BenchServices bench;
    MainWindow window(bench.services);
    return static_cast<int>(window.findChildren<QWidget*>().size());
}

// Child process: start, show, wait until the window is on screen, report time and memory.
int runStartup(const QString& kind, Clock::time_point processStart) {
    BenchServices bench;
    std::unique_ptr<QMainWindow> window;
    if (kind == QLatin1String("tincta"))
        window = std::make_unique<MainWindow>(bench.services);
    else
        window = std::make_unique<BareWindow>(kind.toInt());
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get()))
        return 1;
    std::printf("%f %ld\n", millisecondsSince(processStart), peakMemoryKiB());
    return 0;
}

struct StartupFigures {
    double milliseconds;
    double peakKiB;
};

StartupFigures measureStartups(const QString& kind) {
    std::vector<double> times;
    std::vector<double> memory;
    for (int run = 0; run < startupRuns; ++run) {
        QProcess child;
        const auto start = Clock::now();
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("startup"), kind});
        child.waitForFinished(30000);
        const double wall = millisecondsSince(start);
        const QList<QByteArray> fields = child.readAllStandardOutput().trimmed().split(' ');
        if (fields.size() != 2)
            continue;
        times.push_back(wall);
        memory.push_back(fields[1].toDouble());
    }
    return {median(times), median(memory)};
}

// One step of the red slider, which refreshes every display of the selected colour; painting is
// left to the sweep.
double measureRefresh(QScrollBar* red) {
    std::vector<double> times;
    for (int run = 0; run < refreshRuns; ++run) {
        const int value = (run + 1) % 256;
        const auto start = Clock::now();
        red->setValue(value);
        times.push_back(millisecondsSince(start));
    }
    return median(times);
}

// 256 positions of a slider, each painted (what changed) before the next, as the event loop
// paints during a drag.
double measureSweep(QScrollBar* slider) {
    std::vector<double> times;
    for (int run = 0; run < sweepRuns; ++run) {
        const auto start = Clock::now();
        for (int value = 0; value <= 255; ++value) {
            slider->setValue(value);
            QCoreApplication::processEvents();
        }
        times.push_back(millisecondsSince(start));
        slider->setValue(0);
    }
    return median(times);
}

int runAll() {
    const int widgets = mainWindowWidgetCount();
    std::printf("main window widgets: %d\n", widgets);

    const StartupFigures tincta = measureStartups(QStringLiteral("tincta"));
    const StartupFigures bare = measureStartups(QString::number(widgets));
    std::printf("start-up to shown window (median of %d, process spawn included):\n", startupRuns);
    std::printf("  tincta %.1f ms, bare %.1f ms, ratio %.2f\n", tincta.milliseconds,
                bare.milliseconds, tincta.milliseconds / bare.milliseconds);
    std::printf("peak memory: tincta %.0f KiB, bare %.0f KiB, ratio %.2f\n", tincta.peakKiB,
                bare.peakKiB, tincta.peakKiB / bare.peakKiB);

    BenchServices bench;
    MainWindow window(bench.services);
    window.show();
    (void)QTest::qWaitForWindowExposed(&window);
    auto* red = window.findChild<QScrollBar*>(QStringLiteral("hsbRed"));
    std::printf("one refresh (a red slider step): median %.4f ms (of %d)\n", measureRefresh(red),
                refreshRuns);

    const double sweep = measureSweep(red);
    BareWindow bareWindow(widgets);
    bareWindow.show();
    (void)QTest::qWaitForWindowExposed(&bareWindow);
    const double bareSweep = measureSweep(bareWindow.slider);
    std::printf("red slider sweep 0..255 with painting: tincta %.1f ms (%.3f ms a step, %.0f "
                "steps/s), bare %.1f ms\n",
                sweep, sweep / 256, 256 * 1000 / sweep, bareSweep);
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    const auto processStart = Clock::now();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() == 3 && args[1] == QLatin1String("startup"))
        return runStartup(args[2], processStart);
    return runAll();
}
