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
#include <QLockFile>
#include <QPixmapCache>
#include <QStandardPaths>

#include <cmath>
#include <cstdio>

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

void SilenceDiagnostics() {
#ifdef NDEBUG
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type == QtFatalMsg) std::fprintf(stderr, "%s\n", qPrintable(message));
    });
#endif
}

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
    RunStep([] { Forms::Load<frmMain>().show(); });
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
    if (n % 2 == 1) {
        window.lblCobrand->raise();
    } else {
        window.lblFullBrand->raise();
    }
}
