#pragma once

#include "app/alarm_work.h"
#include "app/auto_element_update.h"
#include "app/device_readback.h"
#include "app/device_table.h"
#include "app/hamlib_menus.h"
#include "app/main_window.h"
#include "app/map_link.h"
#include "app/satellite_banks.h"
#include "app/prediction_notices.h"
#include "app/sky_view.h"
#include "app/station_clock.h"
#include "app/station_notices.h"
#include "app/station_sky.h"
#include "app/tracking_cycle.h"
#include "app/transponder_work.h"
#include "app/window_tracking_timer.h"
#include "config/config_station.h"
#include "config/device_menus.h"
#include "config/peripheriques_window.h"
#include "data/ajout_frequence_window.h"
#include "data/frequency_file_report.h"
#include "data/frequences_sat_window.h"
#include "config/acquisition_settings.h"
#include "config/observateur_window.h"
#include "config/observer_settings.h"
#include "config/parametres_window.h"
#include "data/shared_tracking_timer.h"
#include "orbit/satellites.h"
#include "receiver/ar5000_panel.h"
#include "receiver/ar5000_radio.h"
#include "receiver/ar5000_receiver.h"
#include "receiver/ar5000_window.h"
#include "receiver/ft847_radio.h"
#include "receiver/ft847_receiver.h"
#include "receiver/hamlib_rig.h"
#include "receiver/receiver_line_queue.h"
#include "rotor/fodtrack.h"
#include "rotor/fodtrack_rotor.h"
#include "rotor/gs232.h"
#include "rotor/gs232_rotor.h"
#include "rotor/hamlib_rotator.h"
#include "rotor/calibration_window.h"
#include "rotor/manual_pointing.h"
#include "rotor/poursuite_man_window.h"
#include "rotor/rotor_calibration.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <memory>

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
};

// The whole station, assembled in one place: configuration, clock, orbital
// component, drivers, windows and the tracking cycle, with the main window's
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
    TrackingCycle &tracking() { return tracking_; }
    SatelliteBanks &banks() { return banks_; }
    ConfigStation &config() { return config_; }
    DeviceTable &devices() { return devices_; }
    orbit::Satellites *component() { return component_.get(); }
    AutoElementUpdate *autoUpdate() { return autoUpdate_; }
    Fodtrack &fodtrack() { return fodtrack_; }
    const QStringList &Liste_Fichiers() const { return elementFiles_; }

    // Creates the orbital component from the station folder and the
    // observer, and sets the tracking period.
    void Init_Satellites();
    // Reads the station's Horizon.cfg again: at start-up, saying what it holds
    // wrong; after the horizon window wrote it, which has said it already.
    void loadHorizon(bool tellProblems = true);
    // The component's names, every one of them.
    QStringList satelliteNames() const;
    std::vector<AlarmSatellite> alarmSatellites() const;

private:
    void connectWindow();
    void connectMenus();
    void connectDialogs();
    void checkElementFiles();
    void openLines();
    void listeSatDoubleClicked(int row);
    void bankClicked(int bank);
    FrequencyFound lookUpFrequency(const QString &name);
    void reportFrequencyFileLater();
    QString manualFile() const;
    void tick();
    void openElementUpdate();
    std::optional<SkyPoint> manualPointing() const;
    void openPassDetails(const QString &line);
    void openPassDetails(const orbit::PredictedPass &pass);
    void openSatelliteDetails(const QString &name);
    void elementsReplaced(QStringList files);

    StationPlatform platform_;
    ConfigStation config_;
    // Their worker threads outlive every caller below.
    HamlibReceiver hamlibReceiver_;
    HamlibRotor hamlibRotor_;
    MainWindow window_;
    StationClock clock_;
    std::unique_ptr<orbit::Satellites> component_;
    StationNotices notices_;
    FrequencyFileReport frequencyReport_;
    ReceiverLineQueue receiverQueue_;
    Fodtrack fodtrack_;
    Gs232 gs232_;
    Ar5000Panel panel_;
    Ar5000Receiver ar5000_;
    Ft847Receiver ft847_;
    FodtrackRotor fodtrackRotor_;
    Gs232Rotor gs232Rotor_;
    Ar5000Radio ar5000Radio_;
    Ft847Radio ft847Radio_;
    DeviceTable devices_;
    WindowTrackingTimer timer1_;
    SharedTrackingTimer sharedTimer_;
    AR5000Window *panelWindow_;
    FrequencesSatWindow *frequencyEditor_;
    AjoutFrequenceWindow *addFrequency_;
    ObserverSettings observer_;
    ObservateurWindow *observateur_;
    AcquisitionSettings acquisition_;
    ParametresWindow *parametres_;
    RotorCalibration calibration_;
    CalibrationWindow *calibrationWindow_;
    ManualPointing pointing_;
    PoursuiteManWindow *poursuiteMan_;
    PeripheriquesWindow *peripheriques_ = nullptr;
    HamlibMenus *hamlibMenus_ = nullptr;
    SatelliteBanks banks_;
    PredictionNotices predictionNotices_;
    SkyView *skyView_; // the main window's
    StationSky sky_;
    TrackingCycle tracking_;
    DeviceReadback readback_;
    QStringList elementFiles_;
    TransponderWork transponders_{{window_, platform_.store, platform_.messages, platform_.clock,
                                   platform_.stationFolder, [this] { return component_.get(); },
                                   [this] {
                                       return tracking_.state().Prog_RX_Actif && !closing_ && !ended_
                                                  ? devices_.receiver(config_.Recepteur)
                                                  : nullptr;
                                   }},
                                  ar5000Radio_, ft847_, ft847Radio_, hamlibReceiver_};
    bool closing_ = false;
    bool ended_ = false;
    MapLink map_{&window_};
    AlarmWork *alarms_ = nullptr; // the window's
    AutoElementUpdate *autoUpdate_ = nullptr; // the window's
};

} // namespace orvanta
