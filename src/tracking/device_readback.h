#pragma once

#include "receiver/hamlib_rig.h"
#include "rotor/hamlib_rotator.h"

#include <QObject>
#include <QString>

#include <functional>
#include <optional>

namespace orvanta {

// "Rotor : 123° / 45°", whole degrees in the rotor's own terms; empty
// without a reading.
QString rotorReadbackText(const std::optional<RotatorReading> &reading);
// "Radio : 145.80215 MHz"; empty without a reading.
QString radioReadbackText(const std::optional<RigReading> &reading);

// What the Hamlib rotor and radio said after their last command, in the
// main window's `Lecture_Rotor` and `Lecture_Radio`, so that the operator
// sees them follow the pass. A device the station does not drive, or one
// with no reading (not read yet, replaced, silent, unable to tell), shows
// an empty text, which hides its label.
class DeviceReadback {
public:
    struct Links {
        HamlibRotor &rotor;
        HamlibReceiver &receiver;
        // Whether the station drives them now: the operator may choose
        // another device between two readings.
        std::function<bool()> rotorChosen;
        std::function<bool()> receiverChosen;
        std::function<void(const QString &control, const QString &text)> show;
    };

    explicit DeviceReadback(Links links);

    // Shows both readings again, for the devices chosen now.
    void refresh();

private:
    Links links_;
    QObject context_; // ends the connections before the links go
};

} // namespace orvanta
