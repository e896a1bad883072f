#pragma once

#include <cmath>
#include <cstdint>

namespace orvanta {

// The one rule of the station's countdowns (the sky view's, the alarms'):
// the whole units of the time left, cut rather than rounded, so that a
// countdown never says more time is left than there is and all of them agree.
// Negative times read as 0.
inline std::int64_t countdownUnits(double seconds, std::int64_t unitSeconds)
{
    if (!(seconds > 0))
        return 0;
    return static_cast<std::int64_t>(std::floor(seconds / double(unitSeconds)));
}

} // namespace orvanta
