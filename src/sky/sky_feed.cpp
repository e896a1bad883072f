#include "sky/sky_feed.h"

#include "orbit/doppler.h"
#include "orbit/prediction_uncertainty.h"
#include "orbit/utc_time.h"
#include "platform/countdown.h"
#include "platform/text_numbers.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace orvanta {

namespace {

constexpr double kRadToDeg = 180.0 / std::numbers::pi;

QString twoDigits(long long value)
{
    return QString::number(value).rightJustified(2, QLatin1Char('0'));
}

} // namespace

void SkyFeed::setHorizon(const orbit::HorizonMask &mask)
{
    horizon_.clear();
    if (mask.flat())
        return;
    // Every degree, and each of the file's points, so that its corners show.
    std::vector<double> azimuths;
    for (int az = 0; az < 360; ++az)
        azimuths.push_back(az);
    for (const orbit::HorizonPoint &p : mask.points())
        azimuths.push_back(p.azimuthDeg);
    std::sort(azimuths.begin(), azimuths.end());
    for (const double az : azimuths)
        horizon_.push_back({az, mask.minimumElevationDeg(az)});
}

SkyScene SkyFeed::scene(orbit::Satellites &satellites, const SkyTick &tick)
{
    const orbit::JulianDate now = orbit::julianFromOle(tick.nowOle);
    cache_.dropEnded(now);
    SkyScene scene;
    scene.minElevationDeg = tick.minElevationDeg;
    scene.horizon = horizon_;
    scene.rotor = tick.rotor;
    scene.manual = tick.manual;

    const std::optional<orbit::PredictedPass> &tracked = tick.trackedPass;
    const std::optional<orbit::PredictedPass> &awaited = tick.awaitedPass;
    if (tracked)
        scene.tracked = cache_.track(satellites, *tracked);
    if (awaited)
        scene.awaited = cache_.track(satellites, *awaited);

    for (const orbit::PredictedPass &pass : tick.inProgress) {
        orbit::SatelliteLook look;
        if ((tracked && pass.catalogNumber == tracked->catalogNumber) ||
            !satellites.lookAt(pass.name, now, tick.minElevationDeg, look))
            continue;
        scene.others.push_back({pass.catalogNumber, QString::fromStdString(pass.name),
                                SkyPoint{look.azimuthRad * kRadToDeg, look.elevationRad * kRadToDeg}});
    }

    if (tracked) {
        const double toLoss = tracked->los.minutesSince(now) * 60.0;
        if (tick.trackedLook) {
            const orbit::SatelliteLook &look = *tick.trackedLook;
            scene.satelliteNow = SkyPoint{look.azimuthRad * kRadToDeg, look.elevationRad * kRadToDeg};
            // The age of its elements, and how far off that may put it, before the countdown.
            scene.infoLine = trackedInfoLine(tracked->name, look, tick.trackedDownlinkMHz, std::nullopt);
            if (const auto uncertainty = orbit::uncertaintyAtAos(satellites, *tracked))
                scene.infoLine += kSkyInfoSeparator + QCoreApplication::translate("Sky", "Éléments %1 j, AOS à %2 s près")
                                                          .arg(formatFixed(uncertainty->ageDays, 1),
                                                               formatFixed(uncertainty->seconds, 1));
            scene.infoLine +=
                kSkyInfoSeparator + QCoreApplication::translate("Sky", "LOS dans ") + countdownText(toLoss);
        } else {
            // The tick stopped before the position (no frequency for the satellite).
            scene.infoLine = QString::fromStdString(tracked->name) + kSkyInfoSeparator
                             + QCoreApplication::translate("Sky", "LOS dans ") + countdownText(toLoss);
        }
    } else {
        std::optional<double> toAcquisition;
        if (awaited)
            toAcquisition = awaited->aos.minutesSince(now) * 60.0;
        scene.infoLine = waitingInfoLine(awaited ? awaited->name : std::string(), toAcquisition);
    }
    return scene;
}

QString trackedInfoLine(const std::string &name, const orbit::SatelliteLook &look,
                        std::optional<double> downlinkMHz, std::optional<double> secondsToLoss)
{
    QString line = QString::fromStdString(name);
    line += kSkyInfoSeparator + QStringLiteral("Az ") + formatFixed(look.azimuthRad * kRadToDeg, 1) + QStringLiteral("°");
    line += QCoreApplication::translate("Sky", "  Site ") + formatFixed(look.elevationRad * kRadToDeg, 1)
            + QStringLiteral("°");
    line += kSkyInfoSeparator + formatFixed(look.rangeKm, 0) + QStringLiteral(" km");
    line += kSkyInfoSeparator + formatFixed(look.rangeRateKmS, 3) + QStringLiteral(" km/s");
    line += kSkyInfoSeparator + QStringLiteral("Doppler ");
    if (downlinkMHz)
        line += formatFixed(*downlinkMHz * (dopplerFactor(look.rangeRateKmS) - 1.0) * 1000.0, 2) +
                QStringLiteral(" kHz");
    else
        line += QStringLiteral("----");
    if (secondsToLoss)
        line += kSkyInfoSeparator + QCoreApplication::translate("Sky", "LOS dans ") + countdownText(*secondsToLoss);
    return line;
}

QString waitingInfoLine(const std::string &awaitedName, std::optional<double> secondsToAcquisition)
{
    QString line = QCoreApplication::translate("Sky", "Aucun satellite visible");
    if (!awaitedName.empty() && secondsToAcquisition)
        line += kSkyInfoSeparator
                + QCoreApplication::translate("Sky", "AOS de %1 dans %2")
                      .arg(QString::fromStdString(awaitedName), countdownText(*secondsToAcquisition));
    return line;
}

QString countdownText(double seconds)
{
    const long long whole = countdownUnits(seconds, 1);
    const QString minutesSeconds = twoDigits(whole / 60 % 60) + QLatin1Char(':') + twoDigits(whole % 60);
    if (whole < 3600)
        return minutesSeconds;
    return QString::number(whole / 3600) + QLatin1Char(':') + minutesSeconds;
}

} // namespace orvanta
