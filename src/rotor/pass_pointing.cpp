#include "rotor/pass_pointing.h"

#include <algorithm>
#include <cmath>

namespace orvanta {

namespace {

// The azimuth difference the short way round, -180 to 180.
double turnBetween(double fromDeg, double toDeg)
{
    return std::remainder(toDeg - fromDeg, 360.0);
}

RotorAim whole(const RotorAim &aim)
{
    return {std::round(aim.azimuthDeg), std::round(aim.elevationDeg)};
}

} // namespace

PassPointing::PassPointing(RotorPlan plan, std::vector<TrackPoint> track, orbit::HorizonMask mask)
    : plan_(std::move(plan)), track_(std::move(track)), mask_(std::move(mask))
{
    for (const TrackPoint &p : track_) {
        if (!mask_.clears(p.azimuthDeg, p.elevationDeg))
            continue;
        if (!clears_)
            clears_ = p.seconds;
        sets_ = p.seconds;
    }
}

RotorAim PassPointing::satelliteAt(double seconds) const
{
    if (track_.empty())
        return {};
    const auto next = std::upper_bound(track_.begin(), track_.end(), seconds,
                                       [](double s, const TrackPoint &p) { return s < p.seconds; });
    TrackPoint sky;
    if (next == track_.begin()) {
        sky = track_.front();
    } else if (next == track_.end()) {
        sky = track_.back();
    } else {
        const TrackPoint &a = *(next - 1);
        const TrackPoint &b = *next;
        const double span = b.seconds - a.seconds;
        const double f = span > 0 ? (seconds - a.seconds) / span : 0.0;
        sky = {seconds, a.azimuthDeg + f * turnBetween(a.azimuthDeg, b.azimuthDeg),
               a.elevationDeg + f * (b.elevationDeg - a.elevationDeg)};
    }
    return plan_.aim(seconds, sky.azimuthDeg, sky.elevationDeg);
}

double PassPointing::inSightSeconds(double seconds) const
{
    if (!clears_)
        return seconds;
    return std::clamp(seconds, *clears_, *sets_);
}

RotorAim PassPointing::start() const
{
    if (mask_.flat() || !clears_)
        return plan_.start();
    return aboveHorizon(whole(satelliteAt(*clears_)));
}

RotorAim PassPointing::aboveHorizon(const RotorAim &aim) const
{
    if (mask_.flat())
        return aim;
    const RotorAim sky = onTheSky(aim);
    // Whole degrees, upward, so that what is sent never dips below it.
    const double lowest = std::ceil(mask_.minimumElevationDeg(sky.azimuthDeg));
    if (sky.elevationDeg >= lowest)
        return aim;
    return {aim.azimuthDeg, aim.elevationDeg > 90.0 ? 180.0 - lowest : lowest};
}

RotorAim PassPointing::command(double seconds, double azimuthDeg, double elevationDeg,
                               const std::optional<Lead> &lead) const
{
    if (!lead && (mask_.flat() || !clears_ || seconds == inSightSeconds(seconds)))
        return aboveHorizon(plan_.aim(seconds, azimuthDeg, elevationDeg));
    const RotorAim aim =
        lead ? leadAim(lead->rotorNow, lead->speeds, lead->intervalSeconds,
                       [&](double ahead) { return satelliteAt(inSightSeconds(seconds + ahead)); })
             : satelliteAt(inSightSeconds(seconds));
    return aboveHorizon(whole(aim));
}

} // namespace orvanta
