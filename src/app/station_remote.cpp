#include "app/station_remote.h"

#include "app/main_window.h"
#include "remote/remote_work.h"
#include "sky/sky_view.h"
#include "tracking/station_clock.h"
#include "tracking/tracking_cycle.h"
#include "transponder/transponder_window.h"
#include "platform/text_numbers.h"
#include "rotor/manual_pointing.h"
#include "rotor/rotor.h"

#include <QApplication>
#include <QCoreApplication>
#include <QLabel>

#include <cmath>

namespace orvanta {

namespace {

RemotePass remotePass(const orbit::PredictedPass &pass, bool inProgress)
{
    return {pass.catalogNumber, QString::fromStdString(pass.name), utcToTheSecond(pass.aos), utcToTheSecond(pass.los),
            pass.maxElevationDeg, inProgress};
}

std::vector<RemoteSkyPoint> remotePath(const PassTrackRef &track)
{
    std::vector<RemoteSkyPoint> path;
    if (track)
        for (const TrackSample &sample : track->samples)
            path.push_back({sample.sky.azimuthDeg, sample.sky.elevationDeg});
    return path;
}

std::optional<RemoteSkyPoint> remotePoint(const std::optional<SkyPoint> &point)
{
    return point ? std::optional(RemoteSkyPoint{point->azimuthDeg, point->elevationDeg}) : std::nullopt;
}

} // namespace

StationRemote::StationRemote(Links links)
    : links_(std::move(links)),
      work_(new RemoteWork({links_.window, links_.window.menus().configuration, links_.store, *this, links_.oneRun}))
{
}

void StationRemote::ticked(const TickOutcome &outcome)
{
    last_ = {};
    last_.time = outcome.instant.toUTC();
    if (outcome.trackedPass && outcome.look) {
        const double radToDeg = 180.0 / M_PI;
        RemoteSatellite followed{outcome.trackedPass->catalogNumber, outcome.tracked,
                                 outcome.look->azimuthRad * radToDeg, outcome.look->elevationRad * radToDeg,
                                 outcome.look->rangeRateKmS, std::nullopt, std::nullopt};
        if (outcome.frequencyMHz)
            followed.frequencyHz = *outcome.frequencyMHz * 1e6;
        if (outcome.dopplerShiftKHz)
            followed.dopplerHz = *outcome.dopplerShiftKHz * 1e3;
        last_.followed = followed;
    }
    if (outcome.awaitedPass)
        last_.awaited = RemoteSatellite{outcome.awaitedPass->catalogNumber,
                                        QString::fromStdString(outcome.awaitedPass->name),
                                        outcome.awaitedPass->aosAzimuthDeg, 0, std::nullopt, std::nullopt,
                                        std::nullopt};
    for (const orbit::BoardPass &line : links_.tracking.board().visible())
        last_.passes.push_back(remotePass(line.pass, true));
    for (const orbit::BoardPass &line : links_.tracking.board().coming())
        last_.passes.push_back(remotePass(line.pass, false));
    const SkyScene &scene = links_.sky.scene();
    if (scene.tracked)
        last_.sky.trackedName = QString::fromStdString(scene.tracked->pass.name);
    if (scene.awaited)
        last_.sky.awaitedName = QString::fromStdString(scene.awaited->pass.name);
    last_.sky.trackedPath = remotePath(scene.tracked);
    last_.sky.awaitedPath = remotePath(scene.awaited);
    last_.sky.satellite = remotePoint(scene.satelliteNow);
    last_.sky.rotor = remotePoint(scene.rotor);
    last_.sky.info = scene.infoLine;
    last_.sky.minElevationDeg = scene.minElevationDeg;
    work_->ticked();
}

RemoteSnapshot StationRemote::snapshot() const
{
    RemoteSnapshot now = last_;
    const TrackingState &state = links_.tracking.state();
    now.rotorTracking = state.Tracking_Actif;
    now.dopplerCorrection = state.Doppler_Actif;
    now.receiverProgramming = state.Prog_RX_Actif;
    if (const auto reading = links_.rotorReading())
        now.rotorReading = RemoteSkyPoint{reading->azimuthDeg, reading->elevationDeg};
    now.radioReadingHz = links_.radioReadingHz();
    if (const QLabel *banner = links_.window.alarmBanner())
        now.alarm = banner->isVisibleTo(&links_.window) ? banner->text() : QString();
    const TransponderTuning &tuning = links_.panel.tuning();
    now.tuning.available = tuning.transponder() != nullptr;
    now.tuning.stepHz = tuning.step();
    now.tuning.downlinkHz = tuning.downlink();
    return now;
}

QString StationRemote::windowHolds() const
{
    if (QApplication::activeModalWidget())
        return QCoreApplication::translate("Remote",
                                           "Une fenêtre de dialogue est ouverte à la station : elle a la main.");
    if (links_.manualPointingOpen())
        return QCoreApplication::translate(
            "Remote", "La fenêtre de poursuite manuelle est ouverte à la station : elle a la main.");
    return {};
}

QString StationRemote::setSwitches(std::optional<bool> rotor, std::optional<bool> doppler,
                                   std::optional<bool> receiver)
{
    // The window's own buttons: their click runs what an operator's does.
    if (rotor)
        links_.window.clickSwitch(MainWindow::Switch::RotorTracking, *rotor);
    if (doppler)
        links_.window.clickSwitch(MainWindow::Switch::DopplerCorrection, *doppler);
    if (receiver)
        links_.window.clickSwitch(MainWindow::Switch::ReceiverProgramming, *receiver);
    return {};
}

QString StationRemote::point(double azimuthDeg, double elevationDeg)
{
    if (!links_.rotor())
        return QCoreApplication::translate("Remote", "Aucun rotor n'est choisi à la station.");
    // The tick would take the rotor back at once.
    links_.window.clickSwitch(MainWindow::Switch::RotorTracking, false);
    links_.pointing.azimutChanged(formatFixed(azimuthDeg, 1));
    links_.pointing.siteChanged(formatFixed(elevationDeg, 1));
    return {};
}

QString StationRemote::park()
{
    Rotor *rotor = links_.rotor();
    if (!rotor)
        return QCoreApplication::translate("Remote", "Aucun rotor n'est choisi à la station.");
    links_.window.clickSwitch(MainWindow::Switch::RotorTracking, false);
    const auto [azimuth, elevation] = links_.parkPosition();
    rotor->park(azimuth, elevation);
    return {};
}

QString StationRemote::tune(std::optional<int> stepHz, std::optional<int> steps)
{
    if (!links_.panel.tuning().transponder())
        return QCoreApplication::translate("Remote", "Aucun transpondeur n'est choisi pour le satellite suivi.");
    if (stepHz)
        links_.panel.chooseStep(*stepHz);
    if (steps && *steps != 0)
        links_.panel.tuneBy(*steps);
    return {};
}

QString StationRemote::stopAll()
{
    setSwitches(false, false, false);
    return {};
}

} // namespace orvanta
