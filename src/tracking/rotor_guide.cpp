#include "tracking/rotor_guide.h"

#include "orbit/utc_time.h"
#include "platform/text_numbers.h"
#include "tracking/station_clock.h"

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

QString rotorNote(const RotorPlan &plan, const orbit::PredictedPass &pass, const TickRhythm &rhythm)
{
    const auto away = plan.away();
    const auto turn = plan.turnSeconds();
    const auto tickTime = [&](double seconds) {
        const std::int64_t second =
            rhythm.firstTickSecond(secondsBetween(pass.aos, orbit::julianFromOle(0)) + seconds);
        return timeText(orbit::julianFromOle(double(second) / orbit::kSecondsPerDay));
    };
    if (!away) {
        if (!turn)
            return {};
        return QStringLiteral("Rotor : ce passage sort de son débattement ; il fait le tour de son débattement à %1 "
                              "sans quitter le satellite, assez haut pour rester dans son faisceau.")
            .arg(tickTime(*turn));
    }
    const QString from = turn && away->fromSeconds >= *turn ? tickTime(*turn)
                                                            : timeText(plusSeconds(pass.aos, away->fromSeconds));
    const QString text = QStringLiteral("Rotor : ce passage sort de son débattement ; il quitte le satellite de %1 à %2 "
                                        "(site jusqu'à %3°)")
                             .arg(from, timeText(plusSeconds(pass.aos, away->toSeconds)),
                                  formatFixed(away->highestElevationDeg, 0));
    if (turn)
        return text + QStringLiteral(" et fait le tour de son débattement à %1.").arg(tickTime(*turn));
    return text + QStringLiteral(" plutôt que de faire un tour complet plus haut.");
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
    std::vector<TrackPoint> track = trackPoints(computePassTrack(satellites, pass));
    RotorPlan plan = RotorPlan::forTrack(track, range);
    held_.push_back({pass.name, pass.aos, pass.los, range, PassPointing(std::move(plan), std::move(track), horizon_)});
    return held_.back();
}

RotorAim RotorGuide::follow(orbit::Satellites &satellites, const orbit::PredictedPass &pass, double nowOle,
                            const RotorRange &range, double azimuthDeg, double elevationDeg,
                            const std::optional<PassPointing::Lead> &lead)
{
    followed_ = true;
    const Held &held = planFor(satellites, pass, range);
    return held.pointing.command(secondsBetween(orbit::julianFromOle(nowOle), pass.aos), azimuthDeg, elevationDeg,
                                 lead);
}

void RotorGuide::setHorizon(const orbit::HorizonMask &mask)
{
    horizon_ = mask;
    held_.clear();
}

std::optional<RotorAim> RotorGuide::waitFor(orbit::Satellites &satellites, const orbit::PredictedPass &pass,
                                            double nowOle, const RotorRange &range, const RiseWaiting &waiting)
{
    if (!waiting.on)
        return std::nullopt;
    if (!followed_ && secondsBetween(pass.aos, orbit::julianFromOle(nowOle)) > waiting.seconds)
        return std::nullopt;
    return planFor(satellites, pass, range).pointing.start();
}

} // namespace orvanta
