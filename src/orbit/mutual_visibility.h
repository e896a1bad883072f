#pragma once

#include "orbit/observer.h"
#include "orbit/satellites.h"

#include <vector>

// Two stations working each other through a satellite: the stretches of a
// pass over the first station during which the second one sees the
// satellite above its horizon too.
namespace orvanta::orbit {

struct MutualWindow {
    JulianDate start, end;
    // The instant the lower of the two elevations is highest, and the
    // elevation each station has then (degrees).
    JulianDate best;
    double firstElevationDeg = 0;
    double secondElevationDeg = 0;
    double durationSeconds() const { return end.minutesSince(start) * 60.0; }
};

// Within a pass of the component's station (the first one), every stretch
// during which the second station sees the satellite at or above its
// minimum elevation. Its ends are found to a hundredth of a second; a
// stretch shorter than the sampling step (5 s) between two samples below
// may go unseen.
std::vector<MutualWindow> mutualWindows(const Satellites &satellites, const PredictedPass &pass,
                                        const Observer &second, double secondMinElevationDeg = 0);

} // namespace orvanta::orbit
