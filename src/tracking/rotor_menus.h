#pragma once

#include "config/device_entries.h"
#include "config/rotor_settings.h"
#include "tracking/rotor_steering.h"

#include <QObject>

#include <functional>
#include <optional>

class QAction;
class QWidget;

namespace orvanta {

struct ConfigStation;
class Gs232Rotor;
class SettingsStore;

// The rotor's range and the waiting at the rise, as check entries added to
// the menu "Interfaces Rotor" (`Mnu_Rotor`): `Mnu_GS232_450` "GS-232 : azimut
// jusqu'a 450", `Mnu_GS232_Retournement` "GS-232 : retournement (site jusqu'a
// 180)" and `Mnu_Attente_Lever` "Attendre au lever du prochain passage"; the
// pointing: `Mnu_Avance` "Pointer en avance", `Mnu_GS232_Lecture` "GS-232 :
// lire la position (C2)", `Mnu_Parcage_Passages` "Parquer entre les
// passages"; and `Mnu_Pointage_Rotor` "Pointage du rotor..." opening the
// speeds, the allowed error and the park's threshold.
// A click is kept in the settings file at once and holds from the next tick.
class RotorMenus final : public QObject {
    Q_OBJECT
public:
    // measuredSpeeds: the rotor's speeds measured over the passes, offered in "Pointage du rotor...".
    RotorMenus(QWidget &window, const DeviceEntries &entries, SettingsStore &store, const ConfigStation &config, Gs232Rotor &gs232,
               std::function<std::optional<RotorSpeeds>()> measuredSpeeds);

    RiseWaiting riseWaiting() const;
    // Everything the tick needs to drive the rotor now.
    RotorSteering::Settings steering() const;
    const RotorSettings &settings() const { return settings_; }
    // What the pointing dialog stores.
    void setSettings(const RotorSettings &settings);

private:
    QAction *add(const char *name, const QString &caption);
    void changed();
    void applyToGs232();
    void showMarks();

    SettingsStore &store_;
    const ConfigStation &config_;
    Gs232Rotor &gs232_;
    RotorSettings settings_;
    QAction *overlap_ = nullptr;
    QAction *flip_ = nullptr;
    QAction *wait_ = nullptr;
    QAction *lead_ = nullptr;
    QAction *readBack_ = nullptr;
    QAction *park_ = nullptr;
};

} // namespace orvanta
