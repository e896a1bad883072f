#pragma once

#include "orbit/horizon_mask.h"
#include "rotor/rotor_lead.h"
#include "rotor/rotor_plan.h"

#include <optional>
#include <vector>

namespace orvanta {

// One pass as the rotor points it, within the frame of its plan: the
// satellite's predicted direction in the rotor's own degrees at any moment,
// and the station's horizon, which no command goes below. Before the
// satellite clears the horizon the rotor waits where it will clear it; once
// it has set behind it, the rotor stays where it set.
class PassPointing {
public:
    // The track in time order, seconds after acquisition, as the plan was made from.
    PassPointing(RotorPlan plan, std::vector<TrackPoint> track, orbit::HorizonMask mask);

    const RotorPlan &plan() const { return plan_; }

    // The satellite's predicted direction, in the rotor's frame, seconds after acquisition.
    RotorAim satelliteAt(double seconds) const;
    // The moments the satellite clears the horizon and sets behind it, seconds
    // after acquisition; none when it never clears it.
    std::optional<double> clearsSeconds() const { return clears_; }
    std::optional<double> setsSeconds() const { return sets_; }

    // Where the rotor waits for the pass: where the satellite will clear the horizon.
    RotorAim start() const;

    // What to command seconds after acquisition, in whole degrees. Without a
    // lead, the satellite as the tick sees it now (whole degrees) on the
    // planned side; with one, the moment ahead that keeps the rotor, from
    // where it is now, closest to the satellite until the next command.
    struct Lead {
        RotorAim rotorNow;
        RotorSpeeds speeds;
        double intervalSeconds = 5;
    };
    RotorAim command(double seconds, double azimuthDeg, double elevationDeg, const std::optional<Lead> &lead) const;

    // A direction raised, where it is below, to the horizon at its azimuth
    // (to the whole degree above).
    RotorAim aboveHorizon(const RotorAim &aim) const;

private:
    double inSightSeconds(double seconds) const;

    RotorPlan plan_;
    std::vector<TrackPoint> track_;
    orbit::HorizonMask mask_;
    std::optional<double> clears_;
    std::optional<double> sets_;
};

} // namespace orvanta
