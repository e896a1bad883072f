#pragma once

#include "orbit/ground_point.h"
#include "orbit/julian_date.h"
#include "orbit/sgp4.h"

// The Sun's position from the low-precision expressions of the
// astronomical almanacs: about 0.01 degree from 1950 to 2050, enough for
// day and night on the map and for whether a satellite is sunlit.
namespace orvanta::orbit {

inline constexpr double kAstronomicalUnitKm = 149597870.7;

struct SunPosition {
    double eclipticLongitudeDeg = 0; // apparent, 0 to 360
    double rightAscensionDeg = 0;    // 0 to 360, equator and equinox of date
    double declinationDeg = 0;
    double distanceAu = 0;

    // From the Earth's centre to the Sun, km, in equatorial axes of date (the
    // axes of the propagation model's states, within the model's own precision).
    Vec3 positionKm() const;
    // The same direction as a unit vector.
    Vec3 direction() const;
};

SunPosition sunPosition(const JulianDate &instant);

// The point that has the Sun at its zenith.
GroundPoint subSolarPoint(const JulianDate &instant);

// The Sun's elevation seen from a point of the ground, degrees, from the
// sub-solar point (the Earth taken as a sphere: the map's day and night).
double sunElevationDeg(const GroundPoint &where, const GroundPoint &subSolar);

} // namespace orvanta::orbit
