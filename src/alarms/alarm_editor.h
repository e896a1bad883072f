#pragma once

#include "alarms/alarm_settings.h"
#include "tracking/named_satellite.h"

#include <QString>

#include <functional>
#include <optional>

namespace orvanta {

class MessageBoxes;
class SettingsStore;

// A satellite the alarm dialog offers a rule of its own for.
using AlarmSatellite = NamedSatellite;

// What the alarm dialog does, apart from its window: the settings being
// edited, checked and kept when the window closes.
class AlarmEditor {
public:
    // applied: runs with the settings once they are saved.
    AlarmEditor(SettingsStore &store, MessageBoxes &messages, std::function<void(const AlarmSettings &)> applied);

    // The settings as the menu opens the dialog: those of the settings file.
    void open();
    AlarmSettings &edited() { return edited_; }
    std::optional<AlarmRule> ownRule(long catalogNumber) const;
    void setOwnRule(long catalogNumber, const std::optional<AlarmRule> &rule);

    // Why the command cannot run (no program in it, a program that is not
    // found or not executable), or empty. folder: where it runs.
    static QString commandProblem(const QString &command, const QString &folder);

    // The close request: a command that cannot run is said and keeps the
    // window open (false); otherwise the settings are saved and applied.
    bool close(const QString &folder);

private:
    SettingsStore &store_;
    MessageBoxes &messages_;
    std::function<void(const AlarmSettings &)> applied_;
    AlarmSettings edited_;
};

} // namespace orvanta
