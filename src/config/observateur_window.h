#pragma once

#include "config/observer_settings.h"

#include <QWidget>

class QLineEdit;

namespace orvanta {

// The "Observateur" window: the station's position and the minimum elevation.
// It has no buttons; closing it checks the boxes and stores them, or keeps
// it open after saying what is wrong.
class ObservateurWindow : public QWidget {
    Q_OBJECT
public:
    ObservateurWindow(ObserverSettings &settings, QWidget *parent = nullptr);

    // What the menu does: fills the boxes from the configuration and shows the window.
    void ouvrir();

signals:
    // "Horizon..." (`Bouton_Horizon`): the operator wants to edit the station's horizon.
    void horizonRequested();

protected:
    void closeEvent(QCloseEvent *event) override;
    // Escape and Enter close the window as its title bar does: the boxes are
    // checked and stored, there being nothing else to accept.
    void keyPressEvent(QKeyEvent *event) override;

private:
    ObserverTexts boxes() const;

    ObserverSettings &settings_;
    QLineEdit *longitude_;
    QLineEdit *latitude_;
    QLineEdit *altitude_;
    QLineEdit *elevation_;
    QLineEdit *locator_;
};

} // namespace orvanta
