#include "sky/station_sky.h"

#include "tracking/tracking_cycle.h"

namespace orvanta {

void StationSky::ticked(const TickOutcome &outcome, orbit::Satellites *component, double minElevationDeg,
                        std::optional<SkyPoint> manual, const orbit::PassBoard &board)
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
    for (const orbit::BoardPass &entry : board.visible())
        tick.inProgress.push_back(entry.pass);
    view_.setScene(feed_.scene(*component, tick));
}

} // namespace orvanta
