#pragma once
// Puts another value in a process-wide slot (one of the program's seams: the
// message box, the browser, the file dialog, the clock) for as long as the
// object lives. Tests use it to answer in place of the real thing.

#include <utility>

template <class T>
class ScopedOverride {
public:
    ScopedOverride(T& slot, T replacement) : slot_(slot), previous_(std::move(slot)) {
        slot_ = std::move(replacement);
    }
    ~ScopedOverride() { slot_ = std::move(previous_); }
    ScopedOverride(const ScopedOverride&) = delete;
    ScopedOverride& operator=(const ScopedOverride&) = delete;

private:
    T& slot_;
    T previous_;
};
