#include "alarms/alarm_settings.h"

#include "config/config_station.h"
#include "platform/settings_store.h"
#include "platform/text_numbers.h"

#include <QStringList>

#include <cmath>
#include <vector>

namespace orvanta {

namespace {

const QString kSection = QStringLiteral("Alarmes");
const QString kEnabled = QStringLiteral("Active");
const QString kMinutes = QStringLiteral("Minutes Avant AOS");
const QString kElevation = QStringLiteral("Site Max Minimum");
const QString kLos = QStringLiteral("Alarme LOS");
const QString kStationHorizon = QStringLiteral("Horizon Station");
const QString kChime = QStringLiteral("Son");
const QString kCommand = QStringLiteral("Commande");
const QString kSatellites = QStringLiteral("Satellites");

QString satelliteSection(long catalogNumber)
{
    return QStringLiteral("Alarme ") + QString::number(catalogNumber);
}

std::optional<double> number(const SettingsStore &store, const QString &section, const QString &key)
{
    return parseNumber(store.get(kApplication, section, key));
}

QString flag(bool on)
{
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

AlarmRule loadRule(const SettingsStore &store, const QString &section, AlarmRule rule)
{
    if (const auto on = number(store, section, kEnabled); on == 0.0 || on == 1.0)
        rule.enabled = *on == 1.0;
    if (const auto minutes = number(store, section, kMinutes);
        minutes && *minutes >= 0 && *minutes <= AlarmRule::kLongestLeadMinutes && *minutes == std::floor(*minutes))
        rule.minutesBeforeAos = int(*minutes);
    const auto elevation = number(store, section, kElevation);
    rule.minimumMaxElevationDeg =
        elevation && *elevation >= 0 && *elevation <= 90 ? elevation : std::optional<double>();
    if (const auto los = number(store, section, kLos); los == 0.0 || los == 1.0)
        rule.atLos = *los == 1.0;
    return rule;
}

void saveRule(SettingsStore &store, const QString &section, const AlarmRule &rule)
{
    store.save(kApplication, section, kEnabled, flag(rule.enabled));
    store.save(kApplication, section, kMinutes, QString::number(rule.minutesBeforeAos));
    if (rule.minimumMaxElevationDeg)
        store.save(kApplication, section, kElevation, shortestText(*rule.minimumMaxElevationDeg));
    else
        store.remove(kApplication, section, kElevation);
    store.save(kApplication, section, kLos, flag(rule.atLos));
}

std::vector<long> listedSatellites(const SettingsStore &store)
{
    std::vector<long> numbers;
    const QString listed = store.get(kApplication, kSection, kSatellites);
    for (const QString &word : listed.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        if (const auto n = parseNumber(word); n && *n > 0 && *n == std::floor(*n) && *n < 1e9)
            numbers.push_back(long(*n));
    return numbers;
}

} // namespace

const AlarmRule &AlarmSettings::ruleFor(long catalogNumber) const
{
    const auto own = bySatellite.find(catalogNumber);
    return own != bySatellite.end() ? own->second : everySatellite;
}

AlarmSettings loadAlarmSettings(const SettingsStore &store)
{
    AlarmSettings settings;
    settings.everySatellite = loadRule(store, kSection, {});
    for (long catalog : listedSatellites(store))
        settings.bySatellite[catalog] = loadRule(store, satelliteSection(catalog), settings.everySatellite);
    settings.chime = number(store, kSection, kChime) == 1.0;
    settings.atStationHorizon = number(store, kSection, kStationHorizon) == 1.0;
    settings.command = store.get(kApplication, kSection, kCommand).trimmed();
    return settings;
}

void saveAlarmSettings(SettingsStore &store, const AlarmSettings &settings)
{
    const SettingsBatch batch(store);
    saveRule(store, kSection, settings.everySatellite);
    store.save(kApplication, kSection, kChime, flag(settings.chime));
    store.save(kApplication, kSection, kStationHorizon, flag(settings.atStationHorizon));
    store.save(kApplication, kSection, kCommand, settings.command);
    for (long catalog : listedSatellites(store)) {
        if (settings.bySatellite.count(catalog))
            continue;
        for (const QString &key : {kEnabled, kMinutes, kElevation, kLos})
            store.remove(kApplication, satelliteSection(catalog), key);
    }
    QStringList numbers;
    for (const auto &[catalog, rule] : settings.bySatellite) {
        saveRule(store, satelliteSection(catalog), rule);
        numbers << QString::number(catalog);
    }
    store.save(kApplication, kSection, kSatellites, numbers.join(QLatin1Char(' ')));
}

} // namespace orvanta
