#pragma once

#include <QString>

#include <map>
#include <optional>

namespace orvanta {

class SettingsStore;

// When a satellite's passes give an alarm.
struct AlarmRule {
    static constexpr int kLongestLeadMinutes = 60;

    bool enabled = false;
    int minutesBeforeAos = 5; // 0 to 60; 0 is at acquisition
    // Only passes whose highest elevation reaches this, in degrees.
    std::optional<double> minimumMaxElevationDeg;
    bool atLos = false; // a second alarm at loss of signal

    bool operator==(const AlarmRule &) const = default;
};

// The alarms ahead of acquisition, kept in the settings file: section
// "Alarmes" for every satellite ("Active", "Minutes Avant AOS", "Site Max
// Minimum" (absent: any pass), "Alarme LOS", "Son", "Commande", "Horizon Station", and
// "Satellites", the catalogue numbers that have a rule of their own, blank
// separated), and one section "Alarme <catalogue number>" per such satellite
// with the first four keys. The chime and the command are the station's, not
// a satellite's.
struct AlarmSettings {
    AlarmRule everySatellite;
    std::map<long, AlarmRule> bySatellite;
    bool chime = false; // Alarme_Sat.wav, in the station folder
    // "Horizon Station": acquisition and loss taken where the pass clears
    // the station's own horizon and sets behind it (when it has one).
    bool atStationHorizon = false;
    QString command;    // program and arguments, blank separated, "double quotes" around one with blanks

    const AlarmRule &ruleFor(long catalogNumber) const;
    bool operator==(const AlarmSettings &) const = default;
};

// Values that cannot be read keep their defaults.
AlarmSettings loadAlarmSettings(const SettingsStore &store);
// Rules no longer in settings.bySatellite are removed from the file.
void saveAlarmSettings(SettingsStore &store, const AlarmSettings &settings);

} // namespace orvanta
