#include "map/world_map.h"

#include "orbit/locator.h"
#include "platform/text_numbers.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>

namespace orvanta {

namespace {

constexpr double kDeg = std::numbers::pi / 180.0;
constexpr int kOutlinePoints = 120;
constexpr double kSatelliteRadius = 3.0;
constexpr double kFeaturedRadius = 5.0;
constexpr double kStationHalf = 5.0;
constexpr double kLabelGap = 7.0;
constexpr double kLabelHeight = 15.0;
constexpr double kPickPixels = 8.0;
constexpr int kTextPixels = 11;
constexpr int kFootprintFillAlpha = 55;
constexpr int kGraticuleStepDeg = 30;

QColor colour(QRgb rgb, int alpha = 255)
{
    QColor c = QColor::fromRgb(rgb);
    c.setAlpha(alpha);
    return c;
}

// The labels' font measures, made once: every label of every paint needs them.
const QFontMetricsF &labelMetrics()
{
    static const QFontMetricsF metrics(mapFont());
    return metrics;
}

// Where a marker's name goes: to its right, or to its left near the right edge.
QRectF labelRect(const QPointF &at, const QString &name, double markerRadius, double width)
{
    const double textWidth = labelMetrics().horizontalAdvance(name) + 2.0;
    double left = at.x() + markerRadius + kLabelGap / 2;
    if (left + textWidth > width)
        left = at.x() - markerRadius - kLabelGap / 2 - textWidth;
    return {left, at.y() - kLabelHeight / 2, textWidth, kLabelHeight};
}

// The marker and its name, as drawn.
QRect markerArea(const MapProjection &projection, const orbit::GroundPoint &point, const QString &name,
                 double markerRadius)
{
    const QPointF at = projection.toWidget(point);
    const QRectF dot(at.x() - markerRadius - 1, at.y() - markerRadius - 1, 2 * markerRadius + 2,
                     2 * markerRadius + 2);
    return dot.united(labelRect(at, name, markerRadius, projection.size().width())).toAlignedRect().adjusted(-2, -2, 2, 2);
}

void drawLabel(QPainter &painter, const QRectF &rect, const QString &text, QRgb rgb)
{
    const QFontMetricsF &metrics = labelMetrics();
    const QPointF baseline(rect.left() + 1.0, rect.center().y() + (metrics.ascent() - metrics.descent()) / 2.0);
    // A dark shadow keeps the name readable on land, sea and ice.
    painter.setPen(QColor(0, 0, 0, 200));
    painter.drawText(baseline + QPointF(1, 1), text);
    painter.setPen(colour(rgb));
    painter.drawText(baseline, text);
}

QRgb featuredColour(const MapFeatured &featured)
{
    return featured.followed ? map_colours::kFollowed : map_colours::kAwaited;
}

std::vector<QPolygonF> trackLines(const MapProjection &projection, const std::vector<orbit::GroundPoint> &track)
{
    std::vector<QPolygonF> lines;
    for (const auto &piece : splitAtDateLine(track)) {
        QPolygonF line;
        line.reserve(qsizetype(piece.size()));
        for (const orbit::GroundPoint &point : piece)
            line << projection.toWidget(point);
        lines.push_back(std::move(line));
    }
    return lines;
}

// The featured satellite's marker and footprint, which move at every tick.
QRect spotArea(const MapProjection &projection, const MapFeatured &featured)
{
    QRectF area = markerArea(projection, featured.satellite.point, featured.satellite.name, kFeaturedRadius);
    for (const QPolygonF &line : trackLines(projection, featured.stationHorizon))
        area = area.united(line.boundingRect());
    for (const QPolygonF &polygon :
         footprintPolygons(projection, featured.satellite.point, featured.footprintAngleRad))
        area = area.united(polygon.boundingRect());
    return area.toAlignedRect().adjusted(-3, -3, 3, 3);
}

// Its track, which changes only when a point comes in or leaves.
QRect trackArea(const MapProjection &projection, const MapFeatured &featured)
{
    QRectF area;
    for (const QPolygonF &line : trackLines(projection, featured.track))
        area = area.united(line.boundingRect());
    return area.toAlignedRect().adjusted(-3, -3, 3, 3);
}

void paintGraticule(QPainter &painter, const MapProjection &projection)
{
    painter.fillRect(QRectF(QPointF(0, 0), projection.size()), colour(map_colours::kOcean));
    painter.setPen(QPen(colour(map_colours::kGraticule), 1));
    for (int lon = -180; lon <= 180; lon += kGraticuleStepDeg)
        painter.drawLine(projection.toWidget(lon, 90), projection.toWidget(lon, -90));
    for (int lat = -90; lat <= 90; lat += kGraticuleStepDeg)
        painter.drawLine(projection.toWidget(-180, lat), projection.toWidget(180, lat));
}

void paintFeatured(QPainter &painter, const MapProjection &projection, const MapFeatured &featured)
{
    const QRgb rgb = featuredColour(featured);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour(rgb, kFootprintFillAlpha));
    const auto polygons = footprintPolygons(projection, featured.satellite.point, featured.footprintAngleRad);
    for (const QPolygonF &polygon : polygons)
        painter.drawPolygon(polygon);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(colour(rgb, 220), 1.5));
    for (const QPolygonF &polygon : polygons)
        painter.drawPolygon(polygon);
    painter.setPen(QPen(colour(rgb), 2.0));
    for (const QPolygonF &line : trackLines(projection, featured.track))
        painter.drawPolyline(line);
    painter.setPen(QPen(colour(rgb), 1.5, Qt::DashLine));
    for (const QPolygonF &line : trackLines(projection, featured.stationHorizon))
        painter.drawPolyline(line);
}

void paintMarker(QPainter &painter, const MapProjection &projection, const MapSatellite &satellite, double radius,
                 QRgb rgb)
{
    const QPointF at = projection.toWidget(satellite.point);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(colour(rgb));
    painter.drawEllipse(at, radius, radius);
    drawLabel(painter, labelRect(at, satellite.name, radius, projection.size().width()), satellite.name,
              map_colours::kText);
}

} // namespace

QPointF MapProjection::toWidget(const orbit::GroundPoint &point) const
{
    return toWidget(point.longitudeDeg, point.latitudeDeg);
}

QPointF MapProjection::toWidget(double longitudeDeg, double latitudeDeg) const
{
    return {(longitudeDeg + 180.0) / 360.0 * size_.width(), (90.0 - latitudeDeg) / 180.0 * size_.height()};
}

orbit::GroundPoint MapProjection::toGround(const QPointF &at) const
{
    const double longitude = at.x() / size_.width() * 360.0 - 180.0;
    const double latitude = 90.0 - at.y() / size_.height() * 180.0;
    return {std::clamp(latitude, -90.0, 90.0), std::clamp(longitude, -180.0, 180.0)};
}

std::vector<std::vector<orbit::GroundPoint>> splitAtDateLine(const std::vector<orbit::GroundPoint> &track)
{
    std::vector<std::vector<orbit::GroundPoint>> pieces;
    std::vector<orbit::GroundPoint> current;
    for (const orbit::GroundPoint &point : track) {
        if (!current.empty()) {
            const orbit::GroundPoint &previous = current.back();
            const double step = point.longitudeDeg - previous.longitudeDeg;
            if (std::fabs(step) > 180.0) {
                // Eastward over 180 shows as a step down from +180 to -180, and the other way round.
                const double edge = step < 0 ? 180.0 : -180.0;
                const double across = point.longitudeDeg + (step < 0 ? 360.0 : -360.0);
                const double t = (edge - previous.longitudeDeg) / (across - previous.longitudeDeg);
                const double latitude = previous.latitudeDeg + t * (point.latitudeDeg - previous.latitudeDeg);
                current.push_back({latitude, edge});
                pieces.push_back(std::move(current));
                current = {{latitude, -edge}};
            }
        }
        current.push_back(point);
    }
    if (current.size() > 1)
        pieces.push_back(std::move(current));
    return pieces;
}

QPolygonF footprintOutline(const orbit::GroundPoint &centre, double angleRad)
{
    QPolygonF outline;
    if (!(angleRad > 0))
        return outline;
    const bool atPole = 90.0 - std::fabs(centre.latitudeDeg) < 1e-6;
    for (int k = 0; k <= kOutlinePoints; ++k) {
        const double bearing = 2.0 * std::numbers::pi * k / kOutlinePoints;
        orbit::GroundPoint point;
        if (atPole) // every bearing from a pole is a meridian: the circle is a parallel
            point = {std::copysign(90.0 - angleRad / kDeg, centre.latitudeDeg), -180.0 + 360.0 * k / kOutlinePoints};
        else
            point = orbit::pointAtDistance(centre, angleRad, bearing);
        double longitude = point.longitudeDeg;
        if (!outline.isEmpty())
            longitude += 360.0 * std::round((outline.back().x() - longitude) / 360.0);
        outline << QPointF(longitude, point.latitudeDeg);
    }
    // Around a pole the longitudes gain a whole turn: close along the pole's edge.
    const double turn = outline.back().x() - outline.front().x();
    if (std::fabs(turn) > 180.0) {
        const double pole = centre.latitudeDeg > 0 ? 90.0 : -90.0;
        outline << QPointF(outline.back().x(), pole) << QPointF(outline.front().x(), pole);
    }
    return outline;
}

std::vector<orbit::GroundPoint> stationHorizonOutline(const orbit::GroundPoint &station, double footprintAngleRad,
                                                      const orbit::HorizonMask &horizon)
{
    constexpr double kRadians = std::numbers::pi / 180.0;
    constexpr int kStepDeg = 2;
    std::vector<orbit::GroundPoint> outline;
    for (int azimuth = 0; azimuth <= 360; azimuth += kStepDeg) {
        // Seen at elevation e, a satellite whose footprint reaches angle A from
        // its sub-point is at angle acos(cos A cos e) - e from the station.
        const double elevation = horizon.minimumElevationDeg(azimuth) * kRadians;
        const double angle = std::max(0.0, std::acos(std::cos(footprintAngleRad) * std::cos(elevation)) - elevation);
        outline.push_back(orbit::pointAtDistance(station, angle, azimuth * kRadians));
    }
    return outline;
}

std::vector<QPolygonF> footprintPolygons(const MapProjection &projection, const orbit::GroundPoint &centre,
                                         double angleRad)
{
    std::vector<QPolygonF> polygons;
    const QPolygonF outline = footprintOutline(centre, angleRad);
    if (outline.isEmpty())
        return polygons;
    const QRectF bounds = outline.boundingRect();
    for (int turn = -1; turn <= 1; ++turn) {
        const double shift = 360.0 * turn;
        if (bounds.right() + shift <= -180.0 || bounds.left() + shift >= 180.0)
            continue;
        QPolygonF polygon;
        polygon.reserve(outline.size());
        for (const QPointF &point : outline)
            polygon << projection.toWidget(point.x() + shift, point.y());
        polygons.push_back(std::move(polygon));
    }
    return polygons;
}

QFont mapFont()
{
    QFont font;
    font.setPixelSize(kTextPixels);
    return font;
}

void paintMap(QPainter &painter, QSize size, const MapScene &scene, MapBackground &background)
{
    const MapProjection projection{QSizeF(size)};
    if (background.hasImage())
        painter.drawImage(QPoint(0, 0), background.image(size, scene.instant));
    else
        paintGraticule(painter, projection);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setFont(mapFont());
    for (const MapFeatured &featured : scene.featured)
        paintFeatured(painter, projection, featured);
    for (const MapSatellite &satellite : scene.satellites)
        paintMarker(painter, projection, satellite, kSatelliteRadius, map_colours::kSatellite);
    for (const MapFeatured &featured : scene.featured)
        paintMarker(painter, projection, featured.satellite, kFeaturedRadius, featuredColour(featured));
    if (scene.station) {
        const QPointF at = projection.toWidget(*scene.station);
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(colour(map_colours::kStation));
        painter.drawRect(QRectF(at.x() - kStationHalf, at.y() - kStationHalf, 2 * kStationHalf, 2 * kStationHalf));
        // Under the marker: a satellite overhead has its name to the right.
        const double width = labelMetrics().horizontalAdvance(scene.stationLocator) + 2.0;
        drawLabel(painter, QRectF(at.x() - width / 2, at.y() + kStationHalf + 1, width, kLabelHeight),
                  scene.stationLocator, map_colours::kStation);
    }
}

QRegion changedRegion(const MapScene &before, const MapScene &after, QSize size, const MapBackground &background)
{
    const QRect whole(QPoint(0, 0), size);
    if (background.stale(size, after.instant) || before.station != after.station ||
        before.stationLocator != after.stationLocator)
        return whole;
    const MapProjection projection{QSizeF(size)};
    QRegion region;
    std::map<QString, orbit::GroundPoint> old;
    for (const MapSatellite &satellite : before.satellites)
        old.emplace(satellite.name, satellite.point);
    for (const MapSatellite &satellite : after.satellites) {
        const auto found = old.find(satellite.name);
        if (found != old.end() && found->second == satellite.point) {
            old.erase(found);
            continue;
        }
        region += markerArea(projection, satellite.point, satellite.name, kSatelliteRadius);
        if (found != old.end()) {
            region += markerArea(projection, found->second, found->first, kSatelliteRadius);
            old.erase(found);
        }
    }
    for (const auto &[name, point] : old) // gone
        region += markerArea(projection, point, name, kSatelliteRadius);
    const std::size_t featured = std::max(before.featured.size(), after.featured.size());
    for (std::size_t i = 0; i < featured; ++i) {
        const MapFeatured *old = i < before.featured.size() ? &before.featured[i] : nullptr;
        const MapFeatured *now = i < after.featured.size() ? &after.featured[i] : nullptr;
        if (old && now && *old == *now)
            continue;
        const bool sameSpot = old && now && old->satellite == now->satellite &&
                              old->footprintAngleRad == now->footprintAngleRad && old->followed == now->followed &&
                              old->stationHorizon == now->stationHorizon;
        for (const MapFeatured *shown : {old, now}) {
            if (!shown)
                continue;
            if (!sameSpot)
                region += spotArea(projection, *shown);
            if (!old || !now || old->track != now->track)
                region += trackArea(projection, *shown);
        }
    }
    return region.intersected(whole);
}

std::optional<QString> satelliteAt(const MapScene &scene, QSize size, QPointF at)
{
    const MapProjection projection{QSizeF(size)};
    std::optional<QString> nearest;
    double best = kPickPixels;
    const auto consider = [&](const MapSatellite &satellite) {
        const QPointF where = projection.toWidget(satellite.point);
        const double distance = std::hypot(where.x() - at.x(), where.y() - at.y());
        if (distance <= best) {
            best = distance;
            nearest = satellite.name;
        }
    };
    for (const MapSatellite &satellite : scene.satellites)
        consider(satellite);
    for (const MapFeatured &featured : scene.featured)
        consider(featured.satellite);
    return nearest;
}

QString positionText(const orbit::GroundPoint &point)
{
    const double lat = point.latitudeDeg, lon = point.longitudeDeg;
    return formatFixed(std::fabs(lat), 3) + (lat < 0 ? QStringLiteral("° S  ") : QStringLiteral("° N  "))
           + formatFixed(std::fabs(lon), 3)
           + (lon < 0 ? QCoreApplication::translate("Map", "° O  ") : QStringLiteral("° E  "))
           + QString::fromStdString(orbit::locatorFromPosition(lat, lon));
}

} // namespace orvanta
