#pragma once

#include "data/frequency_file.h"
#include "platform/settings_store.h"

#include <QString>

#include <vector>

// The two versions of Frequences.cfg and of the settings that the save loop
// alternates between. They differ in length as well as in content, so a file
// cut short or mixed from both is neither.
namespace orvanta::test {

inline std::vector<FrequencyRecord> frequencyVersion(int version)
{
    std::vector<FrequencyRecord> records;
    const int count = version == 0 ? 40 : 57;
    for (int i = 0; i < count; ++i) {
        const QString name = QStringLiteral("SAT %1 V%2").arg(i).arg(version);
        const QString frequency = QStringLiteral("%1.%2").arg(145 + version).arg(100 + i);
        records.push_back({name, frequency, version == 0 ? QStringLiteral("Mode A") : QStringLiteral("Mode D")});
    }
    return records;
}

inline void saveSettingsVersion(SettingsStore &store, int version)
{
    SettingsBatch batch(store);
    store.save("Orvanta", "Setup", "Longitude observateur", version == 0 ? "2.35" : "-71.0625");
    store.save("Orvanta", "Setup", "Latitude observateur", version == 0 ? "48.85" : "-33.4489");
    for (int i = 1; i <= 30; ++i)
        store.save("Orvanta", "Banque1", QStringLiteral("Satellite %1").arg(i),
                   QStringLiteral("SAT %1 V%2%3").arg(i).arg(version).arg(version == 0 ? "" : " (long)"));
}

} // namespace orvanta::test
