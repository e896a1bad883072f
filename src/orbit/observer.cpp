#include "orbit/observer.h"

#include "orbit/sgp4_constants.h"

#include <cmath>
#include <numbers>

namespace orvanta::orbit {

namespace {

using model::kDegToRad;
using model::kPi;

// WGS-72, the ellipsoid of the propagation model.
constexpr double kEquatorialRadiusKm = model::kEarthRadiusKm;
constexpr double kFlattening = 1.0 / 298.26;
constexpr double kEccentricitySquared = kFlattening * (2.0 - kFlattening);

// Sidereal time in seconds of time: constant, rate per Julian century
// beyond one turn a day, and the quadratic and cubic terms.
constexpr double kJ2000 = 2451545.0;
constexpr double kDaysPerCentury = 36525.0;
constexpr double kSiderealAt2000Seconds = 67310.54841;
constexpr double kSiderealCenturyRateSeconds = 8640184.812866;
constexpr double kSiderealQuadraticSeconds = 0.093104;
constexpr double kSiderealCubicSeconds = -6.2e-6;
constexpr double kSecondsPerDay = 86400.0;

double dot(const Vec3 &a, const Vec3 &b)
{
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

} // namespace

double siderealAngle(const JulianDate &instant)
{
    const double wholeDays = instant.day - kJ2000; // whole or half days
    const double centuries = (wholeDays + instant.fraction) / kDaysPerCentury;
    // One turn per day of the polynomial's main term: only the half day and
    // the fraction of the day survive the reduction to one turn.
    const double dayPart = wholeDays - std::floor(wholeDays) + instant.fraction;
    double seconds = kSiderealAt2000Seconds + dayPart * kSecondsPerDay +
                     centuries * (kSiderealCenturyRateSeconds +
                                  centuries * (kSiderealQuadraticSeconds + centuries * kSiderealCubicSeconds));
    seconds = std::fmod(seconds, kSecondsPerDay);
    if (seconds < 0)
        seconds += kSecondsPerDay;
    return seconds * (2.0 * kPi / kSecondsPerDay);
}

double Topocentric::azimuthRad() const
{
    const double azimuth = std::atan2(east, north);
    return azimuth < 0 ? azimuth + 2.0 * kPi : azimuth;
}

double Topocentric::elevationRad() const
{
    return std::atan2(up, std::hypot(east, north));
}

double Topocentric::azimuthDeg() const
{
    return azimuthRad() / kDegToRad;
}

double Topocentric::elevationDeg() const
{
    return elevationRad() / kDegToRad;
}

double Topocentric::elevationRateSign() const
{
    // d/dt (up / range) has the sign of the elevation rate.
    return upRate * rangeKm - up * rangeRateKmS;
}

Observer::Observer(double latitudeDeg, double longitudeDeg, double heightMetres)
    : latitudeDeg_(latitudeDeg), longitudeDeg_(longitudeDeg), heightMetres_(heightMetres)
{
    const double lat = latitudeDeg * kDegToRad;
    const double lon = longitudeDeg * kDegToRad;
    const double sinLat = std::sin(lat), cosLat = std::cos(lat);
    const double sinLon = std::sin(lon), cosLon = std::cos(lon);
    const double primeVerticalKm = kEquatorialRadiusKm / std::sqrt(1.0 - kEccentricitySquared * sinLat * sinLat);
    const double heightKm = heightMetres / 1000.0;
    position_ = {(primeVerticalKm + heightKm) * cosLat * cosLon, (primeVerticalKm + heightKm) * cosLat * sinLon,
                 (primeVerticalKm * (1.0 - kEccentricitySquared) + heightKm) * sinLat};
    eastAxis_ = {-sinLon, cosLon, 0.0};
    northAxis_ = {-sinLat * cosLon, -sinLat * sinLon, cosLat};
    upAxis_ = {cosLat * cosLon, cosLat * sinLon, sinLat};
}

double Observer::geocentricRadiusKm() const
{
    return std::sqrt(dot(position_, position_));
}

double Observer::geocentricLatitudeRad() const
{
    return std::atan2(position_.z, std::hypot(position_.x, position_.y));
}

Vec3 earthFixed(const Vec3 &equatorial, const JulianDate &instant)
{
    const double angle = siderealAngle(instant);
    const double c = std::cos(angle), s = std::sin(angle);
    return {c * equatorial.x + s * equatorial.y, -s * equatorial.x + c * equatorial.y, equatorial.z};
}

Topocentric Observer::look(const TemeState &state, const JulianDate &instant) const
{
    return look(state, siderealAngle(instant));
}

Topocentric Observer::look(const TemeState &state, double siderealAngleRad) const
{
    const double c = std::cos(siderealAngleRad), s = std::sin(siderealAngleRad);
    const Vec3 &r = state.position_km;
    const Vec3 &v = state.velocity_km_s;
    const Vec3 fixed{c * r.x + s * r.y, -s * r.x + c * r.y, r.z};
    // The earth-fixed velocity loses the frame's own rotation.
    const Vec3 fixedVelocity{c * v.x + s * v.y + kSiderealRateRadPerS * fixed.y,
                             -s * v.x + c * v.y - kSiderealRateRadPerS * fixed.x, v.z};
    const Vec3 relative{fixed.x - position_.x, fixed.y - position_.y, fixed.z - position_.z};

    Topocentric out;
    out.east = dot(eastAxis_, relative);
    out.north = dot(northAxis_, relative);
    out.up = dot(upAxis_, relative);
    out.eastRate = dot(eastAxis_, fixedVelocity);
    out.northRate = dot(northAxis_, fixedVelocity);
    out.upRate = dot(upAxis_, fixedVelocity);
    out.rangeKm = std::sqrt(dot(relative, relative));
    out.rangeRateKmS = out.rangeKm > 0 ? dot(relative, fixedVelocity) / out.rangeKm : 0.0;
    out.earthFixedVelocity = fixedVelocity;
    return out;
}

} // namespace orvanta::orbit
