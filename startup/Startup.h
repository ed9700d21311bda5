#pragma once
// From process start until the main window runs: one instance per user, the
// random generator seeded, the update reminder, the main window and the
// sponsor caption.

#include <QString>

#include <array>
#include <cstdint>
#include <memory>

class QLockFile;
class QSocketNotifier;

// Holds the per-user lock that marks a running instance, for as long as the
// object lives. A lock left behind by a crashed or killed run is taken over.
class SingleInstance {
public:
    // The lock lives in the user's runtime folder unless a path is given.
    explicit SingleInstance(const QString& lockPath = DefaultLockPath());
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // False only when another instance of this user holds the lock. When the
    // lock cannot be made at all (no writable place), the program runs:
    // better two instances than none.
    bool Acquire();

    static QString DefaultLockPath();

private:
    std::unique_ptr<QLockFile> lock_;
};

// The argument list handed to Qt: the program's name and nothing else. It
// lives as long as the application object, as Qt requires.
struct ProgramName {
    ProgramName(int argc, char* argv[]);
    int argc = 1;
    std::array<char*, 2> argv{};
};

// Keeps Qt's diagnostics out of every run, however it was built: the
// program logs nothing, and some of them (a browser launch that failed)
// would carry the page address with what the user typed into the referral
// form. Only when the program cannot start at all (no display, no
// compositor) does it say why, in a line or two, and end with status 1
// rather than abort: nothing has been typed by then.
void SilenceDiagnostics();

// Ends the run cleanly on SIGTERM (the desktop logging out, kill), SIGINT
// and SIGHUP: QuitApplication runs, without the exit screen, and the lock
// goes with the instance. Lives as long as the application object.
class QuitOnSignals {
public:
    QuitOnSignals();
    ~QuitOnSignals();
    QuitOnSignals(const QuitOnSignals&) = delete;
    QuitOnSignals& operator=(const QuitOnSignals&) = delete;

private:
    std::unique_ptr<QSocketNotifier> notifier_;
};

// Process settings, made once the application exists. Large freed buffers (every
// window brings image buffers of a megabyte or more, and readings come and
// go) stay in the heap for the next window instead of going back to the
// system, which spares re-faulting them on every Next and Back. And Qt's
// pixmap cache, where the style keeps pictures of controls under each new
// window's palette, is kept small, so that memory does not creep up by
// ten megabytes over the first hundred readings.
void TuneProcessMemory();

// How the start-up sequence ended.
enum class StartupResult {
    Running,         // the main window is up and the run goes on
    AlreadyRunning,  // another instance runs: the user was told, nothing else happened
    Ended,           // the run was ended meanwhile (a signal while the question was up)
    Failed,          // the main window could not be shown: the run ends as a failed start
};

// The start-up sequence: one instance, the generator seeded, the update
// reminder, the main window and the sponsor caption. `mark`, when given, is
// told each step's name as it is done.
StartupResult StartupSequence(SingleInstance& instance, void (*mark)(const char* step) = nullptr);

// Takes one value from the random generator and brings one of the main
// window's two sponsor captions to the front: the co-brand caption for an
// odd number, the fully-branded one for an even number.
void CoBrand_Randomize();

// The number CoBrand_Randomize drew (1 to 6); 0 before it ran.
extern std::int16_t intCoBrandRandomNumber;
