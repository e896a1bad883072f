#pragma once

#include "logbook/journal_work.h"
#include "transponder/station_log.h"

class QAction;
class QMainWindow;

namespace orvanta {

struct StationPlatform;

// The log of contacts as the station builds it: the journal's window and
// menu over what the station says at each Return.
struct StationJournal {
    // before: the menu bar's entry the journal's menu goes before.
    StationJournal(QMainWindow &window, QAction *before, const StationPlatform &platform,
                   const TransponderTuning &tuning, const ConfigStation &config,
                   std::function<const orbit::Satellites *()> component);

    StationLog facts;
    JournalWork work;
};

} // namespace orvanta
