// Start-up benchmark (not a test): starts the built program on the emulated
// mouse on a private Xvfb, over and over, interleaved with a bare Qt Quick
// window of the same size built in this tree, and reports for each the
// medians of
// - the time from launch to its window being mapped,
// - the time from launch to its last repaint (the window then drew nothing
//   for the quiet time),
// - its peak resident memory,
// and each also as a ratio to the bare window's in the same run, since the
// machine is shared and absolute times drift with its load.
//
// The program runs twice a round: with the opening animation off
// (configuration entry 3 = 1, the unit 10 ms) and on (the 800 ms unit, so
// its last repaint includes the designed animation). Everything else is the
// shipped configuration. Each runs in a folder of its own with a copy of the
// modules folder, so the build's settings stay as they are.
//
// Usage: q4startupbench [--runs N] [--quiet MS] [--cold-cache] [--verbose]
//   --cold-cache: a fresh cache folder for every start (the QML disk cache
//   starts empty), instead of one kept across the runs;
//   --verbose: one line per start as well;
//   --program PATH: measure that build of the program (its modules folder
//   beside it) instead of this tree's; given more than once, the builds are
//   measured interleaved in the same run, for a before-and-after.

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QSettings>
#include <QString>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "display_watch.h"

namespace {

namespace fs = std::filesystem;
using Clock = DisplayWatch::Clock;
using std::chrono::milliseconds;

struct Options {
    int runs = 10;
    milliseconds quiet{1000};
    milliseconds limit{30000};
    bool isColdCache = false;
    bool isVerbose = false;
    // Builds of the program to compare, each with its modules folder
    // beside it; the one built with this benchmark when none is given.
    std::vector<std::string> programs;
};

struct Subject {
    std::string name;
    std::string program;
};

struct Sample {
    double mapped = 0;       // ms after launch
    double lastRepaint = 0;  // ms after launch
    double peakRss = 0;      // MiB
};

struct Results {
    std::vector<Sample> samples;
    int failures = 0;
};

double millisecondsBetween(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}

double median(std::vector<double> values) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// A child that did not end on SIGTERM within five seconds gets SIGKILL.
// Returns its peak resident memory in MiB.
double endChild(pid_t child) {
    kill(child, SIGTERM);
    rusage usage{};
    int status = 0;
    const Clock::time_point asked = Clock::now();
    while (wait4(child, &status, WNOHANG, &usage) == 0) {
        if (Clock::now() - asked > std::chrono::seconds(5)) {
            kill(child, SIGKILL);
            wait4(child, &status, 0, &usage);
            break;
        }
        std::this_thread::sleep_for(milliseconds(5));
    }
    return double(usage.ru_maxrss) / 1024.0;
}

// Starts Xvfb on a display number it picks itself; returns its pid and
// the display name, or nothing.
std::optional<std::pair<pid_t, std::string>> startXvfb() {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) return std::nullopt;
    const pid_t server = fork();
    if (server == 0) {
        dup2(pipeEnds[1], 3);
        const int quiet = open("/dev/null", O_WRONLY);
        dup2(quiet, 1);
        dup2(quiet, 2);
        execlp("Xvfb", "Xvfb", "-displayfd", "3", "-screen", "0", "1280x1024x24", "-nolisten",
               "tcp", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(pipeEnds[1]);
    std::string number;
    char character = 0;
    while (read(pipeEnds[0], &character, 1) == 1 && character != '\n') number += character;
    close(pipeEnds[0]);
    if (server < 0 || number.empty()) return std::nullopt;
    return std::make_pair(server, ":" + number);
}

// A folder holding the program (a hard link, or a copy across file
// systems) and a copy of the modules folder beside it, with the animation
// switch set.
bool layProgramFolder(const fs::path& folder, const fs::path& program, bool isAnimationOn) {
    std::error_code error;
    fs::create_directories(folder, error);
    const fs::path placed = folder / program.filename();
    fs::create_hard_link(program, placed, error);
    if (error && !fs::copy_file(program, placed, error)) return false;
    fs::copy(program.parent_path() / "modules", folder / "modules", fs::copy_options::recursive,
             error);
    if (error) return false;
    QSettings config(QString::fromStdString((folder / "modules/setting/apConfig.bin").string()),
                     QSettings::IniFormat);
    config.setValue("common/3", isAnimationOn ? "0" : "1");
    config.sync();
    return config.status() == QSettings::NoError;
}

// One start: launch, follow the display until the window settles, end the
// program and collect its memory. Nothing when it never showed a window.
std::optional<Sample> runOnce(DisplayWatch& watch, const Subject& subject,
                              const std::string& displayName, const fs::path& cacheFolder,
                              const fs::path& logFile, const Options& options) {
    const Clock::time_point launch = Clock::now();
    const pid_t child = fork();
    if (child < 0) return std::nullopt;
    if (child == 0) {
        setenv("DISPLAY", displayName.c_str(), 1);
        setenv("QT_QPA_PLATFORM", "xcb", 1);
        setenv("Q4CONFIG_DEVICE", "emulated", 1);
        setenv("XDG_CACHE_HOME", cacheFolder.c_str(), 1);
        const int log = open(logFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        dup2(log, 1);
        dup2(log, 2);
        execl(subject.program.c_str(), subject.program.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    const DisplayWatch::Observation seen =
        watch.follow(child, launch, options.quiet, options.limit);
    const double peakRss = endChild(child);
    if (!seen.mapped || !seen.isSettled) {
        // Kept for a look: the next start of this subject writes the log anew.
        const fs::path kept = logFile.string() + ".failed";
        std::error_code error;
        fs::copy_file(logFile, kept, fs::copy_options::overwrite_existing, error);
        std::fprintf(stderr, "%s: %s; its output: %s\n", subject.name.c_str(),
                     seen.hasExited ? "ended by itself"
                     : seen.mapped  ? "still drawing at the time limit"
                                    : "no window mapped",
                     kept.c_str());
        return std::nullopt;
    }
    Sample sample;
    sample.mapped = millisecondsBetween(launch, *seen.mapped);
    sample.lastRepaint =
        millisecondsBetween(launch, std::max(*seen.mapped, seen.lastRepaint.value_or(launch)));
    sample.peakRss = peakRss;
    return sample;
}

Options parseOptions(int argc, char* argv[]) {
    Options options;
    for (int index = 1; index < argc; ++index) {
        const std::string argument = argv[index];
        const bool hasValue = index + 1 < argc;
        if (argument == "--runs" && hasValue)
            options.runs = std::max(1, std::atoi(argv[++index]));
        else if (argument == "--quiet" && hasValue)
            options.quiet = milliseconds(std::max(100, std::atoi(argv[++index])));
        else if (argument == "--cold-cache")
            options.isColdCache = true;
        else if (argument == "--verbose")
            options.isVerbose = true;
        else if (argument == "--program" && hasValue)
            options.programs.push_back(argv[++index]);
        else {
            std::fprintf(stderr,
                         "usage: %s [--runs N] [--quiet MS] [--cold-cache] [--verbose]\n       "
                         "[--program PATH]...\n",
                         argv[0]);
            std::exit(2);
        }
    }
    return options;
}

double medianOf(const Results& results, double Sample::*field) {
    std::vector<double> values;
    for (const Sample& sample : results.samples) values.push_back(sample.*field);
    return median(values);
}

void printRow(const std::string& name, const Results& results, const Results& floor) {
    std::printf("%-26s", name.c_str());
    const char* units[] = {"ms", "ms", "MiB"};
    double Sample::*const fields[] = {&Sample::mapped, &Sample::lastRepaint, &Sample::peakRss};
    for (int column = 0; column < 3; ++column) {
        const double value = medianOf(results, fields[column]);
        std::printf(" %8.*f %-3s %5.2fx", column == 2 ? 1 : 0, value, units[column],
                    value / medianOf(floor, fields[column]));
    }
    if (results.failures) std::printf("  (%d runs failed)", results.failures);
    std::printf("\n");
}

}  // namespace

int main(int argc, char* argv[]) {
    const Options options = parseOptions(argc, argv);

    char folderTemplate[] = "/tmp/q4startupbench-XXXXXX";
    if (!mkdtemp(folderTemplate)) {
        std::perror("mkdtemp");
        return 1;
    }
    const fs::path work = folderTemplate;
    std::vector<std::string> programs = options.programs;
    if (programs.empty()) programs.push_back(Q4_PROGRAM);
    std::vector<Subject> subjects{{"bare Qt Quick 1000x600", Q4_BARE_WINDOW}};
    for (std::size_t build = 0; build < programs.size(); ++build) {
        const std::string label =
            (programs.size() > 1 ? "#" + std::to_string(build + 1) + " " : std::string()) +
            "q4config, ";
        for (const bool isAnimationOn : {false, true}) {
            const fs::path folder = work / ("program-" + std::to_string(build) +
                                            (isAnimationOn ? "-animation-on" : "-animation-off"));
            if (!layProgramFolder(folder, programs[build], isAnimationOn)) {
                std::fprintf(stderr, "could not lay %s with %s\n", folder.c_str(),
                             programs[build].c_str());
                return 1;
            }
            subjects.push_back({label + (isAnimationOn ? "animation on" : "animation off"),
                                (folder / fs::path(programs[build]).filename()).string()});
        }
    }

    const auto server = startXvfb();
    if (!server) {
        std::fprintf(stderr, "could not start Xvfb (package xvfb)\n");
        return 1;
    }
    const std::string displayName = server->second;
    int exitCode = 0;
    bool hasFailures = false;
    {
        DisplayWatch watch(displayName);
        if (!watch.isOpen()) {
            std::fprintf(stderr, "cannot watch display %s (no DAMAGE extension?)\n",
                         displayName.c_str());
            kill(server->first, SIGTERM);
            return 1;
        }
        std::vector<Results> results(subjects.size());
        // Round 0 warms the file cache and the QML caches and is not counted.
        // The order turns each round, so no subject always follows another.
        for (int round = 0; round <= options.runs; ++round) {
            for (std::size_t turn = 0; turn < subjects.size(); ++turn) {
                const std::size_t which = (turn + std::size_t(round)) % subjects.size();
                // One cache folder per subject, so builds do not evict each
                // other's compiled QML.
                fs::path cache = work / ("cache-" + std::to_string(which));
                if (options.isColdCache) cache += "-" + std::to_string(round);
                const fs::path log = work / ("last-run-" + std::to_string(which) + ".log");
                const auto sample =
                    runOnce(watch, subjects[which], displayName, cache, log, options);
                if (options.isVerbose && sample)
                    std::fprintf(stderr, "round %d %-26s %6.0f ms %6.0f ms %6.1f MiB\n", round,
                                 subjects[which].name.c_str(), sample->mapped, sample->lastRepaint,
                                 sample->peakRss);
                if (round == 0) continue;
                if (sample)
                    results[which].samples.push_back(*sample);
                else
                    ++results[which].failures;
            }
        }

        std::printf(
            "Start-up on Xvfb, emulated mouse, %d runs each, interleaved; QML cache %s;\n"
            "a repaint is last when nothing is drawn for %lld ms after it. Ratios are to "
            "the bare window.\n\n",
            options.runs, options.isColdCache ? "cold" : "warm",
            static_cast<long long>(options.quiet.count()));
        for (std::size_t build = 0; build < programs.size() && programs.size() > 1; ++build)
            std::printf("#%zu: %s\n", build + 1, programs[build].c_str());
        std::printf("%-26s %19s %19s %19s\n", "", "to window mapped", "to last repaint",
                    "peak RSS");
        for (std::size_t which = 0; which < subjects.size(); ++which) {
            printRow(subjects[which].name, results[which], results[0]);
            hasFailures = hasFailures || results[which].failures > 0;
            if (results[which].samples.empty()) {
                std::fprintf(stderr, "%s never settled; its last output: %s/last-run-%zu.log\n",
                             subjects[which].name.c_str(), work.c_str(), which);
                exitCode = 1;
            }
        }
    }
    kill(server->first, SIGTERM);
    waitpid(server->first, nullptr, 0);
    // A failed start's output stays for a look.
    if (exitCode == 0 && !hasFailures) fs::remove_all(work);
    return exitCode;
}
