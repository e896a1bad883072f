#pragma once

#include "config/acquisition_settings.h"

#include <QWidget>

class QLineEdit;
class QRadioButton;

namespace orvanta {

// The "Parametres d'acquisition" window: the tracking period, the minimum
// pass time, the park position and the azimuth-only switch. Closing it
// checks the boxes and stores them, or keeps it open after saying what is
// wrong; the switch acts at the click.
class ParametresWindow : public QWidget {
    Q_OBJECT
public:
    ParametresWindow(AcquisitionSettings &settings, QWidget *parent = nullptr);

    // What the menu does: fills the boxes and the switch from the
    // configuration and shows the window.
    void ouvrir();

protected:
    void closeEvent(QCloseEvent *event) override;
    // Escape and Enter close the window as its title bar does: the boxes are
    // checked and stored, there being nothing else to accept.
    void keyPressEvent(QKeyEvent *event) override;

private:
    AcquisitionSettings &settings_;
    QLineEdit *repetition_;
    QLineEdit *passage_;
    QLineEdit *parcAzimut_;
    QLineEdit *parcSite_;
    QRadioButton *oui_;
    QRadioButton *non_;
};

} // namespace orvanta
