#pragma once

#include "config/rotor_settings.h"
#include "rotor/rotor_plan.h"

#include <functional>

namespace orvanta {

// Where a rotor is after turning for some seconds from one position toward
// a command, each axis at its own speed and stopping on arrival.
RotorAim rotorAfter(const RotorAim &from, const RotorAim &to, const RotorSpeeds &speeds, double seconds);

// The angle in degrees between two directions given in a rotor's own
// degrees (an elevation past 90 looks over the top).
double pointingErrorDeg(const RotorAim &a, const RotorAim &b);

// The command that keeps a rotor closest to the satellite until the next
// command, intervalSeconds away: the satellite's position at some moment
// ahead, chosen so that the rotor, turning toward it from where it is now,
// is the least far from the satellite, in the mean, over the interval.
// satellite(s) gives the satellite's direction in the rotor's frame s
// seconds from now.
RotorAim leadAim(const RotorAim &rotorNow, const RotorSpeeds &speeds, double intervalSeconds,
                 const std::function<RotorAim(double seconds)> &satellite);

} // namespace orvanta
