#include "orbit/sun.h"

#include "orbit/observer.h"

#include <cmath>
#include <numbers>

namespace orvanta::orbit {

namespace {

constexpr double kDeg = std::numbers::pi / 180.0;
constexpr double kJ2000 = 2451545.0;

double turnDegrees(double degrees)
{
    const double turned = std::fmod(degrees, 360.0);
    return turned < 0 ? turned + 360.0 : turned;
}

} // namespace

SunPosition sunPosition(const JulianDate &instant)
{
    const double n = (instant.day - kJ2000) + instant.fraction;
    const double meanLongitude = turnDegrees(280.460 + 0.9856474 * n); // aberration included
    const double meanAnomaly = turnDegrees(357.528 + 0.9856003 * n) * kDeg;
    const double longitude =
        turnDegrees(meanLongitude + 1.915 * std::sin(meanAnomaly) + 0.020 * std::sin(2 * meanAnomaly));
    const double obliquity = (23.439 - 0.0000004 * n) * kDeg;
    const double lambda = longitude * kDeg;

    SunPosition sun;
    sun.eclipticLongitudeDeg = longitude;
    sun.rightAscensionDeg =
        turnDegrees(std::atan2(std::cos(obliquity) * std::sin(lambda), std::cos(lambda)) / kDeg);
    sun.declinationDeg = std::asin(std::sin(obliquity) * std::sin(lambda)) / kDeg;
    sun.distanceAu = 1.00014 - 0.01671 * std::cos(meanAnomaly) - 0.00014 * std::cos(2 * meanAnomaly);
    return sun;
}

Vec3 SunPosition::positionKm() const
{
    const double ra = rightAscensionDeg * kDeg, dec = declinationDeg * kDeg;
    const double r = distanceAu * kAstronomicalUnitKm;
    return {r * std::cos(dec) * std::cos(ra), r * std::cos(dec) * std::sin(ra), r * std::sin(dec)};
}

Vec3 SunPosition::direction() const
{
    const double ra = rightAscensionDeg * kDeg, dec = declinationDeg * kDeg;
    return {std::cos(dec) * std::cos(ra), std::cos(dec) * std::sin(ra), std::sin(dec)};
}

GroundPoint subSolarPoint(const JulianDate &instant)
{
    const SunPosition sun = sunPosition(instant);
    return {sun.declinationDeg, normalizedLongitude(sun.rightAscensionDeg - siderealAngle(instant) / kDeg)};
}

double sunElevationDeg(const GroundPoint &where, const GroundPoint &subSolar)
{
    return 90.0 - angularDistanceRad(where, subSolar) / kDeg;
}

} // namespace orvanta::orbit
