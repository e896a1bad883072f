#pragma once

#include "config/device_setup.h"

#include <QWidget>

class QComboBox;

namespace orvanta {

// The "Peripheriques" dialog: the Linux devices of the receiver line, the
// rotor line and the parallel port, chosen among those present or typed.
class PeripheriquesWindow : public QWidget {
    Q_OBJECT
public:
    PeripheriquesWindow(DeviceSetup &setup, QWidget *parent = nullptr);

    // What the menu does: lists the devices present, shows the stored ones
    // and shows the window.
    void ouvrir();

private:
    void validerClicked();

    DeviceSetup &setup_;
    QComboBox *recepteur_;
    QComboBox *rotor_;
    QComboBox *parallele_;
};

} // namespace orvanta
