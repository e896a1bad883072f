#include "rotor/gs232.h"

#include "platform/text_numbers.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>

#include <algorithm>
#include <cmath>

namespace orvanta {

namespace {

constexpr double kLargestField = 999; // three characters
constexpr qsizetype kLongestAnswer = 64;
constexpr double kHighestAzimuth = 450; // with the overlap
constexpr double kHighestElevation = 180; // flipped

QString threeDigits(double wholeDegrees)
{
    return QString::number(static_cast<int>(wholeDegrees)).rightJustified(3, QLatin1Char('0'));
}

} // namespace

Gs232::Gs232(SerialLine &line, MessageBoxes &messages) : line_(line), messages_(messages), refusals_(messages)
{
    line_.setInputSink([this](const QByteArray &bytes) { received(bytes); });
}

void Gs232::askPosition()
{
    line_.Output(QByteArrayLiteral("C2\r"));
}

void Gs232::received(const QByteArray &bytes)
{
    pending_ += bytes;
    for (;;) {
        const qsizetype end = pending_.indexOf('\r') >= 0 ? pending_.indexOf('\r') : pending_.indexOf('\n');
        if (end < 0)
            break;
        const QByteArray answer = pending_.left(end).trimmed();
        pending_.remove(0, end + 1);
        if (!answer.isEmpty())
            answered(answer);
    }
    if (pending_.size() > kLongestAnswer) { // noise on the line, never ended
        const QByteArray noise = pending_;
        pending_.clear();
        answered(noise);
    }
}

void Gs232::answered(const QByteArray &answer)
{
    static const QRegularExpression forms(QStringLiteral("^\\+(\\d{1,4}) ?\\+(\\d{1,4})$|^AZ= *(\\d{1,3}) +EL= *(\\d{1,3})$"));
    const QRegularExpressionMatch match = forms.match(QString::fromLatin1(answer));
    if (match.hasMatch()) {
        const int first = match.capturedLength(1) > 0 ? 1 : 3;
        const double azimuth = match.captured(first).toInt();
        const double elevation = match.captured(first + 1).toInt();
        if (azimuth <= kHighestAzimuth && elevation <= kHighestElevation) {
            position_ = Gs232Position{azimuth, elevation};
            badAnswerSaid_ = false;
            return;
        }
    }
    if (badAnswerSaid_)
        return;
    badAnswerSaid_ = true;
    const QString text = QCoreApplication::translate(
                             "Gs232", "Le GS-232 a répondu « %1 » au lieu de sa position : la réponse est ignorée.")
                             .arg(QString::fromLatin1(answer.left(40)));
    messages_.information(text);
}

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
