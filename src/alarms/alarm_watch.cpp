#include "alarms/alarm_watch.h"

#include "platform/countdown.h"

#include "orbit/utc_time.h"
#include "platform/text_numbers.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstdlib>

namespace orvanta {

namespace {

constexpr std::int64_t kSecondsPerDay = 86400;

std::int64_t aosSecond(const orbit::PredictedPass &pass)
{
    return orbit::wholeSecondsFromJulian(pass.aos);
}

std::int64_t losSecond(const orbit::PredictedPass &pass)
{
    return orbit::wholeSecondsFromJulian(pass.los);
}

bool samePass(long catalogNumber, std::int64_t aos, const orbit::PredictedPass &pass)
{
    return pass.catalogNumber == catalogNumber && std::llabs(aosSecond(pass) - aos) <= AlarmWatch::kSamePassSeconds;
}

const orbit::PredictedPass *findPass(const AlarmKey &key, const std::vector<orbit::PredictedPass> &passes)
{
    for (const orbit::PredictedPass &pass : passes)
        if (samePass(key.catalogNumber, key.aosSecond, pass))
            return &pass;
    return nullptr;
}

bool wanted(const AlarmSettings &settings, const orbit::PredictedPass &pass, AlarmMoment moment)
{
    const AlarmRule &rule = settings.ruleFor(pass.catalogNumber);
    if (!rule.enabled || (moment == AlarmMoment::AtLos && !rule.atLos))
        return false;
    return !rule.minimumMaxElevationDeg || pass.maxElevationDeg >= *rule.minimumMaxElevationDeg;
}

QString timeOfDay(std::int64_t second)
{
    const orbit::CalendarInstant at = orbit::calendarFromWholeSeconds(second);
    return formatHms(at.hour * 3600 + at.minute * 60 + int(at.second));
}

QString isoUtc(std::int64_t second)
{
    const orbit::CalendarInstant at = orbit::calendarFromWholeSeconds(second);
    const auto two = [](int n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); };
    return QStringLiteral("%1-%2-%3T%4Z")
        .arg(QString::number(at.year), two(at.month), two(at.day), timeOfDay(second));
}

// "4 min 30 s": like every countdown of the station, the time left cut to
// the countdown's unit (here its step), so it never says more than is left.
QString timeLeft(std::int64_t seconds)
{
    const std::int64_t shown = countdownUnits(seconds, AlarmWatch::kStepSeconds) * AlarmWatch::kStepSeconds;
    const std::int64_t minutes = shown / 60;
    const std::int64_t rest = shown % 60;
    if (shown == 0)
        return QCoreApplication::translate("Alarms", "moins de %1 s").arg(AlarmWatch::kStepSeconds);
    if (minutes == 0)
        return QStringLiteral("%1 s").arg(rest);
    if (rest == 0)
        return QStringLiteral("%1 min").arg(minutes);
    return QStringLiteral("%1 min %2 s").arg(minutes).arg(rest);
}

} // namespace

QString AlarmKey::text() const
{
    return QStringLiteral("%1-%2-%3")
        .arg(catalogNumber)
        .arg(aosSecond)
        .arg(moment == AlarmMoment::BeforeAos ? QStringLiteral("AOS") : QStringLiteral("LOS"));
}

AlarmNotice alarmNotice(const AlarmKey &key, const orbit::PredictedPass &pass, std::int64_t nowSecond)
{
    AlarmNotice notice{key, pass, {}, {}, false};
    const QString name = QString::fromStdString(pass.name);
    const std::int64_t aos = aosSecond(pass);
    if (key.moment == AlarmMoment::AtLos) {
        notice.summary = QCoreApplication::translate("Alarms", "%1 : LOS, fin du passage").arg(name);
    } else if (nowSecond < aos) {
        notice.summary = QCoreApplication::translate("Alarms", "%1 : AOS dans %2").arg(name, timeLeft(aos - nowSecond));
        notice.countingDown = true;
    } else {
        notice.summary = QCoreApplication::translate("Alarms", "%1 : AOS, le passage commence").arg(name);
    }
    notice.body = QCoreApplication::translate("Alarms", "AOS %1 TU, site max %2°, azimut AOS %3°, LOS %4 TU")
                      .arg(timeOfDay(aos), formatFixed(pass.maxElevationDeg, 0), formatFixed(pass.aosAzimuthDeg, 0),
                           timeOfDay(losSecond(pass)));
    return notice;
}

QStringList alarmEnvironment(const AlarmNotice &notice)
{
    const orbit::PredictedPass &pass = notice.pass;
    return {
        QStringLiteral("ORVANTA_EVENT=") +
            (notice.key.moment == AlarmMoment::BeforeAos ? QStringLiteral("AOS") : QStringLiteral("LOS")),
        QStringLiteral("ORVANTA_NORAD=") + QString::number(pass.catalogNumber),
        QStringLiteral("ORVANTA_NAME=") + QString::fromStdString(pass.name),
        QStringLiteral("ORVANTA_AOS=") + isoUtc(aosSecond(pass)),
        QStringLiteral("ORVANTA_LOS=") + isoUtc(losSecond(pass)),
        QStringLiteral("ORVANTA_MAX_ELEVATION=") + formatFixed(pass.maxElevationDeg, 1),
        QStringLiteral("ORVANTA_AOS_AZIMUTH=") + formatFixed(pass.aosAzimuthDeg, 1),
    };
}

std::vector<AlarmChange> AlarmWatch::update(std::int64_t nowSecond, const std::vector<orbit::PredictedPass> &passes,
                                            const AlarmSettings &settings)
{
    std::vector<AlarmChange> changes;
    followActive(nowSecond, passes, settings, changes);
    fireBeforeAos(nowSecond, passes, settings, changes);
    fireAtLos(nowSecond, passes, settings, changes);
    std::erase_if(fired_, [nowSecond](const AlarmKey &key) { return key.aosSecond < nowSecond - 2 * kSecondsPerDay; });
    return changes;
}

std::vector<AlarmNotice> AlarmWatch::shown() const
{
    std::vector<AlarmNotice> notices;
    for (const Active &alarm : active_)
        notices.push_back(alarm.notice);
    return notices;
}

void AlarmWatch::followActive(std::int64_t now, const std::vector<orbit::PredictedPass> &passes,
                              const AlarmSettings &settings, std::vector<AlarmChange> &changes)
{
    for (auto it = active_.begin(); it != active_.end();) {
        AlarmNotice &notice = it->notice;
        if (!notice.countingDown) {
            // A last word, shown for a while; a clock set back before it ends it too.
            if (now >= it->dueSecond + kLateSeconds || now < it->dueSecond) {
                changes.push_back({AlarmChange::Expired, notice});
                it = active_.erase(it);
            } else {
                ++it;
            }
            continue;
        }
        const orbit::PredictedPass *pass = findPass(notice.key, passes);
        if (!pass || !wanted(settings, *pass, notice.key.moment) || now >= aosSecond(*pass) + kLateSeconds) {
            changes.push_back({AlarmChange::Withdrawn, notice});
            it = active_.erase(it);
            continue;
        }
        const AlarmNotice fresh = alarmNotice(notice.key, *pass, now);
        it->dueSecond = aosSecond(*pass);
        if (fresh.summary != notice.summary || fresh.body != notice.body) {
            notice = fresh;
            changes.push_back({AlarmChange::Updated, notice});
        }
        ++it;
    }
}

void AlarmWatch::fireBeforeAos(std::int64_t now, const std::vector<orbit::PredictedPass> &passes,
                               const AlarmSettings &settings, std::vector<AlarmChange> &changes)
{
    for (const orbit::PredictedPass &pass : passes) {
        if (!wanted(settings, pass, AlarmMoment::BeforeAos))
            continue;
        const std::int64_t aos = aosSecond(pass);
        const std::int64_t lead = std::int64_t(settings.ruleFor(pass.catalogNumber).minutesBeforeAos) * 60;
        if (now < aos - lead || now >= aos + kLateSeconds)
            continue;
        const AlarmKey key{pass.catalogNumber, aos, AlarmMoment::BeforeAos};
        if (fired(key))
            continue;
        fired_.push_back(key);
        const AlarmNotice notice = alarmNotice(key, pass, now);
        active_.push_back({notice, aos});
        changes.push_back({AlarmChange::Fired, notice});
    }
}

void AlarmWatch::fireAtLos(std::int64_t now, const std::vector<orbit::PredictedPass> &passes,
                           const AlarmSettings &settings, std::vector<AlarmChange> &changes)
{
    for (const orbit::PredictedPass &pass : passes) {
        if (!wanted(settings, pass, AlarmMoment::AtLos))
            continue;
        const auto known = std::find_if(awaitingLos_.begin(), awaitingLos_.end(), [&](const orbit::PredictedPass &p) {
            return samePass(p.catalogNumber, aosSecond(p), pass);
        });
        if (known != awaitingLos_.end())
            *known = pass;
        else
            awaitingLos_.push_back(pass);
    }
    for (auto it = awaitingLos_.begin(); it != awaitingLos_.end();) {
        const orbit::PredictedPass pass = *it;
        const std::int64_t los = losSecond(pass);
        const AlarmKey key{pass.catalogNumber, aosSecond(pass), AlarmMoment::AtLos};
        if (now >= los) {
            if (now < los + kLateSeconds && !fired(key) && wanted(settings, pass, AlarmMoment::AtLos)) {
                fired_.push_back(key);
                const AlarmNotice notice = alarmNotice(key, pass, now);
                active_.push_back({notice, los});
                changes.push_back({AlarmChange::Fired, notice});
            }
            it = awaitingLos_.erase(it);
        } else if (!findPass(key, passes) || !wanted(settings, pass, AlarmMoment::AtLos)) {
            it = awaitingLos_.erase(it); // cut short before its end
        } else {
            ++it;
        }
    }
}

bool AlarmWatch::fired(const AlarmKey &key) const
{
    return std::any_of(fired_.begin(), fired_.end(), [&](const AlarmKey &done) {
        return done.moment == key.moment && done.catalogNumber == key.catalogNumber &&
               std::llabs(done.aosSecond - key.aosSecond) <= kSamePassSeconds;
    });
}

} // namespace orvanta
