#pragma once

#include "config/config_station.h"

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
    // window: holds the menu bar built by buildMainMenus (entries are found by
    // object name). The "Com2 RECEPTEUR" speeds drive receiverLine and
    // Vitesse_Com1, the "Com1  ROTOR" speeds rotorLine and Vitesse_Com2.
    DeviceMenus(QWidget &window, ConfigStation &config, SerialLine &receiverLine, SerialLine &rotorLine,
                ConfigView &view, DeviceMenuOpeners openers);

private:
    QAction *entry(const char *name) const;
    void check(const QString &name, bool checked) const;
    void connectEntry(const char *name, std::function<void()> handler);
    void chooseAddress(float address);
    void chooseSpeed(SerialLine &line, float &value, const QString &prefix, int speed);
    void chooseReceiver(const QString &recepteur);
    void chooseFodtrack();
    void chooseGs232();
    void showTitle();

    QWidget &window_;
    ConfigStation &config_;
    SerialLine &receiverLine_;
    SerialLine &rotorLine_;
    ConfigView &view_;
};

} // namespace orvanta
