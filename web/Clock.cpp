#include "web/Clock.h"

namespace Clock {

Source& CurrentSource() {
    static Source current = [] { return QDateTime::currentDateTime(); };
    return current;
}

QDateTime Now() { return CurrentSource()(); }

}  // namespace Clock
