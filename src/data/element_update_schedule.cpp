#include "data/element_update_schedule.h"

#include <algorithm>

namespace orvanta {

ElementUpdateSchedule::ElementUpdateSchedule(double everyHours) : everyHours_(std::max(everyHours, kShortestHours)) {}

bool ElementUpdateSchedule::due(const QDateTime &now, const std::optional<QDateTime> &nextAcquisition) const
{
    if (nextAcquisition) {
        const qint64 untilAos = now.secsTo(*nextAcquisition);
        if (untilAos <= kTakeUpBeforeSeconds && untilAos >= -kTakeUpAfterSeconds)
            return false;
    }
    // A clock set back runs it again rather than waiting for the old time.
    return !lastStart_ || now < *lastStart_ || lastStart_->secsTo(now) >= qint64(everyHours_ * 3600.0);
}

} // namespace orvanta
