#pragma once

#include "platform/waiter.h"
#include "rotor/fodtrack.h"
#include "rotor/rotor.h"

namespace orvanta {

// The FodTrack interface as a rotor: azimuth, a pause while the first axis
// latches, then elevation.
class FodtrackRotor final : public Rotor {
public:
    FodtrackRotor(Fodtrack &fodtrack, Waiter &waiter) : fodtrack_(fodtrack), waiter_(waiter) {}

    void point(double azimuthDeg, double elevationDeg) override
    {
        fodtrack_.Valeur_Brute = false;
        fodtrack_.Fodtrack_Azimut(azimuthDeg, fodtrack_.Valeur_Brute);
        waiter_.Attente(kBetweenAxes);
        fodtrack_.Fodtrack_Site(elevationDeg, fodtrack_.Valeur_Brute);
    }
    void park(double azimuthDeg, double elevationDeg) override { point(azimuthDeg, elevationDeg); }

private:
    static constexpr double kBetweenAxes = 0.2; // seconds
    Fodtrack &fodtrack_;
    Waiter &waiter_;
};

} // namespace orvanta
