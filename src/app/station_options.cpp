#include "app/station_options.h"

#include "platform/ini_settings_store.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QRegularExpression>

namespace orvanta {

namespace {

// Only the one form, in UTC: a rehearsal must not depend on the time zone.
QDateTime parseStartTime(const QString &text)
{
    static const QRegularExpression form(QStringLiteral("^(\\d{4})-(\\d{2})-(\\d{2})T(\\d{2}):(\\d{2}):(\\d{2})Z$"));
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch())
        return {};
    const QDate date(match.captured(1).toInt(), match.captured(2).toInt(), match.captured(3).toInt());
    const QTime time(match.captured(4).toInt(), match.captured(5).toInt(), match.captured(6).toInt());
    if (!date.isValid() || !time.isValid())
        return {};
    return QDateTime(date, time, Qt::UTC);
}

} // namespace

QString stationUsage()
{
    return QCoreApplication::translate(
        "StationOptions",
        "usage: orvanta [--station DOSSIER] [--settings FICHIER] [--start-time AAAA-MM-JJTHH:MM:SSZ]\n"
        "              [--remote [ADRESSE:]PORT]\n"
        "       orvanta [--settings FICHIER] --set-remote-password operator|viewer < mot-de-passe\n"
        "       orvanta --help | --version\n"
        "  --station DOSSIER     dossier de la station (fichiers d'elements, Elements.cfg, Frequences.cfg)\n"
        "  --settings FICHIER    fichier de reglages de l'utilisateur\n"
        "  --start-time INSTANT  repetition : l'horloge part de cet instant UTC\n"
        "  --remote [ADRESSE:]PORT  station a distance pour cette seule fois (127.0.0.1 par defaut)\n"
        "  --set-remote-password ROLE  lit le mot de passe sur l'entree standard, garde son hachage\n");
}

std::optional<StationOptions> parseStationOptions(const QStringList &arguments, QString *error)
{
    StationOptions options;
    options.settingsFile = IniSettingsStore::defaultPath();
    for (int i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            options.help = true;
            return options;
        }
        const bool takesValue = argument == QLatin1String("--station") || argument == QLatin1String("--settings")
                                || argument == QLatin1String("--start-time") || argument == QLatin1String("--remote")
                                || argument == QLatin1String("--set-remote-password");
        if (!takesValue || i + 1 >= arguments.size()) {
            *error = takesValue ? QCoreApplication::translate("StationOptions", "%1 attend une valeur").arg(argument)
                                : QCoreApplication::translate("StationOptions", "option inconnue : %1").arg(argument);
            return std::nullopt;
        }
        const QString value = arguments[++i];
        if (argument == QLatin1String("--station")) {
            options.stationFolder = QFileInfo(value).absoluteFilePath();
        } else if (argument == QLatin1String("--remote")) {
            options.remote = parseRemoteListen(value, error);
            if (!options.remote)
                return std::nullopt;
        } else if (argument == QLatin1String("--set-remote-password")) {
            options.remotePasswordRole = value;
        } else if (argument == QLatin1String("--start-time")) {
            options.startTime = parseStartTime(value);
            if (!options.startTime.isValid()) {
                *error = QCoreApplication::translate("StationOptions",
                                                     "--start-time attend un instant UTC AAAA-MM-JJTHH:MM:SSZ, pas %1")
                             .arg(value);
                return std::nullopt;
            }
        }
        else
            options.settingsFile = QFileInfo(value).absoluteFilePath();
    }
    if (!options.stationFolder.isEmpty() && !QFileInfo(options.stationFolder).isDir()) {
        *error = QCoreApplication::translate("StationOptions", "le dossier de la station %1 n'existe pas")
                     .arg(options.stationFolder);
        return std::nullopt;
    }
    return options;
}

} // namespace orvanta
