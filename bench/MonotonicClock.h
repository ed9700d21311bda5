#pragma once
// The clock the start-up bench and the programs it starts share: monotonic,
// system-wide, in nanoseconds.
#include <ctime>

inline long long MonotonicNs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}
