#include "app/station_options.h"

#include "platform/ini_settings_store.h"

#include <QFileInfo>

namespace orvanta {

std::optional<StationOptions> parseStationOptions(const QStringList &arguments, QString *error)
{
    StationOptions options;
    options.settingsFile = IniSettingsStore::defaultPath();
    for (int i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        const bool takesValue = argument == QLatin1String("--station") || argument == QLatin1String("--settings");
        if (!takesValue || i + 1 >= arguments.size()) {
            *error = takesValue ? QStringLiteral("%1 attend une valeur").arg(argument)
                                : QStringLiteral("option inconnue : %1").arg(argument);
            return std::nullopt;
        }
        const QString value = arguments[++i];
        if (argument == QLatin1String("--station"))
            options.stationFolder = QFileInfo(value).absoluteFilePath();
        else
            options.settingsFile = QFileInfo(value).absoluteFilePath();
    }
    if (!options.stationFolder.isEmpty() && !QFileInfo(options.stationFolder).isDir()) {
        *error = QStringLiteral("le dossier de la station %1 n'existe pas").arg(options.stationFolder);
        return std::nullopt;
    }
    return options;
}

} // namespace orvanta
