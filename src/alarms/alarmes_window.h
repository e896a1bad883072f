#pragma once

#include "alarms/alarm_editor.h"

#include <QWidget>

#include <functional>
#include <vector>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QSpinBox;

namespace orvanta {

// The boxes of one alarm rule.
struct AlarmRuleBoxes {
    QCheckBox *enabled;
    QSpinBox *minutes;
    QCheckBox *elevationLimited;
    QSpinBox *elevation;
    QCheckBox *atLos;

    void show(const AlarmRule &rule);
    AlarmRule rule() const;
};

// The "Alarmes de passage" window, from the menu "Configuration": the rule
// for every satellite, the chime and the command, and a rule of its own for
// one satellite. Closing it checks the command and saves, or keeps it open
// after saying what is wrong.
class AlarmesWindow : public QWidget {
    Q_OBJECT
public:
    // satellites: those the operator can give a rule of their own, at opening.
    AlarmesWindow(AlarmEditor &editor, QString stationFolder, std::function<std::vector<AlarmSatellite>()> satellites,
                  QWidget *parent = nullptr);

    // What the menu does: fills the boxes from the settings file and shows the window.
    void ouvrir();

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void keepSatelliteRule();
    void showSatelliteRule();

    AlarmEditor &editor_;
    QString folder_;
    std::function<std::vector<AlarmSatellite>()> satellites_;
    AlarmRuleBoxes every_;
    AlarmRuleBoxes own_;
    QCheckBox *chime_;
    QCheckBox *stationHorizon_;
    QLineEdit *command_;
    QComboBox *satellite_;
    QCheckBox *hasOwn_;
    long shownSatellite_ = 0;
};

} // namespace orvanta
