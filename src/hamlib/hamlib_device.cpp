#include "hamlib/hamlib_device.h"

#include "config/config_station.h"
#include "platform/settings_store.h"

#include <algorithm>

namespace orvanta {

namespace {

QString key(const char *what, HamlibKind kind)
{
    QString device = QStringLiteral("Recepteur");
    if (kind == HamlibKind::Rotor)
        device = QStringLiteral("Rotor");
    else if (kind == HamlibKind::Uplink)
        device = QStringLiteral("Montee");
    return QStringLiteral("Hamlib %1 %2").arg(QLatin1String(what), device);
}

// A stored number that is not a whole number (hand-edited file) reads as 0:
// no model chosen, or the model's own speed.
int wholeNumber(const QString &text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok && value > 0 ? value : 0;
}

} // namespace

void sortByMakerAndModel(std::vector<HamlibModel> &models)
{
    std::sort(models.begin(), models.end(), [](const HamlibModel &a, const HamlibModel &b) {
        const int maker = QString::compare(a.maker, b.maker, Qt::CaseInsensitive);
        return maker != 0 ? maker < 0 : QString::compare(a.name, b.name, Qt::CaseInsensitive) < 0;
    });
}

HamlibDevice loadHamlibDevice(const SettingsStore &store, HamlibKind kind)
{
    HamlibDevice device;
    device.model = wholeNumber(store.get(kApplication, kSetupSection, key("Modele", kind)));
    device.port = store.get(kApplication, kSetupSection, key("Peripherique", kind)).trimmed();
    device.speed = wholeNumber(store.get(kApplication, kSetupSection, key("Vitesse", kind)));
    return device;
}

void saveHamlibDevice(SettingsStore &store, HamlibKind kind, const HamlibDevice &device)
{
    SettingsBatch batch(store);
    store.save(kApplication, kSetupSection, key("Modele", kind), QString::number(device.model));
    store.save(kApplication, kSetupSection, key("Peripherique", kind), device.port);
    store.save(kApplication, kSetupSection, key("Vitesse", kind), QString::number(device.speed));
}

} // namespace orvanta
