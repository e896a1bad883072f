#include "passes/pass_details.h"

#include "orbit/doppler.h"
#include "orbit/ground_point.h"
#include "orbit/locator.h"
#include "orbit/utc_time.h"
#include "platform/text_numbers.h"
#include "tracking/station_clock.h"

#include <QCoreApplication>

#include <cmath>
#include <numbers>

namespace orvanta {

namespace {

constexpr double kRadToDeg = 180.0 / std::numbers::pi;
constexpr double kShortPassSeconds = 300.0;
constexpr int kStepSeconds = 30;
constexpr int kShortPassStepSeconds = 10;

std::optional<PassDetailRow> rowAt(const orbit::Satellites &satellites, const std::string &name,
                                   const orbit::JulianDate &instant)
{
    orbit::SatelliteLook look;
    if (!satellites.lookAt(name, instant, 0.0, look))
        return std::nullopt;
    return PassDetailRow{instant, look.azimuthRad * kRadToDeg, look.elevationRad * kRadToDeg, look.rangeKm,
                         look.rangeRateKmS};
}

double azimuthAt(const orbit::Satellites &satellites, const orbit::PredictedPass &pass,
                 const orbit::JulianDate &instant)
{
    const auto row = rowAt(satellites, pass.name, instant);
    return row ? row->azimuthDeg : 0.0;
}

QString subSatelliteLocator(const orbit::Satellites &satellites, const std::string &name,
                            const orbit::JulianDate &instant)
{
    orbit::TemeState state;
    if (!satellites.stateAt(name, instant, state))
        return {};
    const orbit::GroundPoint point = orbit::subSatellitePoint(state, instant).ground;
    return QString::fromStdString(orbit::locatorFromPosition(point.latitudeDeg, point.longitudeDeg));
}

// The instant of a whole second since the OLE origin, exactly.
orbit::JulianDate instantOfSecond(std::int64_t second)
{
    const std::int64_t days = second >= 0 ? second / 86400 : -((-second + 86399) / 86400);
    return {orbit::kOleOriginJulianDate + double(days), double(second - days * 86400) / orbit::kSecondsPerDay};
}

QString twoDigits(long long value)
{
    return QString::number(value).rightJustified(2, QLatin1Char('0'));
}

QString degrees(double value)
{
    return formatFixed(value, 0) + QStringLiteral("°");
}

} // namespace

PassDetails passDetails(const orbit::Satellites &satellites, const orbit::PredictedPass &pass,
                        std::optional<double> downlinkMHz)
{
    PassDetails details;
    details.pass = pass;
    details.downlinkMHz = downlinkMHz;
    details.aosAzimuthDeg = azimuthAt(satellites, pass, pass.aos);
    details.culminationAzimuthDeg = azimuthAt(satellites, pass, pass.maxElevationTime);
    details.losAzimuthDeg = azimuthAt(satellites, pass, pass.los);
    details.aosLocator = subSatelliteLocator(satellites, pass.name, pass.aos);
    details.culminationLocator = subSatelliteLocator(satellites, pass.name, pass.maxElevationTime);
    details.losLocator = subSatelliteLocator(satellites, pass.name, pass.los);
    const double duration = pass.durationSeconds();
    details.stepSeconds = duration < kShortPassSeconds ? kShortPassStepSeconds : kStepSeconds;

    if (auto row = rowAt(satellites, pass.name, pass.aos))
        details.rows.push_back(*row);
    // Between the ends, rows fall on whole multiples of the step in UTC, so
    // the times read 12:00:30, 12:01:00...
    const std::int64_t aosSecond = orbit::wholeSecondsFromJulian(pass.aos);
    const std::int64_t losSecond = orbit::wholeSecondsFromJulian(pass.los);
    std::int64_t second = (aosSecond / details.stepSeconds + 1) * details.stepSeconds;
    for (; second < losSecond; second += details.stepSeconds) {
        const orbit::JulianDate instant = instantOfSecond(second);
        if (instant.minutesSince(pass.aos) <= 0.0)
            continue;
        if (auto row = rowAt(satellites, pass.name, instant))
            details.rows.push_back(*row);
    }
    if (pass.los.minutesSince(pass.aos) > 0.0) {
        if (auto row = rowAt(satellites, pass.name, pass.los))
            details.rows.push_back(*row);
    }
    return details;
}

double correctedFrequencyMHz(double downlinkMHz, double rangeRateKmS)
{
    return downlinkMHz * dopplerFactor(rangeRateKmS);
}

QString acquisitionText(const PassDetails &details)
{
    return QCoreApplication::translate("PassDetails", "Acquisition : %1 UTC, azimut %2")
        .arg(timeText(details.pass.aos), degrees(details.aosAzimuthDeg));
}

QString culminationText(const PassDetails &details)
{
    return QCoreApplication::translate("PassDetails", "Culmination : %1 UTC, azimut %2, site %3°")
        .arg(timeText(details.pass.maxElevationTime), degrees(details.culminationAzimuthDeg),
             formatFixed(details.pass.maxElevationDeg, 1));
}

QString lossText(const PassDetails &details)
{
    return QCoreApplication::translate("PassDetails", "Perte : %1 UTC, azimut %2")
        .arg(timeText(details.pass.los), degrees(details.losAzimuthDeg));
}

QString lengthText(double seconds)
{
    const long long whole = seconds > 0 ? std::llround(seconds) : 0;
    const QString minutes = twoDigits(whole / 60 % 60) + QStringLiteral(" min ") + twoDigits(whole % 60) +
                            QStringLiteral(" s");
    return whole < 3600 ? minutes : QString::number(whole / 3600) + QStringLiteral(" h ") + minutes;
}

QString durationText(double seconds)
{
    return QCoreApplication::translate("PassDetails", "Durée : %1").arg(lengthText(seconds));
}

QString subSatelliteLocatorsText(const PassDetails &details)
{
    const auto shown = [](const QString &locator) { return locator.isEmpty() ? QStringLiteral("?") : locator; };
    return QCoreApplication::translate("PassDetails", "Sous le satellite : %1 (AOS), %2 (TCA), %3 (LOS)")
        .arg(shown(details.aosLocator), shown(details.culminationLocator), shown(details.losLocator));
}

QString passTitle(const orbit::PredictedPass &pass)
{
    const orbit::CalendarInstant day = orbit::calendarFromWholeSeconds(orbit::wholeSecondsFromJulian(pass.aos));
    return QCoreApplication::translate("PassDetails", "Passage de %1 le %2")
        .arg(QString::fromStdString(pass.name), twoDigits(day.day) + QLatin1Char('/') + twoDigits(day.month)
                                                    + QLatin1Char('/') + QString::number(day.year));
}

QStringList detailColumnTitles()
{
    return {QCoreApplication::translate("PassDetails", "Heure (UTC)"),
            QCoreApplication::translate("PassDetails", "Azimut (°)"),
            QCoreApplication::translate("PassDetails", "Site (°)"),
            QCoreApplication::translate("PassDetails", "Distance (km)"),
            QCoreApplication::translate("PassDetails", "Fréquence (MHz)")};
}

QStringList detailRowCells(const PassDetails &details, const PassDetailRow &row)
{
    const QString frequency = details.downlinkMHz
                                  ? formatFixed(correctedFrequencyMHz(*details.downlinkMHz, row.rangeRateKmS), 4)
                                  : QStringLiteral("----");
    return {timeText(row.instant), formatFixed(row.azimuthDeg, 1), formatFixed(row.elevationDeg, 1),
            formatFixed(row.rangeKm, 0), frequency};
}

QString detailTableText(const PassDetails &details)
{
    QString text = detailColumnTitles().join(QLatin1Char('\t')) + QLatin1Char('\n');
    for (const PassDetailRow &row : details.rows)
        text += detailRowCells(details, row).join(QLatin1Char('\t')) + QLatin1Char('\n');
    return text;
}

} // namespace orvanta
