#pragma once

#include "orbit/pass_list.h"
#include "sky/sky_feed.h"
#include "sky/sky_view.h"

#include <optional>

namespace orvanta {

struct TickOutcome;

// Keeps the sky view on the tracking tick: the passes shown, the followed
// satellite, and where the rotor was last sent.
class StationSky {
public:
    StationSky() : view_(*new SkyView) {}

    // The view, for the main window to take.
    SkyView *view() const { return &view_; }

    // After each tick. manual: the manual pointing, while its window holds the rotor.
    void ticked(const TickOutcome &outcome, orbit::Satellites *component, double minElevationDeg,
                std::optional<SkyPoint> manual, const orbit::PassBoard &board);
    // The component was replaced: the tracks held may no longer be right.
    void componentReplaced() { feed_.clear(); }
    void setHorizon(const orbit::HorizonMask &mask) { feed_.setHorizon(mask); }
    // The instant of the last tick, as given to the component; 0 before the first.
    double lastTickOle() const { return lastTickOle_; }

private:
    SkyView &view_;
    SkyFeed feed_;
    std::optional<SkyPoint> lastRotor_; // where the rotor was last sent
    double lastTickOle_ = 0;
};

} // namespace orvanta
