// The built program, run as the user runs it: separate processes on an X
// display, driven by keys.
#include "tests/support/QtPrinters.h"
#include "tests/support/RealProgram.h"
#include "web/Settings.h"
#include "web/modHelp.h"

#include <QSettings>
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
