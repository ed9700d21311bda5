#pragma once
// Runs the built program as a separate process on the test's X display
// (xvfb-run), with private settings and runtime folders and a browser that
// only records what it is asked to open; drives it with xdotool.

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRect>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <memory>

// Folders and environment shared by the program runs of one test.
class ProgramHome {
public:
    ProgramHome() {
        QDir().mkpath(Home());
        QDir().mkpath(Config());
        QDir().mkpath(Runtime());
        QFile::setPermissions(Runtime(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QFile script(Browser());
        script.open(QIODevice::WriteOnly);
        script.write("#!/bin/sh\nprintf '%s\\n' \"$@\" >> \"" + BrowserLog().toLocal8Bit() + "\"\n");
        script.close();
        script.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }

    QString Home() const { return folder_.filePath(QStringLiteral("home")); }
    QString Config() const { return folder_.filePath(QStringLiteral("config")); }
    QString Runtime() const { return folder_.filePath(QStringLiteral("runtime")); }
    QString Browser() const { return folder_.filePath(QStringLiteral("browser")); }
    QString BrowserLog() const { return folder_.filePath(QStringLiteral("browser.log")); }
    QString SettingsFile() const { return Config() + QStringLiteral("/kvyaxkelen.conf"); }

    // The addresses the browser was asked to open, in order.
    QStringList Opened() const {
        QFile log(BrowserLog());
        if (!log.open(QIODevice::ReadOnly)) return {};
        return QString::fromUtf8(log.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

    QProcessEnvironment Environment() const {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), Home());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), Config());
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), Runtime());
        env.insert(QStringLiteral("BROWSER"), Browser());
        // A desktop session always has a session bus. Without one, Qt's
        // accessibility bridge would have libdbus start one (where
        // dbus-launch is installed), leaving ~/.dbus behind and a daemon
        // running.
        env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), QStringLiteral("disabled:"));
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        return env;
    }

private:
    QTemporaryDir folder_;
};

// Runs an X tool (xdotool, xprop, xwininfo); returns its standard output,
// trimmed, or nothing when it does not finish in time.
inline QString RunTool(const QString& program, const QStringList& arguments, int timeoutMs = 20000) {
    QProcess tool;
    tool.start(program, arguments);
    if (!tool.waitForFinished(timeoutMs)) {
        tool.kill();
        tool.waitForFinished();
        return {};
    }
    return QString::fromUtf8(tool.readAllStandardOutput()).trimmed();
}

inline QString Xdotool(const QStringList& arguments, int timeoutMs = 20000) {
    return RunTool(QStringLiteral("xdotool"), arguments, timeoutMs);
}

// A window's place and size on the screen.
inline QRect Geometry(const QString& window) {
    QRect rect;
    for (const QString& line : Xdotool({QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), window})
                                   .split(QLatin1Char('\n'))) {
        const QString value = line.section(QLatin1Char('='), 1);
        if (line.startsWith(QLatin1String("X="))) rect.moveLeft(value.toInt());
        if (line.startsWith(QLatin1String("Y="))) rect.moveTop(value.toInt());
        if (line.startsWith(QLatin1String("WIDTH="))) rect.setWidth(value.toInt());
        if (line.startsWith(QLatin1String("HEIGHT="))) rect.setHeight(value.toInt());
    }
    return rect;
}

// How a program run is started.
struct Launch {
    QStringList arguments{};
    // Everything the program writes (standard output and error) is kept for
    // Output(); otherwise its errors are passed on.
    bool keepOutput = false;
    QString program = QStringLiteral(KV_PROGRAM);
    QString workingDirectory{};
};

class RealProgram {
public:
    explicit RealProgram(const ProgramHome& home) : RealProgram(home.Environment()) {}

    explicit RealProgram(const QProcessEnvironment& environment, const Launch& launch = {}) {
        process_.setProcessEnvironment(environment);
        process_.setProcessChannelMode(launch.keepOutput ? QProcess::MergedChannels : QProcess::ForwardedErrorChannel);
        if (!launch.workingDirectory.isEmpty()) process_.setWorkingDirectory(launch.workingDirectory);
        process_.start(launch.program, launch.arguments);
        EXPECT_TRUE(process_.waitForStarted(10000));
    }

    QString Output() { return QString::fromLocal8Bit(process_.readAllStandardOutput()); }

    ~RealProgram() {
        if (process_.state() != QProcess::NotRunning) {
            process_.kill();
            process_.waitForFinished(5000);
        }
    }

    qint64 Pid() const { return process_.processId(); }
    bool Running() { return process_.state() != QProcess::NotRunning && !process_.waitForFinished(0); }

    // Visible windows of this process whose title matches the pattern.
    QStringList Windows(const QString& title) const {
        const QString found = Xdotool({QStringLiteral("search"), QStringLiteral("--all"), QStringLiteral("--onlyvisible"), QStringLiteral("--pid"),
                                       QString::number(pid_()), QStringLiteral("--name"), title});
        return found.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

    // The first visible window with the title and this width, once it is up.
    QString WaitForWindowOfWidth(const QString& title, int width, int timeoutMs = 30000) const {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < timeoutMs) {
            for (const QString& window : Windows(title)) {
                if (Geometry(window).width() == width) return window;
            }
            QThread::msleep(30);
        }
        return {};
    }

    // Resident memory in KiB, from /proc.
    qint64 ResidentKiB() const {
        QFile status(QStringLiteral("/proc/%1/status").arg(pid_()));
        if (!status.open(QIODevice::ReadOnly)) return -1;
        for (const QByteArray& line : status.readAll().split('\n')) {
            if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').first().toLongLong();
        }
        return -1;
    }

    // Waits until exactly the windows matching the title are up; returns the newest.
    QString WaitForWindow(const QString& title, int timeoutMs = 30000) const {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < timeoutMs) {
            const QStringList windows = Windows(title);
            if (!windows.isEmpty()) return windows.last();
            QThread::msleep(100);
        }
        return {};
    }

    bool WaitForExit(int timeoutMs = 30000) { return process_.waitForFinished(timeoutMs); }
    int ExitCode() const { return process_.exitCode(); }
    QProcess::ExitStatus ExitStatus() const { return process_.exitStatus(); }
    void Kill() {
        process_.kill();
        process_.waitForFinished(5000);
    }

private:
    qint64 pid_() const { return process_.processId(); }
    QProcess process_;
};

// Clicks a point of a window's client area, which lies below its menu bar
// (clientHeight is the client area's height in pixels).
inline void ClickClient(const QString& window, int clientHeight, const QPoint& point) {
    const int menuBar = Geometry(window).height() - clientHeight;
    Xdotool({QStringLiteral("mousemove"), QStringLiteral("--window"), window, QString::number(point.x()),
             QString::number(point.y() + menuBar), QStringLiteral("click"), QStringLiteral("1")});
    QThread::msleep(150);
}

// Types text into the window that has the keyboard.
inline void Type(const QString& text) {
    Xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("5"), text});
    QThread::msleep(50);
}

// Gives a window the keyboard and types keys into it (xdotool key syntax).
inline void Keys(const QString& window, const QStringList& keys) {
    Xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), window});
    QThread::msleep(150);
    for (const QString& key : keys) {
        Xdotool({QStringLiteral("key"), key});
        QThread::msleep(150);
    }
}

inline const QString kWindowTitle = QStringLiteral("^KV Yaxkelen v1.20$");
inline const QString kMessageTitle = QStringLiteral("^KV Yaxkelen$");

// Fills the exit screen's referral form (from its first control, Exit) and
// sends it with Alt+N.
inline void SendReferral(const QString& exitScreen, const QString& name, const QString& email,
                         const QString& friendName, const QString& friendEmail) {
    Keys(exitScreen, {QStringLiteral("Tab"), QStringLiteral("Tab")});
    Type(name);
    for (const QString& text : {email, friendName, friendEmail}) {
        Keys(exitScreen, {QStringLiteral("Tab")});
        Type(text);
    }
    Keys(exitScreen, {QStringLiteral("alt+n")});
}
