#pragma once

#include "orbit/pass_track.h"
#include "orbit/satellites.h"
#include "orbit/horizon_mask.h"
#include "rotor/pass_pointing.h"
#include "rotor/rotor_plan.h"
#include "tracking/tick_rhythm.h"

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
// somewhere or turns the rotor round (the rotor's range cannot hold the
// pass), else empty. A turn is told at the tick that sends it.
QString rotorNote(const RotorPlan &plan, const orbit::PredictedPass &pass, const TickRhythm &rhythm);

class RotorGuide {
public:
    // The command for the satellite of a pass in progress, seen at azimuth
    // and elevation (whole degrees) at nowOle: on the path planned for the
    // pass. With a lead, where the satellite will be as the rotor gets there;
    // never below the station's horizon. fromNow plans the rest of the pass
    // again from this instant, for a pass taken up in its middle by the
    // operator's choice: what it has already crossed no longer constrains the rotor.
    RotorAim follow(orbit::Satellites &satellites, const orbit::PredictedPass &pass, double nowOle,
                    const RotorRange &range, double azimuthDeg, double elevationDeg,
                    const std::optional<PassPointing::Lead> &lead = std::nullopt, bool fromNow = false);

    // Where to wait for a pass to come: its planned
    // starting point, where it clears the station's horizon, when it rises within the waiting time
    // or when a pass was followed since tracking began (the rotor then goes
    // on to the next one rather than staying where the last one set).
    std::optional<RotorAim> waitFor(orbit::Satellites &satellites, const orbit::PredictedPass &pass, double nowOle,
                                    const RotorRange &range, const RiseWaiting &waiting);

    // Tracking was switched off: the next pass waits for its time again.
    void trackingStopped() { followed_ = false; }

    // The rotor's azimuth speed, degrees a second, for the passes planned
    // from now on: it weighs the turns of the plans.
    void setAzimuthSpeed(double degreesPerSecond) { azimuthSpeed_ = degreesPerSecond; }

    // The station's horizon, for the passes planned from now on.
    void setHorizon(const orbit::HorizonMask &mask);
    const orbit::HorizonMask &horizon() const { return horizon_; }

private:
    struct Held {
        long catalogNumber = 0;
        orbit::JulianDate aos;
        orbit::JulianDate los;
        RotorRange range;
        double azimuthSpeed = 0;
        PassPointing pointing;
    };
    const Held &planFor(orbit::Satellites &satellites, const orbit::PredictedPass &pass, const RotorRange &range,
                        double fromSeconds = 0);

    const orbit::Satellites *component_ = nullptr; // the plans are of its passes
    std::vector<Held> held_;
    bool followed_ = false;
    orbit::HorizonMask horizon_;
    double azimuthSpeed_ = RotorPlan::kCommonRotorDegPerSecond;
};

} // namespace orvanta
