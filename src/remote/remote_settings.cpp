#include "remote/remote_settings.h"

#include "platform/settings_store.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHostAddress>

#include <charconv>

namespace orvanta {

namespace {

const QString kApplication = QStringLiteral("Orvanta");
const QString kSection = QStringLiteral("Distance");

std::optional<int> wholeNumber(const QString &text)
{
    const QByteArray bytes = text.trimmed().toLatin1();
    int value = 0;
    const auto [end, error] = std::from_chars(bytes.constData(), bytes.constData() + bytes.size(), value);
    if (error != std::errc() || end != bytes.constData() + bytes.size() || bytes.isEmpty())
        return std::nullopt;
    return value;
}

int boundedSetting(const SettingsStore &store, const QString &key, int fallback, int low, int high)
{
    const auto value = wholeNumber(store.get(kApplication, kSection, key));
    return value && *value >= low && *value <= high ? *value : fallback;
}

QString hashKey(RemoteRole role)
{
    return role == RemoteRole::Operator ? QStringLiteral("Hachage_Operateur") : QStringLiteral("Hachage_Observateur");
}

} // namespace

QString roleName(RemoteRole role)
{
    return role == RemoteRole::Operator ? QStringLiteral("operator") : QStringLiteral("viewer");
}

QString roleCaption(RemoteRole role)
{
    return role == RemoteRole::Operator ? QCoreApplication::translate("RemoteSettings", "opérateur")
                                        : QCoreApplication::translate("RemoteSettings", "observateur");
}

RemoteSettings loadRemoteSettings(const SettingsStore &store)
{
    RemoteSettings settings;
    settings.enabled = store.get(kApplication, kSection, QStringLiteral("Actif")) == QLatin1String("1");
    const QString address = store.get(kApplication, kSection, QStringLiteral("Adresse")).trimmed();
    if (!address.isEmpty())
        settings.address = address;
    settings.port = boundedSetting(store, QStringLiteral("Port"), settings.port, 1, 65535);
    settings.certificateFile = store.get(kApplication, kSection, QStringLiteral("Certificat"));
    settings.keyFile = store.get(kApplication, kSection, QStringLiteral("Cle"));
    settings.operatorHash = store.get(kApplication, kSection, hashKey(RemoteRole::Operator)).toLatin1();
    settings.viewerHash = store.get(kApplication, kSection, hashKey(RemoteRole::Viewer)).toLatin1();
    settings.idleHours = boundedSetting(store, QStringLiteral("Inactivite_Heures"), settings.idleHours, 1, 24 * 30);
    settings.failureDelayMs =
        boundedSetting(store, QStringLiteral("Delai_Echec_Ms"), settings.failureDelayMs, 1, 60 * 1000);
    return settings;
}

void saveRemoteSettings(SettingsStore &store, const RemoteSettings &settings)
{
    SettingsBatch batch(store);
    store.save(kApplication, kSection, QStringLiteral("Actif"), settings.enabled ? QStringLiteral("1") : QStringLiteral("0"));
    store.save(kApplication, kSection, QStringLiteral("Adresse"), settings.address);
    store.save(kApplication, kSection, QStringLiteral("Port"), QString::number(settings.port));
    store.save(kApplication, kSection, QStringLiteral("Certificat"), settings.certificateFile);
    store.save(kApplication, kSection, QStringLiteral("Cle"), settings.keyFile);
    store.save(kApplication, kSection, QStringLiteral("Inactivite_Heures"), QString::number(settings.idleHours));
}

void saveRemotePasswordHash(SettingsStore &store, RemoteRole role, const QByteArray &hash)
{
    store.save(kApplication, kSection, hashKey(role), QString::fromLatin1(hash));
}

bool isLoopbackAddress(const QString &address)
{
    const QHostAddress host(address);
    return !host.isNull() && host.isLoopback();
}

QString remoteStartRefusal(const RemoteSettings &settings)
{
    if (QHostAddress(settings.address).isNull())
        return QCoreApplication::translate("RemoteSettings", "L'adresse %1 n'est pas une adresse IP.")
            .arg(settings.address);
    if (settings.port < 0 || settings.port > 65535) // 0: any free port
        return QCoreApplication::translate("RemoteSettings", "Le port %1 n'est pas entre 1 et 65535.")
            .arg(settings.port);
    if (settings.operatorHash.isEmpty() && settings.viewerHash.isEmpty())
        return QCoreApplication::translate("RemoteSettings",
                                           "Aucun mot de passe n'est défini : personne ne pourrait entrer. "
                                           "Définissez-en un dans Configuration > Station a distance.");
    if (!isLoopbackAddress(settings.address)) {
        if (settings.certificateFile.isEmpty() || settings.keyFile.isEmpty())
            return QCoreApplication::translate(
                       "RemoteSettings",
                       "Sur l'adresse %1, le serveur exige TLS : choisissez un certificat et sa clé (PEM).")
                .arg(settings.address);
        for (const QString &file : {settings.certificateFile, settings.keyFile})
            if (!QFileInfo(file).isReadable())
                return QCoreApplication::translate("RemoteSettings", "Le fichier %1 ne peut pas être lu.").arg(file);
    }
    return {};
}

std::optional<RemoteListen> parseRemoteListen(const QString &text, QString *error)
{
    RemoteListen listen;
    QString portText = text;
    const int colon = text.lastIndexOf(QLatin1Char(':'));
    if (colon >= 0) {
        listen.address = text.left(colon);
        if (listen.address.startsWith(QLatin1Char('[')) && listen.address.endsWith(QLatin1Char(']')))
            listen.address = listen.address.mid(1, listen.address.size() - 2);
        portText = text.mid(colon + 1);
        if (QHostAddress(listen.address).isNull()) {
            *error = QCoreApplication::translate("RemoteSettings",
                                                 "--remote attend [ADRESSE:]PORT, et %1 n'est pas une adresse IP")
                         .arg(listen.address);
            return std::nullopt;
        }
    }
    const auto port = wholeNumber(portText);
    if (!port || *port < 1 || *port > 65535) {
        *error = QCoreApplication::translate("RemoteSettings",
                                             "--remote attend [ADRESSE:]PORT avec un port entre 1 et 65535, pas %1")
                     .arg(text);
        return std::nullopt;
    }
    listen.port = *port;
    return listen;
}

} // namespace orvanta
