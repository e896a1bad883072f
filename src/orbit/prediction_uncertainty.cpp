#include "orbit/prediction_uncertainty.h"

#include <cmath>
#include <numbers>

namespace orvanta::orbit {

namespace {

constexpr double kEarthMuKm3S2 = 398600.4418;
constexpr double kAtEpochKm = 1;

double kmPerDayOfAge(double periodMinutes)
{
    if (periodMinutes < 225)
        return 3;
    if (periodMinutes < 1200)
        return 5;
    return 10;
}

// The mean speed on a circular orbit of that period, km/s.
double meanSpeedKmS(double periodMinutes)
{
    const double periodSeconds = periodMinutes * 60.0;
    return std::cbrt(2.0 * std::numbers::pi * kEarthMuKm3S2 / periodSeconds);
}

} // namespace

PredictionUncertainty predictionUncertainty(const JulianDate &epoch, const JulianDate &instant, double periodMinutes)
{
    PredictionUncertainty u;
    u.ageDays = std::abs(instant.minutesSince(epoch)) / JulianDate::kMinutesPerDay;
    u.alongTrackKm = kAtEpochKm + kmPerDayOfAge(periodMinutes) * u.ageDays;
    u.seconds = periodMinutes > 0 ? u.alongTrackKm / meanSpeedKmS(periodMinutes) : 0;
    return u;
}

std::optional<PredictionUncertainty> uncertaintyAtAos(const Satellites &satellites, const PredictedPass &pass)
{
    const auto epoch = satellites.epochOf(pass.name);
    const auto period = satellites.periodMinutes(pass.name);
    if (!epoch || !period)
        return std::nullopt;
    return predictionUncertainty(*epoch, pass.aos, *period);
}

} // namespace orvanta::orbit
