#pragma once

#include "orbit/sgp4.h"

#include <limits>
#include <optional>

// Where the model stops computing a satellite's orbit after its epoch: the
// first instant at which it reports an error, most often that the satellite
// is under the surface (decayed), or that drag has carried the elements out
// of the model's range. Nothing after that instant is predicted for the set.
//
// The model only answers at single instants, and a perigee just under the
// surface lasts a few seconds, so samples alone would step over it. The scan
// takes one sample a day or a revolution while the osculating perigee stays
// well above the surface, and otherwise looks at every perigee.
namespace orvanta::orbit {

struct OrbitEndPoint {
    double lastComputed = 0;  // minutes since epoch: the orbit is computed up to here
    double firstFailed = 0;   // the model fails here, under a millisecond later
    PropagationError error = PropagationError::None;
};

class OrbitEnd {
public:
    // The end, when it lies after the epoch and at or before minutes since
    // epoch. The scan goes on from where the previous call stopped, so a
    // window that slides forward costs little; the satellite must be the
    // same at every call.
    std::optional<OrbitEndPoint> within(const Sgp4Propagator &satellite, double minutes)
    {
        // The pass search asks at every sample: the common answer comes at once.
        if (!end_ && minutes <= scannedTo_)
            return std::nullopt;
        return scanTo(satellite, minutes);
    }

private:
    std::optional<OrbitEndPoint> scanTo(const Sgp4Propagator &satellite, double minutes);
    void scanStretch(const Sgp4Propagator &satellite, double from, double to);
    void scanPerigees(const Sgp4Propagator &satellite, double from, double to);
    void settle(const Sgp4Propagator &satellite, double good, double bad);

    double scannedTo_ = 0; // the orbit is computed everywhere in [0, scannedTo_]
    // Height (km) of the osculating perigee seen at scannedTo_, when known.
    double scannedToPerigeeKm_ = std::numeric_limits<double>::quiet_NaN();
    std::optional<OrbitEndPoint> end_;
};

} // namespace orvanta::orbit
