#pragma once
// Handlers go on with their next step when one fails: nothing is reported to
// the user and nothing is logged. Each step is wrapped in RunStep.

#include <exception>
#include <utility>

// Runs one step of a handler; returns false when it failed.
template <class Step>
bool RunStep(Step&& step) noexcept {
    try {
        std::forward<Step>(step)();
        return true;
    } catch (...) {
        return false;
    }
}
