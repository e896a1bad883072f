#include "logbook/contact_checks.h"

#include <QCoreApplication>

#include "orbit/locator.h"

namespace orvanta {

namespace {

bool isAsciiLetter(QChar c)
{
    return (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) || (c >= QLatin1Char('a') && c <= QLatin1Char('z'));
}

bool isAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

} // namespace

QString callsignFault(const QString &call)
{
    if (call.isEmpty())
        return QCoreApplication::translate("Journal", "indicatif manquant");
    bool letter = false, digit = false;
    for (QChar c : call) {
        if (c == QLatin1Char(' '))
            return QCoreApplication::translate("Journal", "indicatif « %1 » : pas d'espace dans un indicatif")
                .arg(call);
        if (!isAsciiLetter(c) && !isAsciiDigit(c) && c != QLatin1Char('/'))
            return QCoreApplication::translate(
                       "Journal", "indicatif « %1 » : caractère « %2 » interdit (lettres, chiffres et / seulement)")
                .arg(call, QString(c));
        letter = letter || isAsciiLetter(c);
        digit = digit || isAsciiDigit(c);
    }
    if (call.size() < 3 || call.size() > 20)
        return QCoreApplication::translate("Journal", "indicatif « %1 » : de 3 à 20 caractères").arg(call);
    if (!letter || !digit)
        return QCoreApplication::translate("Journal", "indicatif « %1 » : il faut au moins une lettre et un chiffre")
            .arg(call);
    if (call.startsWith(QLatin1Char('/')) || call.endsWith(QLatin1Char('/')) || call.contains(QLatin1String("//")))
        return QCoreApplication::translate("Journal", "indicatif « %1 » : « / » mal placé").arg(call);
    return {};
}

QString gridFault(const QString &grid)
{
    if (grid.isEmpty())
        return {};
    if ((grid.size() != 4 && grid.size() != 6) || !orbit::squareOfLocator(grid.toStdString()))
        return QCoreApplication::translate("Journal", "locator « %1 » : 4 ou 6 caractères comme JN18 ou JN18eu")
            .arg(grid);
    return {};
}

QString reportFault(const QString &report)
{
    if (report.isEmpty())
        return {};
    const auto inRange = [&](int at, char low, char high) {
        return report[at] >= QLatin1Char(low) && report[at] <= QLatin1Char(high);
    };
    if ((report.size() == 2 || report.size() == 3) && inRange(0, '1', '5') && inRange(1, '1', '9') &&
        (report.size() == 2 || inRange(2, '1', '9')))
        return {};
    if ((report.size() == 2 || report.size() == 3) &&
        (report[0] == QLatin1Char('-') || report[0] == QLatin1Char('+')) && isAsciiDigit(report[1]) &&
        (report.size() == 2 || isAsciiDigit(report[2])))
        return {};
    return QCoreApplication::translate("Journal", "report « %1 » : 59, 599 ou un signal en dB comme -12").arg(report);
}

QString instantFault(const QDateTime &instant, const QDateTime &now)
{
    if (!instant.isValid())
        return QCoreApplication::translate("Journal", "date ou heure invalide (AAAA-MM-JJ HH:MM:SS)");
    if (instant > now.addSecs(60))
        return QCoreApplication::translate("Journal", "date %1 dans le futur")
            .arg(instant.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
    return {};
}

QString satelliteNameFault(const QString &name)
{
    if (name.isEmpty())
        return QCoreApplication::translate("Journal", "nom LoTW du satellite manquant");
    if (name.size() < 2 || name.size() > 20)
        return QCoreApplication::translate("Journal", "nom de satellite « %1 » : de 2 à 20 caractères").arg(name);
    for (QChar c : name)
        if (!isAsciiLetter(c) && !isAsciiDigit(c) && c != QLatin1Char('-'))
            return QCoreApplication::translate("Journal", "nom de satellite « %1 » : lettres, chiffres et - seulement")
                .arg(name);
    return {};
}

} // namespace orvanta
