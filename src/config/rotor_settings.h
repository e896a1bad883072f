#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>

namespace orvanta {

// How fast a rotor turns, degrees per second on each axis; both axes turn
// at once. The defaults are those of the rotors GS-232 controllers usually
// drive (G-5500: about 60 s for 360° in azimuth, 67 s for 180° in
// elevation), which are also the rotors a FodTrack interface was made for.
// Hamlib gives no speed in degrees for its rotators (only a speed level of
// 1 to 100 for the manual moves), so a Hamlib rotor starts from the same
// defaults until it is set, or measured from its readings.
struct RotorSpeeds {
    double azimuthDegPerS = 6.0;
    double elevationDegPerS = 2.7;

    bool valid() const { return azimuthDegPerS > 0 && elevationDegPerS > 0; }
    bool operator==(const RotorSpeeds &) const = default;
};

class SettingsStore;

// The rotor's range and the waiting at the rise, kept in the settings file's
// section "Rotor":
// - "GS232 Azimut Max": 360, or 450 for a controller with an overlap;
// - "GS232 Retournement": 1 when the GS-232 rotor can flip (elevation to 180);
// - "Attente Lever": 1 or 0; absent, the rotor waits at the rise when it is a
//   GS-232 or a Hamlib rotor;
// - "Attente Lever Secondes": from how long before acquisition (default 120,
//   0 to 3600);
// - "Avance": 1 when each command points where the satellite will be as the
//   rotor gets there (default 0: where it is now);
// - "GS232 Lecture Position": 1 when the GS-232 is asked where it points;
// - "<interface> Vitesse Azimut", "<interface> Vitesse Site": the speeds of
//   the rotor of that interface ("GS232 Vitesse Azimut"), degrees a second;
// - "Ecart Suivi": how far the rotor may be from its command before it is
//   said not to follow (default 10 degrees);
// - "Parcage Entre Passages": 1 to park between passes, "Parcage Apres
//   Minutes": when the next pass is more than this away (default 30).
struct RotorSettings {
    // Anything faster than a turn a second is a typing slip.
    static constexpr double kFastestDegPerS = 360;
    static constexpr double kLongestParkThresholdMinutes = 24 * 60;

    bool gs232Overlap = false;
    bool gs232Flip = false;
    std::optional<bool> waitAtRise;
    double waitSeconds = 120;
    bool lead = false;
    bool gs232ReadBack = false;
    QHash<QString, RotorSpeeds> speeds; // by Interface_Rotor; absent: the defaults
    double allowedErrorDeg = 10;
    bool parkBetweenPasses = false;
    double parkAfterMinutes = 30;

    bool waitsAtRise(const QString &interfaceRotor) const;
    RotorSpeeds speedsOf(const QString &interfaceRotor) const { return speeds.value(interfaceRotor); }
};

inline const QStringList kRotorInterfaces{QStringLiteral("Fodtrack"), QStringLiteral("GS232"), QStringLiteral("Hamlib")};

// Values that cannot be read keep their defaults.
RotorSettings loadRotorSettings(const SettingsStore &store);
void saveRotorSettings(SettingsStore &store, const RotorSettings &settings);

} // namespace orvanta
