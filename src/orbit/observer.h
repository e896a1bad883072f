#pragma once

#include "orbit/julian_date.h"
#include "orbit/sgp4.h"

// The station on the WGS-72 ellipsoid and the satellite as seen from it.
namespace orvanta::orbit {

// Greenwich mean sidereal angle (rad, 0 to 2 pi) of a UTC instant, by the
// same expression as the propagation model (UT1 taken as UTC). The whole
// days are reduced before the fraction is added, so the angle keeps its
// precision far from the year 2000.
double siderealAngle(const JulianDate &instant);

// A vector of the model's equatorial axes in earth-fixed axes, turned by that
// sidereal angle.
Vec3 earthFixed(const Vec3 &equatorial, const JulianDate &instant);

// Earth's rotation rate in the frame of that sidereal angle (its derivative), rad/s.
inline constexpr double kSiderealRateRadPerS = 7.2921158553e-5;

// A satellite's position and motion in the station's local frame: east,
// north and up along the geodetic vertical. Angles are worked out on demand,
// since the pass search mostly needs the distances and their rates.
struct Topocentric {
    double east = 0, north = 0, up = 0;              // km
    double eastRate = 0, northRate = 0, upRate = 0; // km/s
    double rangeKm = 0;
    double rangeRateKmS = 0; // positive when the satellite moves away
    Vec3 earthFixedVelocity; // km/s, for the heading of a pass

    double azimuthRad() const;   // 0 to 2 pi, from north through east
    double elevationRad() const; // geometric, no refraction
    double azimuthDeg() const;
    double elevationDeg() const;
    // Positive while the elevation grows; only its sign and zero are exact
    // at the zenith, where the elevation rate itself is not defined.
    double elevationRateSign() const;
};

class Observer {
public:
    // Latitude -90 to 90 and longitude in degrees (east positive, any turn),
    // height above the ellipsoid in metres.
    Observer(double latitudeDeg, double longitudeDeg, double heightMetres);

    double latitudeDeg() const { return latitudeDeg_; }
    double longitudeDeg() const { return longitudeDeg_; }
    double heightMetres() const { return heightMetres_; }
    // Distance from the earth's centre and angle of that radius above the equator.
    double geocentricRadiusKm() const;
    double geocentricLatitudeRad() const;

    Topocentric look(const TemeState &state, const JulianDate &instant) const;
    Topocentric look(const TemeState &state, double siderealAngleRad) const;

private:
    double latitudeDeg_;
    double longitudeDeg_;
    double heightMetres_;
    Vec3 position_; // earth-fixed, km
    // Rows of the rotation from earth-fixed axes to east, north, up.
    Vec3 eastAxis_, northAxis_, upAxis_;
};

} // namespace orvanta::orbit
