#pragma once

#include "logbook/log_station.h"

#include <functional>

namespace orvanta {

class TransponderTuning;
class UtcClock;
struct ConfigStation;
namespace orbit {
class Satellites;
}

// What the log reads from the station at Return: the clock, the satellite
// the transponder panel follows, its chosen transponder and the two links
// the radio is set to at that instant, and the observer's locator.
class StationLog final : public LogStation {
public:
    StationLog(const UtcClock &clock, const TransponderTuning &tuning, const ConfigStation &config,
               std::function<const orbit::Satellites *()> component);
    StationFacts facts() const override;

private:
    const UtcClock &clock_;
    const TransponderTuning &tuning_;
    const ConfigStation &config_;
    std::function<const orbit::Satellites *()> component_;
};

} // namespace orvanta
