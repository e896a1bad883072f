#pragma once

#include <QString>

#include <array>
#include <functional>

namespace orvanta {

struct ConfigStation;
class Fodtrack;
class MessageBoxes;
class SettingsStore;
class TrackingTimer;

// What the calibration dialog does, apart from its window: the operator
// brings the antenna to azimuth 0 and 360 (and, unless the rotor turns in
// azimuth only, to elevation 0 and 90) with the slider, and validates each
// measure. The slider's raw value goes to the FodTrack interface unchanged.
//
// A slider position set by the program (the top end after steps 1 and 3, 0
// after step 2) counts as a move: the antenna, the slider and the measured
// value always agree, and the antenna starts each new step from the end of
// travel nearest its target.
class RotorCalibration {
public:
    static constexpr int kSliderTop = 255;

    RotorCalibration(ConfigStation &config, Fodtrack &fodtrack, TrackingTimer &timer, SettingsStore &store,
                     MessageBoxes &messages);

    // Stops the tracking timer and starts again at step 1 on the azimuth,
    // with the slider at 0 (nothing sent) and the raw flag set.
    void open();
    // The window closed, by any means: the tracking timer runs again and the
    // raw flag is cleared. Does nothing unless open.
    void closed();
    bool isOpen() const { return open_; }

    // The slider moved, by the operator or by a step.
    void sliderMoved(int value);
    // Cal_Valide: stores the measure and goes to the next step. After the
    // last one asks whether to save; "Non" puts back the calibration in force
    // when the window opened. Returns true when the window is to close.
    bool valider();
    // Called just before the save question, so that the window shows every
    // measure while it is asked.
    std::function<void()> beforeQuestion;

    int Etape_Calibration() const { return etape_; }
    int slider() const { return slider_; }
    const QString &Cal_Step() const { return calStep_; }
    const QString &Cal_Moteur() const { return calMoteur_; }
    const QString &Cal_Final() const { return calFinal_; }
    const QString &Cal_Mesure() const { return calMesure_; }
    const QString &Label3() const { return label3_; }
    QString Val_Azim_0() const;
    QString Val_Azim_360() const;
    QString Val_Site_0() const;
    QString Val_Site_90() const;

private:
    bool azimuthOnly() const;
    std::array<float *, 4> values() const;

    ConfigStation &config_;
    Fodtrack &fodtrack_;
    TrackingTimer &timer_;
    SettingsStore &store_;
    MessageBoxes &messages_;
    bool open_ = false;
    int etape_ = 1;
    int slider_ = 0;
    QString calStep_ = QStringLiteral("1");
    QString calMoteur_;
    QString calFinal_;
    QString calMesure_;
    QString label3_;
    std::array<float, 4> before_{}; // the calibration when the window opened
};

} // namespace orvanta
