#pragma once

#include <iosfwd>
#include <string>

namespace orvanta::orbit {

// Runs every set of a verification file (two-line sets whose line 2 ends with
// start, stop and step in minutes) and prints, per set, "<catalogue number
// without leading zeros> xx" then "<minutes> <x> <y> <z> <vx> <vy> <vz>" per
// step (km, km/s, TEME), the epoch state first. A propagation error ends the
// set with a "#" line naming the error. A set whose run would not end (a step
// lost in the rounding of its times, or more than a million steps) is refused
// with a message on err. Returns 0, or 1 when the file cannot be read or is a
// folder (message on err).
int runVerification(const std::string &verificationFile, std::ostream &out, std::ostream &err);

} // namespace orvanta::orbit
