#pragma once

#include "orbit/horizon_mask.h"
#include "orbit/satellites.h"
#include "rotor/rotor_range.h"

#include <QString>

#include <functional>
#include <optional>

class QAction;
class QMainWindow;

namespace orvanta {

struct ConfigStation;
class MessageBoxes;
class SatelliteBanks;
class TrackingCycle;
class UtcClock;

// The passes as the operator asks for them, assembled in one place: the
// details of a pass double-clicked in the lists or of a satellite clicked
// on the map, and the schedule of the selection from the menu.
class PassWork {
public:
    struct Links {
        QMainWindow &window; // parent of the windows
        QAction *menusBefore; // the planning's menu goes before this one in the menu bar
        MessageBoxes &messages;
        const UtcClock &clock;
        const ConfigStation &config;
        QString folder;
        const TrackingCycle &tracking; // the passes of its last tick
        const SatelliteBanks &banks;   // the selection the schedule is for
        std::function<orbit::Satellites *()> component;
        std::function<std::optional<double>(long catalogNumber)> downlinkMHz;
        std::function<std::optional<RotorRange>()> rotorRange; // the chosen rotor's
        std::function<double()> rotorAzimuthDegPerSecond;       // its turning speed as set
        std::function<double()> lastTickOle;                    // 0 before the first tick
        // "Suivre ce satellite" from the details of a pass in progress.
        std::function<void(long catalogNumber)> follow;
    };

    explicit PassWork(Links links);

    // The pass a line of the lists shows.
    void openLine(const QString &line);
    // The satellite's pass in progress, or else its next one within a day.
    void openSatellite(const QString &name);
    // The station's horizon, said in the details from now on.
    void setHorizon(const orbit::HorizonMask &mask) { horizon_ = mask; }

private:
    void open(const orbit::PredictedPass &pass);

    Links links_;
    orbit::HorizonMask horizon_;
};

} // namespace orvanta
