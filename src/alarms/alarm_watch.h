#pragma once

#include "alarms/alarm_settings.h"
#include "orbit/satellites.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

namespace orvanta {

enum class AlarmMoment { BeforeAos, AtLos };

// One alarm of one pass: a pass is its satellite and its acquisition.
struct AlarmKey {
    long catalogNumber = 0;
    std::int64_t aosSecond = 0; // whole seconds since 1899-12-30 00:00 UTC
    AlarmMoment moment = AlarmMoment::BeforeAos;
    bool operator==(const AlarmKey &) const = default;
    // "7530-3991540643-AOS": names the alarm's notification.
    QString text() const;
};

// What an alarm says now, as the notification and the banner show it.
struct AlarmNotice {
    AlarmKey key;
    orbit::PredictedPass pass;
    QString summary; // "AO-7 : AOS dans 4 min 30 s"
    QString body;    // "AOS 07:44:03 TU, site max 38°, azimut AOS 12°, LOS 07:56:10 TU"
    bool countingDown = false; // replaced as time passes; otherwise its last word
};

struct AlarmChange {
    enum Kind {
        Fired,     // a new alarm: the chime and the command go with it
        Updated,   // a new text for the same notification
        Withdrawn, // the pass is cut short or already under way: the notice goes
        Expired,   // its last word has been shown long enough
    };
    Kind kind;
    AlarmNotice notice;
};

// Decides from the predicted passes which alarms are due. Each alarm fires
// once per pass, whatever the clock does: a jump forward past acquisition
// fires nothing for a pass already under way, a jump back fires nothing
// again. A countdown ends when its pass leaves the prediction before it
// rises (selection changed, satellite removed).
class AlarmWatch {
public:
    // How late an alarm still fires and how long its last word stays: a tick
    // or a resume just after the instant still tells the operator.
    static constexpr std::int64_t kLateSeconds = 60;
    // The same pass predicted again (new elements) moves by less than this.
    static constexpr std::int64_t kSamePassSeconds = 120;
    // The countdown's step.
    static constexpr std::int64_t kStepSeconds = 30;

    // passes: the selection's predicted passes in progress and to come.
    std::vector<AlarmChange> update(std::int64_t nowSecond, const std::vector<orbit::PredictedPass> &passes,
                                    const AlarmSettings &settings);

    // The alarms shown now, oldest first.
    std::vector<AlarmNotice> shown() const;

private:
    struct Active {
        AlarmNotice notice;
        std::int64_t dueSecond = 0; // acquisition or loss
    };
    void followActive(std::int64_t now, const std::vector<orbit::PredictedPass> &passes, const AlarmSettings &settings,
                      std::vector<AlarmChange> &changes);
    void fireBeforeAos(std::int64_t now, const std::vector<orbit::PredictedPass> &passes,
                       const AlarmSettings &settings, std::vector<AlarmChange> &changes);
    void fireAtLos(std::int64_t now, const std::vector<orbit::PredictedPass> &passes, const AlarmSettings &settings,
                   std::vector<AlarmChange> &changes);
    bool fired(const AlarmKey &key) const;

    std::vector<Active> active_;
    std::vector<AlarmKey> fired_;
    // Passes with an alarm at their loss, as last predicted.
    std::vector<orbit::PredictedPass> awaitingLos_;
};

// The notice of a pass's alarm at nowSecond.
AlarmNotice alarmNotice(const AlarmKey &key, const orbit::PredictedPass &pass, std::int64_t nowSecond);

// What the alarm's command finds in its environment, as NAME=value:
// ORVANTA_EVENT (AOS or LOS), ORVANTA_NORAD, ORVANTA_NAME, ORVANTA_AOS and
// ORVANTA_LOS (ISO 8601 UTC), ORVANTA_MAX_ELEVATION and ORVANTA_AOS_AZIMUTH
// (degrees, one decimal).
QStringList alarmEnvironment(const AlarmNotice &notice);

} // namespace orvanta
