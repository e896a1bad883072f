#pragma once

#include "app/main_menus.h"
#include "config/config_view.h"
#include "tracking/satellite_filter.h"
#include "tracking/tracking_cycle.h"

#include <QMainWindow>
#include <QStringList>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QButtonGroup;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTimer;

namespace orvanta {

class SatelliteListMarks;

// The station's main window. It only shows and forwards: the station's logic
// (tick, banks, start-up and shutdown) lives in classes that tests drive. The
// controls carry the names the tests and scripts use (`Sat_Select`,
// `Freq_Sel`, `Titre`...); the program reaches them through the methods here.
class MainWindow final : public QMainWindow, public ConfigView, public TrackingDisplay {
    Q_OBJECT
public:
    explicit MainWindow(QWidget *parent = nullptr);

    void showTitle(const QString &title) override;
    void showDeviceMarks(const DeviceMarks &marks) override;

    // "Rotor : 123° / 45°" and "Radio : 145.80215 MHz", each hidden without a reading.
    void showRotorReading(const std::optional<RotorAim> &position) override;
    void showRadioReading(std::optional<double> hertz) override;

    void showFollowed(const QString &satellite) override;
    void showDirection(const std::optional<SkyPoint> &direction) override;
    void showFrequency(const std::optional<TunedFrequency> &frequency) override;
    void showDopplerShift(std::optional<double> kilohertz) override;
    void showAwaited(const QString &satellite, std::optional<double> megahertz) override;
    // The two pass lists, in the board's order: by acquisition instant,
    // which text order would break across midnight.
    void showPasses(const orbit::PassBoard &board, const orbit::PassesInSight &inSight) override;
    // "Suivi choisi" and the button back to the automatic choice, while the
    // operator's choice holds.
    void showFollowChoice(bool chosen) override;
    void showClock(const QString &time, const QString &date) override;
    // A line in place of the pass lists, when nothing can be predicted.
    void showPredictionNotice(const QString &text) override;
    // The two satellite lists, each entry with its catalogue number as its
    // tooltip; ListeSat's first entry becomes its selection. ListeSat shows
    // only the entries the filter box `Filtre_Sat` matches; the others are
    // hidden, so that a row is the same in the list and in the banks. Lists
    // that keep their names get the tooltips of a large catalogue over the
    // next turns of the event loop.
    void showSatelliteLists(const QStringList &available, const QStringList &selected,
                            const std::function<long(const QString &)> &catalogNumberOf,
                            const std::function<SatelliteStatus(long)> &statusOf) override;

    const MainMenus &menus() const { return menus_; }
    // Where the alarms speak when no desktop notification service answers.
    QLabel *alarmBanner() const { return alarmBanner_; }
    enum class Switch { RotorTracking, DopplerCorrection, ReceiverProgramming };
    // Clicks the switch's button as an operator would, unless it is already in that state.
    void clickSwitch(Switch which, bool on);

    QTimer &timer1() { return *timer1_; }
    QTimer &timer2() { return *timer2_; }
    // The bank whose option button is on.
    int chosenBank() const;
    // The part of the window the sky view goes in.
    void setSkyView(QWidget *view);
    // The sky view shown or hidden ("Ciel").
    void showSky(bool shown);

    // Puts the window in the middle of its screen.
    void centre();

signals:
    // The close box, or anything else that closes the window. The station
    // decides; the window itself never closes on its own.
    void closeRequested();
    void bankClicked(int bank);
    void enregistrerClicked();
    void listeSatDoubleClicked(int row);
    void satSelectDoubleClicked(int row);
    void passLineDoubleClicked(const QString &line);
    // "Suivre ce satellite" on a line of "Satellites Visibles" (its menu or the Enter key).
    void followLineRequested(const QString &line);
    void automaticFollowClicked();
    // A click on either button of a switch: on when its "Avec" button is.
    void trackingSwitched(bool on);
    void dopplerSwitched(bool on);
    void progRxSwitched(bool on);
    void pourManClicked();
    void rxClicked();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    QButtonGroup *optionGroup(const QString &name, const QStringList &captions, const QList<int> &ids,
                              int checkedId, QWidget *parent);

    MainMenus menus_;
    QButtonGroup *bank_;
    QButtonGroup *doppler_;
    QButtonGroup *tracking_;
    QButtonGroup *progRx_;
    QLabel *alarmBanner_;
    QLabel *title_;
    QTimer *timer1_;
    QTimer *timer2_;
    void applySatelliteFilter();

    QLineEdit *filtreSat_;
    QListWidget *listeSat_;
    std::unique_ptr<ListRowFilter> satelliteFilter_;
    SatelliteListMarks *marks_;
    QListWidget *satSelect_;
    QListWidget *satVisibles_;
    QListWidget *detailPass_;
    QWidget *skyHolder_;
    QLineEdit *satSel_;
    QLineEdit *freqSel_;
    QLineEdit *azimutSel_;
    QLineEdit *siteSel_;
    QLineEdit *satAtt_;
    QLineEdit *freqAtt_;
    QLabel *valDop_;
    QLabel *rotorReading_;
    QLabel *radioReading_;
    QWidget *followChoice_;
    QLineEdit *time_;
    QLineEdit *date_;
};

} // namespace orvanta
