#pragma once

#include "config/config_station.h"
#include "config/device_entries.h"
#include "hamlib/hamlib_device.h"

#include <QObject>

#include <functional>
#include <optional>

class QAction;
class QWidget;

namespace orvanta {

class HamlibReceiver;
class HamlibRotor;
class HamlibSetup;
class SettingsStore;

// The "Hamlib" entries of "Recepteurs" and "Interfaces Rotor": each opens
// its set-up dialog; on OK the station drives that device ("Hamlib" in
// `Recepteur` or `Interface_Rotor`), the check mark moves to it within its
// menu, the settings are stored and the title is rebuilt. Cancel changes
// nothing. On construction both devices get their stored settings.
class HamlibMenus final : public QObject {
public:
    // Shows the dialog and gives the settings chosen, nothing on Cancel.
    using Ask = std::function<std::optional<HamlibDevice>(HamlibSetup &setup)>;

    HamlibMenus(QWidget &window, const DeviceEntries &entries, ConfigStation &config, SettingsStore &store, HamlibReceiver &receiver,
                HamlibRotor &rotor, std::function<void()> refreshTitle, HamlibTiming testTiming = {});

    // Replaces the dialog (tests).
    void setAsk(Ask ask) { ask_ = std::move(ask); }

private:
    void setUp(HamlibKind kind);

    QWidget &window_;
    const DeviceEntries entries_;
    ConfigStation &config_;
    SettingsStore &store_;
    HamlibReceiver &receiver_;
    HamlibRotor &rotor_;
    const std::function<void()> refreshTitle_;
    const HamlibTiming testTiming_;
    Ask ask_;
};

} // namespace orvanta
