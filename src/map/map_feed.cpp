#include "map/map_feed.h"

#include "orbit/locator.h"

#include <algorithm>
#include <cmath>

namespace orvanta {

namespace {

// The grid's origin: any fixed instant, so a track's points never move.
constexpr orbit::JulianDate kGridOrigin{2451545.0, 0.0};
constexpr double kShortestStepMinutes = 0.5;
constexpr double kStepsPerOrbit = 200.0;

std::optional<orbit::SubSatellitePoint> subPoint(const orbit::Satellites &satellites, const std::string &name,
                                                 const orbit::JulianDate &instant)
{
    orbit::TemeState state;
    if (!satellites.stateAt(name, instant, state))
        return std::nullopt;
    return orbit::subSatellitePoint(state, instant);
}

} // namespace

std::vector<orbit::GroundPoint> MapFeed::track(const orbit::Satellites &satellites, const std::string &name,
                                               const orbit::JulianDate &now)
{
    const auto period = satellites.periodMinutes(name);
    if (!period || !(*period > 0))
        return {};
    Track &held = tracks_[name];
    const double step = std::max(kShortestStepMinutes, *period / kStepsPerOrbit);
    const double minutes = now.minutesSince(kGridOrigin);
    const long first = long(std::ceil((minutes - *period / 2) / step));
    const long last = long(std::floor((minutes + *period) / step));
    const long heldLast = held.first + long(held.points.size()) - 1;
    if (held.stepMinutes != step || held.points.empty() || first < held.first || first > heldLast) {
        held = Track{step, first, {}};
    }
    while (held.first < first && !held.points.empty()) {
        held.points.pop_front();
        ++held.first;
    }
    for (long k = held.first + long(held.points.size()); k <= last; ++k) {
        ++trackPropagations_;
        const auto point = subPoint(satellites, name, kGridOrigin.plusMinutes(double(k) * step));
        held.points.push_back(point ? std::optional(point->ground) : std::nullopt);
    }
    std::vector<orbit::GroundPoint> out;
    out.reserve(held.points.size());
    for (const auto &point : held.points)
        if (point)
            out.push_back(*point);
    return out;
}

MapScene MapFeed::scene(const orbit::Satellites &satellites, const MapTick &tick)
{
    MapScene scene;
    scene.instant = tick.now;
    scene.station = orbit::GroundPoint{tick.station.latitudeDeg, orbit::normalizedLongitude(tick.station.longitudeDeg)};
    scene.stationLocator =
        QString::fromStdString(orbit::locatorFromPosition(tick.station.latitudeDeg, tick.station.longitudeDeg));
    for (const QString &name : tick.selection) {
        if (name == tick.followed || name == tick.awaited)
            continue; // drawn with its track
        if (const auto point = subPoint(satellites, name.toStdString(), tick.now))
            scene.satellites.push_back({name, point->ground});
    }
    for (const auto &[name, followed] : {std::pair{tick.followed, true}, std::pair{tick.awaited, false}}) {
        if (name.isEmpty())
            continue;
        const auto point = subPoint(satellites, name.toStdString(), tick.now);
        if (!point)
            continue;
        const double footprint = orbit::footprintAngleRad(point->altitudeKm);
        scene.featured.push_back({{name, point->ground}, footprint, track(satellites, name.toStdString(), tick.now),
                                  followed,
                                  horizon_.flat() ? std::vector<orbit::GroundPoint>()
                                                  : stationHorizonOutline(*scene.station, footprint, horizon_)});
    }
    // Tracks no longer shown are not kept up to date: drop them.
    for (auto it = tracks_.begin(); it != tracks_.end();) {
        const QString name = QString::fromStdString(it->first);
        it = name == tick.followed || name == tick.awaited ? std::next(it) : tracks_.erase(it);
    }
    return scene;
}

} // namespace orvanta
