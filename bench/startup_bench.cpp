// The start-up of the program against the least a Qt program of the same size shows (a main
// window with a menu bar and one label), side by side: each started in turn, round after round,
// until the first frame in which its whole first screen is painted (for the program the main
// window with the welcome screen, its texts and its picture). Prints the median times, the median
// ratio and the peak memory of each.
//
// Usage: zorvek_startup_bench [ROUNDS [PROGRAM]]   (21 rounds and the program built beside it by
// default; the offscreen platform unless a display or QT_QPA_PLATFORM is set)
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

extern char** environ;

namespace {

struct Start {
    double milliseconds = 0;
    long peakKilobytes = 0;
    std::string report;  // "frame WxH"
};

// Starts the program with the probe on, waits for its report and its end.
Start Run(const std::vector<std::string>& command) {
    int pipeFds[2];
    if (::pipe(pipeFds) != 0) std::exit(2);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    std::vector<char*> argv;
    for (const std::string& part : command) argv.push_back(const_cast<char*>(part.c_str()));
    argv.push_back(nullptr);

    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    if (posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ) != 0) {
        std::fprintf(stderr, "cannot start %s\n", argv[0]);
        std::exit(2);
    }
    ::close(pipeFds[1]);
    Start result;
    char buffer[256];
    for (ssize_t n; (n = ::read(pipeFds[0], buffer, sizeof buffer)) > 0;) {
        result.report.append(buffer, static_cast<size_t>(n));
        if (result.report.find('\n') != std::string::npos) break;
    }
    result.milliseconds =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    ::close(pipeFds[0]);
    int status = 0;
    struct rusage usage {};
    ::wait4(child, &status, 0, &usage);
    posix_spawn_file_actions_destroy(&actions);
    result.peakKilobytes = usage.ru_maxrss;
    if (result.report.rfind("frame ", 0) != 0) {
        std::fprintf(stderr, "%s ended without painting its first screen\n", argv[0]);
        std::exit(1);
    }
    result.report.erase(result.report.find('\n'));
    return result;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 21;
    const std::string programPath = argc > 2 ? argv[2] : ZORVEK_PROGRAM;
    ::setenv("ZORVEK_REPORT_FIRST_FRAME", "1", 1);
    if (!std::getenv("QT_QPA_PLATFORM") && !std::getenv("DISPLAY") &&
        !std::getenv("WAYLAND_DISPLAY")) {
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    const char* platform = std::getenv("QT_QPA_PLATFORM");

    // One start of each first, not counted: the files are in the page cache for every round.
    const Start first = Run({programPath});
    int width = 0, height = 0;
    std::sscanf(first.report.c_str(), "frame %dx%d", &width, &height);
    const std::vector<std::string> minimal = {ZORVEK_MINIMAL_WINDOW, std::to_string(width),
                                              std::to_string(height)};
    Run(minimal);

    std::vector<double> programTimes, minimalTimes, ratios, programPeaks, minimalPeaks;
    for (int round = 0; round < rounds; ++round) {
        // Alternating which starts first, so that neither always follows the other.
        Start program, window;
        if (round % 2 == 0) {
            program = Run({programPath});
            window = Run(minimal);
        } else {
            window = Run(minimal);
            program = Run({programPath});
        }
        programTimes.push_back(program.milliseconds);
        minimalTimes.push_back(window.milliseconds);
        ratios.push_back(program.milliseconds / window.milliseconds);
        programPeaks.push_back(static_cast<double>(program.peakKilobytes) / 1024.0);
        minimalPeaks.push_back(static_cast<double>(window.peakKilobytes) / 1024.0);
    }
    std::printf("platform %s, window %dx%d, %d rounds\n", platform ? platform : "(default)", width,
                height, rounds);
    std::printf("%-16s %12s %14s\n", "", "first frame", "peak memory");
    std::printf("%-16s %9.1f ms %11.1f MB\n", "program", Median(programTimes),
                Median(programPeaks));
    std::printf("%-16s %9.1f ms %11.1f MB\n", "minimal window", Median(minimalTimes),
                Median(minimalPeaks));
    std::printf("median ratio %.2f (target <= 1.30), peak memory %+.1f MB (target <= +10 MB)\n",
                Median(ratios), Median(programPeaks) - Median(minimalPeaks));
    return 0;
}
