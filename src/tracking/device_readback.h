#pragma once

#include "receiver/hamlib_rig.h"
#include "rotor/hamlib_rotator.h"
#include "rotor/rotor_plan.h"

#include <QObject>

#include <functional>
#include <optional>

namespace orvanta {

// What the Hamlib rotor and radio said after their last command, shown in
// the main window so that the operator sees them follow the pass. A device
// the station does not drive, or one with no reading (not read yet,
// replaced, silent, unable to tell), shows none.
class DeviceReadback {
public:
    struct Links {
        HamlibRotor &rotor;
        HamlibReceiver &receiver;
        // Whether the station drives them now: the operator may choose
        // another device between two readings.
        std::function<bool()> rotorChosen;
        std::function<bool()> receiverChosen;
        std::function<void(const std::optional<RotorAim> &position)> showRotor;
        std::function<void(std::optional<double> hertz)> showRadio;
    };

    explicit DeviceReadback(Links links);

    // Shows both readings again, for the devices chosen now.
    void refresh();

private:
    Links links_;
    QObject context_; // ends the connections before the links go
};

} // namespace orvanta
