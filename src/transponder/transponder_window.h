#pragma once

#include "transponder/transponder_tuning.h"

#include <QTimer>
#include <QWidget>

#include <array>
#include <functional>
#include <optional>

class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
class QSpinBox;

namespace orvanta {

// The transponder panel of the followed satellite, shown beside the main
// window. It lays out and forwards; TransponderTuning does the work. While it
// is shown it asks for the range rate at its own rate, so the radio side of
// both links keeps up between tracking ticks.
class TranspondeurWindow : public QWidget {
    Q_OBJECT
public:
    using RangeRate = std::function<std::optional<double>()>;
    static constexpr int kRefreshMs = 500;

    TranspondeurWindow(TransponderTuning &tuning, RangeRate rangeRate, QWidget *parent = nullptr);
    ~TranspondeurWindow() override;

    // Reads the table again and shows the panel.
    void ouvrir();
    // Reads the table again (after an import).
    void tableChanged();
    // The station follows another satellite (or none).
    void follow(long catalogNumber, const QString &name);
    // Asks the range rate and shows both links.
    void refresh();
    // Moves the downlink by whole steps, as the wheel and the arrow keys do.
    void tuneBy(int steps);
    // Clicks the step's button, as the operator would; a step not offered changes nothing.
    void chooseStep(int stepHz);
    const TransponderTuning &tuning() const { return tuning_; }
    // Where the radio's dial is (Hz), for "Caler sur la balise"; empty when
    // no radio working the transponder has read it.
    void setDial(std::function<std::optional<double>()> dial) { dial_ = std::move(dial); }

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void showTransponders();
    void showTuning();
    void tuned();
    void typed();
    void calibrate();
    void showRadio();
    // Whether the operator is typing in the offset box the event is for.
    bool typingIn(QObject *watched) const;

    TransponderTuning &tuning_;
    RangeRate rangeRate_;
    std::function<std::optional<double>()> dial_;
    QTimer refreshTimer_;
    QTimer saveTimer_; // the last frequency is saved once the operator pauses
    QLabel *satellite_;
    QLabel *problems_;
    // The two links at the satellite and at the radio, and their Doppler shifts.
    std::array<QLabel *, 6> values_{};
    QButtonGroup *steps_;
    QComboBox *choice_;
    QSlider *slider_;
    QSpinBox *downlinkOffset_;
    QSpinBox *uplinkOffset_;
    QLineEdit *typedDownlink_;
    QPushButton *beacon_;
    QLabel *radio_;
    int wheelAngle_ = 0; // eighths of a degree not yet a whole notch
    bool showing_ = false; // controls being set from the tuning, not by the operator
};

} // namespace orvanta
