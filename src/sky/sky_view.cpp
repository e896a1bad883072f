#include "sky/sky_view.h"

#include "sky/sky_layout.h"

#include <QCoreApplication>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QToolTip>

#include <algorithm>
#include <cmath>

namespace orvanta {

namespace {

using namespace sky_metrics;

constexpr double kSatelliteRadius = 5.0;
constexpr double kOtherRadius = 3.5;
constexpr double kOtherPickHalf = 9.0; // the square a click on another satellite falls in
constexpr double kCrossHalf = 7.0;
constexpr double kShortestDrawnChord = 3.0;

QColor colour(QRgb rgb)
{
    return QColor::fromRgb(rgb);
}

void drawTexts(QPainter &painter, const std::vector<SkyText> &texts, Qt::Alignment alignment)
{
    for (const SkyText &t : texts) {
        painter.setPen(colour(t.rgb));
        painter.drawText(t.box, alignment | Qt::AlignVCenter, t.text);
    }
}

// The track times sit on a dark backing, readable where they cross a line.
void drawTimes(QPainter &painter, const std::vector<SkyText> &times)
{
    QColor backing = colour(sky_colours::kBackground);
    backing.setAlpha(190);
    for (const SkyText &t : times) {
        painter.fillRect(t.box, backing);
        painter.setPen(colour(t.rgb));
        painter.drawText(t.box, Qt::AlignLeft | Qt::AlignVCenter, t.text);
    }
}

void drawRing(QPainter &painter, const SkyPlot &plot, double elevationDeg)
{
    const double r = plot.radius * (90.0 - elevationDeg) / 90.0;
    painter.drawEllipse(plot.centre, r, r);
}

void drawGrid(QPainter &painter, const SkyLayout &layout, const SkyScene &scene)
{
    const SkyPlot &plot = layout.plot;
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
    if (!scene.horizon.empty()) {
        // What hides the sky, between the horizon circle and the station's horizon.
        QPainterPath hidden;
        hidden.addEllipse(plot.centre, plot.radius, plot.radius);
        QPolygonF outline;
        for (const SkyPoint &p : scene.horizon)
            outline << skyToWidget(plot, p);
        QPainterPath open;
        open.addPolygon(outline);
        open.closeSubpath();
        QColor fill = colour(sky_colours::kStationHorizon);
        fill.setAlpha(150);
        painter.setPen(QPen(colour(sky_colours::kStationHorizon).lighter(150), 1.0));
        painter.setBrush(fill);
        painter.drawPath(hidden.subtracted(open));
        painter.setBrush(Qt::NoBrush);
    }
    painter.setPen(QPen(colour(sky_colours::kHorizon), 1.5));
    drawRing(painter, plot, 0.0);
    drawTexts(painter, layout.rings, Qt::AlignLeft);
    drawTexts(painter, layout.compass, Qt::AlignHCenter);
}

void drawTrack(QPainter &painter, const SkyPlot &plot, const PassTrack &track, QRgb rgb)
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

    // Acquisition filled, loss hollow; their times are placed with the other texts.
    painter.setBrush(colour(rgb));
    painter.drawEllipse(line.front(), kMarkerRadius, kMarkerRadius);
    painter.setBrush(colour(sky_colours::kBackground));
    painter.drawEllipse(line.back(), kMarkerRadius, kMarkerRadius);
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

} // namespace

SkyPlot skyPlotFor(int width, int height, int legendLines, int infoLines)
{
    const double legendHeight = legendLines * kTextLine + 2.0;
    const double infoHeight = infoLines * kTextLine + 4.0;
    SkyPlot plot;
    plot.infoTop = std::max(legendHeight, height - infoHeight);
    const double side = std::min(double(width), plot.infoTop - legendHeight);
    plot.radius = std::max(0.0, side / 2.0 - kCompassMargin);
    plot.centre = QPointF(width / 2.0, (legendHeight + plot.infoTop) / 2.0);
    return plot;
}

QPointF skyToWidget(const SkyPlot &plot, const SkyPoint &sky)
{
    const DiskPoint d = diskPoint(sky);
    return plot.centre + QPointF(d.x, d.y) * plot.radius;
}

std::vector<SkyTip> paintSky(QPainter &painter, int width, int height, const SkyScene &scene)
{
    painter.setFont(skyFont());
    const SkyLayout layout = layoutSky(width, height, scene, painter.font());
    const SkyPlot &plot = layout.plot;
    painter.fillRect(QRectF(0.0, 0.0, width, height), colour(sky_colours::kBackground));
    painter.setRenderHint(QPainter::Antialiasing, true);

    drawGrid(painter, layout, scene);
    if (scene.awaited)
        drawTrack(painter, plot, *scene.awaited, sky_colours::kAwaited);
    if (scene.tracked)
        drawTrack(painter, plot, *scene.tracked, sky_colours::kTracked);
    drawTimes(painter, layout.times);
    if (scene.rotor)
        drawRotor(painter, plot, *scene.rotor);
    if (scene.manual)
        drawManual(painter, plot, *scene.manual);
    std::vector<SkyTip> tips = layout.tips;
    for (const SkyOther &other : scene.others) {
        const QPointF at = skyToWidget(plot, other.now);
        painter.setPen(QPen(colour(sky_colours::kText), 1.0));
        painter.setBrush(colour(sky_colours::kOther));
        painter.drawEllipse(at, kOtherRadius, kOtherRadius);
        tips.push_back(
            {QRectF(at.x() - kOtherPickHalf, at.y() - kOtherPickHalf, 2 * kOtherPickHalf, 2 * kOtherPickHalf),
             other.name + QCoreApplication::translate("Sky", " : cliquez pour suivre ce satellite"),
             other.catalogNumber});
    }
    if (scene.satelliteNow) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour(sky_colours::kSatellite));
        painter.drawEllipse(skyToWidget(plot, *scene.satelliteNow), kSatelliteRadius, kSatelliteRadius);
    }
    drawTexts(painter, layout.legend, Qt::AlignLeft);
    drawTexts(painter, layout.info, Qt::AlignLeft);
    return tips;
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
    tips_ = paintSky(painter, width(), height(), scene_);
}

void SkyView::mousePressEvent(QMouseEvent *event)
{
    const QPointF at = event->position();
    for (const SkyTip &tip : tips_)
        if (tip.catalogNumber != 0 && tip.area.contains(at) && event->button() == Qt::LeftButton) {
            emit satelliteClicked(tip.catalogNumber);
            return;
        }
    QWidget::mousePressEvent(event);
}

bool SkyView::event(QEvent *event)
{
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    const QPoint at = static_cast<QHelpEvent *>(event)->pos();
    const auto tip = std::find_if(tips_.begin(), tips_.end(), [&at](const SkyTip &t) { return t.area.contains(at); });
    if (tip == tips_.end())
        QToolTip::hideText();
    else
        QToolTip::showText(static_cast<QHelpEvent *>(event)->globalPos(), tip->text, this, tip->area.toAlignedRect());
    return true;
}

} // namespace orvanta
