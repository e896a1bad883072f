#pragma once

#include "config/config_station.h"
#include "config/device_entries.h"

#include <QObject>
#include <QString>

#include <functional>

class QAction;
class QWidget;

namespace orvanta {

class ConfigView;
class SerialLine;

// What the configuration entries open. Each opener fills its window from the
// configuration and shows it without blocking the main window; the
// calibration and the frequency editor stop the tracking timer themselves.
struct DeviceMenuOpeners {
    std::function<void()> observateur;   // Mnu_Observateur
    std::function<void()> parametres;    // Mnu_Parametres
    std::function<void()> frequencesSat; // Mnu_Frequence_Sat
    std::function<void()> calibration;   // Mnu_Calibration
    std::function<void()> peripheriques; // Mnu_Peripheriques
};

// The handlers of the communication and device menus: the parallel-port
// address, the speeds of the two lines, the receiver and rotor interface,
// and the entries that open the configuration dialogs. They change the
// values in memory only; the store is written when a dialog or the main
// window closes.
class DeviceMenus final : public QObject {
    Q_OBJECT
public:
    // window: the main window, which owns this. The "Com2 RECEPTEUR" speeds
    // drive receiverLine and Vitesse_Com1, the "Com1  ROTOR" speeds rotorLine
    // and Vitesse_Com2.
    DeviceMenus(QWidget &window, const DeviceEntries &entries, ConfigStation &config, SerialLine &receiverLine,
                SerialLine &rotorLine, ConfigView &view, DeviceMenuOpeners openers);

private:
    void connectEntry(QAction *action, std::function<void()> handler);
    void chooseAddress(float address);
    void chooseSpeed(SerialLine &line, float &value, const std::array<QAction *, 5> &entries, int speed);
    void chooseReceiver(const QString &recepteur);
    void chooseFodtrack();
    void chooseGs232();
    void showTitle();

    const DeviceEntries entries_;
    ConfigStation &config_;
    SerialLine &receiverLine_;
    SerialLine &rotorLine_;
    ConfigView &view_;
};

} // namespace orvanta
