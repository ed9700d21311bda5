#pragma once
// The local date and time, behind a seam so that tests can set the clock.

#include "windows/shared/ScopedOverride.h"

#include <QDateTime>

#include <functional>

namespace Clock {

QDateTime Now();

using Source = std::function<QDateTime()>;

// The clock in use; the system's unless a test put another in its place.
Source& CurrentSource();

class ScopedClock : public ScopedOverride<Source> {
public:
    explicit ScopedClock(Source now) : ScopedOverride(CurrentSource(), std::move(now)) {}
};

}  // namespace Clock
