// Random keys, clicks and text on the program's windows under openbox, as a
// hurried user (or a cat) would give them. Whenever the program ends it is
// started again. It must never crash, never write anything (a sanitizer's
// report included), and never stay alive without a window it shows.
#include "tests/support/Openbox.h"
#include "tests/support/QtPrinters.h"
#include "tests/support/RealProgram.h"

#include <memory>
#include <random>

namespace {

const QStringList kKeys{
    QStringLiteral("Tab"),    QStringLiteral("shift+Tab"), QStringLiteral("Return"), QStringLiteral("space"),
    QStringLiteral("Escape"), QStringLiteral("alt+g"),     QStringLiteral("alt+b"),  QStringLiteral("alt+o"),
    QStringLiteral("alt+x"),  QStringLiteral("alt+n"),     QStringLiteral("alt+f"),  QStringLiteral("alt+h"),
    QStringLiteral("alt+d"),  QStringLiteral("Down"),      QStringLiteral("Up"),     QStringLiteral("Right"),
    QStringLiteral("alt+F4"), QStringLiteral("ctrl+a"),    QStringLiteral("ctrl+c"), QStringLiteral("ctrl+v"),
    QStringLiteral("BackSpace"), QStringLiteral("Delete"), QStringLiteral("Home"),   QStringLiteral("End")};
// Short: every letter missing from the keyboard map has xdotool change the
// map, and openbox takes a while over each change.
const QStringList kTexts{QStringLiteral("Ana"),   QStringLiteral("محمد"), QStringLiteral("Zoë"),
                         QStringLiteral("a b"),   QStringLiteral("x@y.z"), QStringLiteral("  "),
                         QStringLiteral("<b>&"), QStringLiteral("ñandú")};

// Every window of the process, shown or not.
QStringList AllWindows(const RealProgram& program) {
    return Xdotool({QStringLiteral("search"), QStringLiteral("--pid"), QString::number(program.Pid()),
                    QStringLiteral("--name"), QStringLiteral(".")})
        .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

// Brings back windows the events minimised, as a task bar would let the
// user do.
void RestoreMinimised(const RealProgram& program) {
    for (const QString& window : AllWindows(program)) {
        if (RunTool(QStringLiteral("xprop"), {QStringLiteral("-id"), window, QStringLiteral("WM_STATE")})
                .contains(QStringLiteral("Iconic"))) {
            Xdotool({QStringLiteral("windowactivate"), window});
        }
    }
}

// Whether the process shows a window within a while (a hand-over between
// windows, or a restore, takes a moment), or has ended meanwhile.
bool ShowsAWindowOrEnds(RealProgram& program) {
    RestoreMinimised(program);
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 15000) {
        if (!program.Running() || !program.Windows(QStringLiteral(".")).isEmpty()) return true;
        QThread::msleep(100);
    }
    return false;
}

class RandomRun {
public:
    RandomRun(const ProgramHome& home, const QString& folder) : home_(home), folder_(folder) { Start(); }

    // One event: a key, some text or a click.
    void Event(std::mt19937& random) {
        const double kind = std::uniform_real_distribution<double>(0, 1)(random);
        if (kind < 0.55) {
            if (Xdotool({QStringLiteral("getactivewindow")}).isEmpty()) {
                const QStringList shown = program_->Windows(QStringLiteral("."));
                if (!shown.isEmpty()) Xdotool({QStringLiteral("windowactivate"), shown.last()});
            }
            Xdotool({QStringLiteral("key"), QStringLiteral("--clearmodifiers"), Pick(kKeys, random)});
        } else if (kind < 0.75) {
            Xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("5"), Pick(kTexts, random)});
        } else {
            // Where the windows stand, around the middle of the 1280 x 1024 screen.
            const int x = std::uniform_int_distribution<int>(280, 1000)(random);
            const int y = std::uniform_int_distribution<int>(220, 800)(random);
            Xdotool({QStringLiteral("mousemove"), QString::number(x), QString::number(y), QStringLiteral("click"),
                     QStringLiteral("1")});
        }
        QThread::msleep(50);
    }

    // Starts the program again when it has ended, after checking how it ended.
    void RestartIfEnded() {
        if (program_->Running()) return;
        ExpectCleanEnd();
        Start();
    }

    RealProgram& Program() { return *program_; }

    // Ends the run as the desktop does at logout.
    void Finish() {
        if (program_->Running()) {
            ::kill(static_cast<pid_t>(program_->Pid()), SIGTERM);
            ASSERT_TRUE(program_->WaitForExit(15000)) << "did not end on SIGTERM";
        }
        ExpectCleanEnd();
    }

private:
    static QString Pick(const QStringList& list, std::mt19937& random) {
        return list[std::uniform_int_distribution<qsizetype>(0, list.size() - 1)(random)];
    }

    void Start() {
        program_ = std::make_unique<RealProgram>(home_.Environment(),
                                                 Launch{.keepOutput = true, .workingDirectory = folder_});
        ASSERT_FALSE(program_->WaitForWindow(kWindowTitle).isEmpty()) << "no main window";
    }

    void ExpectCleanEnd() {
        EXPECT_EQ(program_->ExitStatus(), QProcess::NormalExit) << "crashed";
        EXPECT_EQ(program_->ExitCode(), 0);
        EXPECT_EQ(program_->Output(), QString());
    }

    const ProgramHome& home_;
    QString folder_;
    std::unique_ptr<RealProgram> program_;
};

}  // namespace

TEST(RandomUse, KeysClicksAndTextNeverCrashSpeakOrLeaveARunWithoutAWindow) {
    const Openbox manager;
    ProgramHome home;
    // Where the file dialog starts: whatever the keys do there (Delete
    // included) happens to these files only.
    QTemporaryDir folder;
    for (const char* name : {"a.num", "b.txt"}) {
        QFile file(folder.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    for (const unsigned seed : {1u, 2u, 3u}) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        std::mt19937 random(seed);
        RandomRun run(home, folder.path());
        for (int event = 1; event <= 120 && !HasFatalFailure(); ++event) {
            run.RestartIfEnded();
            run.Event(random);
            if (event % 20 == 0) {
                ASSERT_TRUE(ShowsAWindowOrEnds(run.Program())) << "alive with no visible window after event " << event;
            }
        }
        run.Finish();
        Xdotool({QStringLiteral("key"), QStringLiteral("--clearmodifiers"), QStringLiteral("Escape")});
    }
}
