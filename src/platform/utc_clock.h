#pragma once

#include <QDateTime>

namespace orvanta {

// The station works in UTC whatever the computer's time zone.
class UtcClock {
public:
    virtual ~UtcClock() = default;
    // One reading of the current UTC instant (millisecond resolution).
    virtual QDateTime nowUtc() const = 0;
};

class SystemUtcClock final : public UtcClock {
public:
    QDateTime nowUtc() const override { return QDateTime::currentDateTimeUtc(); }
};

} // namespace orvanta
