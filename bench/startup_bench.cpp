// Start-up of the program beside a bare Qt window: each is started in turn,
// from exec to the first paint of its main window, and its peak memory
// (maximum resident set) is taken when it has ended. Prints JSON.
#include "web/DateTimeText.h"
#include "web/Settings.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QSettings>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

struct Run {
    double ms = 0;
    double peakMiB = 0;
};

long long monotonicNs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

// Starts the program, reads "painted <ns>" from it, waits for its end.
Run runOnce(const std::string& program) {
    int out[2];
    if (pipe(out) != 0) return {};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    std::vector<char*> argv{const_cast<char*>(program.c_str()), nullptr};
    const long long start = monotonicNs();
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
    const auto at = text.find("painted ");
    if (at != std::string::npos) run.ms = static_cast<double>(std::stoll(text.substr(at + 8)) - start) / 1e6;
    run.peakMiB = static_cast<double>(usage.ru_maxrss) / 1024.0;
    return run;
}

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
    const int runs = argc > 1 ? std::atoi(argv[1]) : 20;

    // A user who has run the program before and was asked recently: the
    // start reads its setting and asks nothing.
    QTemporaryDir home;
    QDir().mkpath(home.filePath(QStringLiteral("runtime")));
    QFile::setPermissions(home.filePath(QStringLiteral("runtime")),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    {
        QSettings settings(home.filePath(QStringLiteral("config/kv_startup_probe.conf")), QSettings::IniFormat);
        settings.setValue(QStringLiteral("Settings/") + modHelp::EncodeSettingText(QStringLiteral("Duration")),
                          modHelp::EncodeSettingText(modHelp::DateTimeText(QDateTime::currentDateTime())));
    }
    setenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toLocal8Bit().constData(), 1);
    setenv("XDG_RUNTIME_DIR", home.filePath(QStringLiteral("runtime")).toLocal8Bit().constData(), 1);

    std::vector<double> programMs, bareMs, programMiB, bareMiB;
    for (int i = 0; i < runs + 2; ++i) {
        const Run a = runOnce(program);
        const Run b = runOnce(bare);
        if (i < 2) continue;  // warm the file cache
        programMs.push_back(a.ms);
        programMiB.push_back(a.peakMiB);
        bareMs.push_back(b.ms);
        bareMiB.push_back(b.peakMiB);
    }
    const double pMs = median(programMs), bMs = median(bareMs), pMiB = median(programMiB), bMiB = median(bareMiB);
    std::printf("{\"startup_ms\": {\"program\": %.1f, \"bare\": %.1f, \"ratio\": %.2f}, "
                "\"peak_mib\": {\"program\": %.1f, \"bare\": %.1f, \"ratio\": %.2f}, \"runs\": %d}\n",
                pMs, bMs, bMs > 0 ? pMs / bMs : 0, pMiB, bMiB, bMiB > 0 ? pMiB / bMiB : 0, runs);
    return 0;
}
