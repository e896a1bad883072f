#include "app/station.h"

#include "app/version.h"
#include "config/configuration.h"
#include "data/horizon_file.h"
#include "orbit/utc_time.h"
#include "platform/settings_store.h"

#include <QCoreApplication>
#include <QStatusBar>
#include <QTimer>

namespace orvanta {

Station::Station(StationPlatform platform)
    : platform_(std::move(platform)),
      notices_(platform_.messages),
      devices_(DeviceLines{platform_.receiverLine, platform_.rotorLine, platform_.parallelPort, platform_.waiter,
                           notices_},
               config_),
      component_({config_, platform_.stationFolder, tracking_, [this] { sky_.componentReplaced(); map_.clear(); }}),
      tracking_(TrackingWork::Links{config_, devices_, window_, window_, window_.timer1(), window_.timer2(),
                                    platform_.store, platform_.messages, platform_.clock, platform_.sound, notices_,
                                    platform_.stationFolder, [this] { return component_.get(); }}),
      transponders_({window_, window_.menus().transponders, platform_.store, notices_, platform_.clock,
                     platform_.stationFolder, [this] { return component_.get(); },
                     [this] { return tracking_.programmedReceiver(); }},
                    devices_.ar5000Radio, devices_.ft847, devices_.ft847Radio, devices_.hamlibReceiver),
      map_(&window_),
      elements_({window_, platform_.messages, platform_.clock, platform_.stationFolder,
                 [this] { componentBuild_.start(component_.source()); }, [this] { transponders_.tableChanged(); },
                 platform_.store, window_.menus().elements, [this] { return tracking_.nextAcquisition(); },
                 [this](const QString &text) { window_.statusBar()->showMessage(text); }}),
      menus_({window_, platform_, config_, devices_, tracking_, [this] { component_.build(); },
              [this] { elements_.openUpdate(); }, [this] { map_.open(component_.get()); },
              [this] { loadHorizon(false); }}),
      passes_({window_, window_.menus().help, platform_.messages, platform_.clock, config_, platform_.stationFolder, tracking_.cycle(),
                tracking_.banks(), [this] { return component_.get(); },
                [this](long number) { return tracking_.lookUpFrequency(number).megahertz; },
                [this] { return devices_.rotorRange(); },
                [this] { return menus_.rotorSteering().speeds.azimuthDegPerS; }, [this] { return sky_.lastTickOle(); },
                [this](long number) { tracking_.chooseToFollow(number); }}),
      alarms_(new AlarmWork(
          AlarmWork::Links{window_, window_.menus().configuration, window_.alarmBanner(), platform_.store, platform_.messages, platform_.clock, platform_.sound,
                           platform_.stationFolder, [this](const QString &text) { notices_.later(text); },
                           [this] { return tracking_.selectedSatellites(); }},
          platform_.notificationBus ? *platform_.notificationBus : QDBusConnection::sessionBus()))
{
    devices_.registerDevices(transponders_.ar5000Receiver(), transponders_.ft847Receiver(), transponders_.hamlibReceiver());
    window_.setSkyView(sky_.view());
    tracking_.cycle().ticked = [this](const TickOutcome &outcome) { ticked(outcome); };
    tracking_.setRotorSettings([this] { return menus_.rotorSteering(); });
    elements_.statusesReplaced = [this] { tracking_.loadStatuses(); };
    transponders_.statusesImported = [this] { tracking_.loadStatuses(); };
    map_.chosen = [this](const QString &name) { passes_.openSatellite(name); };
    QObject::connect(sky_.view(), &SkyView::satelliteClicked, &window_, [this](long number) { tracking_.chooseToFollow(number); });
    connectWindow();
    remote_ = std::make_unique<StationRemote>(StationRemote::Links{
        window_, platform_.store, platform_.remoteListen, tracking_.cycle(), tracking_.pointing(),
        [this] { return tracking_.manualPointing().has_value(); }, transponders_.panel(), *sky_.view(),
        [this] { return devices_.rotor(); },
        [this] { return std::pair<double, double>{config_.Park_Azimut, config_.Park_Site}; },
        [this] { return devices_.hamlibRotorReading(); }, [this] { return devices_.hamlibRadioHertz(); }});
}

Station::~Station() = default;

void Station::connectWindow()
{
    TrackingCycle &cycle = tracking_.cycle();
    SatelliteBanks &banks = tracking_.banks();
    const auto on = [this](auto signal, auto slot) { QObject::connect(&window_, signal, &window_, slot); };
    on(&MainWindow::closeRequested, [this] { shutdown(); });
    on(&MainWindow::bankClicked, [this](int bank) { tracking_.bankClicked(bank); });
    on(&MainWindow::enregistrerClicked, [this, &banks] { banks.Enregistrer_Click(window_.chosenBank()); });
    on(&MainWindow::listeSatDoubleClicked, [this, &banks](int row) { menus_.proposeFrequency(banks.selectFromList(row)); });
    on(&MainWindow::satSelectDoubleClicked, [&banks](int row) { banks.unselect(row); });
    on(&MainWindow::trackingSwitched, [&cycle](bool on) { cycle.setRotorTracking(on); });
    on(&MainWindow::dopplerSwitched, [&cycle](bool on) { cycle.setDopplerCorrection(on); });
    on(&MainWindow::progRxSwitched, [&cycle](bool on) { cycle.setReceiverProgramming(on); });
    on(&MainWindow::passLineDoubleClicked, [this](const QString &line) { passes_.openLine(line); });
    on(&MainWindow::followLineRequested, [this](const QString &line) { tracking_.chooseToFollowLine(line); });
    on(&MainWindow::automaticFollowClicked, [this] { tracking_.followAutomatically(); });
    on(&MainWindow::pourManClicked, [this] { tracking_.openManualPointing(); });
}

// What follows the tick: the sky view, the map, the transponders, the
// Hamlib readings (another device may have been chosen) and the alarms.
void Station::ticked(const TickOutcome &outcome)
{
    sky_.ticked(outcome, component_.get(), config_.Elev_Min, tracking_.manualPointing(), tracking_.cycle().board());
    map_.ticked(component_.get(), {orbit::julianFromOle(outcome.nowOle), tracking_.banks().Sat_Select(),
                                   outcome.tracked, outcome.awaited, {config_.Lat_Obs, config_.Long_Obs}});
    transponders_.followed(outcome.tracked, outcome.trackedCatalogNumber());
    tracking_.refreshReadings();
    alarms_->predicted(tracking_.cycle().board(), component_.get());
    remote_->ticked(outcome);
}

void Station::start()
{
    // What it finds wrong is told after the first tick.
    ConfigContext context{platform_.store, window_, platform_.receiverLine, platform_.rotorLine, &notices_};
    Charge_Config(config_, context);
    tracking_.clock().Lire_Heure_UTC();
    devices_.fodtrack.recomputeScaleFactors();
    component_.build();
    tracking_.loadStatuses();
    tracking_.loadBanks();
    menus_.configurationRead();
    tracking_.reportFrequencyFileLater();
    elements_.readList();
    loadHorizon();

    window_.setWindowTitle(QStringLiteral("Orvanta ") + Version());
    // Shown before the devices are reached, so what they report sits on it.
    window_.show();
    window_.centre();

    // The passes show at once, and a box shown from here on lets the timers run.
    window_.timer2().start();
    window_.timer1().start();
    tracking_.tick();
    remote_->work().start(); // after the first tick: the first page shows the passes

    elements_.checkAge();
    elements_.startAutomaticUpdate();
    devices_.openLines();
    devices_.parkParallelRotor();
}

void Station::loadHorizon(bool tellProblems)
{
    const HorizonFile horizon = readHorizon(platform_.stationFolder);
    tracking_.setHorizon(horizon.mask);
    sky_.setHorizon(horizon.mask);
    passes_.setHorizon(horizon.mask);
    map_.setHorizon(horizon.mask);
    alarms_->setHorizon(horizon.mask);
    if (tellProblems && !horizon.problems.isEmpty())
        notices_.later(horizon.problems.join(u'\n'));
}

void Station::shutdown()
{
    if (phase_ != Phase::Running)
        return;
    phase_ = Phase::Closing;
    remote_->work().server().stop(); // nobody acts from afar while the station ends
    tracking_.closing();
    // A tick between the park and the release would point the antenna again.
    window_.timer1().stop();
    alarms_->stop();
    Sauve_Config(config_, platform_.store);
    window_.showTitle(QCoreApplication::translate("Station", "Parkage"));
    devices_.offerPark();
    devices_.endRemoteControl();
    window_.timer2().stop();
    devices_.closeLines();
    component_.end();
    phase_ = Phase::Ended;
    tracking_.stop();
    elements_.stop();
    notices_.stop();
    window_.hide();
    QCoreApplication::quit();
}

} // namespace orvanta
