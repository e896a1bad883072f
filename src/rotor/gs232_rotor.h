#pragma once

#include "rotor/gs232.h"
#include "rotor/rotor.h"

namespace orvanta {

// The GS-232 controller as a rotor: one command carries both axes.
class Gs232Rotor final : public Rotor {
public:
    explicit Gs232Rotor(Gs232 &gs232) : gs232_(gs232) {}

    void point(double azimuthDeg, double elevationDeg) override { gs232_.Commande_GS232(azimuthDeg, elevationDeg); }
    void park(double azimuthDeg, double elevationDeg) override { point(azimuthDeg, elevationDeg); }
    // The controller's range is a setting of the station: 0 to 360 or 0 to
    // 450, flipping or not. The command carries what the plan gives it.
    RotorRange range() const override { return range_; }
    void setRange(const RotorRange &range) { range_ = range; }

private:
    Gs232 &gs232_;
    RotorRange range_;
};

} // namespace orvanta
