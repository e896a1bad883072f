#include "app/sky_view.h"

#include "orbit/utc_time.h"
#include "platform/text_numbers.h"

#include <QFontMetricsF>
#include <QPaintEvent>
#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <cmath>

namespace orvanta {

namespace {

constexpr int kTextPixels = 12;
constexpr double kTextLine = kTextPixels + 4.0;
// The legend above the plot, the info line (up to two lines) under it.
constexpr double kLegendHeight = kTextLine + 2.0;
constexpr double kInfoHeight = 2.0 * kTextLine + 4.0;
constexpr double kCompassMargin = 20.0;
constexpr double kMarkerRadius = 4.0;
constexpr double kSatelliteRadius = 5.0;
constexpr double kCrossHalf = 7.0;
constexpr double kLabelOffset = 8.0;
constexpr double kShortestDrawnChord = 3.0;

QColor colour(QRgb rgb)
{
    return QColor::fromRgb(rgb);
}

QString timeOfDay(const orbit::JulianDate &instant)
{
    const std::int64_t seconds = orbit::wholeSecondsFromJulian(instant) % 86400;
    return formatHms(int(seconds < 0 ? seconds + 86400 : seconds));
}

// A text beside a point, pushed away from the plot's centre so it does not
// sit on the track, and kept inside the drawing.
void drawLabel(QPainter &painter, const SkyPlot &plot, const QRectF &bounds, const QPointF &at, const QString &text)
{
    QPointF outward = at - plot.centre;
    const double length = std::hypot(outward.x(), outward.y());
    outward = length < 1.0 ? QPointF(0.0, -1.0) : outward / length;
    const QFontMetricsF metrics(painter.font());
    const QSizeF size(metrics.horizontalAdvance(text) + 2.0, metrics.height());
    const QPointF anchor = at + outward * kLabelOffset;
    QPointF topLeft(outward.x() >= 0 ? anchor.x() : anchor.x() - size.width(),
                    outward.y() >= 0 ? anchor.y() : anchor.y() - size.height());
    topLeft.setX(std::clamp(topLeft.x(), bounds.left(), std::max(bounds.left(), bounds.right() - size.width())));
    topLeft.setY(std::clamp(topLeft.y(), bounds.top(), std::max(bounds.top(), bounds.bottom() - size.height())));
    // A dark backing keeps the time readable where it crosses a line.
    QColor backing = colour(sky_colours::kBackground);
    backing.setAlpha(190);
    painter.fillRect(QRectF(topLeft, size), backing);
    painter.drawText(QRectF(topLeft, size), Qt::AlignLeft | Qt::AlignVCenter, text);
}

void drawRing(QPainter &painter, const SkyPlot &plot, double elevationDeg)
{
    const double r = plot.radius * (90.0 - elevationDeg) / 90.0;
    painter.drawEllipse(plot.centre, r, r);
}

void drawGrid(QPainter &painter, const SkyPlot &plot, const SkyScene &scene, const QRectF &bounds)
{
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(colour(sky_colours::kGrid), 1.0, Qt::DotLine));
    painter.drawLine(plot.centre - QPointF(plot.radius, 0), plot.centre + QPointF(plot.radius, 0));
    painter.drawLine(plot.centre - QPointF(0, plot.radius), plot.centre + QPointF(0, plot.radius));
    painter.setPen(QPen(colour(sky_colours::kGrid), 1.0));
    drawRing(painter, plot, 30.0);
    drawRing(painter, plot, 60.0);
    if (scene.minElevationDeg > 0.0 && scene.minElevationDeg < 90.0) {
        painter.setPen(QPen(colour(sky_colours::kMinimumElevation), 1.0, Qt::DashLine));
        drawRing(painter, plot, scene.minElevationDeg);
    }
    painter.setPen(QPen(colour(sky_colours::kHorizon), 1.5));
    drawRing(painter, plot, 0.0);

    painter.setPen(colour(sky_colours::kGrid));
    for (const double elevation : {30.0, 60.0}) {
        const QPointF at = skyToWidget(plot, {45.0, elevation});
        painter.drawText(QRectF(at.x() + 2.0, at.y() - kTextPixels - 4.0, 30.0, kTextPixels + 4.0),
                         Qt::AlignLeft | Qt::AlignVCenter, QString::number(int(elevation)));
    }

    painter.setPen(colour(sky_colours::kText));
    const double half = kCompassMargin / 2.0;
    const struct {
        double azimuth;
        const char *letter;
    } marks[] = {{0.0, "N"}, {90.0, "E"}, {180.0, "S"}, {270.0, "W"}};
    for (const auto &mark : marks) {
        const DiskPoint d = diskPoint({mark.azimuth, 0.0});
        const QPointF at = plot.centre + QPointF(d.x, d.y) * (plot.radius + half);
        QRectF box(at.x() - half, at.y() - half, kCompassMargin, kCompassMargin);
        box.moveLeft(std::clamp(box.left(), bounds.left(), bounds.right() - box.width()));
        box.moveTop(std::clamp(box.top(), bounds.top(), bounds.bottom() - box.height()));
        painter.drawText(box, Qt::AlignCenter, QString::fromLatin1(mark.letter));
    }
}

void drawTrack(QPainter &painter, const SkyPlot &plot, const QRectF &bounds, const PassTrack &track, QRgb rgb)
{
    if (track.samples.empty())
        return;
    QPolygonF line;
    line.reserve(qsizetype(track.samples.size()));
    // Samples closer than a few pixels add nothing a small view shows, and
    // each costs time to stroke.
    for (const TrackSample &sample : track.samples) {
        const QPointF at = skyToWidget(plot, sample.sky);
        // The last segment grows while it is shorter than that; the track's
        // ends stay exact.
        if (line.size() > 1 && QLineF(line[line.size() - 2], at).length() < kShortestDrawnChord)
            line.back() = at;
        else
            line.append(at);
    }
    painter.setBrush(Qt::NoBrush);
    QPen pen(colour(rgb), 2.0, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    pen.setCosmetic(true);
    painter.setPen(pen);
    painter.drawPolyline(line);

    // Acquisition filled, loss hollow, each with its time.
    const TrackSample &first = track.samples.front();
    const TrackSample &last = track.samples.back();
    painter.setBrush(colour(rgb));
    painter.drawEllipse(line.front(), kMarkerRadius, kMarkerRadius);
    painter.setBrush(colour(sky_colours::kBackground));
    painter.drawEllipse(line.back(), kMarkerRadius, kMarkerRadius);
    painter.setPen(colour(rgb));
    drawLabel(painter, plot, bounds, line.front(), QStringLiteral("AOS ") + timeOfDay(first.instant));
    drawLabel(painter, plot, bounds, line.back(), QStringLiteral("LOS ") + timeOfDay(last.instant));
}

void drawRotor(QPainter &painter, const SkyPlot &plot, const SkyPoint &rotor)
{
    const QPointF at = skyToWidget(plot, rotor);
    painter.setPen(QPen(colour(sky_colours::kRotor), 2.0));
    painter.drawLine(at - QPointF(kCrossHalf, kCrossHalf), at + QPointF(kCrossHalf, kCrossHalf));
    painter.drawLine(at - QPointF(kCrossHalf, -kCrossHalf), at + QPointF(kCrossHalf, -kCrossHalf));
}

void drawManual(QPainter &painter, const SkyPlot &plot, const SkyPoint &manual)
{
    const QPointF at = skyToWidget(plot, manual);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(colour(sky_colours::kManual), 2.0));
    painter.drawRect(QRectF(at.x() - kCrossHalf, at.y() - kCrossHalf, 2 * kCrossHalf, 2 * kCrossHalf));
}

void drawLegend(QPainter &painter, double width, const SkyScene &scene)
{
    const QRectF line(4.0, 1.0, std::max(0.0, width - 8.0), kTextLine);
    const QFontMetricsF metrics(painter.font());
    double left = line.left();
    const auto entry = [&](const PassTrackRef &track, const QString &caption, QRgb rgb) {
        if (!track)
            return;
        const QString text = caption + QString::fromStdString(track->pass.name);
        painter.setPen(colour(rgb));
        painter.drawText(QRectF(left, line.top(), std::max(0.0, line.right() - left), line.height()),
                         Qt::AlignLeft | Qt::AlignVCenter, text);
        left += metrics.horizontalAdvance(text) + 2.0 * kTextPixels;
    };
    entry(scene.tracked, QStringLiteral("Suivi : "), sky_colours::kTracked);
    entry(scene.awaited, QStringLiteral("Attendu : "), sky_colours::kAwaited);
    if ((scene.tracked || scene.awaited) && left + metrics.horizontalAdvance(QStringLiteral("Heures UTC")) < line.right()) {
        painter.setPen(colour(sky_colours::kGrid));
        painter.drawText(line, Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("Heures UTC"));
    }
}

// The info line, broken between two of its fields onto a second line when
// it is too wide for one.
void drawInfo(QPainter &painter, const QRectF &area, const QString &info)
{
    const QFontMetricsF metrics(painter.font());
    QString first = info;
    QString second;
    if (metrics.horizontalAdvance(info) > area.width()) {
        const QStringList fields = info.split(kSkyInfoSeparator);
        first = fields.front();
        int i = 1;
        for (; i < fields.size(); ++i) {
            const QString longer = first + kSkyInfoSeparator + fields[i];
            if (metrics.horizontalAdvance(longer) > area.width())
                break;
            first = longer;
        }
        second = fields.mid(i).join(kSkyInfoSeparator);
    }
    painter.setPen(colour(sky_colours::kText));
    const QRectF top(area.left(), area.top(), area.width(), kTextLine);
    painter.drawText(top, Qt::AlignLeft | Qt::AlignVCenter, metrics.elidedText(first, Qt::ElideRight, area.width()));
    painter.drawText(top.translated(0.0, kTextLine), Qt::AlignLeft | Qt::AlignVCenter,
                     metrics.elidedText(second, Qt::ElideRight, area.width()));
}

} // namespace

SkyPlot skyPlotFor(int width, int height)
{
    SkyPlot plot;
    plot.infoTop = std::max(kLegendHeight, height - kInfoHeight);
    const double side = std::min(double(width), plot.infoTop - kLegendHeight);
    plot.radius = std::max(0.0, side / 2.0 - kCompassMargin);
    plot.centre = QPointF(width / 2.0, (kLegendHeight + plot.infoTop) / 2.0);
    return plot;
}

QPointF skyToWidget(const SkyPlot &plot, const SkyPoint &sky)
{
    const DiskPoint d = diskPoint(sky);
    return plot.centre + QPointF(d.x, d.y) * plot.radius;
}

void paintSky(QPainter &painter, int width, int height, const SkyScene &scene)
{
    const SkyPlot plot = skyPlotFor(width, height);
    const QRectF bounds(0.0, kLegendHeight, width, plot.infoTop - kLegendHeight);
    painter.fillRect(QRectF(0.0, 0.0, width, height), colour(sky_colours::kBackground));
    painter.setRenderHint(QPainter::Antialiasing, true);
    QFont font = painter.font();
    font.setPixelSize(kTextPixels);
    painter.setFont(font);

    drawGrid(painter, plot, scene, bounds);
    if (scene.awaited)
        drawTrack(painter, plot, bounds, *scene.awaited, sky_colours::kAwaited);
    if (scene.tracked)
        drawTrack(painter, plot, bounds, *scene.tracked, sky_colours::kTracked);
    if (scene.rotor)
        drawRotor(painter, plot, *scene.rotor);
    if (scene.manual)
        drawManual(painter, plot, *scene.manual);
    if (scene.satelliteNow) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour(sky_colours::kSatellite));
        painter.drawEllipse(skyToWidget(plot, *scene.satelliteNow), kSatelliteRadius, kSatelliteRadius);
    }
    if (scene.legend)
        drawLegend(painter, width, scene);
    drawInfo(painter, QRectF(4.0, plot.infoTop + 2.0, std::max(0.0, width - 8.0), kInfoHeight - 2.0), scene.infoLine);
}

SkyView::SkyView(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Ciel"));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void SkyView::setScene(SkyScene scene)
{
    scene_ = std::move(scene);
    update();
}

QSize SkyView::sizeHint() const
{
    return {360, 400};
}

QSize SkyView::minimumSizeHint() const
{
    return {200, 230};
}

void SkyView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paintSky(painter, width(), height(), scene_);
}

} // namespace orvanta
