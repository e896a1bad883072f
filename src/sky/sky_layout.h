#pragma once

#include "sky/sky_view.h"

#include <QFont>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <vector>

// Where every text of the sky view goes, worked out before anything is
// drawn so that no text lands on another: the legend above the plot, the
// info lines under it, the compass letters, the ring numbers and the AOS and
// LOS times beside the tracks.
namespace orvanta {

namespace sky_metrics {
inline constexpr int kTextPixels = 12;
inline constexpr double kTextLine = kTextPixels + 4.0;
inline constexpr double kCompassMargin = 20.0;
inline constexpr double kMarkerRadius = 4.0;
} // namespace sky_metrics

struct SkyText {
    QRectF box;
    QString text;
    QRgb rgb = 0;
};

struct SkyLayout {
    SkyPlot plot;
    QRectF bounds;                // the plot's area, between the legend and the info lines
    std::vector<SkyText> compass; // N, E, S, W
    std::vector<SkyText> rings;   // the elevations 30 and 60
    std::vector<SkyText> times;   // "AOS hh:mm:ss" and "LOS hh:mm:ss" of the drawn tracks
    std::vector<SkyText> legend;
    std::vector<SkyText> info;
    std::vector<SkyTip> tips; // the full text of every shortened one
};

// The font of every text of the view: a fixed pixel size.
QFont skyFont();

SkyLayout layoutSky(int width, int height, const SkyScene &scene, const QFont &font = skyFont());

} // namespace orvanta
