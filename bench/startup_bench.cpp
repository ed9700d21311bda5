// Start-up of the program beside the least Qt window in its place: each is
// started in turn, timed from the spawn to the main window's first expose
// (mapped on the display) and first paint, and its peak memory (maximum
// resident set) is taken when it has ended. Then the program's start-up
// step by step. Prints JSON.
//
// usage: startup_bench [runs] [busy processes]
// With busy processes, as many processes of its own keep the cores busy
// meanwhile (as a build or a browser does), and are stopped at the end.
#include "bench/MonotonicClock.h"
#include "web/DateTimeText.h"
#include "web/Settings.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <csignal>
#include <fcntl.h>
#include <map>
#include <spawn.h>
#include <sstream>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

// The marks a start printed ("<name> <ns>" or "step <name> <ns>"), as
// milliseconds after the program was spawned, and its peak memory.
struct Run {
    std::vector<std::pair<std::string, double>> marks;
    double peakMiB = 0;

    double at(const std::string& name) const {
        for (const auto& [mark, ms] : marks) {
            if (mark == name) return ms;
        }
        return 0;
    }
};

// Starts the program, reads its marks, waits for its end.
Run runOnce(const std::string& program) {
    int out[2];
    if (pipe(out) != 0) return {};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    std::vector<char*> argv{const_cast<char*>(program.c_str()), nullptr};
    const long long start = MonotonicNs();
    pid_t pid = 0;
    if (posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ) != 0) return {};
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    std::string text;
    char buffer[256];
    for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) > 0;) text.append(buffer, static_cast<size_t>(n));
    close(out[0]);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    Run run;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind("step ", 0) == 0) line = line.substr(5);
        const auto blank = line.rfind(' ');
        if (blank == std::string::npos) continue;
        run.marks.emplace_back(line.substr(0, blank),
                               static_cast<double>(std::stoll(line.substr(blank + 1)) - start) / 1e6);
    }
    run.peakMiB = static_cast<double>(usage.ru_maxrss) / 1024.0;
    return run;
}

// Processes that do nothing but keep a core busy, at the ordinary priority,
// until the object goes.
class BusyMachine {
public:
    explicit BusyMachine(int processes) {
        for (int i = 0; i < processes; ++i) {
            const pid_t pid = fork();
            if (pid == 0) {
                volatile unsigned long spin = 0;
                for (;;) spin = spin + 1;
            }
            if (pid > 0) pids_.push_back(pid);
        }
    }
    ~BusyMachine() {
        for (const pid_t pid : pids_) kill(pid, SIGKILL);
        for (const pid_t pid : pids_) waitpid(pid, nullptr, 0);
    }
    BusyMachine(const BusyMachine&) = delete;
    BusyMachine& operator=(const BusyMachine&) = delete;

private:
    std::vector<pid_t> pids_;
};

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QString folder = QCoreApplication::applicationDirPath();
    const std::string program = (folder + QStringLiteral("/kv_startup_probe")).toStdString();
    const std::string bare = (folder + QStringLiteral("/bare_window_probe")).toStdString();
    const std::string steps = (folder + QStringLiteral("/kv_startup_steps")).toStdString();
    const int runs = argc > 1 ? std::atoi(argv[1]) : 20;
    const int busyProcesses = argc > 2 ? std::atoi(argv[2]) : 0;

    // A user who has run the program before and was asked recently: the
    // start reads its setting and asks nothing.
    QTemporaryDir home;
    // The runtime folder lives in memory, as a desktop session's does
    // (/run/user/<uid>); on a disk the lock file's sync would be timed too.
    QTemporaryDir runtime(QFileInfo(QStringLiteral("/dev/shm")).isWritable()
                              ? QStringLiteral("/dev/shm/kv-bench-XXXXXX")
                              : QDir::tempPath() + QStringLiteral("/kv-bench-XXXXXX"));
    QFile::setPermissions(runtime.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    {
        for (const char* file : {"config/kv_startup_probe.conf", "config/kv_startup_steps.conf"}) {
            QSettings settings(home.filePath(QString::fromLatin1(file)), QSettings::IniFormat);
            settings.setValue(QStringLiteral("Settings/") + modHelp::EncodeSettingText(QStringLiteral("Duration")),
                              modHelp::EncodeSettingText(modHelp::DateTimeText(QDateTime::currentDateTime())));
        }
    }
    setenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toLocal8Bit().constData(), 1);
    setenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit().constData(), 1);

    // The program and the bare window alternate, so that whatever else the
    // machine does touches both alike; then the step-by-step start-up.
    const BusyMachine busy(busyProcesses);
    std::map<std::string, std::vector<double>> figures;
    for (int i = 0; i < runs + 2; ++i) {
        const Run a = runOnce(program);
        const Run b = runOnce(bare);
        // A start that never painted (no display, a crash) has no figures.
        for (const Run* run : {&a, &b}) {
            if (run->at("painted") <= 0) {
                std::fprintf(stderr, "a start never painted its window\n");
                return 1;
            }
        }
        if (i < 2) continue;  // warm the file cache
        figures["program_map"].push_back(a.at("exposed"));
        figures["program_paint"].push_back(a.at("painted"));
        figures["program_mib"].push_back(a.peakMiB);
        figures["bare_map"].push_back(b.at("exposed"));
        figures["bare_paint"].push_back(b.at("painted"));
        figures["bare_mib"].push_back(b.peakMiB);
    }
    std::vector<std::string> stepNames;
    std::map<std::string, std::vector<double>> stepMs;
    for (int i = 0; i < runs + 2; ++i) {
        const Run run = runOnce(steps);
        if (i < 2) continue;
        double previous = 0;
        for (const auto& [name, ms] : run.marks) {
            if (i == 2) stepNames.push_back(name);
            stepMs[name].push_back(ms - previous);
            previous = ms;
        }
    }
    const auto figure = [&](const char* name) { return median(figures[name]); };
    const auto ratio = [&](const char* program, const char* bare) {
        return figure(bare) > 0 ? figure(program) / figure(bare) : 0;
    };
    std::printf("{\"map_ms\": {\"program\": %.1f, \"bare\": %.1f, \"ratio\": %.2f}, "
                "\"startup_ms\": {\"program\": %.1f, \"bare\": %.1f, \"ratio\": %.2f}, "
                "\"peak_mib\": {\"program\": %.1f, \"bare\": %.1f, \"ratio\": %.2f}, \"runs\": %d, \"steps\": [",
                figure("program_map"), figure("bare_map"), ratio("program_map", "bare_map"), figure("program_paint"),
                figure("bare_paint"), ratio("program_paint", "bare_paint"), figure("program_mib"), figure("bare_mib"),
                ratio("program_mib", "bare_mib"), runs);
    for (std::size_t i = 0; i < stepNames.size(); ++i) {
        std::printf("%s{\"step\": \"%s\", \"ms\": %.2f}", i ? ", " : "", stepNames[i].c_str(),
                    median(stepMs[stepNames[i]]));
    }
    std::printf("]}\n");
    return 0;
}
