#include "windows/shared/Quit.h"

#include "windows/shared/Forms.h"
#include "windows/shared/SilentStep.h"

#include <QCoreApplication>

namespace {

bool& ended() {
    static bool value = false;
    return value;
}

}  // namespace

void QuitApplication() {
    if (ended()) return;
    ended() = true;
    // Working windows that close now do not hand over to the exit screen,
    // and the exit screen's own close comes back here and stops above.
    for (const auto& window : Forms::LoadedWindows()) {
        if (window) RunStep([&window] { window->close(); });
    }
    CurrentProcessEnder()();
}

bool ApplicationEnded() { return ended(); }

ProcessEnder& CurrentProcessEnder() {
    static ProcessEnder current = [] { QCoreApplication::exit(0); };
    return current;
}

ScopedProcessEnder::ScopedProcessEnder(ProcessEnder ender)
    : ender_(CurrentProcessEnder(), std::move(ender)), endedBefore_(ended()) {
    ended() = false;
}

ScopedProcessEnder::~ScopedProcessEnder() { ended() = endedBefore_; }
