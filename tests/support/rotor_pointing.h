#pragma once

#include "rotor/rotor_plan.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace orvanta::test {

// The largest angle between the antenna and the satellite over a pass: the
// rotor waits at the plan's start, is sent the plan's command for the
// satellite's whole degrees at every 5 s tick, and turns towards it at
// 6 degrees a second, its elevation at once.
inline double worstPointingError(const RotorPlan &plan, const std::vector<TrackPoint> &track)
{
    constexpr double rad = std::numbers::pi / 180.0;
    std::vector<double> unwrapped;
    for (const TrackPoint &p : track)
        unwrapped.push_back(unwrapped.empty() ? p.azimuthDeg
                                              : unwrapped.back() + std::remainder(p.azimuthDeg - unwrapped.back(), 360.0));
    double antenna = plan.start().azimuthDeg;
    RotorAim command = plan.start();
    double worst = 0;
    std::size_t i = 1;
    for (double t = 0; t <= track.back().seconds; t += 1) {
        while (i + 1 < track.size() && track[i].seconds < t)
            ++i;
        const double f = std::clamp((t - track[i - 1].seconds) / (track[i].seconds - track[i - 1].seconds), 0.0, 1.0);
        const double az = std::fmod(unwrapped[i - 1] + f * (unwrapped[i] - unwrapped[i - 1]) + 720.0, 360.0);
        const double el = track[i - 1].elevationDeg + f * (track[i].elevationDeg - track[i - 1].elevationDeg);
        if (std::fmod(t, 5.0) == 0)
            command = plan.aim(t, std::round(az), std::round(el));
        antenna += std::clamp(command.azimuthDeg - antenna, -6.0, 6.0);
        const RotorAim sky = onTheSky({antenna, command.elevationDeg});
        const double c = std::sin(sky.elevationDeg * rad) * std::sin(el * rad) +
                         std::cos(sky.elevationDeg * rad) * std::cos(el * rad) * std::cos((sky.azimuthDeg - az) * rad);
        worst = std::max(worst, std::acos(std::clamp(c, -1.0, 1.0)) / rad);
    }
    return worst;
}

} // namespace orvanta::test
