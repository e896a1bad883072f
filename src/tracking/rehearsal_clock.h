#pragma once

#include "platform/utc_clock.h"

#include <QDateTime>
#include <QElapsedTimer>

namespace orvanta {

// UTC time that starts at a chosen instant and runs at normal speed, for
// rehearsing a pass.
class RehearsalClock final : public UtcClock {
public:
    explicit RehearsalClock(const QDateTime &start) : start_(start.toUTC()) { elapsed_.start(); }
    QDateTime nowUtc() const override { return start_.addMSecs(elapsed_.elapsed()); }

private:
    QDateTime start_;
    QElapsedTimer elapsed_;
};

} // namespace orvanta
