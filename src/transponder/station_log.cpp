#include "transponder/station_log.h"

#include "config/config_station.h"
#include "logbook/contact.h"
#include "orbit/locator.h"
#include "platform/utc_clock.h"
#include "transponder/transponder_tuning.h"

#include <cmath>

namespace orvanta {

StationLog::StationLog(const UtcClock &clock, const TransponderTuning &tuning, const ConfigStation &config,
                       std::function<const orbit::Satellites *()> component)
    : clock_(clock), tuning_(tuning), config_(config), component_(std::move(component))
{
}

StationFacts StationLog::facts() const
{
    StationFacts facts;
    facts.instant = clock_.nowUtc();
    facts.catalogNumber = tuning_.catalogNumber();
    facts.satelliteName = tuning_.satelliteName();
    facts.myGrid = QString::fromStdString(orbit::locatorFromPosition(config_.Lat_Obs, config_.Long_Obs, 6));
    const Transponder *transponder = tuning_.transponder();
    if (!transponder)
        return facts;
    facts.satMode = satelliteModeOf(transponder->uplinkLow, transponder->downlinkLow);
    facts.radioMode = transponder->downlinkMode;
    // The links as the panel sets the radio at this instant; at the satellite
    // when the component cannot give the range rate.
    const auto rangeRate = rangeRateAt(component_(), tuning_.satelliteName(), facts.instant);
    const TwoLinks links = twoLinks(*transponder, tuning_.downlink(), rangeRate.value_or(0.0), tuning_.offsets());
    facts.downlinkHz = std::llround(links.downlinkAtRadio);
    facts.uplinkHz = std::llround(links.uplinkAtRadio);
    return facts;
}

} // namespace orvanta
