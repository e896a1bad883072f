#include "rotor/rotor_lead.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace orvanta {

namespace {

constexpr double kRadians = std::numbers::pi / 180.0;
// The interval is cut in this many steps; the moments aimed at run over
// twice the interval, as a rotor far behind has to aim further ahead.
constexpr int kSteps = 10;
constexpr int kAhead = 2 * kSteps;

double towards(double from, double to, double speed, double seconds)
{
    const double reach = speed * seconds;
    return std::abs(to - from) <= reach ? to : from + std::copysign(reach, to - from);
}

} // namespace

RotorAim rotorAfter(const RotorAim &from, const RotorAim &to, const RotorSpeeds &speeds, double seconds)
{
    return {towards(from.azimuthDeg, to.azimuthDeg, speeds.azimuthDegPerS, seconds),
            towards(from.elevationDeg, to.elevationDeg, speeds.elevationDegPerS, seconds)};
}

double pointingErrorDeg(const RotorAim &a, const RotorAim &b)
{
    const double az1 = a.azimuthDeg * kRadians, el1 = a.elevationDeg * kRadians;
    const double az2 = b.azimuthDeg * kRadians, el2 = b.elevationDeg * kRadians;
    const double dot = std::cos(el1) * std::cos(el2) * std::cos(az1 - az2) + std::sin(el1) * std::sin(el2);
    return std::acos(std::clamp(dot, -1.0, 1.0)) / kRadians;
}

RotorAim leadAim(const RotorAim &rotorNow, const RotorSpeeds &speeds, double intervalSeconds,
                 const std::function<RotorAim(double seconds)> &satellite)
{
    const double step = std::max(intervalSeconds, 0.1) / kSteps;
    std::array<RotorAim, kAhead + 1> ahead;
    for (int k = 0; k <= kAhead; ++k)
        ahead[k] = satellite(k * step);
    RotorAim best = ahead[0];
    double bestCost = INFINITY;
    for (const RotorAim &candidate : ahead) {
        double cost = 0;
        for (int i = 1; i <= kSteps && cost < bestCost; ++i) {
            const double error = pointingErrorDeg(rotorAfter(rotorNow, candidate, speeds, i * step), ahead[i]);
            cost += error * error;
        }
        if (cost < bestCost) {
            bestCost = cost;
            best = candidate;
        }
    }
    return best;
}

} // namespace orvanta
