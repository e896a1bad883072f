#include "app/main_menus.h"

#include <QCoreApplication>
#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

namespace orvanta {

namespace {

QMenu *submenu(QWidget *parent, const char *name, const QString &caption)
{
    auto *menu = new QMenu(caption, parent);
    menu->setObjectName(QLatin1String(name));
    menu->menuAction()->setObjectName(QLatin1String(name));
    return menu;
}

QAction *entry(QMenu *menu, const char *name, const QString &caption)
{
    auto *action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    return action;
}

QAction *checkEntry(QMenu *menu, const char *name, const QString &caption, bool checked)
{
    auto *action = entry(menu, name, caption);
    action->setCheckable(true);
    action->setChecked(checked);
    return action;
}

// An entry that stands alone in the menu bar and acts on a click.
QAction *barEntry(QMenuBar &bar, const char *name, const QString &caption)
{
    auto *action = bar.addAction(caption);
    action->setObjectName(QLatin1String(name));
    return action;
}

} // namespace

MainMenus buildMainMenus(QMenuBar &bar)
{
    MainMenus menus;
    DeviceEntries &devices = menus.devices;
    TransponderEntries &transponderEntries = menus.transponders;
    QMenu *configuration = menus.configuration =
        submenu(&bar, "mnu_Configuration", QCoreApplication::translate("MainMenus", "&Configuration"));
    bar.addMenu(configuration);
    devices.parametres = entry(configuration, "Mnu_Parametres", QCoreApplication::translate("MainMenus", "&Parametres"));
    devices.observateur = entry(configuration, "Mnu_Observateur", QCoreApplication::translate("MainMenus", "&Observateur"));
    QMenu *communication =
        submenu(configuration, "Mnu_Communication", QCoreApplication::translate("MainMenus", "&Communication"));
    configuration->addMenu(communication);

    QMenu *lpt = submenu(communication, "Mnu_Port_LPT", QCoreApplication::translate("MainMenus", "Port LPT"));
    communication->addMenu(lpt);
    devices.lpt378 = checkEntry(lpt, "Mnu_LPT_378", QStringLiteral("LPT1 (378)"), true);
    devices.lpt278 = checkEntry(lpt, "Mnu_LPT_278", QStringLiteral("LPT2 (278)"), false);

    QMenu *rs232 = submenu(communication, "Mnu_RS232", QStringLiteral("RS232"));
    communication->addMenu(rs232);
    QMenu *port = submenu(rs232, "Mnu_Port", QStringLiteral("Port"));
    rs232->addMenu(port);
    QMenu *com1 = submenu(port, "Mnu_Com1", QCoreApplication::translate("MainMenus", "Com2 RECEPTEUR"));
    port->addMenu(com1);
    devices.receiverSpeeds[0] = checkEntry(com1, "Mnu_Com1_V1200", QCoreApplication::translate("MainMenus", "1200 Bauds"), false);
    devices.receiverSpeeds[1] = checkEntry(com1, "Mnu_Com1_V2400", QCoreApplication::translate("MainMenus", "2400 Bauds"), false);
    devices.receiverSpeeds[2] = checkEntry(com1, "Mnu_Com1_V4800", QCoreApplication::translate("MainMenus", "4800 Bauds"), false);
    devices.receiverSpeeds[3] = checkEntry(com1, "Mnu_Com1_V9600", QCoreApplication::translate("MainMenus", "9600_Bauds"), false);
    devices.receiverSpeeds[4] = checkEntry(com1, "Mnu_Com1_V19200", QCoreApplication::translate("MainMenus", "19200 Bauds"), true);
    QMenu *com2 = submenu(port, "Mnu_Com2", QCoreApplication::translate("MainMenus", "Com1  ROTOR"));
    port->addMenu(com2);
    devices.rotorSpeeds[0] = checkEntry(com2, "Mnu_Com2_V1200", QCoreApplication::translate("MainMenus", "1200 Baud"), false);
    devices.rotorSpeeds[1] = checkEntry(com2, "Mnu_Com2_V2400", QCoreApplication::translate("MainMenus", "2400 Baud"), false);
    devices.rotorSpeeds[2] = checkEntry(com2, "Mnu_Com2_V4800", QCoreApplication::translate("MainMenus", "4800 Baud"), true);
    devices.rotorSpeeds[3] = checkEntry(com2, "Mnu_Com2_V9600", QCoreApplication::translate("MainMenus", "9600 Baud"), false);
    devices.rotorSpeeds[4] = checkEntry(com2, "Mnu_Com2_V19200", QCoreApplication::translate("MainMenus", "19200 Baud"), false);
    // The Linux devices behind the lines and the parallel port.
    devices.peripheriques = entry(communication, "Mnu_Peripheriques", QCoreApplication::translate("MainMenus", "Peripheriques"));
    // Named in both languages, so that an operator who cannot read the one in
    // force still finds it.
    QMenu *language = submenu(configuration, "Mnu_Langue", QStringLiteral("Langue / Language"));
    configuration->addMenu(language);
    auto *languages = new QActionGroup(language);
    menus.french = languages->addAction(checkEntry(language, "Mnu_Langue_Francais", QStringLiteral("Français"), false));
    menus.english = languages->addAction(checkEntry(language, "Mnu_Langue_English", QStringLiteral("English"), false));

    QMenu *selection = submenu(&bar, "Mnu_Selection", QCoreApplication::translate("MainMenus", "&Selection"));
    bar.addMenu(selection);
    QMenu *recepteurs = submenu(selection, "Mnu_Recepteurs", QCoreApplication::translate("MainMenus", "Recepteurs"));
    selection->addMenu(recepteurs);
    devices.ar5000 = checkEntry(recepteurs, "Mnu_AR5000", QStringLiteral("AR 5000"), true);
    devices.ft847 = checkEntry(recepteurs, "Mnu_FT847", QStringLiteral("FT 847"), false);
    devices.hamlibReceiver = checkEntry(recepteurs, "Mnu_Hamlib_Recepteur", QStringLiteral("Hamlib"), false);
    QMenu *rotor = devices.rotorMenu = submenu(selection, "Mnu_Rotor", QCoreApplication::translate("MainMenus", "Interfaces Rotor"));
    selection->addMenu(rotor);
    devices.fodtrack = checkEntry(rotor, "Mnu_Fodtrack", QStringLiteral("FodTrack"), true);
    devices.gs232 = checkEntry(rotor, "Mnu_GS232", QStringLiteral("GS-232"), false);
    devices.hamlibRotor = checkEntry(rotor, "Mnu_Hamlib_Rotor", QStringLiteral("Hamlib"), false);

    devices.frequencesSat = barEntry(bar, "Mnu_Frequence_Sat", QCoreApplication::translate("MainMenus", "Sa&tellites"));

    QMenu *elements = menus.elements = submenu(&bar, "Mnu_Element", QCoreApplication::translate("MainMenus", "&Elements"));
    bar.addMenu(elements);
    menus.elementSources = entry(elements, "Mnu_Element_Sources", QCoreApplication::translate("MainMenus", "&Sources des elements"));
    menus.elementUpdate = entry(elements, "Mnu_Element_Mise_A_Jour", QCoreApplication::translate("MainMenus", "&Mettre a jour les elements"));

    QMenu *transponders =
        submenu(&bar, "Mnu_Transpondeurs", QCoreApplication::translate("MainMenus", "Tra&nspondeurs"));
    bar.addMenu(transponders);
    transponderEntries.panel = entry(transponders, "Mnu_Transpondeurs_Panneau",
          QCoreApplication::translate("MainMenus", "&Panneau du satellite suivi"));
    transponderEntries.import = entry(transponders, "Mnu_Transpondeurs_Import",
          QCoreApplication::translate("MainMenus", "&Importer la liste SatNOGS DB..."));
    // The Hamlib radio's side of the transponder work.
    transponders->addSeparator();
    QMenu *uplinkVfo = submenu(transponders, "Mnu_Transpondeurs_VFO_Montee",
                               QCoreApplication::translate("MainMenus", "&VFO de montée (Hamlib)"));
    transponders->addMenu(uplinkVfo);
    transponderEntries.uplinkVfoB = checkEntry(uplinkVfo, "Mnu_VFO_Montee_VFOB", QStringLiteral("VFO &B"), true);
    transponderEntries.uplinkVfoA = checkEntry(uplinkVfo, "Mnu_VFO_Montee_VFOA", QStringLiteral("VFO &A"), false);
    transponderEntries.uplinkSub = checkEntry(uplinkVfo, "Mnu_VFO_Montee_Sub", QStringLiteral("&Sub"), false);
    transponderEntries.uplinkMain = checkEntry(uplinkVfo, "Mnu_VFO_Montee_Main", QStringLiteral("&Main"), false);
    transponderEntries.ignoreDial = checkEntry(transponders, "Mnu_Transpondeurs_Ignorer_Cadran",
               QCoreApplication::translate("MainMenus", "&Ignorer le cadran"), false);
    transponderEntries.uplinkRadio = checkEntry(transponders, "Mnu_Transpondeurs_Radio_Montee",
               QCoreApplication::translate("MainMenus", "&Radio de montée (Hamlib)..."), false);

    devices.calibration = barEntry(bar, "Mnu_Calibration", QCoreApplication::translate("MainMenus", "Ca&libration"));

    auto *ciel = menus.sky = barEntry(bar, "Mnu_Ciel", QCoreApplication::translate("MainMenus", "C&iel"));
    ciel->setCheckable(true);
    ciel->setChecked(true);
    // The world map, in a window of its own beside the sky view.
    menus.map = barEntry(bar, "Mnu_Carte", QCoreApplication::translate("MainMenus", "Ca&rte"));

    QMenu *aide = submenu(&bar, "Mnu_Aide", QCoreApplication::translate("MainMenus", "&Aide"));
    menus.help = bar.addMenu(aide);
    menus.about = entry(aide, "Mnu_A_Propos_De", QCoreApplication::translate("MainMenus", "&A propos de"));
    menus.history = entry(aide, "Mnu_Historique", QCoreApplication::translate("MainMenus", "&Historique"));
    menus.manual = entry(aide, "Mnu_Notice", QCoreApplication::translate("MainMenus", "&Notice Utilisation"));
    return menus;
}

} // namespace orvanta
