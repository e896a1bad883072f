#include "orbit/pass_schedule.h"

#include "orbit/observer.h"
#include "orbit/prediction_uncertainty.h"
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

// The station's vertical (geodetic) in earth-fixed coordinates.
Vec3 localUp(double latitudeDeg, double longitudeDeg)
{
    const double phi = latitudeDeg * kDegree, lambda = longitudeDeg * kDegree;
    return {std::cos(phi) * std::cos(lambda), std::cos(phi) * std::sin(lambda), std::sin(phi)};
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

ScheduledPass scheduledPass(const Satellites &satellites, const PredictedPass &pass, const HorizonMask &horizon)
{
    ScheduledPass out;
    out.name = pass.name;
    out.catalogNumber = std::to_string(pass.catalogNumber);
    out.aos = pass.aos;
    out.los = pass.los;
    out.maxElevationTime = pass.maxElevationTime;
    out.maxElevationDeg = pass.maxElevationDeg;
    out.aosAzimuthDeg = pass.aosAzimuthDeg;
    out.durationSeconds = pass.durationSeconds();
    out.revolution = satellites.revolutionAt(pass.name, pass.maxElevationTime).value_or(0);
    if (!horizon.flat()) {
        out.horizonChecked = true;
        out.inSight = horizonWindow(satellites, pass, horizon);
    }
    if (const auto uncertainty = uncertaintyAtAos(satellites, pass)) {
        out.elementAgeDays = uncertainty->ageDays;
        out.aosUncertaintySeconds = uncertainty->seconds;
    }
    SatelliteLook look;
    if (satellites.lookAt(pass.name, pass.los, -90, look))
        out.losAzimuthDeg = look.azimuthRad / kDegree;

    // The satellite's state and the Sun's direction share the model's equatorial axes.
    TemeState state;
    if (satellites.stateAt(pass.name, pass.maxElevationTime, state)) {
        const Vec3 sun = sunPosition(pass.maxElevationTime).direction();
        out.sunlit = sunlit(state.position_km, sun);
        const Vec3 up = localUp(satellites.ObsLat(), satellites.ObsLon());
        const double sunHeight = dot(up, earthFixed(sun, pass.maxElevationTime));
        out.stationDark = std::asin(std::clamp(sunHeight, -1.0, 1.0)) / kDegree < kDarkSunElevationDeg;
    }
    return out;
}

std::vector<ScheduledPass> passSchedule(Satellites &satellites, const std::vector<std::string> &names,
                                        const JulianDate &start, double days, double minElevationDeg,
                                        double minPassSeconds, const HorizonMask &horizon)
{
    std::vector<ScheduledPass> schedule;
    for (const std::string &name : names) {
        if (!satellites.refusal(name, start, days).empty())
            continue;
        for (const PredictedPass &pass : satellites.passes(name, start, days, minElevationDeg, minPassSeconds))
            schedule.push_back(scheduledPass(satellites, pass, horizon));
    }
    std::stable_sort(schedule.begin(), schedule.end(), [](const ScheduledPass &a, const ScheduledPass &b) {
        const double gap = a.aos.minutesSince(b.aos);
        return gap != 0 ? gap < 0 : a.name < b.name;
    });
    return schedule;
}

} // namespace orvanta::orbit
