#include "app/station_journal.h"

#include "app/station_platform.h"

namespace orvanta {

StationJournal::StationJournal(QMainWindow &window, QAction *before, const StationPlatform &platform,
                               const TransponderTuning &tuning, const ConfigStation &config,
                               std::function<const orbit::Satellites *()> component)
    : facts(platform.clock, tuning, config, std::move(component)),
      work({window, before, platform.store, platform.messages, facts, platform.stationFolder, {}})
{
}

} // namespace orvanta
