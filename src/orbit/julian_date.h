#pragma once

#include <cmath>

namespace orvanta::orbit {

// An instant kept as a split Julian date: a whole or half day plus a fraction
// of a day. Root searches over seconds keep their resolution this way, where
// a single day count near 2.46 million would only resolve tens of microseconds.
struct JulianDate {
    double day = 0;
    double fraction = 0;

    static constexpr double kMinutesPerDay = 1440.0;

    // (this - other) in minutes; the whole days and the fractions are
    // subtracted separately so neither swamps the other.
    double minutesSince(const JulianDate &other) const
    {
        return ((day - other.day) + (fraction - other.fraction)) * kMinutesPerDay;
    }

    // A later (or earlier, for negative minutes) instant, with the fraction
    // brought back into [0, 1).
    JulianDate plusMinutes(double minutes) const
    {
        JulianDate later{day, fraction + minutes / kMinutesPerDay};
        const double wholeDays = std::floor(later.fraction);
        later.day += wholeDays;
        later.fraction -= wholeDays;
        if (later.fraction >= 1.0) { // rounding of a fraction just below a whole day
            later.day += 1.0;
            later.fraction = 0.0;
        }
        return later;
    }
};

} // namespace orvanta::orbit
