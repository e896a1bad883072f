#include "sky/station_sky.h"

#include "tracking/tracking_cycle.h"

namespace orvanta {

void StationSky::ticked(const TickOutcome &outcome, orbit::Satellites *component, double minElevationDeg,
                        std::optional<SkyPoint> manual)
{
    if (outcome.rotorCommand)
        lastRotor_ = SkyPoint{outcome.rotorCommand->first, outcome.rotorCommand->second};
    lastTickOle_ = outcome.nowOle;
    if (!component)
        return;
    SkyTick tick;
    tick.nowOle = outcome.nowOle;
    tick.minElevationDeg = minElevationDeg;
    tick.trackedPass = outcome.trackedPass;
    tick.trackedLook = outcome.look;
    tick.trackedDownlinkMHz = outcome.frequencyMHz;
    tick.awaitedPass = outcome.awaitedPass;
    tick.rotor = lastRotor_;
    tick.manual = manual;
    view_.setScene(feed_.scene(*component, tick));
}

} // namespace orvanta
