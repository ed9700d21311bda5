// The built program, run as the user runs it: separate processes on an X
// display, driven by keys.
#include "tests/support/QtPrinters.h"
#include "tests/support/RealProgram.h"
#include "web/DateTimeText.h"
#include "web/Settings.h"
#include "web/modHelp.h"

#include <QClipboard>
#include <QCryptographicHash>
#include <QDirIterator>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLibraryInfo>
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

// However it was built, the program writes nothing to standard output or
// error while it runs.
void ExpectNoOutput(RealProgram& program) { EXPECT_EQ(program.Output(), QString()); }

// Starts the program, sees its main window and no message, ends it; it
// writes nothing meanwhile.
void StartsQuietly(const QProcessEnvironment& env, const QStringList& arguments = {}) {
    RealProgram program(env, {.arguments = arguments, .keepOutput = true});
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
    RealProgram program(env, {.keepOutput = true});
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

namespace {

QString CopyOfProgram(const QTemporaryDir& folder, const QString& name) {
    const QString copy = folder.filePath(name);
    EXPECT_TRUE(QFile::copy(QStringLiteral(KV_PROGRAM), copy));
    return copy;
}

// A copy of the program whose Qt finds only these of its plugins (paths
// below Qt's plugin folder, such as "platforms/libqxcb.so").
QString CopyWithPluginsOnly(const QTemporaryDir& folder, const QStringList& plugins) {
    const QString program = CopyOfProgram(folder, QStringLiteral("kvyaxkelen"));
    for (const QString& plugin : plugins) {
        const QString link = folder.filePath(QStringLiteral("plugins/") + plugin);
        EXPECT_TRUE(QDir().mkpath(QFileInfo(link).path()));
        EXPECT_TRUE(QFile::link(QLibraryInfo::path(QLibraryInfo::PluginsPath) + QLatin1Char('/') + plugin, link));
    }
    QFile conf(folder.filePath(QStringLiteral("qt.conf")));
    EXPECT_TRUE(conf.open(QIODevice::WriteOnly));
    conf.write("[Paths]\nPlugins = plugins\n");
    return program;
}

}  // namespace

TEST(ProgramFaults, WithoutADisplayItSaysWhyAndEndsWithStatusOne) {
    ProgramHome home;
    QTemporaryDir folder;
    const QString xOnly = CopyWithPluginsOnly(folder, {QStringLiteral("platforms/libqxcb.so")});
    // Each place the program may be told to show its windows: Qt's reason
    // comes first, then what the program makes of it.
    struct Case {
        QProcessEnvironment environment;
        QString program;
        QString reason;
        QString verdict;
    };
    std::vector<Case> cases;
    QProcessEnvironment env = home.Environment();
    env.remove(QStringLiteral("DISPLAY"));
    cases.push_back({env, QStringLiteral(KV_PROGRAM), QStringLiteral("could not connect to display"),
                     QStringLiteral("no X display to show its windows on (DISPLAY is not set)")});
    env.insert(QStringLiteral("DISPLAY"), QStringLiteral(":77"));
    cases.push_back({env, QStringLiteral(KV_PROGRAM), QStringLiteral("could not connect to display :77"),
                     QStringLiteral("no X display to show its windows on (DISPLAY=:77)")});
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("wayland"));
    env.insert(QStringLiteral("WAYLAND_DISPLAY"), QStringLiteral("no-compositor-here"));
    cases.push_back({env, QStringLiteral(KV_PROGRAM), QStringLiteral("Failed to create wl_display"),
                     QStringLiteral("no Wayland compositor to show its windows on (WAYLAND_DISPLAY=no-compositor-here)")});
    // A compositor may well run: what is missing is Qt's Wayland plugin.
    cases.push_back({env, xOnly, QStringLiteral("Could not find the Qt platform plugin \"wayland\""),
                     QStringLiteral("Qt has no \"wayland\" platform plugin here (the package qt6-wayland brings it)")});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.verdict.toStdString());
        RealProgram program(c.environment, {.keepOutput = true, .program = c.program});
        ASSERT_TRUE(program.WaitForExit(10000));
        EXPECT_EQ(program.ExitStatus(), QProcess::NormalExit) << "ended by a signal";
        EXPECT_EQ(program.ExitCode(), 1);
        const QString output = program.Output();
        const QStringList lines = output.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        ASSERT_EQ(lines.size(), 2) << qPrintable(output);
        EXPECT_TRUE(lines[0].startsWith(QStringLiteral("kvyaxkelen: ") + c.reason)) << qPrintable(output);
        EXPECT_EQ(lines[1], QStringLiteral("kvyaxkelen: cannot start: ") + c.verdict);
    }
}

namespace {

// Stores the moment the update reminder last asked, as the program would.
void StoreLastQuestion(const ProgramHome& home, const QDateTime& moment) {
    QSettings stored(home.SettingsFile(), QSettings::IniFormat);
    stored.setValue(QStringLiteral("Settings/") + modHelp::EncodeSettingText(QStringLiteral("Duration")),
                    modHelp::EncodeSettingText(modHelp::DateTimeText(moment)));
}

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
}

// Every file and folder below `folder`, each file with a digest of its bytes.
QStringList Snapshot(const QString& folder) {
    QStringList entries;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString name = QDir(folder).relativeFilePath(path);
        entries << (it.fileInfo().isDir()
                        ? name + QStringLiteral("/")
                        : name + QStringLiteral(" ") +
                              QString::fromLatin1(QCryptographicHash::hash(Contents(path), QCryptographicHash::Md5).toHex()));
    }
    entries.sort();
    return entries;
}

// A copy of the program under another name, in `folder`.
}  // namespace

TEST(ProgramFaults, TermHangUpAndInterruptEndTheRunAndTakeTheLockAlong) {
    // SIGTERM with the main window up, SIGINT with the about window open
    // over it, SIGHUP while the update question waits for an answer.
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        SCOPED_TRACE(signal);
        ProgramHome home;
        if (signal == SIGHUP) StoreLastQuestion(home, QDateTime::currentDateTime().addDays(-20));
        RealProgram program(home.Environment(), {.keepOutput = true});
        if (signal == SIGHUP) {
            ASSERT_FALSE(program.WaitForWindow(kMessageTitle).isEmpty()) << "no update question";
        } else {
            const QString main = program.WaitForWindow(kWindowTitle);
            ASSERT_FALSE(main.isEmpty());
            if (signal == SIGINT) {
                Keys(main, {QStringLiteral("alt+h"), QStringLiteral("a")});
                ASSERT_FALSE(program.WaitForWindowOfWidth(kWindowTitle, 471).isEmpty()) << "no about window";
            }
        }
        const QString lock = home.Runtime() + QStringLiteral("/kvyaxkelen.lock");
        ASSERT_TRUE(QFileInfo::exists(lock));
        const QByteArray storedBefore = Contents(home.SettingsFile());
        ::kill(static_cast<pid_t>(program.Pid()), signal);
        ASSERT_TRUE(program.WaitForExit(10000)) << "still running, the exit screen up?";
        EXPECT_EQ(program.ExitStatus(), QProcess::NormalExit);
        EXPECT_EQ(program.ExitCode(), 0);
        EXPECT_FALSE(QFileInfo::exists(lock));
        EXPECT_TRUE(home.Opened().isEmpty());
        // Nothing is stored on the way out; an unanswered question leaves
        // the moment it asked about as it was.
        EXPECT_EQ(Contents(home.SettingsFile()), storedBefore);
        ExpectNoOutput(program);
    }
}

TEST(ProgramFaults, PicturesThatCannotBeDecodedLeaveBlankBoxesNotAProgramWithoutWindows) {
    // A copy of the program whose Qt finds its window system but no image
    // readers: neither the glyph pictures (JPEG) nor the pointers (ICO)
    // decode.
    ProgramHome home;
    QTemporaryDir folder;
    const QString program = CopyWithPluginsOnly(folder, {QStringLiteral("platforms")});

    RealProgram run(home.Environment(), {.program = program});
    const auto windowUp = [&](int width) {
        const QString window = run.WaitForWindowOfWidth(kWindowTitle, width, 15000);
        EXPECT_TRUE(!run.Windows(kWindowTitle).isEmpty() || !run.Running()) << "a process without a window";
        return window;
    };
    const QString main = windowUp(480);
    ASSERT_FALSE(main.isEmpty());
    Keys(main, {});
    Type(QStringLiteral("Ana"));
    Keys(main, {QStringLiteral("alt+g")});
    const QString result = windowUp(653);
    ASSERT_FALSE(result.isEmpty()) << "no reading";
    Keys(result, {QStringLiteral("alt+x")});
    const QString exitScreen = windowUp(741);
    ASSERT_FALSE(exitScreen.isEmpty()) << "no exit screen";
    Keys(exitScreen, {QStringLiteral("alt+x")});
    ASSERT_TRUE(run.WaitForExit());
    EXPECT_EQ(run.ExitCode(), 0);
}

TEST(Program, ARenamedCopyStartsWithAnEmptyStoreAndLeavesTheOriginalsAlone) {
    ProgramHome home;
    // The original was asked long ago: it would ask again now.
    StoreLastQuestion(home, QDateTime::currentDateTime().addDays(-40));
    const QByteArray original = Contents(home.SettingsFile());
    QTemporaryDir folder;
    RealProgram copy(home.Environment(), {.program = CopyOfProgram(folder, QStringLiteral("yaxkelen-copy"))});
    ASSERT_FALSE(copy.WaitForWindow(kWindowTitle).isEmpty());
    QThread::msleep(300);
    EXPECT_TRUE(copy.Windows(kMessageTitle).isEmpty()) << "the copy read the original's settings";
    CloseNormally(copy);
    EXPECT_EQ(Contents(home.SettingsFile()), original);
    QSettings own(home.Config() + QStringLiteral("/yaxkelen-copy.conf"), QSettings::IniFormat);
    EXPECT_FALSE(own.value(QStringLiteral("Settings/") + modHelp::EncodeSettingText(QStringLiteral("Duration")))
                     .toString()
                     .isEmpty())
        << "the copy kept no settings of its own";
}

TEST(Program, AWholeSessionLeavesNothingBehindButItsSettings) {
    ProgramHome home;
    // What other Qt programs keep for their file dialogs is not ours to touch.
    const QByteArray otherPrograms = "[FileDialog]\nlastVisited=file:///srv\nhistory=file:///srv\n";
    QFile shared(home.Config() + QStringLiteral("/QtProject.conf"));
    ASSERT_TRUE(shared.open(QIODevice::WriteOnly));
    shared.write(otherPrograms);
    shared.close();
    QTemporaryDir work;
    ASSERT_TRUE(QDir(work.path()).mkpath(QStringLiteral("older")));
    QFile saved(work.filePath(QStringLiteral("saved.num")));
    ASSERT_TRUE(saved.open(QIODevice::WriteOnly));
    saved.write("Ana\r\n1990\r\n");
    saved.close();
    const QStringList homeBefore = Snapshot(home.Home());
    const QStringList configBefore = Snapshot(home.Config());

    RealProgram program(home.Environment(), {.keepOutput = true, .workingDirectory = work.path()});
    const auto nextWindow = [&](int width) { return program.WaitForWindowOfWidth(kWindowTitle, width); };
    QString main = nextWindow(480);
    ASSERT_FALSE(main.isEmpty());
    Keys(main, {});
    Type(QStringLiteral("Ana"));
    Keys(main, {QStringLiteral("alt+g")});
    const QString result = nextWindow(653);
    ASSERT_FALSE(result.isEmpty());
    Keys(result, {QStringLiteral("alt+b")});
    main = nextWindow(480);
    ASSERT_FALSE(main.isEmpty());
    Keys(main, {});
    Type(QStringLiteral("Ana"));
    // The file dialog: into a folder and out again by cancelling; then a file.
    const QString title = QStringLiteral("^Select the source file$");
    Keys(main, {QStringLiteral("alt+o")});
    QString dialog = program.WaitForWindow(title);
    ASSERT_FALSE(dialog.isEmpty());
    Keys(dialog, {});
    Type(QStringLiteral("older"));
    Keys(dialog, {QStringLiteral("Return"), QStringLiteral("Escape")});
    Keys(main, {QStringLiteral("alt+o")});
    dialog = program.WaitForWindow(title);
    ASSERT_FALSE(dialog.isEmpty());
    Keys(dialog, {});
    Type(saved.fileName());
    Keys(dialog, {QStringLiteral("Return")});
    const QString reading = nextWindow(653);
    ASSERT_FALSE(reading.isEmpty()) << "the chosen file gave no reading";
    Keys(reading, {QStringLiteral("alt+x")});
    const QString exitScreen = nextWindow(741);
    ASSERT_FALSE(exitScreen.isEmpty());
    Keys(exitScreen, {QStringLiteral("alt+x")});
    ASSERT_TRUE(program.WaitForExit());
    EXPECT_EQ(program.ExitCode(), 0);
    ExpectNoOutput(program);

    EXPECT_EQ(Snapshot(home.Home()), homeBefore);
    QStringList configAfter = Snapshot(home.Config());
    EXPECT_EQ(configAfter.removeIf([](const QString& entry) { return entry.startsWith(QLatin1String("kvyaxkelen.conf ")); }), 1)
        << "no settings kept";
    EXPECT_EQ(configAfter, configBefore);
    EXPECT_EQ(Contents(shared.fileName()), otherPrograms);
}

TEST(Program, ASpanishLocaleGetsASpanishReadingAndAFrenchOneAnEnglishOne) {
    struct Case {
        const char* language;  // LANGUAGE, or nothing
        const char* locale;    // LANG
        const char* reading;   // the access key of the reading button
        const char* exit;      // and of the result window's Exit
        QString opening;       // how the reading begins
        QString guide;         // the first position's explanation
    };
    const Case cases[] = {
        {"es", "es_MX.UTF-8", "alt+o", "alt+s", QStringLiteral("Lectura KV Yaxkelen"), QStringLiteral("Posición Guía:")},
        {"", "fr_FR.UTF-8", "alt+g", "alt+x", QStringLiteral("KV Yaxkelen Reading"), QStringLiteral("Guide Position:")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.locale);
        ProgramHome home;
        QProcessEnvironment env = home.Environment();
        for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANGUAGE"}) env.remove(QString::fromLatin1(variable));
        if (*c.language) env.insert(QStringLiteral("LANGUAGE"), QString::fromLatin1(c.language));
        env.insert(QStringLiteral("LANG"), QString::fromLatin1(c.locale));
        RealProgram program(env, {.keepOutput = true});
        const QString main = program.WaitForWindow(kWindowTitle);
        ASSERT_FALSE(main.isEmpty());
        Keys(main, {});
        Type(QStringLiteral("Ana"));
        Keys(main, {QString::fromLatin1(c.reading)});
        const QString result = program.WaitForWindowOfWidth(kWindowTitle, 653);
        ASSERT_FALSE(result.isEmpty()) << "no reading";
        // The reading, copied as a user would: it has the keyboard.
        QGuiApplication::clipboard()->clear();
        QString reading;
        for (int i = 0; i < 50 && reading.isEmpty(); ++i) {
            Keys(result, {QStringLiteral("ctrl+a"), QStringLiteral("ctrl+c")});
            reading = QGuiApplication::clipboard()->text();
        }
        EXPECT_TRUE(reading.startsWith(c.opening)) << reading.left(80).toStdString();
        EXPECT_TRUE(reading.contains(c.guide)) << reading.left(200).toStdString();
        Keys(result, {QString::fromLatin1(c.exit)});
        const QString exitScreen = program.WaitForWindowOfWidth(kWindowTitle, 741);
        ASSERT_FALSE(exitScreen.isEmpty());
        Keys(exitScreen, {QStringLiteral("space")});
        ASSERT_TRUE(program.WaitForExit());
        ExpectNoOutput(program);
    }
}
