#pragma once

#include "config/rotor_settings.h"

#include <QString>

namespace orvanta {

// The boxes of the "Pointage du rotor" window, as typed.
struct RotorPointingTexts {
    QString azimuthSpeed;   // degrees a second, the chosen rotor interface's
    QString elevationSpeed;
    QString allowedError;   // degrees
    QString parkAfterMinutes;
};

RotorPointingTexts rotorPointingTexts(const RotorSettings &settings, const QString &interfaceRotor);

// The settings with the boxes' values for that interface, or, when a box
// holds what a rotor cannot have (a speed of 0, negative or faster than a
// turn a second, an error outside 0-180, a threshold outside a day), the
// settings unchanged and why.
struct RotorPointingEntry {
    RotorSettings settings;
    QString refusal; // empty when every box was taken
};

RotorPointingEntry readRotorPointing(RotorSettings settings, const QString &interfaceRotor,
                                     const RotorPointingTexts &texts);

} // namespace orvanta
