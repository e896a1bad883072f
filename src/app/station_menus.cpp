#include "app/station_menus.h"

#include "app/main_window.h"
#include "app/revision_history.h"
#include "app/station_platform.h"
#include "config/configuration.h"
#include "config/device_menus.h"
#include "config/language_menu.h"
#include "config/observateur_window.h"
#include "config/parametres_window.h"
#include "config/peripheriques_window.h"
#include "data/ajout_frequence_window.h"
#include "data/element_file_list.h"
#include "data/frequences_sat_window.h"
#include "data/horizon_window.h"
#include "data/station_folder.h"
#include "platform/help_viewer.h"
#include "platform/message_boxes.h"
#include "receiver/ar5000_window.h"
#include "rotor/calibration_window.h"
#include "tracking/hamlib_menus.h"
#include "tracking/rotor_menus.h"
#include "tracking/station_drivers.h"
#include "tracking/tracking_work.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace orvanta {

namespace {

const QString kManualFile = QStringLiteral("Orvanta.html");

} // namespace

StationMenus::StationMenus(Links links)
    : links_(std::move(links)),
      observer_(links_.config, links_.platform.store, links_.platform.messages, links_.observerChanged),
      acquisition_(links_.config, links_.platform.store, links_.platform.messages, links_.observerChanged),
      calibration_(links_.config, links_.devices.fodtrack, links_.tracking.sharedTimer(), links_.platform.store,
                   links_.platform.messages),
      panelWindow_(new AR5000Window(links_.devices.panel, links_.platform.messages, &links_.window)),
      frequencyEditor_(new FrequencesSatWindow(links_.platform.stationFolder, links_.tracking.sharedTimer(),
                                               links_.platform.messages, links_.tracking.frequencyReport(),
                                               &links_.window)),
      addFrequency_(new AjoutFrequenceWindow(links_.platform.stationFolder, links_.tracking.sharedTimer(),
                                             links_.platform.messages, links_.tracking.frequencyReport(),
                                             &links_.window)),
      observateur_(new ObservateurWindow(observer_, &links_.window)),
      horizon_(new HorizonWindow(links_.platform.stationFolder, &links_.window)),
      parametres_(new ParametresWindow(acquisition_, &links_.window)),
      calibrationWindow_(new CalibrationWindow(calibration_, &links_.window))
{
    MainWindow &window = links_.window;
    QObject::connect(&window, &MainWindow::rxClicked, &window, [this] {
        panelWindow_->show();
        panelWindow_->raise();
    });
    connectMenus();
    QObject::connect(observateur_, &ObservateurWindow::horizonRequested, horizon_, &HorizonWindow::ouvrir);
    QObject::connect(horizon_, &HorizonWindow::saved, &window, [this] {
        if (links_.horizonChanged)
            links_.horizonChanged();
    });
    if (links_.platform.deviceSetup)
        peripheriques_ = new PeripheriquesWindow(*links_.platform.deviceSetup, &window);
    const MainMenus &menus = window.menus();
    new HamlibMenus(window, menus.devices, links_.config, links_.platform.store, links_.devices.hamlibReceiver,
                    links_.devices.hamlibRotor, [this] {
                        links_.window.showTitle(titleCaption(links_.config));
                        links_.tracking.refreshReadings();
                    });
    new DeviceMenus(window, menus.devices, links_.config, links_.platform.receiverLine, links_.platform.rotorLine, window,
                    DeviceMenuOpeners{[this] { observateur_->ouvrir(); }, [this] { parametres_->ouvrir(); },
                                      [this] { frequencyEditor_->ouvrir(); }, [this] { calibrationWindow_->ouvrir(); },
                                      [this] {
                                          if (peripheriques_)
                                              peripheriques_->ouvrir();
                                      }});
    rotorMenus_ = new RotorMenus(window, menus.devices, links_.platform.store, links_.config, links_.devices.gs232Rotor,
                                 [this] { return links_.tracking.cycle().rotorSteering().measuredSpeeds(); });
    connectLanguageMenu(window, menus.french, menus.english, links_.platform.store, links_.platform.messages);
}

void StationMenus::connectMenus()
{
    MainWindow &window = links_.window;
    const StationPlatform &platform = links_.platform;
    const MainMenus &menus = window.menus();
    const auto onMenu = [&window](QAction *action, auto handler) {
        QObject::connect(action, &QAction::triggered, &window, handler);
    };
    onMenu(menus.elementSources, [&platform] { showElementSources(platform.messages); });
    onMenu(menus.elementUpdate, [this] { links_.openElementUpdate(); });
    onMenu(menus.history, [&platform] { platform.messages.information(Historique()); });
    onMenu(menus.about, [&platform] { platform.messages.information(aboutText()); });
    onMenu(menus.sky, [&window](bool checked) { window.showSky(checked); });
    onMenu(menus.manual, [this] { links_.platform.help.show(manualFile()); });
    onMenu(menus.map, [this] { links_.openMap(); });
}

void StationMenus::proposeFrequency(const QString &name)
{
    if (!name.isNull())
        addFrequency_->proposeFor(name);
}

RotorSteering::Settings StationMenus::rotorSteering() const
{
    return rotorMenus_->steering();
}

void StationMenus::configurationRead()
{
    links_.window.menus().devices.calibration->setEnabled(true);
}

// The station folder's own manual, else the one installed with the program.
QString StationMenus::manualFile() const
{
    const QString own = QDir(links_.platform.stationFolder).filePath(kManualFile);
    if (QFileInfo::exists(own))
        return own;
    const QString installed = QDir(installedDemoFolder(QCoreApplication::applicationDirPath())).filePath(kManualFile);
    return QFileInfo::exists(installed) ? installed : own;
}

} // namespace orvanta
