#pragma once

#include "alarms/alarm_work.h"
#include "app/main_window.h"
#include "app/station_journal.h"
#include "app/station_menus.h"
#include "app/station_platform.h"
#include "app/station_remote.h"
#include "config/config_station.h"
#include "data/element_work.h"
#include "map/map_link.h"
#include "orbit/satellites.h"
#include "passes/pass_work.h"
#include "platform/station_notices.h"
#include "remote/remote_work.h"
#include "sky/station_sky.h"
#include "tracking/component_build.h"
#include "tracking/station_component.h"
#include "tracking/station_drivers.h"
#include "tracking/tracking_work.h"
#include "transponder/transponder_work.h"

#include <memory>

namespace orvanta {

// The whole station, assembled in one place: each feature is built from
// what it needs and connected to the others here, with the main window's
// start-up and shutdown.
class Station {
public:
    explicit Station(StationPlatform platform);
    ~Station();

    // Everything from the configuration to the first park; shows the window.
    void start();
    // Saves, offers the park, releases the receiver and the lines, ends.
    void shutdown();
    bool ended() const { return phase_ == Phase::Ended; }

    MainWindow &window() { return window_; }
    TrackingCycle &tracking() { return tracking_.cycle(); }
    ConfigStation &config() { return config_; }
    orbit::Satellites *component() { return component_.get(); }
    RemoteWork &remote() { return remote_->work(); }
    const QStringList &Liste_Fichiers() const { return elements_.files(); }

    void Init_Satellites() { component_.build(); } // built again now, for the observer as set
    ElementWork &elements() { return elements_; }

private:
    void connectWindow();
    void ticked(const TickOutcome &outcome);
    // Reads Horizon.cfg again: at start-up, saying what it holds wrong and
    // keeping the rest; after the horizon window wrote it, which said it.
    void loadHorizon(bool tellProblems = true);

    StationPlatform platform_;
    ConfigStation config_;
    // What the devices, the ticks and the alarms say: boxes that hold nothing.
    StationNotices notices_;
    StationDrivers devices_; // before the window: the Hamlib worker threads outlive every caller
    MainWindow window_;
    StationComponent component_; // before the features that point into it
    TrackingWork tracking_;
    StationSky sky_;
    TransponderWork transponders_;
    MapLink map_;
    ElementWork elements_;
    StationMenus menus_;
    PassWork passes_;
    AlarmWork *alarms_; // the window's
    std::unique_ptr<StationRemote> remote_;
    StationJournal journal_{window_, window_.menus().help, platform_, transponders_.tuning(), config_,
                            [this] { return component_.get(); }};
    enum class Phase { Running, Closing, Ended } phase_ = Phase::Running;
    // Last, so that its hand-over ends before anything it hands to.
    ComponentBuild componentBuild_{[this](auto built, const auto &source) { component_.handOver(std::move(built), source); }};
};

} // namespace orvanta
