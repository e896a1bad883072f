#pragma once

#include "rotor/rotor_plan.h"
#include "rotor/rotor_range.h"

#include <optional>

namespace orvanta {

// An antenna rotor as the tracking tick and the shutdown see it, whatever
// interface drives it. Angles in the rotor's own degrees: azimuth from north
// through east within its range (past 360 on one with an overlap),
// elevation 0 to 90, or up to 180 when a pass is followed over the top.
class Rotor {
public:
    virtual ~Rotor() = default;
    // The tick gives whole degrees, once per tick, moved or not.
    virtual void point(double azimuthDeg, double elevationDeg) = 0;
    // The park position of the station's parameters.
    virtual void park(double azimuthDeg, double elevationDeg) = 0;
    // How far it turns, for planning a pass; 0 to 360 unless told otherwise.
    virtual RotorRange range() const { return {}; }
    // Where the rotor last said it points, in its own degrees, read as the
    // last position was sent; none for a rotor that cannot say (FodTrack)
    // or has not said yet.
    virtual std::optional<RotorAim> position() const { return std::nullopt; }
};

} // namespace orvanta
