#include "rotor/fodtrack.h"

#include "platform/text_numbers.h"

#include <algorithm>
#include <cmath>

namespace orvanta {

namespace {

// Control register: bit 3 always set, bit 1 selects azimuth, bit 0 is the
// latch strobe.
constexpr int kAzimutIdle = 10;
constexpr int kSiteIdle = 8;
constexpr int kStrobe = 1;
constexpr double kLatchPulse = 0.1;

// A single-precision value as the decimal the operator reads (0.69, not
// 0.68999999761...).
double asWritten(float value)
{
    return parseNumber(shortestText(value)).value_or(0.0);
}

// Rounded on the ratio's own decimal digits, so that 1.8 / 360 = 0.005
// gives 0.01.
float twoDecimals(float ratio)
{
    return static_cast<float>(roundHalfAway(asWritten(ratio), 2));
}

// Worked out on the written factor and zero point, and cleared of binary
// noise at the millionth, so a value that is a half on paper (150 x 0.69 =
// 103.5) goes to its even neighbour and not to whichever side the noise
// falls.
double calibrated(double angle, float factor, float zero)
{
    return roundHalfAway(angle * asWritten(factor) + asWritten(zero), 6);
}

} // namespace

Fodtrack::Fodtrack(ParallelPort &port, Waiter &waiter, const ConfigStation &config)
    : port_(port), waiter_(waiter), config_(config)
{
    recomputeScaleFactors();
}

void Fodtrack::recomputeScaleFactors()
{
    pasAzimut_ = twoDecimals((config_.Cal_Azimut_360 - config_.Cal_Azimut_0) / 360.0f);
    pasSite_ = twoDecimals((config_.Cal_Site_90 - config_.Cal_Site_0) / 90.0f);
}

void Fodtrack::Fodtrack_Azimut(double angle, bool brut)
{
    point(Azimut, angle, brut);
}

void Fodtrack::Fodtrack_Azimut(const QString &angle, bool brut)
{
    if (const auto number = parseNumber(angle))
        point(Azimut, *number, brut);
}

void Fodtrack::Fodtrack_Site(double angle, bool brut)
{
    point(Site, angle, brut);
}

void Fodtrack::Fodtrack_Site(const QString &angle, bool brut)
{
    if (const auto number = parseNumber(angle))
        point(Site, *number, brut);
}

void Fodtrack::point(Axis axis, double angle, bool brut)
{
    if (std::isnan(angle))
        return;
    double value = angle;
    if (!brut)
        value = axis == Azimut ? calibrated(angle, pasAzimut_, config_.Cal_Azimut_0)
                               : calibrated(angle, pasSite_, config_.Cal_Site_0);
    // The interface takes one byte: a value outside it would wrap round and
    // drive the antenna to the other end of its travel.
    const int clamped = static_cast<int>(std::clamp(roundHalfEven(value), 0.0, 255.0));
    // The port is read now, so a change of port applies from the next call.
    const int base = static_cast<int>(roundHalfEven(config_.Adresse_LPT));
    const int idle = axis == Azimut ? kAzimutIdle : kSiteIdle;
    sequences_.run(axis, [this, base, idle, clamped] { latch(base, idle, clamped); });
}

void Fodtrack::latch(int base, int selectIdle, int value)
{
    const int control = base + 2;
    port_.Out32(control, selectIdle);
    port_.Out32(base, value);
    port_.Out32(control, selectIdle | kStrobe);
    waiter_.Attente(kLatchPulse);
    port_.Out32(control, selectIdle);
}

} // namespace orvanta
