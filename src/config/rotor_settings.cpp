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
}

} // namespace orvanta
