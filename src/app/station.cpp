#include "app/station.h"

#include "app/pass_details_window.h"
#include "app/pass_planner.h"
#include "app/planning_window.h"
#include "app/revision_history.h"
#include "app/rotor_menus.h"
#include "app/station_folder.h"
#include "config/configuration.h"
#include "data/horizon_file.h"
#include "data/horizon_window.h"
#include "data/element_age.h"
#include "data/element_file_list.h"
#include "data/element_update.h"
#include "data/element_update_window.h"
#include "data/transponder_download.h"
#include "data/frequency_loader.h"
#include "orbit/pass_list.h"
#include "orbit/utc_time.h"
#include "platform/help_viewer.h"
#include "platform/message_boxes.h"
#include "platform/serial_line.h"
#include "platform/settings_store.h"
#include "platform/text_numbers.h"
#include "platform/utc_clock.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStatusBar>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace orvanta {

namespace {

// A period below a second would keep the station computing without pause.
constexpr double kShortestPeriodSeconds = 1.0;
const QString kManualFile = QStringLiteral("Orvanta.html");

} // namespace

Station::Station(StationPlatform platform)
    : platform_(std::move(platform)),
      hamlibReceiver_(platform_.messages),
      hamlibRotor_(platform_.messages),
      clock_(platform_.clock,
             [this](const QString &control, const QString &text) { window_.setControlText(control, text); }),
      notices_(platform_.messages, window_),
      frequencyReport_(platform_.messages),
      fodtrack_(platform_.parallelPort, platform_.waiter, config_),
      gs232_(platform_.rotorLine, platform_.messages),
      panel_(platform_.receiverLine, receiverQueue_,
             [this] { return devices_.receiver(config_.Recepteur) == &transponders_.ar5000Receiver(); }),
      ar5000_(platform_.receiverLine, platform_.waiter, panel_, platform_.messages, receiverQueue_),
      ft847_(platform_.receiverLine, platform_.waiter, platform_.messages, receiverQueue_),
      fodtrackRotor_(fodtrack_, platform_.waiter),
      gs232Rotor_(gs232_),
      ar5000Radio_(ar5000_),
      ft847Radio_(ft847_),
      timer1_(window_.timer1()),
      sharedTimer_(timer1_),
      panelWindow_(new AR5000Window(panel_, platform_.messages, &window_)),
      frequencyEditor_(new FrequencesSatWindow(platform_.stationFolder, sharedTimer_, platform_.messages, frequencyReport_,
                                          &window_)),
      addFrequency_(new AjoutFrequenceWindow(platform_.stationFolder, sharedTimer_, platform_.messages, frequencyReport_,
                                        &window_)),
      observer_(config_, platform_.store, platform_.messages, [this] { Init_Satellites(); }),
      observateur_(new ObservateurWindow(observer_, &window_)),
      acquisition_(config_, platform_.store, platform_.messages, [this] { Init_Satellites(); }),
      parametres_(new ParametresWindow(acquisition_, &window_)),
      calibration_(config_, fodtrack_, sharedTimer_, platform_.store, platform_.messages),
      calibrationWindow_(new CalibrationWindow(calibration_, &window_)),
      pointing_([this] { return devices_.rotor(config_.Interface_Rotor); }, platform_.messages),
      poursuiteMan_(new PoursuiteManWindow(pointing_, &window_)),
      banks_(platform_.store, config_),
      predictionNotices_(notices_),
      skyView_(new SkyView),
      sky_(*skyView_),
      tracking_(TrackingCycle::Links{
          config_, clock_, devices_, platform_.sound, window_, platform_.stationFolder,
          [this] { return component_.get(); },
          [this](const QString &name) { return lookUpFrequency(name); },
          [this](const QString &text) { notices_.later(text); },
          [this] { return predictionNotices_.predictionsBlocked(); }}),
      readback_(DeviceReadback::Links{
          hamlibRotor_, hamlibReceiver_, [this] { return devices_.rotor(config_.Interface_Rotor) == &hamlibRotor_; },
          [this] { return devices_.receiver(config_.Recepteur) == &transponders_.hamlibReceiver(); },
          [this](const QString &control, const QString &text) { window_.showReadback(control, text); }})
{
    devices_.addRotor(QStringLiteral("Fodtrack"), fodtrackRotor_, RotorLink::ParallelPort);
    devices_.addRotor(QStringLiteral("GS232"), gs232Rotor_, RotorLink::RotorLine);
    devices_.addReceiver(QStringLiteral("AR5000"), transponders_.ar5000Receiver());
    devices_.addReceiver(QStringLiteral("FT847"), transponders_.ft847Receiver());
    devices_.addRotor(kHamlibDeviceName, hamlibRotor_);
    devices_.addReceiver(kHamlibDeviceName, transponders_.hamlibReceiver());
    banks_.changed = [this] {
        window_.showSatelliteLists(banks_.ListeSat(), banks_.Sat_Select(), [this](const QString &name) {
            return component_ ? component_->catalogNumber(name.toStdString()) : 0L;
        });
    };
    window_.setSkyView(skyView_);
    tracking_.ticked = [this](const TickOutcome &outcome) {
        sky_.ticked(outcome, component_.get(), config_.Elev_Min, manualPointing());
        map_.ticked(component_.get(), {orbit::julianFromOle(outcome.nowOle), banks_.Sat_Select(), outcome.tracked,
                                       outcome.awaited, {config_.Lat_Obs, config_.Long_Obs}});
        transponders_.followed(outcome.tracked, outcome.trackedPass ? outcome.trackedPass->catalogNumber : 0L);
        readback_.refresh(); // another device may have been chosen since the last reading
        alarms_->predicted(tracking_.board());
    };
    map_.chosen = [this](const QString &name) { openSatelliteDetails(name); };
    connectWindow();
    connectMenus();
    connectDialogs();
}

Station::~Station() = default;

void Station::connectWindow()
{
    QObject::connect(&window_.timer2(), &QTimer::timeout, &window_, [this] { clock_.Lire_Heure_UTC(); });
    QObject::connect(&window_.timer1(), &QTimer::timeout, &window_, [this] { tick(); });
    QObject::connect(&window_, &MainWindow::closeRequested, &window_, [this] { shutdown(); });
    QObject::connect(&window_, &MainWindow::bankClicked, &window_, [this](int bank) { bankClicked(bank); });
    QObject::connect(&window_, &MainWindow::enregistrerClicked, &window_,
                     [this] { banks_.Enregistrer_Click(window_.checkedOption(QStringLiteral("Bank"))); });
    QObject::connect(&window_, &MainWindow::listeSatDoubleClicked, &window_,
                     [this](int row) { listeSatDoubleClicked(row); });
    QObject::connect(&window_, &MainWindow::satSelectDoubleClicked, &window_, [this](int row) { banks_.unselect(row); });
    // Each switch reads its "Avec" button, whichever of the two was clicked.
    QObject::connect(&window_, &MainWindow::trackingClicked, &window_,
                     [this] { tracking_.setRotorTracking(window_.checkedOption(QStringLiteral("Tracking")) == 2); });
    QObject::connect(&window_, &MainWindow::dopplerClicked, &window_,
                     [this] { tracking_.setDopplerCorrection(window_.checkedOption(QStringLiteral("Doppler")) == 1); });
    QObject::connect(&window_, &MainWindow::progRxClicked, &window_, [this] {
        tracking_.setReceiverProgramming(window_.checkedOption(QStringLiteral("Prog_RX")) == 2);
    });
    QObject::connect(&window_, &MainWindow::passLineDoubleClicked, &window_,
                     [this](const QString &line) { openPassDetails(line); });
    QObject::connect(&window_, &MainWindow::rxClicked, &window_, [this] {
        panelWindow_->show();
        panelWindow_->raise();
    });
}

void Station::connectMenus()
{
    const auto onMenu = [this](const char *entry, auto handler) {
        if (auto *action = window_.findChild<QAction *>(QLatin1String(entry)))
            QObject::connect(action, &QAction::triggered, &window_, handler);
    };
    onMenu("Mnu_Element_Sources", [this] { showElementSources(platform_.messages); });
    onMenu("Mnu_Element_Mise_A_Jour", [this] { openElementUpdate(); });
    onMenu("Mnu_Historique", [this] { platform_.messages.information(Historique()); });
    onMenu("Mnu_A_Propos_De", [this] { platform_.messages.information(aboutText()); });
    onMenu("Mnu_Ciel", [this] { window_.findChild<QWidget *>(QStringLiteral("Ciel_Cadre"))->setVisible(
                                    window_.findChild<QAction *>(QStringLiteral("Mnu_Ciel"))->isChecked()); });
    onMenu("Mnu_Notice", [this] { platform_.help.show(manualFile()); });
    onMenu("Mnu_Carte", [this] { map_.open(component_.get()); });
}

void Station::connectDialogs()
{
    if (platform_.deviceSetup)
        peripheriques_ = new PeripheriquesWindow(*platform_.deviceSetup, &window_);
    hamlibMenus_ = new HamlibMenus(window_, config_, platform_.store, hamlibReceiver_, hamlibRotor_, [this] {
        window_.setControlText(QStringLiteral("Titre"), titleCaption(config_));
        readback_.refresh();
    });
    new DeviceMenus(window_, config_, platform_.receiverLine, platform_.rotorLine, window_,
                    DeviceMenuOpeners{[this] { observateur_->ouvrir(); }, [this] { parametres_->ouvrir(); },
                                      [this] { frequencyEditor_->ouvrir(); }, [this] { calibrationWindow_->ouvrir(); },
                                      [this] {
                                          if (peripheriques_)
                                              peripheriques_->ouvrir();
                                      }});
    auto *planner = new PassPlanner(
        [this] {
            return ScheduleRequest{platform_.stationFolder, config_.Lat_Obs, config_.Long_Obs, config_.Alt_Obs,
                                   banks_.Sat_Select(), config_.Elev_Min, config_.Passage_Min,
                                   julianToTheSecond(platform_.clock.nowUtc())};
        },
        &window_);
    addPlanningMenu(window_, *new PlanningWindow(*planner, platform_.messages, &window_));
    alarms_ = new AlarmWork(
        AlarmWork::Links{window_, platform_.store, platform_.messages, platform_.clock, platform_.sound,
                         platform_.stationFolder, [this](const QString &text) { notices_.later(text); },
                         [this] { return alarmSatellites(); }},
        platform_.notificationBus ? *platform_.notificationBus : QDBusConnection::sessionBus());
    autoUpdate_ = new AutoElementUpdate(AutoElementUpdate::Links{
        window_, platform_.store, platform_.stationFolder, [this] { return platform_.clock.nowUtc(); },
        [this]() -> std::optional<QDateTime> {
            const orbit::PassBoard &board = tracking_.board();
            const auto &passes = board.visible().empty() ? board.coming() : board.visible();
            if (passes.empty())
                return std::nullopt;
            const QDateTime origin(QDate(1899, 12, 30), QTime(0, 0), Qt::UTC);
            return origin.addSecs(std::llround(orbit::oleFromJulian(passes.front().pass.aos) * orbit::kSecondsPerDay));
        },
        [this](const QString &text) { window_.statusBar()->showMessage(text); },
        [this](const QStringList &files) { elementsReplaced(files); }});
    auto *horizon = new HorizonWindow(platform_.stationFolder, &window_);
    QObject::connect(observateur_, &ObservateurWindow::horizonRequested, horizon, &HorizonWindow::ouvrir);
    QObject::connect(horizon, &HorizonWindow::saved, &window_, [this] { loadHorizon(false); });
    auto *rotorMenus = new RotorMenus(window_, platform_.store, config_, gs232Rotor_);
    tracking_.rotorSettings = [rotorMenus] { return rotorMenus->steering(); };
    QObject::connect(&window_, &MainWindow::pourManClicked, &window_, [this] { poursuiteMan_->ouvrir(); });
    QObject::connect(poursuiteMan_, &PoursuiteManWindow::pointageManuelChanged, &window_,
                     [this](bool manual) { tracking_.setManualPointing(manual); });
    tracking_.showManualPosition = [this](const QString &azimut, const QString &site) {
        poursuiteMan_->setPosition(azimut, site);
    };
}

void Station::tick()
{
    const bool nested = tracking_.running(); // the tick skips itself
    tracking_.Tick(banks_.Sat_Select());
    if (!nested)
        predictionNotices_.checkEpochs(component_.get(), banks_.Sat_Select(), clock_.Maintenant_UTC());
}

void Station::openPassDetails(const QString &line)
{
    if (!component_ || sky_.lastTickOle() == 0)
        return;
    if (const auto pass = tracking_.passOnLine(line))
        openPassDetails(*pass);
    else
        platform_.messages.information(QStringLiteral("Ce passage est termine."));
}

void Station::openPassDetails(const orbit::PredictedPass &pass)
{
    const FrequencyFound found = lookUpFrequency(QString::fromStdString(pass.name));
    const Rotor *rotor = devices_.rotor(config_.Interface_Rotor);
    orvanta::openPassDetails(*component_, pass, config_.Elev_Min, found.megahertz, &window_,
                             [this] { return component_.get(); },
                             rotor ? std::optional(rotor->range()) : std::nullopt,
                             tracking_.rotorSteering().horizon());
}

// The satellite's pass in progress, or else its next one within a day.
void Station::openSatelliteDetails(const QString &name)
{
    const double lastTickOle = sky_.lastTickOle();
    if (!component_ || lastTickOle == 0)
        return;
    orbit::PassBoard board;
    board.add(component_->passes(name.toStdString(), orbit::julianFromOle(lastTickOle), 1, config_.Elev_Min, 0),
              orbit::wholeSecondsFromOle(lastTickOle));
    if (!board.visible().empty())
        openPassDetails(board.visible().front().pass);
    else if (!board.coming().empty())
        openPassDetails(board.coming().front().pass);
    else
        platform_.messages.information(QStringLiteral("Aucun passage de %1 dans les prochaines 24 heures.").arg(name));
}

// The station folder's own manual, else the one installed with the program.
QString Station::manualFile() const
{
    const QString own = QDir(platform_.stationFolder).filePath(kManualFile);
    if (QFileInfo::exists(own))
        return own;
    const QString installed = QDir(installedDemoFolder(QCoreApplication::applicationDirPath())).filePath(kManualFile);
    return QFileInfo::exists(installed) ? installed : own;
}

void Station::start()
{
    // What it finds wrong is told after the first tick.
    ConfigContext context{platform_.store, window_, platform_.receiverLine, platform_.rotorLine, &notices_};
    Charge_Config(config_, context);
    clock_.Lire_Heure_UTC();
    fodtrack_.recomputeScaleFactors();
    Init_Satellites();

    banks_.Charge_ListeSat(satelliteNames());
    banks_.Charge_Banque(1);

    if (auto *calibration = window_.findChild<QAction *>(QStringLiteral("Mnu_Calibration")))
        calibration->setEnabled(true);

    reportFrequencyFileLater();
    elementFiles_ = readElementFileList(platform_.stationFolder);
    loadHorizon();

    window_.setWindowTitle(QStringLiteral("Orvanta ") + Version());
    // Shown before the devices are reached, so what they report sits on it.
    window_.show();
    window_.centre();

    // The passes show at once, and a box shown from here on lets the timers run.
    window_.timer2().start();
    window_.timer1().start();
    tick();

    checkElementFiles();
    autoUpdate_->check();
    openLines();
    if (devices_.rotorLink(config_.Interface_Rotor) == RotorLink::ParallelPort) {
        fodtrack_.Valeur_Brute = false;
        fodtrack_.Fodtrack_Azimut(config_.Park_Azimut, fodtrack_.Valeur_Brute);
        fodtrack_.Fodtrack_Site(config_.Park_Site, fodtrack_.Valeur_Brute);
    }
}

// Horizon.cfg, read again whenever the operator changes it; what it holds
// wrong is said and the rest kept.
void Station::loadHorizon(bool tellProblems)
{
    const HorizonFile horizon = readHorizon(platform_.stationFolder);
    tracking_.rotorSteering().setHorizon(horizon.mask);
    sky_.setHorizon(horizon.mask);
    if (tellProblems && !horizon.problems.isEmpty())
        notices_.later(horizon.problems.join(u'\n'));
}

void Station::Init_Satellites()
{
    sky_.componentReplaced();
    map_.clear();
    component_ = orbit::Init_Satellites(platform_.stationFolder.toStdString(), config_.Lat_Obs, config_.Long_Obs,
                                        config_.Alt_Obs);
    const double period = std::max<double>(config_.Repetition, kShortestPeriodSeconds);
    window_.timer1().setInterval(int(period * 1000.0));

    predictionNotices_.componentBuilt(*component_, platform_.stationFolder);
}

// The satellites a rule of their own can be given for: the selection's.
std::vector<AlarmSatellite> Station::alarmSatellites() const
{
    std::vector<AlarmSatellite> satellites;
    if (component_) {
        for (const QString &name : banks_.Sat_Select())
            if (const long number = component_->catalogNumber(name.toStdString()))
                satellites.push_back({number, name});
    }
    return satellites;
}

QStringList Station::satelliteNames() const
{
    QStringList names;
    if (component_) {
        for (const std::string &name : component_->names())
            names << QString::fromStdString(name);
    }
    return names;
}

void Station::checkElementFiles()
{
    const QStringList stale = staleElementFiles(platform_.stationFolder, elementFiles_, platform_.clock.nowUtc());
    for (const QString &file : stale)
        platform_.messages.information(staleElementFileMessage(file));
    if (!stale.isEmpty() && !planElementUpdate(platform_.stationFolder).jobs.isEmpty()
        && platform_.messages.question(QStringLiteral("Mettre a jour les fichiers d'elements maintenant ?"),
                                       QStringLiteral("Orvanta")))
        openElementUpdate();
}

void Station::openElementUpdate()
{
    auto *update = new ElementUpdateWindow(platform_.stationFolder, &window_);
    update->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(update, &ElementUpdateWindow::finished, &window_,
                     [this](const QStringList &files) { elementsReplaced(files); });
    update->show();
    update->start();
}

// New elements: a new component, the lists rebuilt around the selection.
void Station::elementsReplaced(QStringList files)
{
    if (ended_)
        return;
    const auto transponderList = [](const QString &file) {
        return file.compare(transponderSourceName, Qt::CaseInsensitive) == 0;
    };
    if (files.removeIf(transponderList) > 0)
        transponders_.tableChanged();
    if (files.isEmpty())
        return;
    const QStringList before = satelliteNames();
    Init_Satellites();
    const QStringList after = satelliteNames();
    banks_.keepSelection(after);
    const QString gone = disappearedSatellitesMessage(before, after);
    if (!gone.isEmpty())
        notices_.later(gone);
}

void Station::openLines()
{
    if (receiverUsesLine(config_.Recepteur))
        platform_.receiverLine.setPortOpen(true);
    if (devices_.rotorLink(config_.Interface_Rotor) == RotorLink::RotorLine)
        platform_.rotorLine.setPortOpen(true);
}

void Station::shutdown()
{
    if (closing_ || ended_)
        return;
    closing_ = true;
    // A tick between the park and the release would point the antenna again.
    window_.timer1().stop();
    alarms_->stop();
    Sauve_Config(config_, platform_.store);
    window_.setControlText(QStringLiteral("Titre"), QStringLiteral("Parkage"));
    if (platform_.messages.question(QStringLiteral("Voulez vous parquer les antennes?"), QStringLiteral("Parkage"))) {
        if (Rotor *rotor = devices_.rotor(config_.Interface_Rotor))
            rotor->park(config_.Park_Azimut, config_.Park_Site);
    }
    if (Receiver *receiver = devices_.receiver(config_.Recepteur))
        receiver->endRemoteControl();
    window_.timer2().stop();
    // A close asked for during one of a sequence's pauses finds the release
    // queued behind it: the line closes once the release has gone out.
    receiverQueue_.run(ReceiverLineQueue::LineClosing, [this] {
        if (platform_.receiverLine.PortOpen())
            platform_.receiverLine.setPortOpen(false);
    });
    if (platform_.rotorLine.PortOpen())
        platform_.rotorLine.setPortOpen(false);
    component_.reset();
    ended_ = true;
    notices_.stop();
    window_.hide();
    QCoreApplication::quit();
}

void Station::bankClicked(int bank)
{
    tracking_.selectionChanged();
    banks_.Bank_Click(bank, satelliteNames());
}

void Station::listeSatDoubleClicked(int row)
{
    const QString name = banks_.selectFromList(row);
    if (!name.isNull())
        addFrequency_->proposeFor(name);
}

// The manual pointing, while its window holds the rotor.
std::optional<SkyPoint> Station::manualPointing() const
{
    if (!tracking_.state().Pointage_Manuel)
        return std::nullopt;
    const auto az = parseNumber(pointing_.Az_Man());
    const auto el = parseNumber(pointing_.Si_Man());
    if (az && el)
        return SkyPoint{*az, *el};
    return std::nullopt;
}

FrequencyFound Station::lookUpFrequency(const QString &name)
{
    FrequencyFound found;
    if (Cherche_Frequence(platform_.stationFolder, name, found.megahertz, found.mode) == FrequencyLookup::Damaged) {
        found.fileDamaged = true;
        reportFrequencyFileLater();
    }
    return found;
}

void Station::reportFrequencyFileLater()
{
    // Once per content of the file, after the tick rather than inside it.
    QTimer::singleShot(0, &window_, [this] {
        if (!ended_)
            frequencyReport_.check(platform_.stationFolder);
    });
}

} // namespace orvanta
