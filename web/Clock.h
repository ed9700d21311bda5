#pragma once
// The local date and time, behind a seam so that tests can set the clock.

#include <QDateTime>

#include <functional>

namespace Clock {

QDateTime Now();

class ScopedClock {
public:
    explicit ScopedClock(std::function<QDateTime()> now);
    ~ScopedClock();
    ScopedClock(const ScopedClock&) = delete;
    ScopedClock& operator=(const ScopedClock&) = delete;

private:
    std::function<QDateTime()> previous_;
};

}  // namespace Clock
