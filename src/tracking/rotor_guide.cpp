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
        return QCoreApplication::translate("Tracking",
                                           "Rotor : ce passage sort de son débattement ; il fait le tour de son "
                                           "débattement à %1 sans quitter le satellite, assez haut pour rester dans "
                                           "son faisceau.")
            .arg(tickTime(*turn));
    }
    const QString from = turn && away->fromSeconds >= *turn ? tickTime(*turn)
                                                            : timeText(plusSeconds(pass.aos, away->fromSeconds));
    const QString text = QCoreApplication::translate("Tracking", "Rotor : ce passage sort de son débattement ; il "
                                                                 "quitte le satellite de %1 à %2 (site jusqu'à %3°)")
                             .arg(from, timeText(plusSeconds(pass.aos, away->toSeconds)),
                                  formatFixed(away->highestElevationDeg, 0));
    if (turn)
        return text + QCoreApplication::translate("Tracking", " et fait le tour de son débattement à %1.")
                          .arg(tickTime(*turn));
    return text + QCoreApplication::translate("Tracking", " plutôt que de faire un tour complet plus haut.");
}

const RotorGuide::Held &RotorGuide::planFor(orbit::Satellites &satellites, const orbit::PredictedPass &pass,
                                            const RotorRange &range, double fromSeconds)
{
    if (component_ != &satellites) {
        held_.clear();
        component_ = &satellites;
    }
    const auto same = [&](const Held &held) {
        return held.catalogNumber == pass.catalogNumber && held.aos.minutesSince(pass.aos) == 0 && held.range == range &&
               held.azimuthSpeed == azimuthSpeed_;
    };
    if (fromSeconds > 0)
        std::erase_if(held_, same);
    for (const Held &held : held_)
        if (same(held))
            return held;
    // The passes before this one are over.
    std::erase_if(held_, [&](const Held &h) { return h.los.minutesSince(pass.aos) < 0; });
    std::vector<TrackPoint> points = trackPoints(computePassTrack(satellites, pass));
    // The point just before now stays, so the plan holds the present instant.
    const auto past = std::find_if(points.begin(), points.end(),
                                   [fromSeconds](const TrackPoint &p) { return p.seconds > fromSeconds; });
    if (past != points.begin() && past != points.end())
        points.erase(points.begin(), std::prev(past));
    RotorPlan plan = RotorPlan::forTrack(points, range, azimuthSpeed_);
    held_.push_back({pass.catalogNumber, pass.aos, pass.los, range, azimuthSpeed_,
                     PassPointing(std::move(plan), std::move(points), horizon_)});
    return held_.back();
}

RotorAim RotorGuide::follow(orbit::Satellites &satellites, const orbit::PredictedPass &pass, double nowOle,
                            const RotorRange &range, double azimuthDeg, double elevationDeg,
                            const std::optional<PassPointing::Lead> &lead, bool fromNow)
{
    followed_ = true;
    const double seconds = secondsBetween(orbit::julianFromOle(nowOle), pass.aos);
    const Held &held = planFor(satellites, pass, range, fromNow ? seconds : 0);
    return held.pointing.command(seconds, azimuthDeg, elevationDeg, lead);
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
