#pragma once

#include "map/world_map.h"
#include "orbit/satellites.h"

#include <QStringList>

#include <deque>
#include <map>
#include <optional>
#include <string>

// What the tracking tick hands to the world map.
namespace orvanta {

struct MapTick {
    orbit::JulianDate now;
    QStringList selection;         // every selected satellite
    QString followed;              // empty when none
    QString awaited;               // empty when none
    orbit::GroundPoint station;    // latitude, longitude (any turn)
};

// Builds the map's scene. The ground tracks are kept on a fixed grid of
// instants: each tick only adds the points that came into the span (half
// an orbit back to one orbit ahead) and drops those that left it.
class MapFeed {
public:
    MapScene scene(const orbit::Satellites &satellites, const MapTick &tick);

    // To call when the component is replaced: the tracks held may be wrong.
    void clear() { tracks_.clear(); }
    // The station's own horizon, drawn around the station from now on.
    void setHorizon(const orbit::HorizonMask &mask) { horizon_ = mask; }
    // Propagations made for the tracks so far (tests: a tick adds a few).
    long trackPropagations() const { return trackPropagations_; }

private:
    struct Track {
        double stepMinutes = 0;
        long first = 0; // grid index of the front point
        std::deque<std::optional<orbit::GroundPoint>> points;
    };
    std::vector<orbit::GroundPoint> track(const orbit::Satellites &satellites, const std::string &name,
                                          const orbit::JulianDate &now);

    std::map<std::string, Track> tracks_;
    long trackPropagations_ = 0;
    orbit::HorizonMask horizon_;
};

} // namespace orvanta
