#include "config/configuration.h"

#include "config/config_view.h"
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

void showLineSpeed(float speed, SerialLine &line, ConfigView &view, const QString &menuPrefix)
{
    const QString settings = lineSettingsForSpeed(speed);
    if (settings.isEmpty())
        return;
    line.setSettings(settings);
    for (int s : kSpeeds)
        view.setMenuChecked(menuPrefix + QString::number(s), static_cast<float>(s) == speed);
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
    // A value that a dialog field or calibration label shows as soon as it is read.
    auto setupShown = [&](float &value, const QString &key, float defaultValue, const QString &control) {
        value = setup(key, defaultValue);
        view.setControlText(control, shortestText(value));
    };

    setupShown(c.Long_Obs, QStringLiteral("Longitude Observateur"), 2, QStringLiteral("Long_Observateur"));
    setupShown(c.Lat_Obs, QStringLiteral("Latitude Observateur"), 48, QStringLiteral("Lat_Observateur"));
    setupShown(c.Alt_Obs, QStringLiteral("Altitude Observateur"), 100, QStringLiteral("Alt_Observateur"));
    setupShown(c.Elev_Min, QStringLiteral("Minimum Elevation"), 0.1f, QStringLiteral("Elev_Observateur"));

    setupShown(c.Repetition, QStringLiteral("Repetition Mesure"), 5, QStringLiteral("Repetition_mesure"));
    setupShown(c.Passage_Min, QStringLiteral("Passage Minimum"), 100, QStringLiteral("Passage_Minimum"));
    setupShown(c.Park_Azimut, QStringLiteral("Park Azimut 0"), 270, QStringLiteral("Parcazimut"));
    setupShown(c.Park_Site, QStringLiteral("Park Site 0"), 0, QStringLiteral("Parcsite"));

    c.Azimut_Seul = setup(QStringLiteral("Azimut_Seul"), 0);
    view.setOptionChecked(QStringLiteral("Aziseuloui"), c.Azimut_Seul == 1);
    view.setOptionChecked(QStringLiteral("Aziseulnon"), c.Azimut_Seul != 1);

    setupShown(c.Cal_Azimut_0, QStringLiteral("Cal Azimut 0"), 0, QStringLiteral("Val_Azim_0"));
    setupShown(c.Cal_Azimut_360, QStringLiteral("Cal Azimut 360"), 250, QStringLiteral("Val_Azim_360"));
    setupShown(c.Cal_Site_0, QStringLiteral("Cal Site 0"), 0, QStringLiteral("Val_Site_0"));
    setupShown(c.Cal_Site_90, QStringLiteral("Cal Site 90"), 250, QStringLiteral("Val_Site_90"));

    const QString bankKey = QStringLiteral("Nombre de satellites");
    c.Nb_Sat_Banque1 = numbers.read(QStringLiteral("Banque1"), bankKey, 0);
    c.Nb_Sat_Banque2 = numbers.read(QStringLiteral("Banque2"), bankKey, 0);
    c.Nb_Sat_Banque3 = numbers.read(QStringLiteral("Banque3"), bankKey, 0);

    c.Recepteur = context.store.get(kApplication, kSetupSection, QStringLiteral("Recepteur"), QStringLiteral("AR5000"));
    if (receiverEntry(c.Recepteur))
        for (const ReceiverEntry &entry : kReceiverEntries)
            view.setMenuChecked(QLatin1String(entry.menu), c.Recepteur == QLatin1String(entry.recepteur));

    c.Interface_Rotor = context.store.get(kApplication, kSetupSection, QStringLiteral("Interface Rotor"),
                                          QStringLiteral("Fodtrack"));
    const bool knownRotor = c.Interface_Rotor == QLatin1String("Fodtrack") || c.Interface_Rotor == QLatin1String("GS232")
                            || c.Interface_Rotor == QLatin1String("Hamlib");
    if (knownRotor) {
        view.setMenuChecked(QStringLiteral("Mnu_Fodtrack"), c.Interface_Rotor == QLatin1String("Fodtrack"));
        view.setMenuChecked(QStringLiteral("Mnu_GS232"), c.Interface_Rotor == QLatin1String("GS232"));
        view.setMenuChecked(QStringLiteral("Mnu_Hamlib_Rotor"), c.Interface_Rotor == QLatin1String("Hamlib"));
    }

    c.Vitesse_Com1 = setup(QStringLiteral("Vitesse Transmission Com1"), 19200);
    showLineSpeed(c.Vitesse_Com1, context.receiverLine, view, QStringLiteral("Mnu_Com1_V"));
    c.Vitesse_Com2 = setup(QStringLiteral("Vitesse Transmission Com2"), 4800);
    showLineSpeed(c.Vitesse_Com2, context.rotorLine, view, QStringLiteral("Mnu_Com2_V"));

    c.Adresse_LPT = setup(QStringLiteral("Adresse Port LPT"), 888);
    if (c.Adresse_LPT == 888) {
        view.setMenuChecked(QStringLiteral("Mnu_LPT_378"), true);
        view.setMenuChecked(QStringLiteral("Mnu_LPT_278"), false);
    } else if (c.Adresse_LPT == 632) {
        view.setMenuChecked(QStringLiteral("Mnu_LPT_378"), false);
        view.setMenuChecked(QStringLiteral("Mnu_LPT_278"), true);
    }

    view.setControlText(QStringLiteral("Titre"), titleCaption(c));

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
