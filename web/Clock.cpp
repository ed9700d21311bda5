#include "web/Clock.h"

namespace Clock {
namespace {

std::function<QDateTime()>& source() {
    static std::function<QDateTime()> current = [] { return QDateTime::currentDateTime(); };
    return current;
}

}  // namespace

QDateTime Now() { return source()(); }

ScopedClock::ScopedClock(std::function<QDateTime()> now) : previous_(std::move(source())) {
    source() = std::move(now);
}

ScopedClock::~ScopedClock() { source() = std::move(previous_); }

}  // namespace Clock
