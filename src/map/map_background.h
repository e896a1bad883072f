#pragma once

#include "orbit/julian_date.h"

#include <QImage>
#include <QSize>
#include <QString>

namespace orvanta {

// The world map's background: the day image of the Earth with its night image
// blended in where the Sun is below the horizon. Both are read once; the
// blend is made at the drawing's size and again only when the size or the
// minute changes.
class MapBackground {
public:
    static QString defaultDayImage();
    static QString defaultNightImage();

    MapBackground(const QString &dayImage = defaultDayImage(), const QString &nightImage = defaultNightImage());

    // False without a readable day image: the map is then a plain graticule.
    bool hasImage() const { return !day_.isNull(); }
    const QString &dayImagePath() const { return dayPath_; }
    // The blended image at that size and instant (a null image without one).
    const QImage &image(QSize size, const orbit::JulianDate &instant);
    // How many blends were made: at most one a minute.
    int blends() const { return blends_; }
    // Whether image() at that instant would blend again.
    bool stale(QSize size, const orbit::JulianDate &instant) const;

private:
    QString dayPath_;
    QImage day_, night_;
    QImage dayScaled_, nightScaled_, blended_;
    long long minute_ = -1;
    int blends_ = 0;
};

} // namespace orvanta
