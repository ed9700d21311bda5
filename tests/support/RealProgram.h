#pragma once
// Runs the built program as a separate process on the test's X display
// (xvfb-run), with private settings and runtime folders and a browser that
// only records what it is asked to open; drives it with xdotool.

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <memory>

// Folders and environment shared by the program runs of one test.
class ProgramHome {
public:
    ProgramHome() {
        QDir().mkpath(Config());
        QDir().mkpath(Runtime());
        QFile::setPermissions(Runtime(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QFile script(Browser());
        script.open(QIODevice::WriteOnly);
        script.write("#!/bin/sh\nprintf '%s\\n' \"$@\" >> \"" + BrowserLog().toLocal8Bit() + "\"\n");
        script.close();
        script.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }

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
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), Config());
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), Runtime());
        env.insert(QStringLiteral("BROWSER"), Browser());
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        return env;
    }

private:
    QTemporaryDir folder_;
};

// Runs xdotool; returns its standard output, trimmed.
inline QString Xdotool(const QStringList& arguments, int timeoutMs = 20000) {
    QProcess xdotool;
    xdotool.start(QStringLiteral("xdotool"), arguments);
    if (!xdotool.waitForFinished(timeoutMs)) {
        xdotool.kill();
        xdotool.waitForFinished();
        return {};
    }
    return QString::fromUtf8(xdotool.readAllStandardOutput()).trimmed();
}

class RealProgram {
public:
    explicit RealProgram(const ProgramHome& home, const QStringList& prefix = {}) {
        process_.setProcessEnvironment(home.Environment());
        process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        QStringList command = prefix;
        command << QStringLiteral(KV_PROGRAM);
        process_.start(command.takeFirst(), command);
        EXPECT_TRUE(process_.waitForStarted(10000));
    }

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
