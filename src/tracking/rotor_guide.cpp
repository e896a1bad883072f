#include "tracking/rotor_guide.h"

#include "orbit/utc_time.h"
#include "platform/text_numbers.h"
#include "tracking/station_clock.h"

#include <QCoreApplication>

#include <algorithm>

namespace orvanta {

namespace {

double secondsBetween(const orbit::JulianDate &later, const orbit::JulianDate &earlier)
{
    return later.minutesSince(earlier) * 60.0;
}

orbit::JulianDate plusSeconds(const orbit::JulianDate &instant, double seconds)
{
    return orbit::JulianDate{instant.day, instant.fraction + seconds / orbit::kSecondsPerDay};
}

} // namespace

std::vector<TrackPoint> trackPoints(const PassTrack &track)
{
    std::vector<TrackPoint> points;
    points.reserve(track.samples.size());
    for (const TrackSample &s : track.samples)
        points.push_back({secondsBetween(s.instant, track.pass.aos), s.sky.azimuthDeg, s.sky.elevationDeg});
    return points;
}

QString rotorNote(const RotorPlan &plan, const orbit::PredictedPass &pass)
{
    const auto away = plan.away();
    if (!away)
        return {};
    return QCoreApplication::translate("Tracking",
                                       "Rotor : ce passage sort de son debattement ; il quitte le satellite de %1 a %2 "
                                       "(site jusqu'a %3°) plutot que de faire un tour complet plus haut.")
        .arg(timeText(plusSeconds(pass.aos, away->fromSeconds)), timeText(plusSeconds(pass.aos, away->toSeconds)),
             formatFixed(away->highestElevationDeg, 0));
}

const RotorGuide::Held &RotorGuide::planFor(orbit::Satellites &satellites, const orbit::PredictedPass &pass,
                                            const RotorRange &range)
{
    if (component_ != &satellites) {
        held_.clear();
        component_ = &satellites;
    }
    for (const Held &held : held_)
        if (held.name == pass.name && held.aos.minutesSince(pass.aos) == 0 && held.range == range)
            return held;
    // The passes before this one are over.
    std::erase_if(held_, [&](const Held &h) { return h.los.minutesSince(pass.aos) < 0; });
    held_.push_back({pass.name, pass.aos, pass.los, range,
                     RotorPlan::forTrack(trackPoints(computePassTrack(satellites, pass)), range)});
    return held_.back();
}

RotorAim RotorGuide::follow(orbit::Satellites &satellites, const orbit::PredictedPass &pass, double nowOle,
                            const RotorRange &range, double azimuthDeg, double elevationDeg)
{
    followed_ = true;
    const Held &held = planFor(satellites, pass, range);
    return held.plan.aim(secondsBetween(orbit::julianFromOle(nowOle), pass.aos), azimuthDeg, elevationDeg);
}

std::optional<RotorAim> RotorGuide::waitFor(orbit::Satellites &satellites, const orbit::PredictedPass &pass,
                                            double nowOle, const RotorRange &range, const RiseWaiting &waiting)
{
    if (!waiting.on)
        return std::nullopt;
    if (!followed_ && secondsBetween(pass.aos, orbit::julianFromOle(nowOle)) > waiting.seconds)
        return std::nullopt;
    return planFor(satellites, pass, range).plan.start();
}

} // namespace orvanta
