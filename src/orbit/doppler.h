#pragma once

#include <cmath>

// The Doppler factor of a downlink: received frequency = transmitted
// frequency x factor, for the satellite's range rate (km/s, positive when
// it moves away).
namespace orvanta {

inline constexpr double kSpeedOfLightKmS = 299792.458;

inline double dopplerFactor(double rangeRateKmS)
{
    const double beta = rangeRateKmS / kSpeedOfLightKmS;
    return std::sqrt((1.0 - beta) / (1.0 + beta));
}

} // namespace orvanta
