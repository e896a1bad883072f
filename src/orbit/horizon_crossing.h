#pragma once

#include "orbit/horizon_mask.h"
#include "orbit/satellites.h"

#include <optional>

namespace orvanta::orbit {

// When a pass is really in sight from the station: the first instant its
// satellite clears the station's horizon and the last one before it sets
// behind it. The geometric acquisition and loss stay those of the pass.
struct HorizonWindow {
    JulianDate clears;
    JulianDate sets;
};

// Nothing when the satellite stays behind the horizon for the whole pass.
// Found to the second from 10 s steps, so a gap in the trees shorter than
// that may be stepped over.
std::optional<HorizonWindow> horizonWindow(const Satellites &satellites, const PredictedPass &pass,
                                           const HorizonMask &mask);

} // namespace orvanta::orbit
