#pragma once

namespace orvanta {

// How far a rotor turns. Azimuths in the rotor's own degrees: a controller
// with an overlap goes on past 360 (0 to 450), some Hamlib rotators count
// from -180. A rotor that can flip takes elevations up to 180, going over
// the top to the other side.
struct RotorRange {
    double minAzimuthDeg = 0;
    double maxAzimuthDeg = 360;
    bool canFlip = false;

    bool operator==(const RotorRange &) const = default;
};

} // namespace orvanta
