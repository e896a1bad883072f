#pragma once

#include "remote/remote_settings.h"
#include "remote/remote_station.h"
#include "rotor/hamlib_rotator.h"

#include <functional>
#include <optional>

class QWidget;

namespace orvanta {

class MainWindow;
class ManualPointing;
class RemoteWork;
class Rotor;
class SettingsStore;
class SkyView;
class TrackingCycle;
class TranspondeurWindow;
struct TickOutcome;

// The station as the remote sees it: what each tick found, and the remote's
// requests carried out through the window's own controls and the methods
// its clicks call, so the station's rules hold whoever clicks. It builds the
// remote station's server and dialog (`RemoteWork`) over itself.
class StationRemote final : public RemoteStation {
public:
    struct Links {
        MainWindow &window;
        SettingsStore &store;
        std::optional<RemoteListen> oneRun; // --remote
        const TrackingCycle &tracking;
        ManualPointing &pointing;
        std::function<bool()> manualPointingOpen; // its window holds the rotor
        TranspondeurWindow &panel;
        const SkyView &sky;
        std::function<Rotor *()> rotor; // the rotor the station drives, if any
        std::function<std::pair<double, double>()> parkPosition;
        std::function<std::optional<RotatorReading>()> rotorReading;
        std::function<std::optional<double>()> radioReadingHz;
    };

    explicit StationRemote(Links links);

    RemoteWork &work() { return *work_; }
    // What the tick found, then told to the sessions.
    void ticked(const TickOutcome &outcome);

    RemoteSnapshot snapshot() const override;
    QString windowHolds() const override;
    QString setSwitches(std::optional<bool> rotor, std::optional<bool> doppler, std::optional<bool> receiver) override;
    QString point(double azimuthDeg, double elevationDeg) override;
    QString park() override;
    QString tune(std::optional<int> stepHz, std::optional<int> steps) override;
    QString stopAll() override;

private:
    Links links_;
    RemoteWork *work_; // the window's
    RemoteSnapshot last_; // what the last tick found
};

} // namespace orvanta
