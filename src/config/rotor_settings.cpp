#include "config/rotor_settings.h"

#include "config/config_station.h"
#include "platform/settings_store.h"
#include "platform/text_numbers.h"

namespace orvanta {

namespace {

const QString kSection = QStringLiteral("Rotor");
const QString kOverlap = QStringLiteral("GS232 Azimut Max");
const QString kFlip = QStringLiteral("GS232 Retournement");
const QString kWait = QStringLiteral("Attente Lever");
const QString kWaitSeconds = QStringLiteral("Attente Lever Secondes");
const QString kLead = QStringLiteral("Avance");
const QString kReadBack = QStringLiteral("GS232 Lecture Position");
const QString kAzimuthSpeed = QStringLiteral("%1 Vitesse Azimut");
const QString kElevationSpeed = QStringLiteral("%1 Vitesse Site");
const QString kAllowedError = QStringLiteral("Ecart Suivi");
const QString kPark = QStringLiteral("Parcage Entre Passages");
const QString kParkMinutes = QStringLiteral("Parcage Apres Minutes");
constexpr double kLongestWait = 3600;

std::optional<double> number(const SettingsStore &store, const QString &key)
{
    return parseNumber(store.get(kApplication, kSection, key));
}

} // namespace

bool RotorSettings::waitsAtRise(const QString &interfaceRotor) const
{
    return waitAtRise.value_or(interfaceRotor == QLatin1String("GS232") || interfaceRotor == QLatin1String("Hamlib"));
}

RotorSettings loadRotorSettings(const SettingsStore &store)
{
    RotorSettings settings;
    settings.gs232Overlap = number(store, kOverlap) == 450.0;
    settings.gs232Flip = number(store, kFlip) == 1.0;
    if (const auto wait = number(store, kWait); wait == 0.0 || wait == 1.0)
        settings.waitAtRise = *wait == 1.0;
    if (const auto seconds = number(store, kWaitSeconds); seconds && *seconds >= 0 && *seconds <= kLongestWait)
        settings.waitSeconds = *seconds;
    settings.lead = number(store, kLead) == 1.0;
    settings.gs232ReadBack = number(store, kReadBack) == 1.0;
    for (const QString &interfaceRotor : kRotorInterfaces) {
        const auto azimuth = number(store, kAzimuthSpeed.arg(interfaceRotor));
        const auto elevation = number(store, kElevationSpeed.arg(interfaceRotor));
        if (azimuth && elevation && *azimuth > 0 && *elevation > 0 && *azimuth <= RotorSettings::kFastestDegPerS &&
            *elevation <= RotorSettings::kFastestDegPerS)
            settings.speeds.insert(interfaceRotor, {*azimuth, *elevation});
    }
    if (const auto error = number(store, kAllowedError); error && *error > 0 && *error <= 180)
        settings.allowedErrorDeg = *error;
    settings.parkBetweenPasses = number(store, kPark) == 1.0;
    if (const auto minutes = number(store, kParkMinutes); minutes && *minutes >= 0 && *minutes <= RotorSettings::kLongestParkThresholdMinutes)
        settings.parkAfterMinutes = *minutes;
    return settings;
}

void saveRotorSettings(SettingsStore &store, const RotorSettings &settings)
{
    const SettingsBatch batch(store);
    store.save(kApplication, kSection, kOverlap, settings.gs232Overlap ? QStringLiteral("450") : QStringLiteral("360"));
    store.save(kApplication, kSection, kFlip, settings.gs232Flip ? QStringLiteral("1") : QStringLiteral("0"));
    if (settings.waitAtRise)
        store.save(kApplication, kSection, kWait, *settings.waitAtRise ? QStringLiteral("1") : QStringLiteral("0"));
    store.save(kApplication, kSection, kWaitSeconds, shortestText(settings.waitSeconds));
    const auto flag = [](bool on) { return on ? QStringLiteral("1") : QStringLiteral("0"); };
    store.save(kApplication, kSection, kLead, flag(settings.lead));
    store.save(kApplication, kSection, kReadBack, flag(settings.gs232ReadBack));
    for (auto it = settings.speeds.begin(); it != settings.speeds.end(); ++it) {
        store.save(kApplication, kSection, kAzimuthSpeed.arg(it.key()), shortestText(it->azimuthDegPerS));
        store.save(kApplication, kSection, kElevationSpeed.arg(it.key()), shortestText(it->elevationDegPerS));
    }
    store.save(kApplication, kSection, kAllowedError, shortestText(settings.allowedErrorDeg));
    store.save(kApplication, kSection, kPark, flag(settings.parkBetweenPasses));
    store.save(kApplication, kSection, kParkMinutes, shortestText(settings.parkAfterMinutes));
}

} // namespace orvanta
