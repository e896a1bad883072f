#include "app/main_menus.h"

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

void buildMainMenus(QMenuBar &bar)
{
    QMenu *configuration = submenu(&bar, "mnu_Configuration", QStringLiteral("&Configuration"));
    bar.addMenu(configuration);
    entry(configuration, "Mnu_Parametres", QStringLiteral("&Parametres"));
    entry(configuration, "Mnu_Observateur", QStringLiteral("&Observateur"));
    QMenu *communication = submenu(configuration, "Mnu_Communication", QStringLiteral("&Communication"));
    configuration->addMenu(communication);

    QMenu *lpt = submenu(communication, "Mnu_Port_LPT", QStringLiteral("Port LPT"));
    communication->addMenu(lpt);
    checkEntry(lpt, "Mnu_LPT_378", QStringLiteral("LPT1 (378)"), true);
    checkEntry(lpt, "Mnu_LPT_278", QStringLiteral("LPT2 (278)"), false);

    QMenu *rs232 = submenu(communication, "Mnu_RS232", QStringLiteral("RS232"));
    communication->addMenu(rs232);
    QMenu *port = submenu(rs232, "Mnu_Port", QStringLiteral("Port"));
    rs232->addMenu(port);
    QMenu *com1 = submenu(port, "Mnu_Com1", QStringLiteral("Com2 RECEPTEUR"));
    port->addMenu(com1);
    checkEntry(com1, "Mnu_Com1_V1200", QStringLiteral("1200 Bauds"), false);
    checkEntry(com1, "Mnu_Com1_V2400", QStringLiteral("2400 Bauds"), false);
    checkEntry(com1, "Mnu_Com1_V4800", QStringLiteral("4800 Bauds"), false);
    checkEntry(com1, "Mnu_Com1_V9600", QStringLiteral("9600_Bauds"), false);
    checkEntry(com1, "Mnu_Com1_V19200", QStringLiteral("19200 Bauds"), true);
    QMenu *com2 = submenu(port, "Mnu_Com2", QStringLiteral("Com1  ROTOR"));
    port->addMenu(com2);
    checkEntry(com2, "Mnu_Com2_V1200", QStringLiteral("1200 Baud"), false);
    checkEntry(com2, "Mnu_Com2_V2400", QStringLiteral("2400 Baud"), false);
    checkEntry(com2, "Mnu_Com2_V4800", QStringLiteral("4800 Baud"), true);
    checkEntry(com2, "Mnu_Com2_V9600", QStringLiteral("9600 Baud"), false);
    checkEntry(com2, "Mnu_Com2_V19200", QStringLiteral("19200 Baud"), false);
    // The Linux devices behind the lines and the parallel port.
    entry(communication, "Mnu_Peripheriques", QStringLiteral("Peripheriques"));
    // Named in both languages, so that an operator who cannot read the one in
    // force still finds it.
    QMenu *language = submenu(configuration, "Mnu_Langue", QStringLiteral("Langue / Language"));
    configuration->addMenu(language);
    auto *languages = new QActionGroup(language);
    languages->addAction(checkEntry(language, "Mnu_Langue_Francais", QStringLiteral("Français"), false));
    languages->addAction(checkEntry(language, "Mnu_Langue_English", QStringLiteral("English"), false));

    QMenu *selection = submenu(&bar, "Mnu_Selection", QStringLiteral("&Selection"));
    bar.addMenu(selection);
    QMenu *recepteurs = submenu(selection, "Mnu_Recepteurs", QStringLiteral("Recepteurs"));
    selection->addMenu(recepteurs);
    checkEntry(recepteurs, "Mnu_AR5000", QStringLiteral("AR 5000"), true);
    checkEntry(recepteurs, "Mnu_FT847", QStringLiteral("FT 847"), false);
    checkEntry(recepteurs, "Mnu_Hamlib_Recepteur", QStringLiteral("Hamlib"), false);
    QMenu *rotor = submenu(selection, "Mnu_Rotor", QStringLiteral("Interfaces Rotor"));
    selection->addMenu(rotor);
    checkEntry(rotor, "Mnu_Fodtrack", QStringLiteral("FodTrack"), true);
    checkEntry(rotor, "Mnu_GS232", QStringLiteral("GS-232"), false);
    checkEntry(rotor, "Mnu_Hamlib_Rotor", QStringLiteral("Hamlib"), false);

    barEntry(bar, "Mnu_Frequence_Sat", QStringLiteral("Sa&tellites"));

    QMenu *elements = submenu(&bar, "Mnu_Element", QStringLiteral("&Elements"));
    bar.addMenu(elements);
    entry(elements, "Mnu_Element_Sources", QStringLiteral("&Sources des elements"));
    entry(elements, "Mnu_Element_Mise_A_Jour", QStringLiteral("&Mettre a jour les elements"));

    QMenu *transponders = submenu(&bar, "Mnu_Transpondeurs", QStringLiteral("Tra&nspondeurs"));
    bar.addMenu(transponders);
    entry(transponders, "Mnu_Transpondeurs_Panneau", QStringLiteral("&Panneau du satellite suivi"));
    entry(transponders, "Mnu_Transpondeurs_Import", QStringLiteral("&Importer la liste SatNOGS DB..."));
    // The Hamlib radio's side of the transponder work.
    transponders->addSeparator();
    QMenu *uplinkVfo = submenu(transponders, "Mnu_Transpondeurs_VFO_Montee", QStringLiteral("&VFO de montée (Hamlib)"));
    transponders->addMenu(uplinkVfo);
    checkEntry(uplinkVfo, "Mnu_VFO_Montee_VFOB", QStringLiteral("VFO &B"), true);
    checkEntry(uplinkVfo, "Mnu_VFO_Montee_VFOA", QStringLiteral("VFO &A"), false);
    checkEntry(uplinkVfo, "Mnu_VFO_Montee_Sub", QStringLiteral("&Sub"), false);
    checkEntry(uplinkVfo, "Mnu_VFO_Montee_Main", QStringLiteral("&Main"), false);
    checkEntry(transponders, "Mnu_Transpondeurs_Ignorer_Cadran", QStringLiteral("&Ignorer le cadran"), false);
    checkEntry(transponders, "Mnu_Transpondeurs_Radio_Montee", QStringLiteral("&Radio de montée (Hamlib)..."), false);

    barEntry(bar, "Mnu_Calibration", QStringLiteral("Ca&libration"));

    auto *ciel = barEntry(bar, "Mnu_Ciel", QStringLiteral("C&iel"));
    ciel->setCheckable(true);
    ciel->setChecked(true);
    // The world map, in a window of its own beside the sky view.
    barEntry(bar, "Mnu_Carte", QStringLiteral("Ca&rte"));

    QMenu *aide = submenu(&bar, "Mnu_Aide", QStringLiteral("&Aide"));
    bar.addMenu(aide);
    entry(aide, "Mnu_A_Propos_De", QStringLiteral("&A propos de"));
    entry(aide, "Mnu_Historique", QStringLiteral("&Historique"));
    entry(aide, "Mnu_Notice", QStringLiteral("&Notice Utilisation"));
}

} // namespace orvanta
