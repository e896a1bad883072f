#pragma once

#include "orbit/sgp4_constants.h"

#include <cmath>

namespace orvanta::orbit::model {

struct SinCos {
    double sin = 0;
    double cos = 1;
};

inline SinCos sinCos(double angle)
{
    return {std::sin(angle), std::cos(angle)};
}

// std::fmod(angle, 2 pi), bit for bit, without its cost for the angles the
// model mostly meets: within one turn already, or a few turns away. The
// remainder of the right whole number of turns is exact in one fused
// multiply-add; the quotient can only come out one too many, when it rounds
// up to the next whole number, and that is caught by the sign of the rest.
inline double fmodTwoPi(double angle)
{
    constexpr double kExactTurnsBelow = 0x1p50; // quotient still exact to one turn
    const double size = std::fabs(angle);
    if (size < kTwoPi)
        return angle;
    if (!(size < kExactTurnsBelow))
        return std::fmod(angle, kTwoPi);
    double turns = std::trunc(angle / kTwoPi);
    double rest = std::fma(-turns, kTwoPi, angle);
    if (rest != 0.0 && std::signbit(rest) != std::signbit(angle)) {
        turns -= std::copysign(1.0, angle);
        rest = std::fma(-turns, kTwoPi, angle);
    }
    return std::copysign(rest, angle);
}

// Below this a correction angle (rad) is added by a short series instead of
// new trigonometric calls; the series is exact to rounding well beyond it.
inline constexpr double kSmallAngle = 0.01;

inline bool isSmallAngle(double angle)
{
    return std::fabs(angle) <= kSmallAngle;
}

// sin and cos of (base + delta) from those of base, for a small delta. The
// propagation adds many small periodic corrections to angles whose sine and
// cosine it already has.
inline SinCos rotateBySmallAngle(const SinCos &base, double delta)
{
    // Taylor series in nested form; constant reciprocals keep divisions out.
    const double d2 = delta * delta;
    const double sinDelta = delta * (1.0 - d2 * (1.0 / 6.0) * (1.0 - d2 * (1.0 / 20.0) * (1.0 - d2 * (1.0 / 42.0))));
    const double cosDelta =
        1.0 - d2 * 0.5 * (1.0 - d2 * (1.0 / 12.0) * (1.0 - d2 * (1.0 / 30.0) * (1.0 - d2 * (1.0 / 56.0))));
    return {base.sin * cosDelta + base.cos * sinDelta, base.cos * cosDelta - base.sin * sinDelta};
}

// sin and cos of sum = base + delta, by the series when delta is small.
inline SinCos sinCosOfSum(double sum, const SinCos &base, double delta)
{
    return isSmallAngle(delta) ? rotateBySmallAngle(base, delta) : sinCos(sum);
}

} // namespace orvanta::orbit::model
