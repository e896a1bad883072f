#include "support/pass_time.h"

#include <algorithm>
#include <cmath>

namespace orvanta::test {

void PassTime::advance(double seconds)
{
    const QDateTime until = clock_.now.addMSecs(std::llround(seconds * 1000));
    while (clock_.now < end && std::min(nextCorrection_, nextTick_) <= until) {
        QTimer *due = nextCorrection_ <= nextTick_ ? correction : tick;
        QDateTime &next = due == correction ? nextCorrection_ : nextTick_;
        clock_.now = std::max(clock_.now, next);
        next = next.addMSecs(due->interval());
        QMetaObject::invokeMethod(due, "timeout");
        if (watch)
            watch();
    }
    clock_.now = std::max(clock_.now, until);
    if (watch)
        watch();
}

} // namespace orvanta::test
