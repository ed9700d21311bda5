// The built program, run as the user runs it: separate processes on an X
// display, driven by keys.
#include "tests/support/QtPrinters.h"
#include "tests/support/RealProgram.h"
#include "web/Settings.h"
#include "web/modHelp.h"

#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <QUrl>

#include <csignal>

namespace {

// Ends a run the way a user does: File, Exit on the main window, then Exit
// (the focused button) on the exit screen.
void CloseNormally(RealProgram& program) {
    const QString main = program.WaitForWindow(kWindowTitle);
    ASSERT_FALSE(main.isEmpty());
    Keys(main, {QStringLiteral("alt+f"), QStringLiteral("x")});
    // The exit screen carries the same title; it is a new window.
    QString exitScreen;
    for (int i = 0; i < 100 && (exitScreen.isEmpty() || exitScreen == main); ++i) {
        exitScreen = program.WaitForWindow(kWindowTitle, 1000);
        QThread::msleep(50);
    }
    ASSERT_NE(exitScreen, main);
    Keys(exitScreen, {QStringLiteral("space")});
    ASSERT_TRUE(program.WaitForExit());
    EXPECT_EQ(program.ExitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.ExitCode(), 0);
}

}  // namespace

TEST(Program, ASecondStartIsRefusedWhileTheFirstRunsAndLeavesItAlone) {
    ProgramHome home;
    RealProgram first(home);
    const QString firstWindow = first.WaitForWindow(kWindowTitle);
    ASSERT_FALSE(firstWindow.isEmpty());

    RealProgram second(home);
    const QString box = second.WaitForWindow(kMessageTitle);
    ASSERT_FALSE(box.isEmpty()) << "no \"Application is already running\" box";
    EXPECT_TRUE(second.Windows(kWindowTitle).isEmpty());
    Keys(box, {QStringLiteral("Return")});
    ASSERT_TRUE(second.WaitForExit());
    EXPECT_EQ(second.ExitCode(), 0);

    // The first one runs on, untouched; the second wrote and opened nothing.
    EXPECT_TRUE(first.Running());
    EXPECT_EQ(first.Windows(kWindowTitle), QStringList{firstWindow});
    EXPECT_TRUE(home.Opened().isEmpty());
    CloseNormally(first);
}

TEST(Program, AfterANormalEndOrAKillTheNextStartIsAccepted) {
    ProgramHome home;
    {
        RealProgram first(home);
        CloseNormally(first);
    }
    {
        RealProgram second(home);
        ASSERT_FALSE(second.WaitForWindow(kWindowTitle).isEmpty());
        EXPECT_TRUE(second.Windows(kMessageTitle).isEmpty());
        ::kill(static_cast<pid_t>(second.Pid()), SIGKILL);
        second.WaitForExit();
    }
    RealProgram third(home);
    ASSERT_FALSE(third.WaitForWindow(kWindowTitle).isEmpty());
    QThread::msleep(300);
    EXPECT_TRUE(third.Windows(kMessageTitle).isEmpty()) << "a killed run's lock blocked the start";
    CloseNormally(third);
}

TEST(Program, TwoRunsShareTheSettingsAndTheFirstAsksNothing) {
    ProgramHome home;
    {
        RealProgram first(home);
        ASSERT_FALSE(first.WaitForWindow(kWindowTitle).isEmpty());
        EXPECT_TRUE(first.Windows(kMessageTitle).isEmpty());
        CloseNormally(first);
    }
    QSettings stored(home.SettingsFile(), QSettings::IniFormat);
    const QString key = QStringLiteral("Settings/") + modHelp::EncodeSettingText(QStringLiteral("Duration"));
    const QString firstValue = stored.value(key).toString();
    ASSERT_FALSE(firstValue.isEmpty()) << home.SettingsFile().toStdString();
    {
        RealProgram second(home);
        ASSERT_FALSE(second.WaitForWindow(kWindowTitle).isEmpty());
        QThread::msleep(300);
        EXPECT_TRUE(second.Windows(kMessageTitle).isEmpty());
        CloseNormally(second);
    }
    stored.sync();
    EXPECT_EQ(stored.value(key).toString(), firstValue) << "a start without a question wrote the moment again";
    EXPECT_TRUE(home.Opened().isEmpty());
}

TEST(Program, MenuEntriesOpenTheirPagesInTheUsersBrowser) {
    ProgramHome home;
    RealProgram program(home);
    const QString main = program.WaitForWindow(kWindowTitle);
    ASSERT_FALSE(main.isEmpty());
    Keys(main, {QStringLiteral("alt+h"), QStringLiteral("o")});
    Keys(main, {QStringLiteral("alt+d")});
    QElapsedTimer clock;
    clock.start();
    while (home.Opened().size() < 2 && clock.elapsed() < 10000) QThread::msleep(100);
    EXPECT_EQ(home.Opened(), (QStringList{QStringLiteral(KV_PAGE_ADDRESS("help-web-page")),
                                          QStringLiteral(KV_PAGE_ADDRESS("donate"))}));
    CloseNormally(program);
}

TEST(Program, TwoHundredReadingsWithBackInBetweenKeepMemoryFlat) {
    ProgramHome home;
    RealProgram program(home);
    QString window = program.WaitForWindow(kWindowTitle);
    ASSERT_FALSE(window.isEmpty());
    // Only one working window is up at a time: wait for the next one.
    const auto next = [&](const QString& previous) {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 30000) {
            const QStringList windows = program.Windows(kWindowTitle);
            if (windows.size() == 1 && windows.first() != previous) return windows.first();
            QThread::msleep(10);
        }
        return QString();
    };
    qint64 afterTen = 0;
    for (int reading = 1; reading <= 200; ++reading) {
        // The window takes the keyboard before the keys come.
        Xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), window, QStringLiteral("sleep"),
                 QStringLiteral("0.02"), QStringLiteral("key"), QStringLiteral("A"),
                 QStringLiteral("alt+g")});
        const QString result = next(window);
        ASSERT_FALSE(result.isEmpty()) << "reading " << reading;
        Xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), result, QStringLiteral("sleep"),
                 QStringLiteral("0.02"), QStringLiteral("key"), QStringLiteral("alt+b")});
        window = next(result);
        ASSERT_FALSE(window.isEmpty()) << "back " << reading;
        if (reading == 10) afterTen = program.ResidentKiB();
    }
    const qint64 afterTwoHundred = program.ResidentKiB();
#ifndef KV_SANITIZED
    // The sanitizer keeps freed memory in quarantine; elsewhere memory stays flat.
    EXPECT_LE(afterTwoHundred - afterTen, 2 * 1024) << afterTen << " KiB after 10, " << afterTwoHundred << " after 200";
#endif
    std::printf("resident memory: %lld KiB after 10 readings, %lld KiB after 200\n",
                static_cast<long long>(afterTen), static_cast<long long>(afterTwoHundred));
    // Exit: no leak report, no sanitizer error, exit code 0.
    CloseNormally(program);
}

// Faults a user meets. Each time the program works on as usual and shows
// no message of its own.

// A path beneath a plain file: no folder can be made there, even by root.
QString Unmakeable(const QTemporaryDir& scratch, const QString& name) {
    QFile blocker(scratch.filePath(QStringLiteral("blocker")));
    blocker.open(QIODevice::WriteOnly);
    return blocker.fileName() + QStringLiteral("/") + name;
}

// A release build writes nothing anywhere; a debug build may keep Qt's
// diagnostics.
void ExpectNoOutput(RealProgram& program) {
    const QString output = program.Output();
#ifdef NDEBUG
    EXPECT_EQ(output, QString());
#else
    if (!output.isEmpty()) std::printf("debug build's output:\n%s\n", qPrintable(output));
#endif
}

// Starts the program, sees its main window and no message, ends it; it
// writes nothing meanwhile.
void StartsQuietly(const QProcessEnvironment& env, const QStringList& arguments = {}) {
    RealProgram program(env, arguments, true);
    ASSERT_FALSE(program.WaitForWindow(kWindowTitle).isEmpty());
    QThread::msleep(300);
    EXPECT_TRUE(program.Windows(kMessageTitle).isEmpty());
    CloseNormally(program);
    ExpectNoOutput(program);
}

TEST(ProgramFaults, SettingsThatCannotBeWrittenOrDoNotExistYet) {
    ProgramHome home;
    QTemporaryDir scratch;
    QProcessEnvironment env = home.Environment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), Unmakeable(scratch, QStringLiteral("config")));
    StartsQuietly(env);
    const QString missing = scratch.filePath(QStringLiteral("not/there/yet"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), missing);
    StartsQuietly(env);
    EXPECT_TRUE(QFileInfo::exists(missing + QStringLiteral("/kvyaxkelen.conf")));
}

TEST(ProgramFaults, NoBrowserAtAll) {
    ProgramHome home;
    QTemporaryDir emptyPath;
    QProcessEnvironment env = home.Environment();
    env.insert(QStringLiteral("BROWSER"), emptyPath.filePath(QStringLiteral("no-such-browser")));
    env.insert(QStringLiteral("PATH"), emptyPath.path());  // and no xdg-open
    RealProgram program(env, {}, true);
    const QString main = program.WaitForWindow(kWindowTitle);
    ASSERT_FALSE(main.isEmpty());
    Keys(main, {QStringLiteral("alt+h"), QStringLiteral("o")});
    Keys(main, {QStringLiteral("alt+d")});
    QThread::msleep(300);
    EXPECT_TRUE(program.Windows(kMessageTitle).isEmpty());
    // The program goes on: the about window still opens.
    Keys(main, {QStringLiteral("alt+h"), QStringLiteral("a")});
    const QString about = program.WaitForWindowOfWidth(kWindowTitle, 471);  // 7065 twips
    ASSERT_FALSE(about.isEmpty());
    Keys(about, {QStringLiteral("Escape")});

    // A referral that finds no browser either: what the user typed into the
    // form stays private.
    Keys(main, {QStringLiteral("alt+f"), QStringLiteral("x")});
    const QString exitScreen = program.WaitForWindowOfWidth(kWindowTitle, 741);  // 11115 twips
    ASSERT_FALSE(exitScreen.isEmpty());
    SendReferral(exitScreen, QStringLiteral("Ana"), QStringLiteral("ana@example.org"), QStringLiteral("Ben"),
                 QStringLiteral("ben@example.org"));
    QThread::msleep(300);
    EXPECT_TRUE(program.Windows(kMessageTitle).isEmpty());
    Keys(exitScreen, {QStringLiteral("alt+x")});
    ASSERT_TRUE(program.WaitForExit());
    EXPECT_EQ(program.ExitCode(), 0);
    ExpectNoOutput(program);
}

TEST(ProgramFaults, QtsOwnCommandLineOptionsAreNotTaken) {
    // "-platform nosuch" would end the program at once if Qt read it.
    ProgramHome home;
    StartsQuietly(home.Environment(), {QStringLiteral("-platform"), QStringLiteral("nosuch"), QStringLiteral("-reverse"),
                                       QStringLiteral("-style"), QStringLiteral("Windows")});
}

TEST(ProgramFaults, NoPlaceForTheLock) {
    ProgramHome home;
    QTemporaryDir scratch;
    QProcessEnvironment env = home.Environment();
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), Unmakeable(scratch, QStringLiteral("runtime")));
    env.insert(QStringLiteral("TMPDIR"), Unmakeable(scratch, QStringLiteral("tmp")));
    StartsQuietly(env);
}

TEST(ProgramFaults, TwoStartsAtTheSameMomentLeaveOneRunning) {
    ProgramHome home;
    RealProgram first(home);
    RealProgram second(home);
    // One of them shows its main window, the other the notice.
    QElapsedTimer clock;
    clock.start();
    RealProgram* running = nullptr;
    RealProgram* refused = nullptr;
    while (clock.elapsed() < 30000 && !(running && refused)) {
        for (RealProgram* program : {&first, &second}) {
            if (!program->Windows(kWindowTitle).isEmpty()) running = program;
            if (!program->Windows(kMessageTitle).isEmpty()) refused = program;
        }
        QThread::msleep(50);
    }
    ASSERT_NE(running, nullptr);
    ASSERT_NE(refused, nullptr);
    ASSERT_NE(running, refused);
    EXPECT_TRUE(refused->Windows(kWindowTitle).isEmpty());
    Keys(refused->Windows(kMessageTitle).first(), {QStringLiteral("Return")});
    ASSERT_TRUE(refused->WaitForExit());
    EXPECT_EQ(refused->ExitCode(), 0);
    EXPECT_TRUE(running->Running());
    CloseNormally(*running);
}
