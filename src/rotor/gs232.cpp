#include "rotor/gs232.h"

#include "platform/text_numbers.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>
#include <cmath>

namespace orvanta {

namespace {

constexpr double kLargestField = 999; // three characters

QString threeDigits(double wholeDegrees)
{
    return QString::number(static_cast<int>(wholeDegrees)).rightJustified(3, QLatin1Char('0'));
}

} // namespace

Gs232::Gs232(SerialLine &line, MessageBoxes &messages) : line_(line), refusals_(messages) {}

Gs232::Angle Gs232::Angle::fromNumber(double degrees)
{
    if (!std::isfinite(degrees))
        return {std::nullopt, QString::number(degrees)};
    return {degrees, shortestText(degrees)};
}

void Gs232::Commande_GS232(double azimut, double site)
{
    command(Angle::fromNumber(azimut), Angle::fromNumber(site));
}

void Gs232::Commande_GS232(const QString &azimut, const QString &site)
{
    command({parseNumber(azimut), azimut}, {parseNumber(site), site});
}

void Gs232::command(const Angle &azimut, const Angle &site)
{
    QStringList faults;
    QStringList kinds; // the same faults without their values
    double az = 0;
    double el = 0;
    if (!azimut.degrees) {
        faults
            << QCoreApplication::translate("Gs232", "la valeur de l'azimut \"%1\" est incorrecte").arg(azimut.asGiven);
        kinds << QStringLiteral("azimut incorrect");
    } else {
        az = roundHalfEven(*azimut.degrees);
        if (az < 0 || az > kLargestField) {
            faults << QCoreApplication::translate("Gs232", "la valeur de l'azimut %1 est hors limites")
                          .arg(azimut.asGiven);
            kinds << QStringLiteral("azimut hors limites");
        }
    }
    if (!site.degrees) {
        faults << QCoreApplication::translate("Gs232", "la valeur de site \"%1\" est incorrecte").arg(site.asGiven);
        kinds << QStringLiteral("site incorrect");
    } else {
        el = std::max(0.0, roundHalfEven(*site.degrees)); // below the horizon: level
        if (el > kLargestField) {
            faults << QCoreApplication::translate("Gs232", "la valeur de site %1 est hors limites").arg(site.asGiven);
            kinds << QStringLiteral("site hors limites");
        }
    }

    if (!faults.isEmpty()) {
        refusals_.refused(kinds.join(u','), QCoreApplication::translate("Gs232", "Commande GS232 non envoyee : ")
                                                + faults.join(QStringLiteral(", ")));
        return;
    }
    line_.Output(QStringLiteral("W%1 %2\r").arg(threeDigits(az), threeDigits(el)).toLatin1());
    refusals_.sent();
}

} // namespace orvanta
