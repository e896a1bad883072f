#pragma once

#include "orbit/pass_track.h"

#include <QPointF>
#include <QRectF>
#include <QRgb>
#include <QString>
#include <QWidget>

#include <optional>
#include <vector>

class QMouseEvent;
class QPainter;

// The sky view "Ciel": a polar plot of the sky above the station with the
// tracked pass, the awaited pass, the satellite now and the rotor.
//
// The plot is the sky seen from below, laid out like a map: north up and
// east to the right, as ham trackers draw it. The horizon is the outer
// circle, the zenith the centre, and the distance from the centre is
// proportional to the zenith distance (rings at 30 and 60 degrees of
// elevation).
namespace orvanta {

// Another satellite in progress, which a click on it makes the followed one.
struct SkyOther {
    long catalogNumber = 0;
    QString name;
    SkyPoint now;
};

// All the view shows, filled by the tracking tick. Painting reads only this
// and the tracks it holds: no orbit is computed while drawing.
struct SkyScene {
    PassTrackRef tracked;                // the tracked satellite's pass, or none
    PassTrackRef awaited;                // the awaited satellite's next pass, or none
    std::optional<SkyPoint> satelliteNow; // the tracked satellite at this tick
    std::optional<SkyPoint> rotor;       // where the rotor was last commanded
    std::optional<SkyPoint> manual;      // the manual pointing, while its window is open
    QString infoLine;                    // the line of text under the plot
    double minElevationDeg = 0;          // drawn as a ring when above 0
    std::vector<SkyPoint> horizon;       // the station's horizon, a closed outline; none when flat
    bool legend = true;                  // the tracked and awaited names above the plot
    std::vector<SkyOther> others;        // the other satellites in progress now
};

// Between the fields of the info line; a line too wide for the view is
// broken there.
inline const QString kSkyInfoSeparator = QStringLiteral("  ·  ");

// The colours of the plot.
namespace sky_colours {
inline constexpr QRgb kBackground = qRgb(14, 22, 38);
inline constexpr QRgb kGrid = qRgb(78, 92, 118);
inline constexpr QRgb kHorizon = qRgb(150, 162, 186);
inline constexpr QRgb kMinimumElevation = qRgb(170, 120, 60);
inline constexpr QRgb kStationHorizon = qRgb(96, 84, 64);
inline constexpr QRgb kTracked = qRgb(70, 210, 100);
inline constexpr QRgb kAwaited = qRgb(245, 165, 40);
inline constexpr QRgb kSatellite = qRgb(235, 50, 50);
inline constexpr QRgb kOther = qRgb(120, 130, 150);
inline constexpr QRgb kRotor = qRgb(80, 200, 235);
inline constexpr QRgb kManual = qRgb(225, 90, 225);
inline constexpr QRgb kText = qRgb(225, 230, 240);
} // namespace sky_colours

// Where the plot sits in a drawing area of the given size: the legend
// takes the top (one line, or two when the names are too long for one), the
// info lines the bottom (two, or more when the text needs them), the compass
// letters a margin around the horizon circle.
struct SkyPlot {
    QPointF centre;
    double radius = 0;
    double infoTop = 0; // top of the info line
};
SkyPlot skyPlotFor(int width, int height, int legendLines = 1, int infoLines = 2);

// A text shown shortened, and the place where its tooltip gives it whole;
// or another satellite, which a click there chooses.
struct SkyTip {
    QRectF area;
    QString text;
    long catalogNumber = 0; // the satellite under the area, 0 for a text
};

// A sky direction in drawing coordinates.
QPointF skyToWidget(const SkyPlot &plot, const SkyPoint &sky);

// Draws the whole view into a painter's device of the given size. Returns
// the texts it had to shorten.
std::vector<SkyTip> paintSky(QPainter &painter, int width, int height, const SkyScene &scene);

class SkyView final : public QWidget {
    Q_OBJECT
public:
    explicit SkyView(QWidget *parent = nullptr);

    // Shows a new scene at the next paint (no drawing happens here).
    void setScene(SkyScene scene);
    const SkyScene &scene() const { return scene_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // A click on another satellite in progress.
    void satelliteClicked(long catalogNumber);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;

private:
    SkyScene scene_;
    std::vector<SkyTip> tips_; // of the last paint
};

} // namespace orvanta
