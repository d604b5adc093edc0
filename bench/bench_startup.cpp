// Starts the real program, its pick from the command line and a bare Qt window alternately, as
// users start them, and prints the time from the start of the process to its first frame on the
// screen and its peak resident memory: medians and 90th percentiles of seven runs each after a
// warm-up, and the ratios to the bare window. Where the display server shows the first frame (a
// pick's still image on X11), the time to the program's own first paint follows.
//
//   bench_startup [EARLIER_TINCTA]
//
// A second yardstick, a bare still image of the screen shown full screen, tells what a pick's
// start costs beyond grabbing and showing a whole screen.
//
// An earlier build of the program, given, is measured in the same run, so that a change is
// judged on one machine under one load.
//
// Needs a display (bench/run.sh starts a virtual one). The children run on the xcb platform
// with settings and history in folders of their own.

#include "app/mainwindow.h"
#include "benchsupport.h"
#include "gui/platform/firstframeprobe.h"

#include <QApplication>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

using namespace tincta;
using tincta::bench::Clock;

namespace {

constexpr int measuredRuns = 7;

struct Run {
    // To the first frame on the screen, and to the first the program painted itself: a pick on
    // X11 is shown by the display server before that.
    double milliseconds = 0;
    double drawnMilliseconds = 0;
    double peakMiB = 0;
};

struct Program {
    std::string label;
    std::vector<std::string> command;
    std::vector<Run> runs;
};

struct WindowShape {
    int widgets;
    QSize size;
};

// The bare window gets as many widgets as the main window builds and its size, so the two
// differ in what Tincta does, not in how much there is to lay out, paint and keep on screen.
WindowShape mainWindowShape() {
    bench::BenchServices bench;
    MainWindow window(bench.services);
    window.show();
    return {static_cast<int>(window.findChildren<QWidget*>().size()), window.size()};
}

[[noreturn]] void execChild(const std::vector<std::string>& command, int outputFd) {
    dup2(outputFd, STDOUT_FILENO);
    std::vector<char*> argv;
    for (const std::string& part : command)
        argv.push_back(const_cast<char*>(part.c_str()));
    argv.push_back(nullptr);
    execv(argv[0], argv.data());
    std::perror(argv[0]);
    _exit(127);
}

// One start: from fork to the child's "first frame" and "drawn frame" lines; the peak memory
// from the kernel's account of the finished child.
bool runOnce(const std::vector<std::string>& command, Run& run) {
    int pipeFds[2];
    if (pipe(pipeFds) != 0)
        return false;
    const auto start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        close(pipeFds[0]);
        execChild(command, pipeFds[1]);
    }
    close(pipeFds[1]);
    std::string output;
    char buffer[256];
    ssize_t got = 0;
    std::vector<double> lineTimes;
    while ((got = read(pipeFds[0], buffer, sizeof buffer)) > 0) {
        const double now = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        output.append(buffer, static_cast<std::size_t>(got));
        lineTimes.resize(static_cast<std::size_t>(std::count(output.begin(), output.end(), '\n')),
                         now);
    }
    close(pipeFds[0]);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    run.peakMiB = static_cast<double>(usage.ru_maxrss) / 1024.0;
    if (output.rfind("first frame\n", 0) != 0)
        return false;
    // Builds from before the two lines say only the first, which they paint.
    run.milliseconds = lineTimes.front();
    run.drawnMilliseconds = lineTimes.size() > 1 ? lineTimes[1] : lineTimes.front();
    return true;
}

double percentile(std::vector<double> values, double fraction) {
    std::sort(values.begin(), values.end());
    const auto rank = static_cast<std::size_t>(std::ceil(fraction * values.size()));
    return values[std::max<std::size_t>(rank, 1) - 1];
}

std::vector<double> field(const std::vector<Run>& runs, double Run::*member) {
    std::vector<double> values;
    for (const Run& run : runs)
        values.push_back(run.*member);
    return values;
}

double median(const Program& program, double Run::*member) {
    return percentile(field(program.runs, member), 0.5);
}

// The ratios are to `yardstick`, and for a pick also to `stillYardstick`.
void report(const Program& program, const Program& yardstick, const Program& stillYardstick) {
    const auto times = field(program.runs, &Run::milliseconds);
    const auto memory = field(program.runs, &Run::peakMiB);
    const double medianTime = percentile(times, 0.5);
    const double medianMemory = percentile(memory, 0.5);
    std::printf("  %-16s first frame median %6.1f ms (p90 %6.1f, %.2fx)   peak memory median "
                "%5.1f MiB (p90 %5.1f, %.2fx)",
                program.label.c_str(), medianTime, percentile(times, 0.9),
                medianTime / median(yardstick, &Run::milliseconds), medianMemory,
                percentile(memory, 0.9), medianMemory / median(yardstick, &Run::peakMiB));
    if (program.label.ends_with("--pick"))
        std::printf("   against the bare still: %.2fx, %.2fx",
                    medianTime / median(stillYardstick, &Run::milliseconds),
                    medianMemory / median(stillYardstick, &Run::peakMiB));
    std::printf("\n");
    const auto drawn = field(program.runs, &Run::drawnMilliseconds);
    if (program.label.ends_with("--pick")) {
        const double medianDrawn = percentile(drawn, 0.5);
        std::printf("  %-16s drawn by itself median %6.1f ms (p90 %6.1f, %.2fx)\n", "", medianDrawn,
                    percentile(drawn, 0.9), medianDrawn / median(yardstick, &Run::milliseconds));
    }
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const WindowShape shape = mainWindowShape();

    QTemporaryDir home;
    setenv("XDG_CONFIG_HOME", qPrintable(home.filePath(QStringLiteral("config"))), 1);
    setenv("XDG_STATE_HOME", qPrintable(home.filePath(QStringLiteral("state"))), 1);
    setenv("XDG_RUNTIME_DIR", qPrintable(home.path()), 1);
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    setenv(firstFrameProbeVariable, "1", 1);

    std::vector<Program> programs{
        {"bare window",
         {TINCTA_BAREWINDOW_PATH, std::to_string(shape.widgets), std::to_string(shape.size.width()),
          std::to_string(shape.size.height())},
         {}},
        {"bare still", {TINCTA_BAREWINDOW_PATH, "--still"}, {}},
    };
    const auto addProgram = [&programs](const std::string& label, const std::string& path) {
        programs.push_back({label, {path}, {}});
        programs.push_back({label + " --pick", {path, "--pick"}, {}});
    };
    if (argc > 1)
        addProgram("earlier", argv[1]);
    addProgram("tincta", TINCTA_PROGRAM_PATH);
    // Alternating spreads the machine's ups and downs over both; run 0 warms the caches and
    // makes the settings store.
    for (int round = 0; round <= measuredRuns; ++round) {
        for (Program& program : programs) {
            Run run;
            if (!runOnce(program.command, run)) {
                std::fprintf(stderr, "%s gave no first frame\n", program.label.c_str());
                return EXIT_FAILURE;
            }
            if (round > 0)
                program.runs.push_back(run);
        }
    }
    std::printf(
        "start-up to the first frame on the screen, %d runs each, bare window of %d widgets, "
        "%d x %d:\n",
        measuredRuns, shape.widgets, shape.size.width(), shape.size.height());
    for (const Program& program : programs)
        report(program, programs[0], programs[1]);
    return EXIT_SUCCESS;
}
