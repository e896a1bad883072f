#include "rotor/rotor_follow_watch.h"

#include <algorithm>
#include <cmath>

namespace orvanta {

namespace {

// Within this the rotor is where it was sent: whole degrees, and the dead
// band of controllers that do not start for a step of a degree or two.
constexpr double kOnTargetDeg = 3;
// A rotor coming closer by less than this between two readings is still.
constexpr double kMovedDeg = 1;
// Time for a controller to answer and a motor to start.
constexpr double kStartSeconds = 2;
// Degrees it must have covered when it may be called stuck.
constexpr double kStuckDeg = 5;
// Readings this far away were turning all the way between them.
constexpr double kTurningDeg = 3;

// What a controller may overshoot its range by.
constexpr double kOvertravelDeg = 5;

} // namespace

bool readingWithinRange(const RotorAim &reading, const RotorRange &range)
{
    const double highestElevation = range.canFlip ? 180 : 90;
    return std::isfinite(reading.azimuthDeg) && std::isfinite(reading.elevationDeg) &&
           reading.azimuthDeg >= range.minAzimuthDeg - kOvertravelDeg &&
           reading.azimuthDeg <= range.maxAzimuthDeg + kOvertravelDeg && reading.elevationDeg >= -kOvertravelDeg &&
           reading.elevationDeg <= highestElevation + kOvertravelDeg;
}

double RotorFollowWatch::stillAllowanceSeconds() const
{
    const double slowest = std::min(settings_.speeds.azimuthDegPerS, settings_.speeds.elevationDegPerS);
    return kStartSeconds + kStuckDeg / std::max(slowest, 0.1);
}

std::optional<RotorFollowWatch::Report> RotorFollowWatch::observe(double nowSeconds, const RotorAim &reading,
                                                                  const RotorAim &command)
{
    const double error = pointingErrorDeg(reading, command);
    // In the rotor's own degrees: a rotor going the long way round to 372
    // moves away from it on the sky while it gets there.
    const double toGo = std::max(std::abs(command.azimuthDeg - reading.azimuthDeg) / settings_.speeds.azimuthDegPerS,
                                 std::abs(command.elevationDeg - reading.elevationDeg) /
                                     settings_.speeds.elevationDegPerS);
    // Small steps add up: moving is measured from where it stood still.
    const bool moved = lastReading_ && std::max(std::abs(reading.azimuthDeg - stillAt_.azimuthDeg),
                                                std::abs(reading.elevationDeg - stillAt_.elevationDeg)) >= kMovedDeg;
    if (error <= kOnTargetDeg || !lastReading_ || stillError_ - error >= kMovedDeg || moved) {
        stillSince_ = nowSeconds;
        stillAt_ = reading;
        stillError_ = error;
    }
    // A rotor closing in at about its speed is slewing (to the next pass's
    // start, say), not lagging: only the ticks it does not are counted.
    const bool slewing = lastReading_ && lastToGo_ - toGo >= 0.5 * (nowSeconds - lastSeconds_);
    ticksFarAway_ = error > settings_.allowedErrorDeg && !slewing ? ticksFarAway_ + 1 : 0;
    lastReading_ = reading;
    lastToGo_ = toGo;
    lastSeconds_ = nowSeconds;

    const bool stuck = nowSeconds - stillSince_ > stillAllowanceSeconds();
    const bool farAway = ticksFarAway_ > 2;
    if (error <= settings_.allowedErrorDeg && !stuck)
        said_ = false;
    if ((stuck || farAway) && !said_) {
        said_ = true;
        return Report{reading, command};
    }
    return std::nullopt;
}

void RotorFollowWatch::reset()
{
    lastReading_.reset();
    ticksFarAway_ = 0;
    said_ = false;
}

void RotorSpeedMeter::observe(double nowSeconds, const RotorAim &reading, const RotorAim &command)
{
    if (lastSeconds_ && nowSeconds > *lastSeconds_) {
        const double seconds = nowSeconds - *lastSeconds_;
        // Both readings away from the command in force between them, on the same side.
        const auto turning = [](double before, double after, double target) {
            return std::abs(target - before) > kTurningDeg && std::abs(target - after) > kTurningDeg &&
                   (target - before) * (target - after) > 0;
        };
        if (turning(lastReading_.azimuthDeg, reading.azimuthDeg, command.azimuthDeg))
            azimuth_.push_back(std::abs(reading.azimuthDeg - lastReading_.azimuthDeg) / seconds);
        if (turning(lastReading_.elevationDeg, reading.elevationDeg, command.elevationDeg))
            elevation_.push_back(std::abs(reading.elevationDeg - lastReading_.elevationDeg) / seconds);
    }
    lastSeconds_ = nowSeconds;
    lastReading_ = reading;
}

std::optional<RotorSpeeds> RotorSpeedMeter::measured() const
{
    // The median pace: a reading's whole degree, or a slow start, moves a single one.
    const auto median = [](std::vector<double> paces) {
        if (paces.empty())
            return 0.0;
        std::nth_element(paces.begin(), paces.begin() + paces.size() / 2, paces.end());
        return paces[paces.size() / 2];
    };
    const double azimuth = median(azimuth_);
    const double elevation = median(elevation_);
    if (azimuth <= 0 || elevation <= 0)
        return std::nullopt;
    return RotorSpeeds{azimuth, elevation};
}

} // namespace orvanta
