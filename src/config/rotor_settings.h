#pragma once

#include <QString>

#include <optional>

namespace orvanta {

class SettingsStore;

// The rotor's range and the waiting at the rise, kept in the settings file's
// section "Rotor":
// - "GS232 Azimut Max": 360, or 450 for a controller with an overlap;
// - "GS232 Retournement": 1 when the GS-232 rotor can flip (elevation to 180);
// - "Attente Lever": 1 or 0; absent, the rotor waits at the rise when it is a
//   GS-232 or a Hamlib rotor;
// - "Attente Lever Secondes": from how long before acquisition (default 120,
//   0 to 3600).
struct RotorSettings {
    bool gs232Overlap = false;
    bool gs232Flip = false;
    std::optional<bool> waitAtRise;
    double waitSeconds = 120;

    bool waitsAtRise(const QString &interfaceRotor) const;
};

// Values that cannot be read keep their defaults.
RotorSettings loadRotorSettings(const SettingsStore &store);
void saveRotorSettings(SettingsStore &store, const RotorSettings &settings);

} // namespace orvanta
