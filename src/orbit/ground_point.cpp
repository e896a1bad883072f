#include "orbit/ground_point.h"

#include "orbit/observer.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace orvanta::orbit {

namespace {

constexpr double kDeg = std::numbers::pi / 180.0;
constexpr double kEccentricitySquared = kWgs84Flattening * (2.0 - kWgs84Flattening);

} // namespace

SubSatellitePoint geodeticFromEarthFixed(const Vec3 &r)
{
    const double p = std::hypot(r.x, r.y);
    double latitude = std::atan2(r.z, p * (1.0 - kEccentricitySquared));
    double height = 0;
    // Converges to well under a millimetre in a few rounds at any height.
    for (int round = 0; round < 8; ++round) {
        const double s = std::sin(latitude), c = std::cos(latitude);
        const double primeVertical = kWgs84EquatorialRadiusKm / std::sqrt(1.0 - kEccentricitySquared * s * s);
        // This form of the height holds at the poles too, where p / cos does not.
        height = p * c + (r.z + kEccentricitySquared * primeVertical * s) * s - primeVertical;
        const double next = std::atan2(r.z, p * (1.0 - kEccentricitySquared * primeVertical / (primeVertical + height)));
        const bool settled = std::fabs(next - latitude) < 1e-13;
        latitude = next;
        if (settled)
            break;
    }
    return {{latitude / kDeg, std::atan2(r.y, r.x) / kDeg}, height};
}

SubSatellitePoint subSatellitePoint(const TemeState &state, const JulianDate &instant)
{
    return geodeticFromEarthFixed(earthFixed(state.position_km, instant));
}

double normalizedLongitude(double degrees)
{
    if (degrees >= -180.0 && degrees <= 180.0)
        return degrees;
    double turned = std::fmod(degrees + 180.0, 360.0);
    if (turned < 0)
        turned += 360.0;
    return turned - 180.0;
}

double footprintAngleRad(double altitudeKm)
{
    if (!(altitudeKm > 0))
        return 0.0;
    return std::acos(kWgs84EquatorialRadiusKm / (kWgs84EquatorialRadiusKm + altitudeKm));
}

double footprintRadiusKm(double altitudeKm)
{
    return kWgs84EquatorialRadiusKm * footprintAngleRad(altitudeKm);
}

GroundPoint pointAtDistance(const GroundPoint &from, double angleRad, double bearingRad)
{
    const double lat = from.latitudeDeg * kDeg;
    const double sinLat = std::sin(lat), cosLat = std::cos(lat);
    const double sinAngle = std::sin(angleRad), cosAngle = std::cos(angleRad);
    const double sinTo = std::clamp(sinLat * cosAngle + cosLat * sinAngle * std::cos(bearingRad), -1.0, 1.0);
    const double dLon = std::atan2(std::sin(bearingRad) * sinAngle * cosLat, cosAngle - sinLat * sinTo);
    return {std::asin(sinTo) / kDeg, normalizedLongitude(from.longitudeDeg + dLon / kDeg)};
}

double angularDistanceRad(const GroundPoint &a, const GroundPoint &b)
{
    const double la = a.latitudeDeg * kDeg, lb = b.latitudeDeg * kDeg;
    const double dLon = (b.longitudeDeg - a.longitudeDeg) * kDeg;
    // The haversine form keeps its precision for points close together.
    const double h = std::pow(std::sin((lb - la) / 2), 2) + std::cos(la) * std::cos(lb) * std::pow(std::sin(dLon / 2), 2);
    return 2.0 * std::asin(std::min(1.0, std::sqrt(h)));
}

} // namespace orvanta::orbit
