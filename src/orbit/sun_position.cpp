#include "orbit/sun_position.h"

#include <cmath>
#include <numbers>

namespace orvanta::orbit {

namespace {

constexpr double kDegree = std::numbers::pi / 180.0;
constexpr double kJ2000 = 2451545.0;

double turnDegrees(double degrees)
{
    return degrees - 360.0 * std::floor(degrees / 360.0);
}

} // namespace

SunPosition sunPosition(const JulianDate &instant)
{
    // Days from J2000.0, the whole days first to keep the fraction's precision.
    const double n = (instant.day - kJ2000) + instant.fraction;
    const double meanLongitude = turnDegrees(280.460 + 0.9856474 * n);
    const double g = turnDegrees(357.528 + 0.9856003 * n) * kDegree; // mean anomaly
    const double longitude = turnDegrees(meanLongitude + 1.915 * std::sin(g) + 0.020 * std::sin(2 * g));
    const double obliquity = (23.439 - 0.0000004 * n) * kDegree;

    const double l = longitude * kDegree;
    SunPosition sun;
    sun.direction = {std::cos(l), std::cos(obliquity) * std::sin(l), std::sin(obliquity) * std::sin(l)};
    sun.distanceAu = 1.00014 - 0.01671 * std::cos(g) - 0.00014 * std::cos(2 * g);
    sun.eclipticLongitudeDeg = longitude;
    sun.rightAscensionDeg = turnDegrees(std::atan2(sun.direction.y, sun.direction.x) / kDegree);
    sun.declinationDeg = std::asin(sun.direction.z) / kDegree;
    return sun;
}

} // namespace orvanta::orbit
