#pragma once

#include "orbit/julian_date.h"
#include "orbit/sgp4.h"

// Where the Sun is, to about 0.01 degree from 1950 to 2050: the low-precision
// solar coordinates of the astronomical almanacs (mean elements, the equation
// of centre to the second order, no latitude).
namespace orvanta::orbit {

struct SunPosition {
    Vec3 direction;                // unit vector, equator and equinox of date
    double distanceAu = 0;
    double eclipticLongitudeDeg = 0; // 0 to 360
    double rightAscensionDeg = 0;    // 0 to 360
    double declinationDeg = 0;
};

SunPosition sunPosition(const JulianDate &instant);

} // namespace orvanta::orbit
