#include "orbit/pass_schedule.h"

#include "orbit/observer.h"
#include "orbit/sun.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace orvanta::orbit {

namespace {

constexpr double kDegree = std::numbers::pi / 180.0;
constexpr double kEarthRadiusKm = 6378.135; // WGS-72, as the propagation model
constexpr double kDarkSunElevationDeg = -6.0; // civil twilight's end

double dot(const Vec3 &a, const Vec3 &b)
{
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

// The station's local axes in earth-fixed coordinates.
struct LocalAxes {
    Vec3 east, north, up;
};

LocalAxes localAxes(double latitudeDeg, double longitudeDeg)
{
    const double phi = latitudeDeg * kDegree, lambda = longitudeDeg * kDegree;
    return {{-std::sin(lambda), std::cos(lambda), 0},
            {-std::sin(phi) * std::cos(lambda), -std::sin(phi) * std::sin(lambda), std::cos(phi)},
            {std::cos(phi) * std::cos(lambda), std::cos(phi) * std::sin(lambda), std::sin(phi)}};
}

// The Sun's direction in earth-fixed axes at an instant.
Vec3 earthFixedSun(const JulianDate &instant)
{
    const Vec3 sun = sunPosition(instant).direction();
    const double theta = siderealAngle(instant);
    return {sun.x * std::cos(theta) + sun.y * std::sin(theta), -sun.x * std::sin(theta) + sun.y * std::cos(theta),
            sun.z};
}

} // namespace

bool sunlit(const Vec3 &positionKm, const Vec3 &sunDirection)
{
    const double along = dot(positionKm, sunDirection);
    if (along >= 0)
        return true;
    const double across2 = dot(positionKm, positionKm) - along * along;
    return across2 > kEarthRadiusKm * kEarthRadiusKm;
}

ScheduledPass scheduledPass(const Satellites &satellites, const PredictedPass &pass)
{
    ScheduledPass out;
    out.name = pass.name;
    out.catalogNumber = std::to_string(satellites.catalogNumber(pass.name));
    out.aos = pass.aos;
    out.los = pass.los;
    out.maxElevationTime = pass.maxElevationTime;
    out.maxElevationDeg = pass.maxElevationDeg;
    out.aosAzimuthDeg = pass.aosAzimuthDeg;
    out.durationSeconds = pass.durationSeconds();
    SatelliteLook look;
    if (satellites.lookAt(pass.name, pass.los, -90, look))
        out.losAzimuthDeg = look.azimuthRad / kDegree;

    // The satellite at its highest point, back from the station's view of it
    // into earth-fixed axes, where the Sun is turned too.
    if (satellites.lookAt(pass.name, pass.maxElevationTime, -90, look)) {
        const Observer station(satellites.ObsLat(), satellites.ObsLon(), satellites.ObsHeight());
        const double rc = station.geocentricRadiusKm(), pc = station.geocentricLatitudeRad();
        const double lambda = satellites.ObsLon() * kDegree;
        const Vec3 at{rc * std::cos(pc) * std::cos(lambda), rc * std::cos(pc) * std::sin(lambda), rc * std::sin(pc)};
        const LocalAxes axes = localAxes(satellites.ObsLat(), satellites.ObsLon());
        const double e = look.rangeKm * std::cos(look.elevationRad) * std::sin(look.azimuthRad);
        const double n = look.rangeKm * std::cos(look.elevationRad) * std::cos(look.azimuthRad);
        const double u = look.rangeKm * std::sin(look.elevationRad);
        const Vec3 satellite{at.x + e * axes.east.x + n * axes.north.x + u * axes.up.x,
                             at.y + e * axes.east.y + n * axes.north.y + u * axes.up.y,
                             at.z + e * axes.east.z + n * axes.north.z + u * axes.up.z};
        const Vec3 sun = earthFixedSun(pass.maxElevationTime);
        out.sunlit = sunlit(satellite, sun);
        out.stationDark = std::asin(std::clamp(dot(axes.up, sun), -1.0, 1.0)) / kDegree < kDarkSunElevationDeg;
    }
    return out;
}

std::vector<ScheduledPass> passSchedule(Satellites &satellites, const std::vector<std::string> &names,
                                        const JulianDate &start, double days, double minElevationDeg,
                                        double minPassSeconds)
{
    std::vector<ScheduledPass> schedule;
    for (const std::string &name : names) {
        if (!satellites.refusal(name, start, days).empty())
            continue;
        for (const PredictedPass &pass : satellites.passes(name, start, days, minElevationDeg, minPassSeconds))
            schedule.push_back(scheduledPass(satellites, pass));
    }
    std::stable_sort(schedule.begin(), schedule.end(), [](const ScheduledPass &a, const ScheduledPass &b) {
        const double gap = a.aos.minutesSince(b.aos);
        return gap != 0 ? gap < 0 : a.name < b.name;
    });
    return schedule;
}

} // namespace orvanta::orbit
