#pragma once
// The openbox window manager on the test's display, for as long as the
// object lives: it frames windows with title bars, as a desktop does.

#include "tests/support/RealProgram.h"

#include <csignal>

class Openbox {
public:
    Openbox() {
        manager_.start(QStringLiteral("openbox"), {QStringLiteral("--sm-disable")});
        EXPECT_TRUE(manager_.waitForStarted(10000));
        // Up once the window it names on the root window exists: one that
        // ran before (an earlier test's) leaves the name of a window gone.
        const auto up = [] {
            const QString named =
                RunTool(QStringLiteral("xprop"), {QStringLiteral("-root"), QStringLiteral("_NET_SUPPORTING_WM_CHECK")});
            const QString window = named.section(QLatin1Char('#'), 1).trimmed();
            return !window.isEmpty() &&
                   RunTool(QStringLiteral("xprop"), {QStringLiteral("-id"), window, QStringLiteral("_NET_WM_NAME")})
                       .contains(QStringLiteral("Openbox"));
        };
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 10000 && !up()) QThread::msleep(50);
        EXPECT_TRUE(up()) << "openbox did not come up";
    }
    ~Openbox() {
        manager_.terminate();
        manager_.waitForFinished(5000);
    }
    // Stops and resumes the manager: a busy one answers as late as that.
    void Pause() { ::kill(static_cast<pid_t>(manager_.processId()), SIGSTOP); }
    void Resume() { ::kill(static_cast<pid_t>(manager_.processId()), SIGCONT); }

    Openbox(const Openbox&) = delete;
    Openbox& operator=(const Openbox&) = delete;

private:
    QProcess manager_;
};
