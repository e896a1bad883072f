#include "sky/sky_layout.h"

#include "tracking/station_clock.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QGuiApplication>

#include <algorithm>
#include <cmath>

namespace orvanta {

namespace {

constexpr double kLabelOffset = 8.0;
// Candidate places for a time label are tried this far apart, outward from
// the plot's centre and along the track's end.
constexpr double kLabelStep = 4.0;
constexpr int kOutwardSteps = 10;
constexpr int kAlongSteps = 8;
constexpr int kMaxInfoLines = 4;
const QString kEllipsis = QStringLiteral("…");

using namespace sky_metrics;

// A text cut to a width; the full text goes to a tooltip when it was cut.
SkyText fitted(const QFontMetricsF &metrics, const QRectF &box, const QString &text, QRgb rgb,
               std::vector<SkyTip> &tips)
{
    const QString shown = metrics.elidedText(text, Qt::ElideRight, box.width());
    if (shown != text)
        tips.push_back({box, text});
    return {box, shown, rgb};
}

// The info fields, as many to a line as fit; the fields of the lines beyond
// the last allowed one join it.
QStringList infoLines(const QString &info, double width, const QFontMetricsF &metrics)
{
    QStringList lines;
    if (info.isEmpty())
        return lines;
    QString current;
    for (const QString &field : info.split(kSkyInfoSeparator)) {
        const QString longer = current.isEmpty() ? field : current + kSkyInfoSeparator + field;
        if (current.isEmpty() || metrics.horizontalAdvance(longer) <= width) {
            current = longer;
        } else {
            lines << current;
            current = field;
        }
    }
    lines << current;
    if (lines.size() > kMaxInfoLines)
        lines = lines.mid(0, kMaxInfoLines - 1) << lines.mid(kMaxInfoLines - 1).join(kSkyInfoSeparator);
    return lines;
}

void layoutLegend(SkyLayout &layout, double width, const SkyScene &scene, const QFontMetricsF &metrics,
                  int lines)
{
    struct Entry {
        QString text;
        QRgb rgb;
    };
    std::vector<Entry> entries;
    if (scene.tracked)
        entries.push_back(
            {QCoreApplication::translate("Sky", "Suivi : ") + QString::fromStdString(scene.tracked->pass.name),
             sky_colours::kTracked});
    if (scene.awaited)
        entries.push_back(
            {QCoreApplication::translate("Sky", "Attendu : ") + QString::fromStdString(scene.awaited->pass.name),
             sky_colours::kAwaited});
    if (entries.empty())
        return;
    const QRectF line(4.0, 1.0, std::max(0.0, width - 8.0), kTextLine);
    double left = line.left();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        // One line: side by side; two lines: one entry on each.
        const QRectF row = line.translated(0.0, lines > 1 ? double(i) * kTextLine : 0.0);
        if (lines > 1)
            left = row.left();
        const QRectF box(left, row.top(), std::max(0.0, row.right() - left), row.height());
        layout.legend.push_back(fitted(metrics, box, entries[i].text, entries[i].rgb, layout.tips));
        left += metrics.horizontalAdvance(entries[i].text) + 2.0 * kTextPixels;
    }
    const QString hours = QCoreApplication::translate("Sky", "Heures UTC");
    const double hoursWidth = metrics.horizontalAdvance(hours);
    if (left + hoursWidth < line.right()) {
        const QRectF row = line.translated(0.0, double(lines - 1) * kTextLine);
        layout.legend.push_back({QRectF(row.right() - hoursWidth, row.top(), hoursWidth, row.height()), hours,
                                 sky_colours::kGrid});
    }
}

bool legendFitsOneLine(double width, const SkyScene &scene, const QFontMetricsF &metrics)
{
    if (!scene.legend || !scene.tracked || !scene.awaited)
        return true;
    const QString both =
        QCoreApplication::translate("Sky", "Suivi : ") + QString::fromStdString(scene.tracked->pass.name)
        + QCoreApplication::translate("Sky", "Attendu : ") + QString::fromStdString(scene.awaited->pass.name);
    return metrics.horizontalAdvance(both) + 2.0 * kTextPixels <= width - 8.0;
}

// The box of a text whose corner is at anchor, lying on the side dir points to.
QRectF boxFrom(const QPointF &anchor, const QPointF &dir, const QSizeF &size)
{
    return QRectF(QPointF(dir.x() >= 0 ? anchor.x() : anchor.x() - size.width(),
                          dir.y() >= 0 ? anchor.y() : anchor.y() - size.height()),
                  size);
}

bool isFree(const QRectF &box, const QRectF &bounds, const std::vector<QRectF> &taken)
{
    if (!bounds.contains(box))
        return false;
    return std::none_of(taken.begin(), taken.end(), [&box](const QRectF &t) { return t.intersects(box); });
}

// The nearest free place beside a track's end: outward from the plot's
// centre first, then moved along the horizon, then inward.
std::optional<QRectF> freePlace(const QPointF &at, const SkyPlot &plot, const QSizeF &size, const QRectF &bounds,
                                const std::vector<QRectF> &taken)
{
    QPointF outward = at - plot.centre;
    const double length = std::hypot(outward.x(), outward.y());
    outward = length < 1.0 ? QPointF(0.0, -1.0) : outward / length;
    const QPointF along(-outward.y(), outward.x());
    for (const double side : {1.0, -1.0}) {
        const QPointF dir = outward * side;
        for (int cost = 0; cost <= kOutwardSteps + kAlongSteps; ++cost) {
            for (int out = std::min(cost, kOutwardSteps); out >= 0; --out) {
                const int shift = cost - out;
                if (shift > kAlongSteps)
                    break;
                for (const int sign : {1, -1}) {
                    const QPointF anchor =
                        at + dir * (kLabelOffset + out * kLabelStep) + along * (sign * shift * kLabelStep);
                    const QRectF box = boxFrom(anchor, dir, size);
                    if (isFree(box, bounds, taken))
                        return box;
                    if (shift == 0)
                        break;
                }
            }
        }
    }
    return std::nullopt;
}

QRectF markerBox(const QPointF &at)
{
    const double half = kMarkerRadius + 1.0;
    return QRectF(at.x() - half, at.y() - half, 2.0 * half, 2.0 * half);
}

void layoutTimes(SkyLayout &layout, const SkyScene &scene, const QFontMetricsF &metrics)
{
    struct End {
        QPointF at;
        QString prefix;
        QString time;
        QRgb rgb;
    };
    std::vector<End> ends;
    for (const auto &[track, rgb] : {std::pair{scene.tracked, sky_colours::kTracked},
                                     std::pair{scene.awaited, sky_colours::kAwaited}}) {
        if (!track || track->samples.empty())
            continue;
        const TrackSample &first = track->samples.front();
        const TrackSample &last = track->samples.back();
        ends.push_back({skyToWidget(layout.plot, first.sky), QStringLiteral("AOS "), timeText(first.instant), rgb});
        ends.push_back({skyToWidget(layout.plot, last.sky), QStringLiteral("LOS "), timeText(last.instant), rgb});
    }
    std::vector<QRectF> taken;
    for (const SkyText &t : layout.compass)
        taken.push_back(t.box);
    for (const SkyText &t : layout.rings)
        taken.push_back(t.box);
    for (const End &end : ends)
        taken.push_back(markerBox(end.at));

    for (const End &end : ends) {
        const QString full = end.prefix + end.time;
        // Shortened only where the whole text finds no free place; the
        // tooltip then gives it.
        bool placed = false;
        for (const QString &text : {full, end.prefix.trimmed() + kEllipsis}) {
            const QSizeF size(metrics.horizontalAdvance(text) + 2.0, metrics.height());
            if (const auto box = freePlace(end.at, layout.plot, size, layout.bounds, taken)) {
                layout.times.push_back({*box, text, end.rgb});
                taken.push_back(*box);
                if (text != full)
                    layout.tips.push_back({*box, full});
                placed = true;
                break;
            }
        }
        if (!placed)
            layout.tips.push_back({markerBox(end.at), full});
    }
}

} // namespace

QFont skyFont()
{
    QFont font = QGuiApplication::font();
    font.setPixelSize(kTextPixels);
    return font;
}

SkyLayout layoutSky(int width, int height, const SkyScene &scene, const QFont &font)
{
    const QFontMetricsF metrics(font);
    SkyLayout layout;
    const double textWidth = std::max(0.0, width - 8.0);
    const int legendLines = legendFitsOneLine(width, scene, metrics) ? 1 : 2;
    const QStringList info = infoLines(scene.infoLine, textWidth, metrics);
    layout.plot = skyPlotFor(width, height, legendLines, std::max<int>(2, int(info.size())));
    const SkyPlot &plot = layout.plot;
    const double legendHeight = legendLines * kTextLine + 2.0;
    layout.bounds = QRectF(0.0, legendHeight, width, std::max(0.0, plot.infoTop - legendHeight));

    if (scene.legend)
        layoutLegend(layout, width, scene, metrics, legendLines);
    for (int i = 0; i < info.size(); ++i)
        layout.info.push_back(fitted(metrics, QRectF(4.0, plot.infoTop + 2.0 + i * kTextLine, textWidth, kTextLine),
                                     info[i], sky_colours::kText, layout.tips));

    const double half = kCompassMargin / 2.0;
    const struct {
        double azimuth;
        const char *letter;
    } marks[] = {{0.0, "N"}, {90.0, "E"}, {180.0, "S"}, {270.0, "W"}};
    for (const auto &mark : marks) {
        const DiskPoint d = diskPoint({mark.azimuth, 0.0});
        const QPointF at = plot.centre + QPointF(d.x, d.y) * (plot.radius + half);
        QRectF box(at.x() - half, at.y() - half, kCompassMargin, kCompassMargin);
        box.moveLeft(std::clamp(box.left(), layout.bounds.left(), layout.bounds.right() - box.width()));
        box.moveTop(std::clamp(box.top(), layout.bounds.top(), layout.bounds.bottom() - box.height()));
        layout.compass.push_back({box, QString::fromLatin1(mark.letter), sky_colours::kText});
    }
    for (const double elevation : {30.0, 60.0}) {
        const QPointF at = skyToWidget(plot, {45.0, elevation});
        const QString text = QString::number(int(elevation));
        const QRectF box(at.x() + 2.0, at.y() - kTextPixels - 4.0, metrics.horizontalAdvance(text) + 2.0,
                         kTextPixels + 4.0);
        // In a small view the rings are too close for both numbers.
        if (std::none_of(layout.rings.begin(), layout.rings.end(), [&box](const SkyText &t) { return t.box.intersects(box); }))
            layout.rings.push_back({box, text, sky_colours::kGrid});
    }
    layoutTimes(layout, scene, metrics);
    return layout;
}

} // namespace orvanta
