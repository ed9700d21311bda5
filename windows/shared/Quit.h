#pragma once
// The end of a run: every loaded window closed, each running its own close
// handling, then the process ends. The windows, the exit screen and the
// start-up all end a run this way.

#include "windows/shared/ScopedOverride.h"

#include <functional>

// Closes every loaded window in turn, then ends the process. Runs to its end
// once per process, even when a close handling calls it again.
void QuitApplication();

// Whether QuitApplication has run in this process.
bool ApplicationEnded();

// How QuitApplication ends the process once the windows are closed. The
// default leaves the event loop, or keeps it from starting.
using ProcessEnder = std::function<void()>;
ProcessEnder& CurrentProcessEnder();

// Puts another ending in place for as long as the object lives (tests, the
// screenshot tool), with a run that has not ended yet; when it goes, the
// previous ending and state come back.
class ScopedProcessEnder {
public:
    explicit ScopedProcessEnder(ProcessEnder ender);
    ~ScopedProcessEnder();
    ScopedProcessEnder(const ScopedProcessEnder&) = delete;
    ScopedProcessEnder& operator=(const ScopedProcessEnder&) = delete;

private:
    ScopedOverride<ProcessEnder> ender_;
    bool endedBefore_;
};
