#include "passes/pass_work.h"

#include "config/config_station.h"
#include "orbit/pass_list.h"
#include "orbit/utc_time.h"
#include "passes/pass_details_window.h"
#include "passes/pass_planner.h"
#include "passes/planning_window.h"
#include "platform/message_boxes.h"
#include "platform/utc_clock.h"
#include "tracking/satellite_banks.h"
#include "tracking/station_clock.h"
#include "tracking/tracking_cycle.h"

#include <QCoreApplication>
#include <QMainWindow>

namespace orvanta {

PassWork::PassWork(Links links) : links_(std::move(links))
{
    auto *planner = new PassPlanner(
        [this] {
            const ConfigStation &config = links_.config;
            return ScheduleRequest{links_.folder,      config.Lat_Obs,     config.Long_Obs,
                                   config.Alt_Obs,     links_.banks.Sat_Select(), config.Elev_Min,
                                   config.Passage_Min, julianToTheSecond(links_.clock.nowUtc()), horizon_};
        },
        &links_.window);
    addPlanningMenu(links_.window, links_.menusBefore, *new PlanningWindow(*planner, links_.messages, &links_.window));
}

void PassWork::openLine(const QString &line)
{
    if (!links_.component() || links_.lastTickOle() == 0)
        return;
    if (const auto pass = links_.tracking.passOnLine(line))
        open(*pass);
    else
        links_.messages.information(QCoreApplication::translate("PassDetails", "Ce passage est termine."));
}

void PassWork::openSatellite(const QString &name)
{
    const double lastTickOle = links_.lastTickOle();
    orbit::Satellites *component = links_.component();
    if (!component || lastTickOle == 0)
        return;
    orbit::PassBoard board;
    board.add(component->passes(name.toStdString(), orbit::julianFromOle(lastTickOle), 1, links_.config.Elev_Min, 0),
              orbit::wholeSecondsFromOle(lastTickOle));
    if (!board.visible().empty())
        open(board.visible().front().pass);
    else if (!board.coming().empty())
        open(board.coming().front().pass);
    else
        links_.messages.information(
            QCoreApplication::translate("PassDetails", "Aucun passage de %1 dans les prochaines 24 heures.").arg(name));
}

void PassWork::open(const orbit::PredictedPass &pass)
{
    PassDetailsWindow *window =
        openPassDetails(*links_.component(), pass, links_.config.Elev_Min, links_.downlinkMHz(pass.catalogNumber),
                        &links_.window, links_.component, links_.rotorRange(), horizon_, links_.config.Repetition,
                        links_.rotorAzimuthDegPerSecond());
    const orbit::JulianDate lastTick = orbit::julianFromOle(links_.lastTickOle());
    if (links_.follow && pass.aos.minutesSince(lastTick) < 0 && pass.los.minutesSince(lastTick) > 0)
        window->offerFollow([follow = links_.follow, number = pass.catalogNumber] { follow(number); });
}

} // namespace orvanta
