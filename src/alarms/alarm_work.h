#pragma once

#include "alarms/alarm_command.h"
#include "alarms/alarm_editor.h"
#include "alarms/alarm_watch.h"
#include "alarms/desktop_notifier.h"
#include "orbit/horizon_crossing.h"
#include "orbit/horizon_mask.h"

#include <QDBusConnection>
#include <QObject>
#include <QTimer>

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <utility>
#include <set>
#include <vector>

class QLabel;
class QMenu;
class QWidget;

namespace orvanta {

class AlarmesWindow;
class MessageBoxes;
class SettingsStore;
class SoundPlayer;
class UtcClock;

namespace orbit {
class PassBoard;
}

// The alarms ahead of acquisition, assembled: the settings and their window
// (entry `Mnu_Alarmes` of the menu "Configuration"), the watch over the
// passes the tick predicted, checked on a timer of its own every second (so
// an alarm keeps its time whatever the tracking period, and while a dialog
// holds the tick), the desktop notifications, the main window's banner
// `Bandeau_Alarme` where no notification service answers, the chime
// `Alarme_Sat.wav` and the command.
class AlarmWork final : public QObject {
    Q_OBJECT
public:
    static constexpr int kCheckPeriodMs = 1000;
    static inline const QString kChimeFile = QStringLiteral("Alarme_Sat.wav");

    struct Links {
        QWidget &window; // parent of the alarms' window
        QMenu *menu;     // "Configuration", where the alarms' entry goes
        QLabel *banner;  // said there when no notification service answers
        SettingsStore &store;
        MessageBoxes &messages;
        const UtcClock &clock;
        SoundPlayer &sound;
        QString folder; // the chime, and where the command runs
        std::function<void(const QString &)> notify; // shown after the handler
        std::function<std::vector<AlarmSatellite>()> satellites;
    };

    AlarmWork(Links links, QDBusConnection bus);

    // The passes of the tick: those in progress and those to come. With
    // "Horizon Station" on, the component gives when each clears the
    // station's horizon, which then stands for its acquisition and loss
    // (a pass the horizon hides has no alarm).
    void predicted(const orbit::PassBoard &board, const orbit::Satellites *satellites = nullptr);
    // The station's own horizon; flat when it has none.
    void setHorizon(const orbit::HorizonMask &mask)
    {
        horizon_ = mask;
        inSight_.clear();
    }
    // Compares the passes with the clock now.
    void check();
    // The station ends: the countdowns leave the desktop.
    void stop();

    const AlarmSettings &settings() const { return settings_; }
    void apply(const AlarmSettings &settings);

private:
    void changed(const AlarmChange &change);
    void unanswered(const QString &name);
    void showBanner();
    void chime();

    Links links_;
    AlarmSettings settings_;
    AlarmWatch watch_;
    std::vector<orbit::PredictedPass> passes_;
    orbit::HorizonMask horizon_;
    // When the passes of the board clear the horizon, by catalogue number and
    // acquisition second, found once per pass.
    std::map<std::pair<long, std::int64_t>, std::optional<orbit::HorizonWindow>> inSight_;
    DesktopNotifier notifier_;
    AlarmCommand command_;
    AlarmEditor editor_;
    AlarmesWindow *window_;
    QLabel *banner_;
    QTimer timer_;
    std::set<QString> onBanner_; // alarms no notification service took
    bool toldUnavailable_ = false;
    QString bannerNote_; // that no notification service answers, said once
    bool checking_ = false;
    bool chiming_ = false;
};

} // namespace orvanta
