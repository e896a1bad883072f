#pragma once

#include "orbit/julian_date.h"
#include "orbit/sgp4.h"

// Where a satellite is over the Earth: its sub-satellite point on the WGS-84
// ellipsoid and the footprint, the region that sees it above the horizon.
namespace orvanta::orbit {

// WGS-84, the ellipsoid of maps and locators.
inline constexpr double kWgs84EquatorialRadiusKm = 6378.137;
inline constexpr double kWgs84Flattening = 1.0 / 298.257223563;

struct GroundPoint {
    double latitudeDeg = 0;  // geodetic
    double longitudeDeg = 0; // -180 to 180, east positive
    bool operator==(const GroundPoint &) const = default;
};

struct SubSatellitePoint {
    GroundPoint ground;
    double altitudeKm = 0; // above the ellipsoid, along the normal
};

// Geodetic coordinates of a point in earth-fixed axes (km).
SubSatellitePoint geodeticFromEarthFixed(const Vec3 &positionKm);
// The satellite's sub-satellite point at that instant (earth-fixed axes
// turned by the model's sidereal angle, as the station's look uses).
SubSatellitePoint subSatellitePoint(const TemeState &state, const JulianDate &instant);

// A longitude brought into -180 to 180 (180 itself stays 180).
double normalizedLongitude(double degrees);

// The footprint's angular radius seen from the Earth's centre, acos(Re / (Re + h)),
// and its radius along the ground, km. Zero at or below the surface.
double footprintAngleRad(double altitudeKm);
double footprintRadiusKm(double altitudeKm);

// The point at an angular distance (rad) from a point along a bearing
// (rad, from north through east) on a sphere; longitude -180 to 180.
GroundPoint pointAtDistance(const GroundPoint &from, double angleRad, double bearingRad);
// The angle between two points seen from the centre of a sphere, rad.
double angularDistanceRad(const GroundPoint &a, const GroundPoint &b);

} // namespace orvanta::orbit
