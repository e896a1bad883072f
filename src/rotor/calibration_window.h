#pragma once

#include "rotor/rotor_calibration.h"

#include <QWidget>

class QLabel;
class QSlider;

namespace orvanta {

// The "Calibration" window: the slider drives the FodTrack interface with
// raw values while the operator finds the values of azimuth 0 and 360 and
// elevation 0 and 90.
class CalibrationWindow : public QWidget {
    Q_OBJECT
public:
    CalibrationWindow(RotorCalibration &calibration, QWidget *parent = nullptr);

    // What the menu does: stops the tracking timer, starts at step 1, shows
    // the window in the middle of the screen.
    void ouvrir();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void refresh();
    void validerClicked();

    RotorCalibration &calibration_;
    QSlider *slider_;
    QLabel *calStep_;
    QLabel *calMoteur_;
    QLabel *calFinal_;
    QLabel *calMesure_;
    QLabel *label3_;
    QLabel *valAzim0_;
    QLabel *valAzim360_;
    QLabel *valSite0_;
    QLabel *valSite90_;
};

} // namespace orvanta
