#include "app/rotor_menus.h"

#include "config/config_station.h"
#include "rotor/gs232_rotor.h"

#include <QCoreApplication>
#include <QAction>
#include <QMenu>
#include <QWidget>

namespace orvanta {

RotorMenus::RotorMenus(QWidget &window, SettingsStore &store, const ConfigStation &config, Gs232Rotor &gs232)
    : QObject(&window), store_(store), config_(config), gs232_(gs232), settings_(loadRotorSettings(store))
{
    auto *menu = window.findChild<QMenu *>(QStringLiteral("Mnu_Rotor"));
    if (menu) {
        menu->addSeparator();
        overlap_ = add("Mnu_GS232_450", QCoreApplication::translate("RotorMenus", "GS-232 : azimut jusqu'a 450"));
        flip_ = add("Mnu_GS232_Retournement",
                    QCoreApplication::translate("RotorMenus", "GS-232 : retournement (site jusqu'a 180)"));
        wait_ = add("Mnu_Attente_Lever",
                    QCoreApplication::translate("RotorMenus", "Attendre au lever du prochain passage"));
        for (QAction *entry : {overlap_, flip_, wait_}) {
            menu->addAction(entry);
            connect(entry, &QAction::triggered, this, &RotorMenus::changed);
        }
        // The waiting's default follows the rotor interface, read from the
        // configuration after the menus are built and changed from them.
        for (const char *interfaceEntry : {"Mnu_Fodtrack", "Mnu_GS232", "Mnu_Hamlib_Rotor"})
            if (auto *entry = window.findChild<QAction *>(QLatin1String(interfaceEntry)))
                connect(entry, &QAction::toggled, this, &RotorMenus::showMarks);
        connect(menu, &QMenu::aboutToShow, this, &RotorMenus::showMarks);
        showMarks();
    }
    gs232_.setRange(RotorRange{0, settings_.gs232Overlap ? 450.0 : 360.0, settings_.gs232Flip});
}

QAction *RotorMenus::add(const char *name, const QString &caption)
{
    auto *entry = new QAction(caption, this);
    entry->setObjectName(QLatin1String(name));
    entry->setCheckable(true);
    return entry;
}

RiseWaiting RotorMenus::riseWaiting() const
{
    return {settings_.waitsAtRise(config_.Interface_Rotor), settings_.waitSeconds};
}

void RotorMenus::changed()
{
    settings_.gs232Overlap = overlap_->isChecked();
    settings_.gs232Flip = flip_->isChecked();
    if (sender() == wait_)
        settings_.waitAtRise = wait_->isChecked();
    saveRotorSettings(store_, settings_);
    gs232_.setRange(RotorRange{0, settings_.gs232Overlap ? 450.0 : 360.0, settings_.gs232Flip});
}

void RotorMenus::showMarks()
{
    overlap_->setChecked(settings_.gs232Overlap);
    flip_->setChecked(settings_.gs232Flip);
    wait_->setChecked(settings_.waitsAtRise(config_.Interface_Rotor));
}

} // namespace orvanta
