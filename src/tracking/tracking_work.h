#pragma once

#include "data/frequency_file_report.h"
#include "data/shared_tracking_timer.h"
#include "rotor/manual_pointing.h"
#include "tracking/device_readback.h"
#include "tracking/named_satellite.h"
#include "tracking/prediction_notices.h"
#include "tracking/satellite_banks.h"
#include "tracking/station_clock.h"
#include "tracking/tracking_cycle.h"
#include "tracking/window_tracking_timer.h"

#include <QDateTime>
#include <QObject>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

class QTimer;
class QWidget;

namespace orvanta {

struct ConfigStation;
class MessageBoxes;
class PoursuiteManWindow;
class Receiver;
class SettingsStore;
class SoundPlayer;
class StationDrivers;
class StationNotices;
class UtcClock;

// The tick and what feeds it, assembled in one place: the clock, the
// tracking timer, the banks of satellites, the frequency look-up, the
// prediction notices, the Hamlib devices' readings and the manual pointing.
class TrackingWork {
public:
    struct Links {
        ConfigStation &config;
        StationDrivers &devices;
        TrackingDisplay &display;
        QWidget &window;  // parent of the manual pointing window
        QTimer &timer;    // the tracking timer: each time out is a tick
        QTimer &clockTimer; // each time out reads the UTC clock shown
        SettingsStore &store;
        MessageBoxes &messages;
        const UtcClock &clock;
        SoundPlayer &sound;
        StationNotices &notices;
        QString folder;                                 // the station folder
        std::function<orbit::Satellites *()> component; // the current orbital component
    };

    explicit TrackingWork(Links links);
    ~TrackingWork();
    TrackingWork(const TrackingWork &) = delete;
    TrackingWork &operator=(const TrackingWork &) = delete;

    TrackingCycle &cycle() { return cycle_; }
    const TrackingCycle &cycle() const { return cycle_; }
    SatelliteBanks &banks() { return banks_; }
    StationClock &clock() { return clock_; }
    FrequencyFileReport &frequencyReport() { return frequencyReport_; }
    // The tracking timer as the dialogs hold it while they are open.
    TrackingTimer &sharedTimer() { return sharedTimer_; }

    // One run of the tracking timer, then the elements' age for the selection.
    void tick();
    // "Suivre ce satellite": the choice taken and shown at once by a tick, or
    // the reason it is refused shown after the handler.
    void chooseToFollow(long catalogNumber);
    // The same for the satellite of a line of the pass lists.
    void chooseToFollowLine(const QString &line);
    // Back to the pass that began first, at once.
    void followAutomatically();
    // Loads the list of satellites and the first bank.
    void loadBanks();
    // Another bank chosen in the main window.
    void bankClicked(int bank);
    // The component was built again: the lists keep what they can of the
    // selection, and the satellites that are gone are named.
    void componentReplaced(const QStringList &namesBefore);
    // A new component: what it says about the predictions, and the
    // tracking period, which may have changed with it.
    void componentBuilt(const orbit::Satellites &component);

    // The table keeps frequencies by name: the number's name in the component is looked up.
    FrequencyFound lookUpFrequency(long catalogNumber);
    // The file's problems, once per content, after the handler rather than inside it.
    void reportFrequencyFileLater();

    // The component's names, every one of them.
    QStringList satelliteNames() const;
    // The selection, each satellite with its catalogue number.
    std::vector<NamedSatellite> selectedSatellites() const;
    // The selection's catalogue numbers, in its order; names not held are left out.
    std::vector<long> selectedNumbers() const;
    // The manual pointing, while its window holds the rotor.
    std::optional<SkyPoint> manualPointing() const;
    ManualPointing &pointing() { return pointing_; }
    void openManualPointing();
    // The Hamlib devices' readings again (another may have been chosen).
    void refreshReadings() { readback_.refresh(); }

    // How the rotor is driven: the lead, the waiting at the next pass's rise, the park.
    void setRotorSettings(std::function<RotorSteering::Settings()> settings)
    {
        cycle_.rotorSettings = std::move(settings);
    }
    // The station's horizon: the rotor never goes below it.
    void setHorizon(const orbit::HorizonMask &mask) { cycle_.setHorizon(mask); }
    // The acquisition of the pass in progress, else of the next one, as the last tick predicted them.
    std::optional<QDateTime> nextAcquisition() const;
    // The receiver the station programs now ("Programmation Recepteur" on,
    // not closing); null when none.
    Receiver *programmedReceiver() const;
    // Reads again what the SatNOGS DB says of the satellites
    // (Statuts_SatNOGS.cfg): the lists show it, and the tick leaves the dead
    // and the re-entered to the operator's choice.
    void loadStatuses();
    // The shutdown has begun: the receiver is no longer programmed.
    void closing() { closing_ = true; }
    // The station has ended: nothing more is reported.
    void stop() { stopped_ = true; }

private:
    // Brings the timer onto the beat of its period when a tick came off it.
    void keepTheBeat(std::int64_t tickMs);

    Links links_;
    StationClock clock_;
    WindowTrackingTimer timer_;
    SharedTrackingTimer sharedTimer_;
    FrequencyFileReport frequencyReport_;
    SatelliteBanks banks_;
    PredictionNotices predictionNotices_;
    ManualPointing pointing_;
    PoursuiteManWindow *manualWindow_;
    TrackingCycle cycle_;
    DeviceReadback readback_;
    SatelliteStatuses statuses_;
    QObject context_; // ends the posted reports before the links go
    QTimer *beat_;    // one shot to the next beat, after a tick off it
    bool closing_ = false;
    bool stopped_ = false;
    // The component's names, read again only after a new component is built.
    mutable QStringList names_;
    mutable bool namesKnown_ = false;
};

} // namespace orvanta
