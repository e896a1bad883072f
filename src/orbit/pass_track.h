#pragma once

#include "orbit/satellites.h"

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

// The track of one pass across the sky, for drawing: positions from
// acquisition to loss, computed once per pass and kept while the pass
// matters.
namespace orvanta {

// A direction in the sky, degrees: azimuth from north through east,
// elevation above the horizon.
struct SkyPoint {
    double azimuthDeg = 0;
    double elevationDeg = 0;
};

struct TrackSample {
    orbit::JulianDate instant;
    SkyPoint sky;
    double rangeKm = 0;
    double rangeRateKmS = 0; // positive when the satellite moves away
};

struct PassTrack {
    orbit::PredictedPass pass;
    // In time order; the first sample is at acquisition and the last at loss
    // when the orbit could be computed there.
    std::vector<TrackSample> samples;
};

// Shared, so a view can keep drawing a track the cache has since dropped.
using PassTrackRef = std::shared_ptr<const PassTrack>;

// Where a pass direction falls on the unit disk of the sky plot: north up,
// east to the right, the horizon on the unit circle and the zenith at the
// centre, the radius proportional to the zenith distance. Y grows downwards
// as on a screen. Directions below the horizon are put on the horizon.
struct DiskPoint {
    double x = 0;
    double y = 0;
};
DiskPoint diskPoint(const SkyPoint &sky);

// The samples of a pass: a step of 20 s (longer for passes of many hours),
// halved where the drawn track would bend by more than 1 % of the plot's
// radius between two samples, plus the exact acquisition, culmination and
// loss. Instants where the orbit cannot be computed are left out.
PassTrack computePassTrack(const orbit::Satellites &satellites, const orbit::PredictedPass &pass);

// The tracks the sky view draws, computed on first demand and kept until
// their pass is over or the orbital component is replaced.
class PassTrackCache {
public:
    // The track of a pass, computed only if this pass (same satellite, same
    // acquisition instant) is not already held.
    PassTrackRef track(const orbit::Satellites &satellites, const orbit::PredictedPass &pass);

    // Forgets the passes whose loss is before now.
    void dropEnded(const orbit::JulianDate &now);
    // Forgets everything: the elements, the station or the minimum
    // elevation changed, so every pass may have changed.
    void clear() { tracks_.clear(); }
    std::size_t size() const { return tracks_.size(); }

private:
    std::vector<PassTrackRef> tracks_;
};

} // namespace orvanta
