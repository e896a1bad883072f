#pragma once

#include "config/acquisition_settings.h"
#include "config/observer_settings.h"
#include "rotor/rotor_calibration.h"
#include "tracking/rotor_steering.h"

#include <QString>

#include <functional>

namespace orvanta {

class AR5000Window;
class AjoutFrequenceWindow;
class CalibrationWindow;
class FrequencesSatWindow;
class HorizonWindow;
class MainWindow;
class ObservateurWindow;
class ParametresWindow;
class PeripheriquesWindow;
class RotorMenus;
class StationDrivers;
class TrackingWork;
struct ConfigStation;
struct StationPlatform;

// The windows the main window's menus and buttons open, with the settings
// behind them: the observer, the acquisition parameters, the frequencies,
// the calibration, the devices, the Hamlib devices, the rotor's range, the
// AR5000 panel, the element sources, the help and the revision history.
class StationMenus {
public:
    struct Links {
        MainWindow &window;
        const StationPlatform &platform;
        ConfigStation &config;
        StationDrivers &devices;
        TrackingWork &tracking;
        std::function<void()> observerChanged; // the component is built again
        std::function<void()> openElementUpdate;
        std::function<void()> openMap;
        std::function<void()> horizonChanged; // Horizon.cfg was written from its window
    };

    explicit StationMenus(Links links);

    // A satellite just selected: its frequency is asked for if it has none.
    void proposeFrequency(const QString &name);
    // How the rotor is driven now: the lead, the waiting at the rise, the park.
    RotorSteering::Settings rotorSteering() const;
    // The configuration is read: the calibration can be opened.
    void configurationRead();

private:
    void connectMenus();
    QString manualFile() const;

    Links links_;
    ObserverSettings observer_;
    AcquisitionSettings acquisition_;
    RotorCalibration calibration_;
    AR5000Window *panelWindow_;
    FrequencesSatWindow *frequencyEditor_;
    AjoutFrequenceWindow *addFrequency_;
    ObservateurWindow *observateur_;
    HorizonWindow *horizon_;
    ParametresWindow *parametres_;
    CalibrationWindow *calibrationWindow_;
    PeripheriquesWindow *peripheriques_ = nullptr;
    RotorMenus *rotorMenus_ = nullptr;
};

} // namespace orvanta
