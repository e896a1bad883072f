#include "app/station.h"

#include "app/pass_details_window.h"
#include "app/revision_history.h"
#include "app/station_folder.h"
#include "config/configuration.h"
#include "data/element_age.h"
#include "data/element_file_list.h"
#include "data/element_update.h"
#include "data/element_update_window.h"
#include "data/frequency_loader.h"
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
#include <QTimer>

#include <algorithm>

namespace orvanta {

namespace {

// A period below a second would keep the station computing without pause.
constexpr double kShortestPeriodSeconds = 1.0;
constexpr int kProblemsShown = 8;
const QString kManualFile = QStringLiteral("Orvanta.html");

QString problemsMessage(const std::vector<orbit::ElementFileProblem> &problems)
{
    QStringList lines{QStringLiteral("Des elements orbitaux n'ont pas pu etre lus :")};
    const int shown = std::min<int>(int(problems.size()), kProblemsShown);
    for (int i = 0; i < shown; ++i) {
        const auto &problem = problems[std::size_t(i)];
        const QString file = QDir(QString::fromStdString(problem.file)).dirName();
        const QString place = QString::fromStdString(orbit::problemPlace(problem));
        lines << (place.isEmpty() ? file : file + QStringLiteral(", ") + place) + QStringLiteral(" : ") +
                     QString::fromStdString(problem.reason);
    }
    if (int(problems.size()) > shown)
        lines << QStringLiteral("... et %1 autres.").arg(int(problems.size()) - shown);
    return lines.join(QStringLiteral("\r\n"));
}

} // namespace

Station::Station(StationPlatform platform)
    : platform_(std::move(platform)),
      hamlibReceiver_(platform_.messages),
      hamlibRotor_(platform_.messages),
      clock_(platform_.clock,
             [this](const QString &control, const QString &text) { window_.setControlText(control, text); }),
      frequencyReport_(platform_.messages),
      fodtrack_(platform_.parallelPort, platform_.waiter, config_),
      gs232_(platform_.rotorLine, platform_.messages),
      panel_(platform_.receiverLine, receiverQueue_,
             [this] { return config_.Recepteur == QLatin1String("AR5000"); }),
      ar5000_(platform_.receiverLine, platform_.waiter, panel_, platform_.messages, receiverQueue_),
      ft847_(platform_.receiverLine, platform_.waiter, platform_.messages, receiverQueue_),
      fodtrackRotor_(fodtrack_, platform_.waiter),
      gs232Rotor_(gs232_),
      ar5000Radio_(ar5000_),
      ft847Radio_(ft847_),
      timer1_(window_.timer1()),
      sharedTimer_(timer1_),
      panelWindow_(new AR5000(panel_, platform_.messages, &window_)),
      frequencyEditor_(new Frequences_Sat(platform_.stationFolder, sharedTimer_, platform_.messages, frequencyReport_,
                                          &window_)),
      addFrequency_(new Ajout_Frequence(platform_.stationFolder, sharedTimer_, platform_.messages, frequencyReport_,
                                        &window_)),
      observer_(config_, platform_.store, platform_.messages, [this] { Init_Satellites(); }),
      observateur_(new Observateur(observer_, &window_)),
      acquisition_(config_, platform_.store, platform_.messages, [this] { Init_Satellites(); }),
      parametres_(new Parametres(acquisition_, &window_)),
      calibration_(config_, fodtrack_, sharedTimer_, platform_.store, platform_.messages),
      calibrationWindow_(new Calibration(calibration_, &window_)),
      pointing_([this] { return devices_.rotor(config_.Interface_Rotor); }, platform_.messages),
      poursuiteMan_(new Poursuite_Man(pointing_, &window_)),
      banks_(platform_.store, config_),
      sky_(new SkyView),
      tracking_(TrackingCycle::Links{
          config_, clock_, devices_, platform_.sound, window_, platform_.stationFolder,
          [this] { return component_.get(); },
          [this](const QString &name) { return lookUpFrequency(name); },
          [this](const QString &text) { notifyLater(text); },
          [this] { return predictionsBlocked(); }})
{
    devices_.addRotor(QStringLiteral("Fodtrack"), fodtrackRotor_);
    devices_.addRotor(QStringLiteral("GS232"), gs232Rotor_);
    devices_.addReceiver(QStringLiteral("AR5000"), ar5000Radio_);
    devices_.addReceiver(QStringLiteral("FT847"), transponders_.ft847Receiver());
    devices_.addRotor(kHamlibDeviceName, hamlibRotor_);
    devices_.addReceiver(kHamlibDeviceName, hamlibReceiver_);
    banks_.changed = [this] {
        window_.showSatelliteLists(banks_.ListeSat(), banks_.Sat_Select(), [this](const QString &name) {
            return component_ ? component_->catalogNumber(name.toStdString()) : 0L;
        });
    };
    window_.setSkyView(sky_);
    tracking_.ticked = [this](const TickOutcome &outcome) {
        showSky(outcome);
        transponders_.followed(outcome.tracked, component_ && !outcome.tracked.isEmpty()
                                                    ? component_->catalogNumber(outcome.tracked.toStdString())
                                                    : 0L);
    };
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
    QObject::connect(&window_, &MainWindow::trackingClicked, &window_,
                     [this] { tracking_.state.Tracking_Actif = window_.checkedOption(QStringLiteral("Tracking")) == 2; });
    QObject::connect(&window_, &MainWindow::dopplerClicked, &window_,
                     [this] { tracking_.state.Doppler_Actif = window_.checkedOption(QStringLiteral("Doppler")) == 1; });
    QObject::connect(&window_, &MainWindow::progRxClicked, &window_, [this] { progRxClicked(); });
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
}

void Station::connectDialogs()
{
    if (platform_.deviceSetup)
        peripheriques_ = new Peripheriques(*platform_.deviceSetup, &window_);
    hamlibMenus_ = new HamlibMenus(window_, config_, platform_.store, hamlibReceiver_, hamlibRotor_, [this] {
        window_.setControlText(QStringLiteral("Titre"), titleCaption(config_));
    });
    new DeviceMenus(window_, config_, platform_.receiverLine, platform_.rotorLine, window_,
                    DeviceMenuOpeners{[this] { observateur_->ouvrir(); }, [this] { parametres_->ouvrir(); },
                                      [this] { frequencyEditor_->ouvrir(); }, [this] { calibrationWindow_->ouvrir(); },
                                      [this] {
                                          if (peripheriques_)
                                              peripheriques_->ouvrir();
                                      }});
    QObject::connect(&window_, &MainWindow::pourManClicked, &window_, [this] { poursuiteMan_->ouvrir(); });
    QObject::connect(poursuiteMan_, &Poursuite_Man::pointageManuelChanged, &window_,
                     [this](bool manual) { tracking_.state.Pointage_Manuel = manual; });
    tracking_.showManualPosition = [this](const QString &azimut, const QString &site) {
        poursuiteMan_->setPosition(azimut, site);
    };
}

void Station::tick()
{
    const bool nested = tracking_.running(); // the tick skips itself
    tracking_.Tick(banks_.Sat_Select());
    if (!nested)
        warnFarFromEpoch(clock_.Maintenant_UTC());
}

// Elements far from the instant predicted put a satellite far from where it
// is said to be: named once, not at every tick.
void Station::warnFarFromEpoch(const QDateTime &instant)
{
    if (!component_ || !instant.isValid())
        return;
    std::vector<std::string> names;
    for (const QString &name : banks_.Sat_Select())
        if (!warnedFarFromEpoch_.contains(name))
            names.push_back(name.toStdString());
    if (names.empty())
        return;
    const QDate date = instant.date();
    const QTime time = instant.time();
    const orbit::JulianDate when =
        orbit::julianFromCalendar({date.year(), date.month(), date.day(), time.hour(), time.minute(), double(time.second())});
    QStringList far;
    for (const std::string &name : component_->farFromEpoch(names, when))
        far << QString::fromStdString(name);
    if (far.isEmpty())
        return;
    warnedFarFromEpoch_ << far;
    notifyLater(QStringLiteral("Les elements de ces satellites datent de plus de 30 jours avant ou apres l'heure "
                               "des predictions, leurs positions sont peu sures : %1.\r\nMettez a jour les fichiers "
                               "d'elements (menu Elements).")
                    .arg(far.join(QStringLiteral(", "))));
}

void Station::showSky(const TickOutcome &outcome)
{
    if (outcome.rotorCommand)
        lastRotor_ = SkyPoint{outcome.rotorCommand->first, outcome.rotorCommand->second};
    lastTickOle_ = outcome.nowOle;
    if (!component_)
        return;
    SkyTick tick;
    tick.nowOle = outcome.nowOle;
    tick.minElevationDeg = config_.Elev_Min;
    tick.trackedLine = outcome.trackedLine;
    tick.trackedLook = outcome.look;
    tick.trackedDownlinkMHz = outcome.frequencyMHz;
    tick.awaitedLine = outcome.awaitedLine;
    tick.rotor = lastRotor_;
    if (tracking_.state.Pointage_Manuel) {
        const auto az = parseNumber(pointing_.Az_Man());
        const auto el = parseNumber(pointing_.Si_Man());
        if (az && el)
            tick.manual = SkyPoint{*az, *el};
    }
    sky_->setScene(skyFeed_.scene(*component_, tick));
}

void Station::openPassDetails(const QString &line)
{
    if (!component_ || lastTickOle_ == 0)
        return;
    const FrequencyFound found = lookUpFrequency(Extrait_Nom_Sat(line));
    if (!orvanta::openPassDetails(*component_, line.toStdString(), lastTickOle_, config_.Elev_Min, found.megahertz,
                                  &window_))
        platform_.messages.information(QStringLiteral("Ce passage est termine."));
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
    ConfigContext context{platform_.store, window_, platform_.receiverLine, platform_.rotorLine, &platform_.messages};
    Charge_Config(config_, context);
    clock_.Lire_Heure_UTC();
    fodtrack_.recomputeScaleFactors();
    Init_Satellites();

    banks_.Charge_ListeSat(satelliteNames());
    banks_.Charge_Banque(1);

    tracking_.state.Prog_RX_Actif = false;
    tracking_.state.Nouveau_Sat = true;
    tracking_.state.Sat_Suivi = true;
    tracking_.state.Pointage_Manuel = false;
    if (auto *calibration = window_.findChild<QAction *>(QStringLiteral("Mnu_Calibration")))
        calibration->setEnabled(true);

    reportFrequencyFileLater();
    elementFiles_ = readElementFileList(platform_.stationFolder);
    checkElementFiles();

    window_.setWindowTitle(QStringLiteral("Orvanta ") + Version());
    // Shown before the devices are reached, so what they report sits on it.
    window_.show();
    window_.centre();
    openLines();

    fodtrack_.Valeur_Brute = false;
    fodtrack_.Fodtrack_Azimut(config_.Park_Azimut, fodtrack_.Valeur_Brute);
    fodtrack_.Fodtrack_Site(config_.Park_Site, fodtrack_.Valeur_Brute);

    window_.timer2().start();
    window_.timer1().start();
    // The passes show at once rather than one period after start-up.
    QTimer::singleShot(0, &window_, [this] { tick(); });
}

void Station::Init_Satellites()
{
    skyFeed_.clear();
    component_ = orbit::Init_Satellites(platform_.stationFolder.toStdString(), config_.Lat_Obs, config_.Long_Obs,
                                        config_.Alt_Obs);
    const double period = std::max<double>(config_.Repetition, kShortestPeriodSeconds);
    window_.timer1().setInterval(int(period * 1000.0));

    predictionNotice_.clear();
    warnedFarFromEpoch_.clear();
    if (!component_->observerValid()) {
        QStringList refusals;
        for (const std::string &refusal : component_->observerRefusals())
            refusals << QString::fromStdString(refusal);
        predictionNotice_ = QStringLiteral("Aucune prediction : position de l'observateur refusee (%1)")
                                .arg(refusals.join(QStringLiteral(", ")));
        notifyLater(QStringLiteral("La position de l'observateur est refusee : %1.\r\nAucune prediction n'est faite "
                                   "tant qu'elle n'est pas corrigee (menu Configuration, Observateur).")
                        .arg(refusals.join(QStringLiteral(", "))));
    }
    if (component_->satcount() == 0) {
        notifyLater(QStringLiteral("Aucun satellite n'a pu etre lu : le dossier %1 ne contient aucun fichier "
                                   "d'elements (*.txt, *.csv, *.json, *.xml) lisible. Les listes restent vides.")
                        .arg(QDir::toNativeSeparators(platform_.stationFolder)));
    } else if (!component_->problems().empty()) {
        notifyLater(problemsMessage(component_->problems()));
    }
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
    auto *update = new Mise_A_Jour_Elements(platform_.stationFolder, &window_);
    update->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(update, &Mise_A_Jour_Elements::finished, &window_,
                     [this](const QStringList &files) { elementsReplaced(files); });
    update->show();
    update->start();
}

// New elements: a new component, the lists rebuilt around the selection.
void Station::elementsReplaced(const QStringList &files)
{
    if (files.isEmpty() || ended_)
        return;
    const QStringList before = satelliteNames();
    Init_Satellites();
    const QStringList after = satelliteNames();
    banks_.keepSelection(after);
    const QString gone = disappearedSatellitesMessage(before, after);
    if (!gone.isEmpty())
        notifyLater(gone);
}

void Station::openLines()
{
    platform_.receiverLine.setPortOpen(true);
    if (config_.Interface_Rotor == QLatin1String("GS232"))
        platform_.rotorLine.setPortOpen(true);
}

void Station::shutdown()
{
    if (closing_ || ended_)
        return;
    closing_ = true;
    // A tick between the park and the release would point the antenna again.
    window_.timer1().stop();
    Sauve_Config(config_, platform_.store);
    window_.setControlText(QStringLiteral("Titre"), QStringLiteral("Parkage"));
    if (platform_.messages.question(QStringLiteral("Voulez vous parquer les antennes?"), QStringLiteral("Parkage"))) {
        if (Rotor *rotor = devices_.rotor(config_.Interface_Rotor))
            rotor->park(config_.Park_Azimut, config_.Park_Site);
    }
    if (Receiver *receiver = devices_.receiver(config_.Recepteur))
        receiver->endRemoteControl();
    window_.timer2().stop();
    platform_.receiverLine.setPortOpen(false);
    if (platform_.rotorLine.PortOpen())
        platform_.rotorLine.setPortOpen(false);
    component_.reset();
    ended_ = true;
    window_.hide();
    QCoreApplication::quit();
}

void Station::bankClicked(int bank)
{
    for (const char *control : {"Sat_Sel", "Freq_Sel", "Azimut_Sel", "Site_Sel"})
        window_.setControlText(QLatin1String(control), {});
    banks_.Bank_Click(bank, satelliteNames());
    tracking_.state.Nouveau_Sat = true;
    tracking_.state.Sat_Suivi = true;
}

void Station::listeSatDoubleClicked(int row)
{
    const QString name = banks_.selectFromList(row);
    if (!name.isNull())
        addFrequency_->proposeFor(name);
}

void Station::progRxClicked()
{
    if (window_.checkedOption(QStringLiteral("Prog_RX")) == 1) {
        tracking_.state.Prog_RX_Actif = false;
        if (Receiver *receiver = devices_.receiver(config_.Recepteur))
            receiver->endRemoteControl();
        tracking_.state.Nouveau_Sat = false;
    } else {
        tracking_.state.Prog_RX_Actif = true;
        tracking_.state.Nouveau_Sat = true;
    }
}

void Station::notifyLater(const QString &text)
{
    QTimer::singleShot(0, &window_, [this, text] {
        if (!ended_)
            platform_.messages.information(text);
    });
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

QString Station::predictionsBlocked() const
{
    return predictionNotice_;
}

} // namespace orvanta
