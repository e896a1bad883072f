#include "data/horizon_file.h"

#include "data/field_reader.h"
#include "data/station_file.h"
#include "platform/text_numbers.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <vector>

namespace orvanta {

HorizonFile parseHorizon(const QString &text)
{
    HorizonFile result;
    result.found = true;
    std::vector<orbit::HorizonPoint> points;
    static const QRegularExpression separators(QStringLiteral("[\\s;]+"));
    LineReader lines(text);
    for (int number = 1; !lines.atEnd(); ++number) {
        QString line = lines.next();
        if (const qsizetype hash = line.indexOf(u'#'); hash >= 0)
            line.truncate(hash);
        const QStringList fields = line.split(separators, Qt::SkipEmptyParts);
        if (fields.isEmpty())
            continue;
        const auto refuse = [&](const QString &why) {
            result.problems << QStringLiteral("%1, ligne %2 : %3").arg(horizonFileName).arg(number).arg(why);
        };
        const std::optional<double> azimuth = parseNumber(fields.value(0));
        const std::optional<double> elevation = parseNumber(fields.value(1));
        if (fields.size() != 2 || !azimuth || !elevation) {
            refuse(QCoreApplication::translate("Horizon", "« %1 » n'est pas deux nombres, l'azimut et le site minimum")
                       .arg(line.trimmed()));
            continue;
        }
        if (*azimuth < 0 || *azimuth > 360) {
            refuse(QCoreApplication::translate("Horizon", "l'azimut %1 est hors de 0 à 360°").arg(fields[0]));
            continue;
        }
        if (*elevation < 0 || *elevation > 90) {
            refuse(QCoreApplication::translate("Horizon", "le site %1 est hors de 0 à 90°").arg(fields[1]));
            continue;
        }
        points.push_back({*azimuth, *elevation});
    }
    result.mask = orbit::HorizonMask(std::move(points));
    return result;
}

HorizonFile readHorizon(const QString &folder)
{
    const StationFile file = readStationFile(stationFilePath(folder, horizonFileName));
    if (file.state == StationFile::State::Missing)
        return {};
    if (file.state == StationFile::State::Unreadable) {
        HorizonFile result;
        result.found = true;
        result.problems << QStringLiteral("%1 illisible : %2").arg(horizonFileName, file.error);
        return result;
    }
    return parseHorizon(file.text);
}

} // namespace orvanta
