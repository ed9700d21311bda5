#include "startup/Startup.h"

#include "engine/Random.h"
#include "web/UpdateReminder.h"
#include "windows/shared/Forms.h"
#include "windows/shared/MessageBox.h"
#include "windows/shared/Quit.h"
#include "windows/shared/SilentStep.h"
#include "windows/frmMain.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLockFile>
#include <QPixmapCache>
#include <QSocketNotifier>
#include <QStandardPaths>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <mutex>

#ifdef Q_OS_UNIX
#include <csignal>
#include <fcntl.h>
#include <unistd.h>
#endif

// Heap tuning where the C library offers it (glibc); elsewhere the system's
// defaults serve.
#if __has_include(<malloc.h>)
#include <malloc.h>
#endif

std::int16_t intCoBrandRandomNumber = 0;

SingleInstance::SingleInstance(const QString& lockPath) : lock_(std::make_unique<QLockFile>(lockPath)) {
    // A live instance may hold the lock for days: only a dead owner makes
    // it stale, never its age.
    lock_->setStaleLockTime(0);
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::Acquire() {
    if (lock_->tryLock(0)) return true;
    return lock_->error() != QLockFile::LockFailedError;
}

QString SingleInstance::DefaultLockPath() {
    // The runtime folder is the user's own, so another user's instance does
    // not count; the executable's name tells programs apart.
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) folder = QDir::tempPath();
    const QString program = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    return folder + QStringLiteral("/") + (program.isEmpty() ? QStringLiteral("kvyaxkelen") : program) +
           QStringLiteral(".lock");
}

ProgramName::ProgramName(int count, char* arguments[]) {
    static char fallback[] = "kvyaxkelen";
    argv[0] = count > 0 && arguments[0] ? arguments[0] : fallback;
}

namespace {

// What Qt said while it set up the window system, kept in case that fails:
// its first specific reason (a display it could not reach), and its first
// word on the platform plugin, which is the only reason when the plugin
// itself is missing.
struct Reasons {
    std::mutex mutex;
    QString specific;
    QString plugin;
};

Reasons& reasons() {
    static Reasons kept;
    return kept;
}

QString named(const char* variable) {
    const QByteArray value = qgetenv(variable);
    return value.isEmpty() ? QStringLiteral("%1 is not set").arg(QLatin1String(variable))
                           : QStringLiteral("%1=%2").arg(QLatin1String(variable), QString::fromLocal8Bit(value));
}

// The window system the program was asked for.
QString platformTried() {
    const QString platform =
        qEnvironmentVariable("QT_QPA_PLATFORM").section(QLatin1Char(';'), 0, 0).section(QLatin1Char(':'), 0, 0);
    return platform.isEmpty() ? QStringLiteral("xcb") : platform;
}

// The display that could not be reached, in words.
QString displayTried() {
    const QString platform = platformTried();
    if (platform.startsWith(QLatin1String("wayland"))) {
        return QStringLiteral("no Wayland compositor to show its windows on (%1)").arg(named("WAYLAND_DISPLAY"));
    }
    if (platform == QLatin1String("xcb")) {
        return QStringLiteral("no X display to show its windows on (%1)").arg(named("DISPLAY"));
    }
    return QStringLiteral("the window system \"%1\" could not be started").arg(platform);
}

// The platform plugin that is not there, in words.
QString pluginMissing() {
    const QString platform = platformTried();
    QString text = QStringLiteral("Qt has no \"%1\" platform plugin here").arg(platform);
    if (platform.startsWith(QLatin1String("wayland"))) text += QStringLiteral(" (the package qt6-wayland brings it)");
    return text;
}

// Says in a line or two why the program cannot start, and ends it as a
// failed run: Qt's own verdict (abort, with advice to reinstall) would
// mislead.
[[noreturn]] void cannotStart() {
    QString first;
    QString verdict;
    {
        Reasons& said = reasons();
        const std::lock_guard lock(said.mutex);
        if (!said.specific.isEmpty()) {
            // Qt reached its plugin, which could not reach the display.
            first = said.specific;
            verdict = displayTried();
        } else if (!said.plugin.isEmpty()) {
            first = said.plugin;
            verdict = pluginMissing();
        } else {
            verdict = displayTried();
        }
    }
    if (!first.isEmpty()) std::fprintf(stderr, "kvyaxkelen: %s\n", qPrintable(first));
    std::fprintf(stderr, "kvyaxkelen: cannot start: %s\n", qPrintable(verdict));
    std::fflush(stderr);
    std::_Exit(1);
}

void filterMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    // Until Qt has a window system, nothing the user typed exists: what it
    // says then is about the display, and kept in case the start fails.
    if (QGuiApplication::platformName().isEmpty()) {
        if (type == QtFatalMsg) cannotStart();
        Reasons& said = reasons();
        const std::lock_guard lock(said.mutex);
        const bool aboutPlugin = QLatin1String(context.category ? context.category : "") == QLatin1String("qt.qpa.plugin");
        QString& kept = aboutPlugin ? said.plugin : said.specific;
        if (kept.isEmpty()) kept = message.trimmed();
        return;
    }
    // Once running, only a fatal error is reported: its text is Qt's, never
    // the user's.
    if (type == QtFatalMsg) std::fprintf(stderr, "kvyaxkelen: %s\n", qPrintable(message));
}

}  // namespace

void SilenceDiagnostics() { qInstallMessageHandler(filterMessage); }

#ifdef Q_OS_UNIX
namespace {

// The signal handler only writes the signal's number into a pipe; the
// event loop reads it and ends the run.
int signalPipe[2] = {-1, -1};

void onSignal(int number) {
    const char byte = static_cast<char>(number);
    [[maybe_unused]] const ssize_t written = ::write(signalPipe[1], &byte, 1);
}

constexpr int kEndingSignals[] = {SIGTERM, SIGINT, SIGHUP};

}  // namespace

QuitOnSignals::QuitOnSignals() {
    if (::pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0) return;
    notifier_ = std::make_unique<QSocketNotifier>(signalPipe[0], QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, notifier_.get(), [] {
        char received[16];
        while (::read(signalPipe[0], received, sizeof received) > 0) {
        }
        QuitApplication();
    });
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int number : kEndingSignals) sigaction(number, &action, nullptr);
}

QuitOnSignals::~QuitOnSignals() {
    if (signalPipe[0] < 0) return;
    for (const int number : kEndingSignals) std::signal(number, SIG_DFL);
    notifier_.reset();
    ::close(signalPipe[0]);
    ::close(signalPipe[1]);
    signalPipe[0] = signalPipe[1] = -1;
}
#else
QuitOnSignals::QuitOnSignals() = default;
QuitOnSignals::~QuitOnSignals() = default;
#endif

void TuneProcessMemory() {
#if defined(M_MMAP_THRESHOLD) && defined(M_TRIM_THRESHOLD)
    mallopt(M_MMAP_THRESHOLD, 16 * 1024 * 1024);
    mallopt(M_TRIM_THRESHOLD, 32 * 1024 * 1024);
#endif
    QPixmapCache::setCacheLimit(1024);  // KiB; the glyph pictures are kept elsewhere
}

StartupResult StartupSequence(SingleInstance& instance, void (*mark)(const char* step)) {
    const auto done = [mark](const char* step) {
        if (mark) mark(step);
    };
    if (!instance.Acquire()) {
        ShowMessage(QCoreApplication::translate("Startup", "Application is already running"), MessageIcon::Information);
        QuitApplication();
        return StartupResult::AlreadyRunning;
    }
    done("lock");
    RunStep([] { Random::SeedFromClock(); });
    done("seed");
    RunStep([] { modHelp::UpdateReminder(); });
    done("reminder");
    if (ApplicationEnded()) return StartupResult::Ended;  // ended while the question was up
    frmMain* window = nullptr;
    RunStep([&window] { window = &Forms::Load<frmMain>(); });
    done("window");
    // Without its main window the run could neither go on nor be ended by
    // the user: it ends now instead of holding the lock unseen.
    if (!window || !RunStep([window] { window->show(); }) || !window->isVisible()) {
        QuitApplication();
        return StartupResult::Failed;
    }
    done("shown");
    RunStep([] { CoBrand_Randomize(); });
    done("sponsor");
    return StartupResult::Running;
}

void CoBrand_Randomize() {
    const float r = Random::Next();
    const auto n = static_cast<std::int16_t>(std::floor(static_cast<double>(r) * 6.0) + 1);
    intCoBrandRandomNumber = n;
    frmMain& window = Forms::Load<frmMain>();
    window.ShowSponsor(n % 2 == 1 ? window.lblCobrand : window.lblFullBrand);
}
