#include "receiver/command_latency.h"

#include <algorithm>
#include <cmath>

namespace orvanta {

void CommandLatency::measured(double seconds)
{
    if (!std::isfinite(seconds) || seconds < 0)
        return;
    seconds = std::min(seconds, kLongestSeconds);
    constexpr double kWeight = 0.25;
    seconds_ = measured_ ? seconds_ + kWeight * (seconds - seconds_) : seconds;
    measured_ = true;
}

} // namespace orvanta
