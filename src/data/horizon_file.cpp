#include "data/horizon_file.h"

#include "data/station_file.h"
#include "orbit/horizon_text.h"

#include <QCoreApplication>

namespace orvanta {

HorizonFile parseHorizon(const QString &text)
{
    using Kind = orbit::HorizonLineProblem::Kind;
    HorizonFile result;
    result.found = true;
    orbit::HorizonText read = orbit::readHorizonText(text.toStdString());
    for (const orbit::HorizonLineProblem &problem : read.problems) {
        const QString field = QString::fromStdString(problem.text);
        QString why;
        switch (problem.kind) {
        case Kind::NotTwoNumbers:
            why = QCoreApplication::translate("Horizon", "« %1 » n'est pas deux nombres, l'azimut et le site minimum").arg(field);
            break;
        case Kind::AzimuthOutOfRange:
            why = QCoreApplication::translate("Horizon", "l'azimut %1 est hors de 0 à 360°").arg(field);
            break;
        case Kind::ElevationOutOfRange:
            why = QCoreApplication::translate("Horizon", "le site %1 est hors de 0 à 90°").arg(field);
            break;
        }
        result.problems << QStringLiteral("%1, ligne %2 : %3").arg(horizonFileName).arg(problem.line).arg(why);
    }
    result.mask = std::move(read.mask);
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
