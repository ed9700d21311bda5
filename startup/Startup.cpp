#include "startup/Startup.h"

#include "engine/Random.h"
#include "web/UpdateReminder.h"
#include "web/frmNagScreen2.h"
#include "windows/Controls.h"
#include "windows/Forms.h"
#include "windows/MessageBox.h"
#include "windows/SilentStep.h"
#include "windows/frmMain.h"
#include "windows/frmMayanTarotResult.h"

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

namespace {

bool& quitStarted() {
    static bool started = false;
    return started;
}

ProcessEnder& ender() {
    static ProcessEnder current = EndEventLoop;
    return current;
}

}  // namespace

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

// The first thing Qt said while it set up the window system: should that
// fail, it is the reason.
struct FirstReason {
    std::mutex mutex;
    QString line;
};

FirstReason& firstReason() {
    static FirstReason reason;
    return reason;
}

// The display the window system was asked for, in words.
QString displayTried() {
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    const auto named = [](const char* variable) {
        const QByteArray value = qgetenv(variable);
        return value.isEmpty() ? QStringLiteral("%1 is not set").arg(QLatin1String(variable))
                               : QStringLiteral("%1=%2").arg(QLatin1String(variable), QString::fromLocal8Bit(value));
    };
    if (platform.startsWith("wayland")) {
        return QStringLiteral("no Wayland compositor to show its windows on (%1)").arg(named("WAYLAND_DISPLAY"));
    }
    if (platform.isEmpty() || platform.startsWith("xcb")) {
        return QStringLiteral("no X display to show its windows on (%1)").arg(named("DISPLAY"));
    }
    return QStringLiteral("the window system \"%1\" could not be started").arg(QString::fromLocal8Bit(platform));
}

// Says in a line or two why the program cannot start, and ends it as a
// failed run: Qt's own verdict (abort, with advice to reinstall) would
// mislead.
[[noreturn]] void cannotStart() {
    {
        FirstReason& said = firstReason();
        const std::lock_guard lock(said.mutex);
        if (!said.line.isEmpty()) std::fprintf(stderr, "kvyaxkelen: %s\n", qPrintable(said.line));
    }
    std::fprintf(stderr, "kvyaxkelen: cannot start: %s\n", qPrintable(displayTried()));
    std::fflush(stderr);
    std::_Exit(1);
}

void filterMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    // Until Qt has a window system, nothing the user typed exists: what it
    // says then is about the display, and kept in case the start fails.
    if (QGuiApplication::platformName().isEmpty()) {
        if (type == QtFatalMsg) cannotStart();
        // Qt's "could not load the platform plugin" only repeats the failure.
        if (QLatin1String(context.category ? context.category : "") == QLatin1String("qt.qpa.plugin")) return;
        FirstReason& said = firstReason();
        const std::lock_guard lock(said.mutex);
        if (said.line.isEmpty()) said.line = message.trimmed();
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

bool StartupSequence(SingleInstance& instance) {
    if (!instance.Acquire()) {
        ShowMessage(QStringLiteral("Application is already running"), MessageIcon::Information);
        QuitApplication();
        return false;
    }
    RunStep([] { Random::SeedFromClock(); });
    RunStep([] { modHelp::UpdateReminder(); });
    if (ApplicationEnded()) return false;  // ended while the question was up
    // Without its main window the run could neither go on nor be ended by
    // the user: it ends now instead of holding the lock unseen.
    if (!RunStep([] { Forms::Show<frmMain>(); }) || !Forms::Loaded<frmMain>()->isVisible()) {
        QuitApplication();
        return false;
    }
    RunStep([] { CoBrand_Randomize(); });
    return true;
}

void QuitApplication() {
    if (quitStarted()) return;
    quitStarted() = true;
    // Each window's own close handling runs; by the time the exit screen
    // calls this, neither working window is loaded any more.
    if (auto* window = Forms::Loaded<frmMain>()) RunStep([window] { window->close(); });
    if (auto* window = Forms::Loaded<frmMayanTarotResult>()) RunStep([window] { window->close(); });
    if (auto* window = Forms::Loaded<frmNagScreen2>()) RunStep([window] { window->close(); });
    ender()();
}

bool ApplicationEnded() { return quitStarted(); }

void SetProcessEnder(ProcessEnder replacement) { ender() = std::move(replacement); }

void EndEventLoop() { QCoreApplication::exit(0); }

void ResetQuitForTesting() { quitStarted() = false; }

void CoBrand_Randomize() {
    const float r = Random::Next();
    const auto n = static_cast<std::int16_t>(std::floor(static_cast<double>(r) * 6.0) + 1);
    intCoBrandRandomNumber = n;
    frmMain& window = Forms::Load<frmMain>();
    window.ShowSponsor(n % 2 == 1 ? window.lblCobrand : window.lblFullBrand);
}
