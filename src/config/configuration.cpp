#include "config/configuration.h"

#include "config/config_view.h"
#include "config/device_kinds.h"
#include "platform/message_boxes.h"
#include "platform/serial_line.h"
#include "platform/settings_store.h"
#include "platform/text_numbers.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace orvanta {

namespace {

struct NumberReader {
    const SettingsStore &store;
    QStringList problems;

    float read(const QString &section, const QString &key, float defaultValue)
    {
        const QString text = store.get(kApplication, section, key, shortestText(defaultValue));
        const auto value = parseNumber(text);
        // A number beyond single precision would load as infinity.
        if (!value || std::fabs(*value) > std::numeric_limits<float>::max()) {
            problems << QStringLiteral("« %1 » = « %2 »").arg(key, text);
            return defaultValue;
        }
        return static_cast<float>(*value);
    }
};

constexpr std::array<int, 5> kSpeeds{1200, 2400, 4800, 9600, 19200};

// Sets the line to a speed its menu offers; that speed, or 0 for any other.
int applyLineSpeed(float speed, SerialLine &line)
{
    const QString settings = lineSettingsForSpeed(speed);
    if (settings.isEmpty())
        return 0;
    line.setSettings(settings);
    return static_cast<int>(speed);
}

// The menu entry standing for a `Recepteur` value, or none.
const ReceiverEntry *receiverEntry(const QString &recepteur)
{
    const auto entry = std::find_if(kReceiverEntries.begin(), kReceiverEntries.end(),
                                    [&](const ReceiverEntry &e) { return recepteur == QLatin1String(e.recepteur); });
    return entry == kReceiverEntries.end() ? nullptr : &*entry;
}

} // namespace

QString titleCaption(const ConfigStation &config)
{
    return QCoreApplication::translate("Configuration", "Poursuite satellite avec interface %1 et RX %2")
        .arg(config.Interface_Rotor, config.Recepteur);
}

bool receiverUsesLine(const QString &recepteur)
{
    const ReceiverEntry *entry = receiverEntry(recepteur);
    return entry && entry->onReceiverLine;
}

QString lineSettingsForSpeed(float speed)
{
    for (int s : kSpeeds)
        if (static_cast<float>(s) == speed)
            return QString::number(s) + QStringLiteral(",n,8,1");
    return {};
}

void Charge_Config(ConfigStation &c, ConfigContext &context)
{
    ConfigView &view = context.view;
    NumberReader numbers{context.store, {}};
    auto setup = [&](const QString &key, float defaultValue) { return numbers.read(kSetupSection, key, defaultValue); };

    c.Long_Obs = setup(QStringLiteral("Longitude Observateur"), 2);
    c.Lat_Obs = setup(QStringLiteral("Latitude Observateur"), 48);
    c.Alt_Obs = setup(QStringLiteral("Altitude Observateur"), 100);
    c.Elev_Min = setup(QStringLiteral("Minimum Elevation"), 0.1f);

    c.Repetition = setup(QStringLiteral("Repetition Mesure"), 5);
    c.Passage_Min = setup(QStringLiteral("Passage Minimum"), 100);
    c.Park_Azimut = setup(QStringLiteral("Park Azimut 0"), 270);
    c.Park_Site = setup(QStringLiteral("Park Site 0"), 0);

    c.Azimut_Seul = setup(QStringLiteral("Azimut_Seul"), 0);

    c.Cal_Azimut_0 = setup(QStringLiteral("Cal Azimut 0"), 0);
    c.Cal_Azimut_360 = setup(QStringLiteral("Cal Azimut 360"), 250);
    c.Cal_Site_0 = setup(QStringLiteral("Cal Site 0"), 0);
    c.Cal_Site_90 = setup(QStringLiteral("Cal Site 90"), 250);

    const QString bankKey = QStringLiteral("Nombre de satellites");
    c.Nb_Sat_Banque1 = numbers.read(QStringLiteral("Banque1"), bankKey, 0);
    c.Nb_Sat_Banque2 = numbers.read(QStringLiteral("Banque2"), bankKey, 0);
    c.Nb_Sat_Banque3 = numbers.read(QStringLiteral("Banque3"), bankKey, 0);

    DeviceMarks marks;
    c.Recepteur = context.store.get(kApplication, kSetupSection, QStringLiteral("Recepteur"), QStringLiteral("AR5000"));
    marks.receiver = receiverKindOf(c.Recepteur);
    c.Interface_Rotor = context.store.get(kApplication, kSetupSection, QStringLiteral("Interface Rotor"),
                                          QStringLiteral("Fodtrack"));
    marks.rotor = rotorKindOf(c.Interface_Rotor);

    c.Vitesse_Com1 = setup(QStringLiteral("Vitesse Transmission Com1"), 19200);
    marks.receiverSpeed = applyLineSpeed(c.Vitesse_Com1, context.receiverLine);
    c.Vitesse_Com2 = setup(QStringLiteral("Vitesse Transmission Com2"), 4800);
    marks.rotorSpeed = applyLineSpeed(c.Vitesse_Com2, context.rotorLine);

    c.Adresse_LPT = setup(QStringLiteral("Adresse Port LPT"), 888);
    if (c.Adresse_LPT == 888 || c.Adresse_LPT == 632)
        marks.parallelAddress = static_cast<int>(c.Adresse_LPT);

    view.showDeviceMarks(marks);
    view.showTitle(titleCaption(c));

    if (!numbers.problems.isEmpty() && context.messages)
        context.messages->information(
            QCoreApplication::translate(
                "Configuration", "Ces valeurs de la configuration ne sont pas des nombres ; les valeurs par defaut "
                                 "sont utilisees :\n")
            + numbers.problems.join('\n'));
}

void Sauve_Config(const ConfigStation &c, SettingsStore &store)
{
    SettingsBatch batch(store);
    auto save = [&](const QString &key, const QString &text) { store.save(kApplication, kSetupSection, key, text); };
    save(QStringLiteral("Longitude observateur"), shortestText(c.Long_Obs));
    save(QStringLiteral("Latitude Observateur"), shortestText(c.Lat_Obs));
    save(QStringLiteral("Altitude Observateur"), shortestText(c.Alt_Obs));
    save(QStringLiteral("Minimum Elevation"), shortestText(c.Elev_Min));
    save(QStringLiteral("Repetition Mesure"), shortestText(c.Repetition));
    save(QStringLiteral("Passage Minimum"), shortestText(c.Passage_Min));
    save(QStringLiteral("Vitesse Transmission Com1"), shortestText(c.Vitesse_Com1));
    save(QStringLiteral("Vitesse Transmission Com2"), shortestText(c.Vitesse_Com2));
    save(QStringLiteral("Cal Azimut 0"), shortestText(c.Cal_Azimut_0));
    save(QStringLiteral("Cal Azimut 360"), shortestText(c.Cal_Azimut_360));
    save(QStringLiteral("Cal Site 0"), shortestText(c.Cal_Site_0));
    save(QStringLiteral("Cal Site 90"), shortestText(c.Cal_Site_90));
    save(QStringLiteral("Azimut_Seul"), shortestText(c.Azimut_Seul));
    save(QStringLiteral("Park Azimut 0"), shortestText(c.Park_Azimut));
    save(QStringLiteral("Park Site 0"), shortestText(c.Park_Site));
    save(QStringLiteral("Adresse Port LPT"), shortestText(c.Adresse_LPT));
    save(QStringLiteral("Recepteur"), c.Recepteur);
    save(QStringLiteral("Interface Rotor"), c.Interface_Rotor);
    // The devices are written too, so the operator finds the keys to change.
    save(kReceiverDeviceKey, receiverDevice(store));
    save(kRotorDeviceKey, rotorDevice(store));
    save(kParallelDeviceKey, parallelDevice(store));
}

QString receiverDevice(const SettingsStore &store)
{
    return store.get(kApplication, kSetupSection, kReceiverDeviceKey, kDefaultReceiverDevice);
}

QString rotorDevice(const SettingsStore &store)
{
    return store.get(kApplication, kSetupSection, kRotorDeviceKey, kDefaultRotorDevice);
}

QString parallelDevice(const SettingsStore &store)
{
    return store.get(kApplication, kSetupSection, kParallelDeviceKey, kDefaultParallelDevice);
}

} // namespace orvanta
