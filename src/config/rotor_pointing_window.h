#pragma once

#include "config/rotor_settings.h"

#include <QWidget>

#include <functional>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace orvanta {

// The "Pointage du rotor" window, from the menu "Interfaces Rotor": the
// chosen rotor's speeds (with those measured over the passes, to take), how
// far it may be from its command before it is said not to follow, and after
// how many minutes without a pass it is parked when parking is on.
// "Enregistrer" keeps the boxes, or says in the window which one it refuses
// and keeps nothing.
class RotorPointingWindow : public QWidget {
    Q_OBJECT
public:
    struct Links {
        std::function<RotorSettings()> settings;
        std::function<QString()> interfaceRotor;
        std::function<std::optional<RotorSpeeds>()> measured; // none until the rotor has been seen turning
        std::function<void(const RotorSettings &)> save;
    };

    explicit RotorPointingWindow(Links links, QWidget *parent = nullptr);

    // Fills the boxes from the settings and shows the window.
    void ouvrir();

private:
    void takeMeasured();
    void save();

    Links links_;
    QLineEdit *azimuthSpeed_;
    QLineEdit *elevationSpeed_;
    QLineEdit *allowedError_;
    QLineEdit *parkAfter_;
    QLabel *measured_;
    QPushButton *takeMeasured_;
    QLabel *refusal_;
};

} // namespace orvanta
