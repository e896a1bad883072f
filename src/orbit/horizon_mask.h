#pragma once

#include <vector>

namespace orvanta::orbit {

// One point of the station's horizon: at this azimuth (degrees from north
// through east) nothing below this elevation (degrees) can be seen.
struct HorizonPoint {
    double azimuthDeg = 0;
    double elevationDeg = 0;
};

// The station's horizon: trees and buildings as a minimum elevation for
// every azimuth, linear between its points and around the circle (from the
// last point back to the first through north). A single point is a minimum
// for every azimuth; no point at all is the flat horizon.
class HorizonMask {
public:
    HorizonMask() = default;
    // Azimuths are taken modulo 360; two points at the same azimuth keep the
    // higher elevation, the safer one for an antenna.
    explicit HorizonMask(std::vector<HorizonPoint> points);

    bool flat() const { return points_.empty(); }
    const std::vector<HorizonPoint> &points() const { return points_; }

    // The minimum elevation at an azimuth in degrees (any value, taken modulo 360).
    double minimumElevationDeg(double azimuthDeg) const;
    // Whether a direction clears the horizon (on it counts as clear).
    bool clears(double azimuthDeg, double elevationDeg) const
    {
        return elevationDeg >= minimumElevationDeg(azimuthDeg);
    }

private:
    std::vector<HorizonPoint> points_; // by azimuth, 0 <= azimuth < 360
};

} // namespace orvanta::orbit
