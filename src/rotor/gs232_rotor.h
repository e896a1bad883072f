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

private:
    Gs232 &gs232_;
};

} // namespace orvanta
