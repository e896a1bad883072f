#include "map/map_background.h"

#include "orbit/ground_point.h"
#include "orbit/sun.h"
#include "orbit/utc_time.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace orvanta {

namespace {

constexpr double kDeg = std::numbers::pi / 180.0;
// The day fades into the night between the Sun 6 degrees above and 6 below
// the horizon (civil twilight): the sine of that elevation.
const double kTwilight = std::sin(6.0 * kDeg);

} // namespace

QString MapBackground::defaultDayImage()
{
    return QStringLiteral("/usr/share/xplanet/images/earth.jpg");
}

QString MapBackground::defaultNightImage()
{
    return QStringLiteral("/usr/share/xplanet/images/night.jpg");
}

MapBackground::MapBackground(const QString &dayImage, const QString &nightImage)
    : dayPath_(dayImage), day_(dayImage), night_(nightImage)
{
    if (day_.isNull())
        return;
    day_ = day_.convertToFormat(QImage::Format_RGB32);
    if (night_.isNull()) {
        // Without the night image, the night side is the day darkened.
        night_ = day_.copy();
        for (int y = 0; y < night_.height(); ++y) {
            auto *line = reinterpret_cast<QRgb *>(night_.scanLine(y));
            for (int x = 0; x < night_.width(); ++x)
                line[x] = qRgb(qRed(line[x]) / 4, qGreen(line[x]) / 4, qBlue(line[x]) / 4);
        }
    }
    night_ = night_.convertToFormat(QImage::Format_RGB32);
}

bool MapBackground::stale(QSize size, const orbit::JulianDate &instant) const
{
    if (!hasImage())
        return false;
    const long long minute = orbit::wholeSecondsFromJulian(instant) / 60;
    return minute != minute_ || blended_.size() != size;
}

const QImage &MapBackground::image(QSize size, const orbit::JulianDate &instant)
{
    if (!hasImage() || size.isEmpty() || !stale(size, instant))
        return blended_;
    if (dayScaled_.size() != size) {
        dayScaled_ = day_.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        nightScaled_ = night_.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    minute_ = orbit::wholeSecondsFromJulian(instant) / 60;
    const orbit::JulianDate minuteStart = orbit::julianFromOle(double(minute_ * 60) / orbit::kSecondsPerDay);
    const orbit::GroundPoint sun = orbit::subSolarPoint(minuteStart);
    const double sinSun = std::sin(sun.latitudeDeg * kDeg), cosSun = std::cos(sun.latitudeDeg * kDeg);
    const int width = size.width(), height = size.height();
    std::vector<double> hourCos(std::size_t(width), 0.0);
    for (int x = 0; x < width; ++x)
        hourCos[std::size_t(x)] = std::cos(((x + 0.5) / width * 360.0 - 180.0 - sun.longitudeDeg) * kDeg);
    blended_ = QImage(size, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        const double latitude = (90.0 - (y + 0.5) / height * 180.0) * kDeg;
        const double a = std::sin(latitude) * sinSun, b = std::cos(latitude) * cosSun;
        const auto *day = reinterpret_cast<const QRgb *>(dayScaled_.constScanLine(y));
        const auto *night = reinterpret_cast<const QRgb *>(nightScaled_.constScanLine(y));
        auto *out = reinterpret_cast<QRgb *>(blended_.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const double sunSine = a + b * hourCos[std::size_t(x)];
            const int weight = int(std::clamp((sunSine + kTwilight) / (2 * kTwilight), 0.0, 1.0) * 256.0);
            if (weight >= 256) {
                out[x] = day[x];
            } else if (weight <= 0) {
                out[x] = night[x];
            } else {
                const QRgb d = day[x], n = night[x];
                out[x] = qRgb(qRed(n) + (qRed(d) - qRed(n)) * weight / 256,
                              qGreen(n) + (qGreen(d) - qGreen(n)) * weight / 256,
                              qBlue(n) + (qBlue(d) - qBlue(n)) * weight / 256);
            }
        }
    }
    ++blends_;
    return blended_;
}

} // namespace orvanta
