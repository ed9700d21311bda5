// Next under a window manager, timed from outside: with openbox on the
// display, the pointer presses the reading button and the clock runs from
// the button's release to the end of the result window's first frame. The
// program and a bare program that hands over the same way take turns, five
// readings each at a time (each with Back after it), until both have 25.
// Prints JSON.
#include "bench/MonotonicClock.h"
#include "web/DateTimeText.h"
#include "web/Settings.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QThread>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace {

// The next line the program prints that starts with `word`.
std::optional<QList<QByteArray>> await(QProcess& process, const char* word, int timeoutMs = 10000) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < timeoutMs) {
        while (process.canReadLine()) {
            const QList<QByteArray> fields = process.readLine().trimmed().split(' ');
            if (fields.value(0) == word) return fields;
        }
        process.waitForReadyRead(100);
    }
    return std::nullopt;
}

// Up once the window the manager names on the root window exists: one that
// ran before (the previous run's) leaves the name of a window gone.
bool windowManagerUp(Display* display) {
    const Atom check = XInternAtom(display, "_NET_SUPPORTING_WM_CHECK", False);
    const auto named = [&](Window window, Window* found) {
        Atom type = 0;
        int format = 0;
        unsigned long items = 0;
        unsigned long left = 0;
        unsigned char* data = nullptr;
        const int status =
            XGetWindowProperty(display, window, check, 0, 1, False, XA_WINDOW, &type, &format, &items, &left, &data);
        const bool ok = status == Success && items == 1 && data;
        if (ok) *found = *reinterpret_cast<Window*>(data);
        if (data) XFree(data);
        return ok;
    };
    Window child = 0;
    Window self = 0;
    // A gone window makes the request fail; errors are not fatal here.
    const auto previous = XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
    const bool up = named(DefaultRootWindow(display), &child) && named(child, &self) && self == child;
    XSync(display, False);
    XSetErrorHandler(previous);
    return up;
}

// The titles of the windows on the screen, to say what stood in the way.
std::string windowTitles(Display* display) {
    Window root = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    std::string titles;
    if (!XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count)) return titles;
    for (unsigned int i = 0; i < count; ++i) {
        char* name = nullptr;
        if (XFetchName(display, children[i], &name) && name) {
            XWindowAttributes attributes{};
            XGetWindowAttributes(display, children[i], &attributes);
            titles += std::string(titles.empty() ? "" : ", ") + name +
                      (attributes.map_state == IsViewable ? "" : " (not mapped)");
            XFree(name);
        }
    }
    if (children) XFree(children);
    return titles;
}

struct Figures {
    double median = 0;
    double p90 = 0;
};

Figures figures(std::vector<double> ms) {
    if (ms.empty()) return {};
    std::sort(ms.begin(), ms.end());
    return {ms[ms.size() / 2], ms[ms.size() * 9 / 10]};
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "no X display\n");
        return 1;
    }
    QProcess openbox;
    openbox.start(QStringLiteral("openbox"), {QStringLiteral("--sm-disable")});
    QElapsedTimer clock;
    clock.start();
    while (!windowManagerUp(display) && clock.elapsed() < 10000) QThread::msleep(50);
    if (!windowManagerUp(display)) {
        std::fprintf(stderr, "openbox did not come up\n");
        return 1;
    }

    // A user who was asked recently: no question at start.
    QTemporaryDir home;
    QTemporaryDir runtime;
    QFile::setPermissions(runtime.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QSettings(home.filePath(QStringLiteral("config/kv_handover_probe.conf")), QSettings::IniFormat)
        .setValue(QStringLiteral("Settings/") + modHelp::EncodeSettingText(QStringLiteral("Duration")),
                  modHelp::EncodeSettingText(modHelp::DateTimeText(QDateTime::currentDateTime())));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), QStringLiteral("disabled:"));

    const QString folder = QCoreApplication::applicationDirPath();
    const QString subjects[] = {folder + QStringLiteral("/kv_handover_probe"),
                                folder + QStringLiteral("/bare_handover_probe")};
    std::vector<double> ms[2];
    const int blocks = argc > 1 ? std::atoi(argv[1]) : 5;
    for (int block = 0; block < blocks; ++block) {
        for (int subject = 0; subject < 2; ++subject) {
            QProcess process;
            process.setProcessEnvironment(env);
            process.setProcessChannelMode(QProcess::SeparateChannels);
            process.start(subjects[subject], {});
            // One reading to warm up, then five timed.
            for (int reading = 0; reading < 6; ++reading) {
                const auto ready = await(process, "ready");
                if (!ready || ready->size() < 3) {
                    std::fprintf(stderr, "%s: no main window (windows up: %s)\n", qPrintable(subjects[subject]),
                                 windowTitles(display).c_str());
                    return 1;
                }
                XTestFakeMotionEvent(display, -1, ready->at(1).toInt(), ready->at(2).toInt(), 0);
                XSync(display, False);
                QThread::msleep(30);
                XTestFakeButtonEvent(display, 1, True, 0);
                XSync(display, False);
                QThread::msleep(30);
                XTestFakeButtonEvent(display, 1, False, 0);
                XSync(display, False);
                const long long released = MonotonicNs();
                const auto painted = await(process, "painted");
                if (!painted || painted->size() < 2) {
                    std::fprintf(stderr, "%s: no result window\n", qPrintable(subjects[subject]));
                    return 1;
                }
                if (reading > 0) ms[subject].push_back(static_cast<double>(painted->at(1).toLongLong() - released) / 1e6);
            }
            process.terminate();
            if (!process.waitForFinished(5000)) process.kill();
            process.waitForFinished(5000);
        }
    }
    openbox.terminate();
    openbox.waitForFinished(5000);
    XCloseDisplay(display);

    const Figures program = figures(ms[0]);
    const Figures bare = figures(ms[1]);
    std::printf("{\"program\": {\"median\": %.2f, \"p90\": %.2f}, \"bare\": {\"median\": %.2f, \"p90\": %.2f}, "
                "\"ratio\": %.2f, \"readings\": %zu}\n",
                program.median, program.p90, bare.median, bare.p90, bare.median > 0 ? program.median / bare.median : 0,
                ms[0].size());
    return 0;
}
