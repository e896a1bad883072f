#include "orbit/horizon_mask.h"

#include <algorithm>
#include <cmath>

namespace orvanta::orbit {

namespace {

double normalised(double azimuthDeg)
{
    const double a = std::fmod(azimuthDeg, 360.0);
    return a < 0 ? a + 360.0 : (a >= 360.0 ? 0.0 : a);
}

} // namespace

HorizonMask::HorizonMask(std::vector<HorizonPoint> points)
{
    for (HorizonPoint &p : points)
        p.azimuthDeg = normalised(p.azimuthDeg);
    std::sort(points.begin(), points.end(), [](const HorizonPoint &a, const HorizonPoint &b) {
        return a.azimuthDeg < b.azimuthDeg || (a.azimuthDeg == b.azimuthDeg && a.elevationDeg > b.elevationDeg);
    });
    for (const HorizonPoint &p : points)
        if (points_.empty() || points_.back().azimuthDeg != p.azimuthDeg)
            points_.push_back(p);
}

double HorizonMask::minimumElevationDeg(double azimuthDeg) const
{
    if (points_.empty())
        return 0;
    if (points_.size() == 1)
        return points_.front().elevationDeg;
    const double az = normalised(azimuthDeg);
    const auto after = std::lower_bound(points_.begin(), points_.end(), az,
                                        [](const HorizonPoint &p, double a) { return p.azimuthDeg < a; });
    // Between the last point and the first one, the way goes through north.
    const HorizonPoint &high = after == points_.end() ? points_.front() : *after;
    const HorizonPoint &low = after == points_.begin() ? points_.back() : *(after - 1);
    double span = high.azimuthDeg - low.azimuthDeg;
    double into = az - low.azimuthDeg;
    if (span <= 0)
        span += 360.0;
    if (into < 0)
        into += 360.0;
    if (span == 0)
        return high.elevationDeg;
    return low.elevationDeg + (high.elevationDeg - low.elevationDeg) * (into / span);
}

} // namespace orvanta::orbit
