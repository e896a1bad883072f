#pragma once

#include "map/map_background.h"
#include "orbit/ground_point.h"
#include "orbit/horizon_mask.h"
#include "orbit/julian_date.h"

#include <QFont>
#include <QPointF>
#include <QPolygonF>
#include <QRegion>
#include <QRgb>
#include <QSize>
#include <QString>

#include <optional>
#include <vector>

class QPainter;

// The world map "Carte": an equirectangular map of the Earth (longitude
// -180 to 180 across, latitude 90 to -90 down) with day and night, the
// station, the selected satellites over their sub-satellite points, and
// the ground track and footprint of the followed and awaited satellites.
// This is everything the window shows, without the window: tests draw it
// into images.
namespace orvanta {

// A satellite over the Earth.
struct MapSatellite {
    QString name;
    orbit::GroundPoint point;
    bool operator==(const MapSatellite &) const = default;
};

// The followed or the awaited satellite: also its track and footprint.
struct MapFeatured {
    MapSatellite satellite;
    double footprintAngleRad = 0;
    // From half an orbit back to one orbit ahead, oldest first.
    std::vector<orbit::GroundPoint> track;
    bool followed = true; // otherwise awaited
    // Where its sub-satellite point clears the station's own horizon (trees,
    // buildings): a closed line around the station, inside the circle where
    // it rises; none without a horizon of the station's own.
    std::vector<orbit::GroundPoint> stationHorizon;
    bool operator==(const MapFeatured &) const = default;
};

// All the map shows. Painting reads only this: no orbit is computed while drawing.
struct MapScene {
    std::optional<orbit::GroundPoint> station;
    QString stationLocator;
    std::vector<MapSatellite> satellites;
    std::vector<MapFeatured> featured;
    orbit::JulianDate instant; // for day and night
};

namespace map_colours {
inline constexpr QRgb kOcean = qRgb(18, 34, 62);
inline constexpr QRgb kGraticule = qRgb(70, 90, 125);
inline constexpr QRgb kFollowed = qRgb(70, 210, 100);
inline constexpr QRgb kAwaited = qRgb(245, 165, 40);
inline constexpr QRgb kSatellite = qRgb(235, 60, 60);
inline constexpr QRgb kStation = qRgb(80, 200, 235);
inline constexpr QRgb kText = qRgb(240, 242, 248);
} // namespace map_colours

// Degrees on the map to drawing coordinates and back.
class MapProjection {
public:
    explicit MapProjection(QSizeF size) : size_(size) {}
    QPointF toWidget(const orbit::GroundPoint &point) const;
    // x taken as any longitude (beyond 180 too), for lines drawn across the edge.
    QPointF toWidget(double longitudeDeg, double latitudeDeg) const;
    orbit::GroundPoint toGround(const QPointF &at) const;
    const QSizeF &size() const { return size_; }

private:
    QSizeF size_;
};

// A track cut where it crosses the date line: each piece stays within -180
// to 180 and ends on the edge of the map, at the latitude where it crosses.
std::vector<std::vector<orbit::GroundPoint>> splitAtDateLine(const std::vector<orbit::GroundPoint> &track);

// The footprint's outline as longitudes and latitudes (x, y), the longitudes
// continuous (they may pass 180 or -180). When it encloses a pole, the
// outline goes once around the Earth and is closed along the pole's edge
// of the map, so that filling it covers the band up to the pole.
QPolygonF footprintOutline(const orbit::GroundPoint &centre, double angleRad);
// The closed line around the station where a satellite whose footprint has
// that angular radius stands on the station's horizon: along each azimuth,
// the sub-satellite point's distance at which it is seen at the horizon's
// minimum elevation. Longitudes -180 to 180.
std::vector<orbit::GroundPoint> stationHorizonOutline(const orbit::GroundPoint &station, double footprintAngleRad,
                                                      const orbit::HorizonMask &horizon);
// The polygons to fill on the map: the outline and its copies a turn to
// either side, for the part beyond the date line.
std::vector<QPolygonF> footprintPolygons(const MapProjection &projection, const orbit::GroundPoint &centre,
                                         double angleRad);

// The text of the map's own labels: fixed pixel size, independent of the desktop's fonts.
QFont mapFont();

// Draws the whole map.
void paintMap(QPainter &painter, QSize size, const MapScene &scene, MapBackground &background);

// The area of the drawing that changes from one scene to the next: the
// markers that moved with their names, the tracks and footprints that
// changed, everything when the station or the day and night change.
QRegion changedRegion(const MapScene &before, const MapScene &after, QSize size, const MapBackground &background);

// The satellite drawn nearest to a point within a few pixels, or nothing.
std::optional<QString> satelliteAt(const MapScene &scene, QSize size, QPointF at);

// "48.857° N  2.352° E  JN18eu", for the point under the mouse.
QString positionText(const orbit::GroundPoint &point);

} // namespace orvanta
