#pragma once

#include <cmath>
#include <numbers>

// Constants of the reference propagation model: WGS-72 earth, distances in
// earth radii and time in minutes inside the model.
namespace orvanta::orbit::model {

inline constexpr double kPi = std::numbers::pi;
inline constexpr double kTwoPi = 2.0 * std::numbers::pi;
inline constexpr double kDegToRad = kPi / 180.0;
inline constexpr double kTwoThirds = 2.0 / 3.0;
inline constexpr double kMinutesPerDay = 1440.0;

inline constexpr double kEarthRadiusKm = 6378.135;       // WGS-72 equatorial radius
inline constexpr double kEarthMuKm3PerS2 = 398600.8;     // WGS-72 gravitational parameter
inline constexpr double kJ2 = 0.001082616;               // zonal harmonics, dimensionless
inline constexpr double kJ3 = -0.00000253881;
inline constexpr double kJ4 = -0.00000165597;
inline constexpr double kJ3OverJ2 = kJ3 / kJ2;
// sqrt(mu) in earth radii^1.5 per minute
inline const double kXke = 60.0 / std::sqrt(kEarthRadiusKm * kEarthRadiusKm * kEarthRadiusKm / kEarthMuKm3PerS2);
inline const double kVelocityKmPerS = kEarthRadiusKm * kXke / 60.0; // one earth radius per model time unit, in km/s

// Atmosphere of the drag model: density function parameters at 78 km and 120 km altitude.
inline constexpr double kDensityParamS = 78.0 / kEarthRadiusKm + 1.0;                  // s, earth radii
inline const double kDensityParamQms2t = std::pow((120.0 - 78.0) / kEarthRadiusKm, 4); // (q0 - s)^4, earth radii^4

inline constexpr double kDeepSpacePeriodMinutes = 225.0; // periods at or above this use the deep-space terms
inline constexpr double kEarthRotationRadPerMin = 4.37526908801129966e-3;

// Julian date of 1950 January 0.0, the origin of the lunar-solar ephemeris.
inline constexpr double kJulianDate1950 = 2433281.5;

} // namespace orvanta::orbit::model
