#pragma once

#include "alarms/alarm_work.h"
#include "app/main_window.h"
#include "app/station_log.h"
#include "app/station_menus.h"
#include "app/station_remote.h"
#include "config/config_station.h"
#include "data/element_work.h"
#include "logbook/journal_work.h"
#include "map/map_link.h"
#include "orbit/satellites.h"
#include "passes/pass_work.h"
#include "platform/station_notices.h"
#include "remote/remote_settings.h"
#include "remote/remote_work.h"
#include "sky/station_sky.h"
#include "tracking/station_drivers.h"
#include "tracking/tracking_work.h"
#include "transponder/transponder_work.h"

#include <QString>
#include <QStringList>

#include <memory>

class QDBusConnection;

namespace orvanta {

class DeviceSetup;
class HelpViewer;
class MessageBoxes;
class ParallelPort;
class SerialLine;
class SettingsStore;
class SoundPlayer;
class UtcClock;
class Waiter;

// What the station needs from the machine: real devices in the program,
// recordings in the tests.
struct StationPlatform {
    SettingsStore &store;
    MessageBoxes &messages;
    const UtcClock &clock;
    Waiter &waiter;
    SerialLine &receiverLine; // AR5000 / FT-847
    SerialLine &rotorLine;    // GS-232
    ParallelPort &parallelPort;
    SoundPlayer &sound;
    HelpViewer &help;
    QString stationFolder; // element files, Elements.cfg, Frequences.cfg, sound, manual
    // The Linux devices behind the lines and the port; none in tests that
    // record the devices.
    DeviceSetup *deviceSetup = nullptr;
    // Where the alarms' desktop notifications go; the session bus when none.
    QDBusConnection *notificationBus = nullptr;
    // --remote: the remote station's server on for this run, at this address.
    std::optional<RemoteListen> remoteListen = std::nullopt;
};

// The whole station, assembled in one place: each feature is built from
// what it needs and connected to the others here, with the main window's
// start-up and shutdown.
class Station {
public:
    explicit Station(StationPlatform platform);
    ~Station();
    Station(const Station &) = delete;
    Station &operator=(const Station &) = delete;

    // Everything from the configuration to the first park; shows the window.
    void start();
    // Saves, offers the park, releases the receiver and the lines, ends.
    void shutdown();
    bool ended() const { return ended_; }

    MainWindow &window() { return window_; }
    TrackingCycle &tracking() { return tracking_.cycle(); }
    ConfigStation &config() { return config_; }
    orbit::Satellites *component() { return component_.get(); }
    RemoteWork &remote() { return *remote_; }
    const QStringList &Liste_Fichiers() const { return elements_.files(); }

    // Creates the orbital component from the station folder and the
    // observer, and sets the tracking period.
    void Init_Satellites();

private:
    void connectWindow();
    void ticked(const TickOutcome &outcome);
    void elementsReplaced();

    StationPlatform platform_;
    ConfigStation config_;
    // What the devices, the ticks and the alarms say: boxes that hold nothing.
    StationNotices notices_;
    StationDrivers devices_; // before the window: the Hamlib worker threads outlive every caller
    MainWindow window_;
    std::unique_ptr<orbit::Satellites> component_;
    TrackingWork tracking_;
    StationSky sky_;
    TransponderWork transponders_;
    MapLink map_;
    ElementWork elements_;
    StationMenus menus_;
    PassWork passes_;
    AlarmWork *alarms_; // the window's
    std::unique_ptr<StationRemote> remoteStation_;
    RemoteWork *remote_ = nullptr; // the window's
    StationLog logFacts_{platform_.clock, transponders_.tuning(), config_, [this] { return component_.get(); }};
    JournalWork journal_{{window_, platform_.store, platform_.messages, logFacts_, platform_.stationFolder, {}}};
    bool closing_ = false;
    bool ended_ = false;
};

} // namespace orvanta
