#pragma once

#include "orbit/pass_track.h"
#include "orbit/satellites.h"
#include "rotor/rotor_plan.h"

#include <QString>

#include <optional>
#include <vector>

// The rotor through the passes: each pass followed on the path planned for
// it, and the rotor waiting at the next pass's rise.
namespace orvanta {

// Whether the rotor goes to the next pass's starting point, and how long
// before its acquisition.
struct RiseWaiting {
    bool on = false;
    double seconds = 120;
};

// The pass's track as the plan takes it: seconds after acquisition.
std::vector<TrackPoint> trackPoints(const PassTrack &track);

// "Rotor : ..." for the pass details when the plan leaves the satellite
// somewhere (the rotor's range cannot hold the pass), else empty.
QString rotorNote(const RotorPlan &plan, const orbit::PredictedPass &pass);

class RotorGuide {
public:
    // The command for the satellite of a pass in progress, seen at azimuth
    // and elevation (whole degrees) at nowOle: on the path planned for the
    // pass. fromNow plans the rest of the pass again from this instant, for
    // a pass taken up in its middle by the operator's choice: what it has
    // already crossed no longer constrains the rotor.
    RotorAim follow(orbit::Satellites &satellites, const orbit::PredictedPass &pass, double nowOle,
                    const RotorRange &range, double azimuthDeg, double elevationDeg, bool fromNow = false);

    // Where to wait for a pass to come: its planned
    // starting point, on the horizon, when it rises within the waiting time
    // or when a pass was followed since tracking began (the rotor then goes
    // on to the next one rather than staying where the last one set).
    std::optional<RotorAim> waitFor(orbit::Satellites &satellites, const orbit::PredictedPass &pass, double nowOle,
                                    const RotorRange &range, const RiseWaiting &waiting);

    // Tracking was switched off: the next pass waits for its time again.
    void trackingStopped() { followed_ = false; }

private:
    struct Held {
        long catalogNumber = 0;
        orbit::JulianDate aos;
        orbit::JulianDate los;
        RotorRange range;
        RotorPlan plan;
    };
    const Held &planFor(orbit::Satellites &satellites, const orbit::PredictedPass &pass, const RotorRange &range,
                        double fromSeconds = 0);

    const orbit::Satellites *component_ = nullptr; // the plans are of its passes
    std::vector<Held> held_;
    bool followed_ = false;
};

} // namespace orvanta
