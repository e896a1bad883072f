#include "tracking/rotor_menus.h"

#include "config/config_station.h"
#include "config/rotor_pointing_window.h"
#include "rotor/gs232_rotor.h"

#include <QCoreApplication>
#include <QAction>
#include <QMenu>
#include <QWidget>

namespace orvanta {

RotorMenus::RotorMenus(QWidget &window, const DeviceEntries &entries, SettingsStore &store, const ConfigStation &config, Gs232Rotor &gs232,
                       std::function<std::optional<RotorSpeeds>()> measuredSpeeds)
    : QObject(&window), store_(store), config_(config), gs232_(gs232), settings_(loadRotorSettings(store))
{
    auto *pointing = new RotorPointingWindow(
        {[this] { return settings_; }, [this] { return config_.Interface_Rotor; }, std::move(measuredSpeeds),
         [this](const RotorSettings &settings) { setSettings(settings); }},
        &window);
    if (QMenu *menu = entries.rotorMenu) {
        menu->addSeparator();
        overlap_ = add("Mnu_GS232_450", QCoreApplication::translate("RotorMenus", "GS-232 : azimut jusqu'a 450"));
        flip_ = add("Mnu_GS232_Retournement", QCoreApplication::translate("RotorMenus", "GS-232 : retournement (site jusqu'a 180)"));
        wait_ = add("Mnu_Attente_Lever", QCoreApplication::translate("RotorMenus", "Attendre au lever du prochain passage"));
        lead_ = add("Mnu_Avance", QCoreApplication::translate("RotorMenus", "Pointer en avance"));
        readBack_ = add("Mnu_GS232_Lecture", QCoreApplication::translate("RotorMenus", "GS-232 : lire la position (C2)"));
        park_ = add("Mnu_Parcage_Passages", QCoreApplication::translate("RotorMenus", "Parquer entre les passages"));
        for (QAction *entry : {overlap_, flip_, wait_, lead_, readBack_, park_}) {
            menu->addAction(entry);
            connect(entry, &QAction::triggered, this, &RotorMenus::changed);
        }
        QAction *speeds = menu->addAction(QCoreApplication::translate("RotorMenus", "Pointage du rotor..."));
        speeds->setObjectName(QStringLiteral("Mnu_Pointage_Rotor"));
        connect(speeds, &QAction::triggered, pointing, &RotorPointingWindow::ouvrir);
        // The waiting's default follows the rotor interface, read from the
        // configuration after the menus are built and changed from them.
        for (QAction *entry : {entries.fodtrack, entries.gs232, entries.hamlibRotor})
            if (entry)
                connect(entry, &QAction::toggled, this, &RotorMenus::showMarks);
        connect(menu, &QMenu::aboutToShow, this, &RotorMenus::showMarks);
        showMarks();
    }
    applyToGs232();
}

void RotorMenus::applyToGs232()
{
    gs232_.setRange(RotorRange{0, settings_.gs232Overlap ? 450.0 : 360.0, settings_.gs232Flip});
    gs232_.setReadBack(settings_.gs232ReadBack);
}

RotorSteering::Settings RotorMenus::steering() const
{
    RotorSteering::Settings s;
    s.lead = settings_.lead;
    s.speeds = settings_.speedsOf(config_.Interface_Rotor);
    s.intervalSeconds = config_.Repetition > 0 ? config_.Repetition : 5;
    s.allowedErrorDeg = settings_.allowedErrorDeg;
    s.parkBetweenPasses = settings_.parkBetweenPasses;
    s.parkAfterMinutes = settings_.parkAfterMinutes;
    s.park = {config_.Park_Azimut, config_.Park_Site};
    s.waiting = riseWaiting();
    return s;
}

void RotorMenus::setSettings(const RotorSettings &settings)
{
    settings_ = settings;
    saveRotorSettings(store_, settings_);
    applyToGs232();
    if (overlap_)
        showMarks();
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
    settings_.lead = lead_->isChecked();
    settings_.gs232ReadBack = readBack_->isChecked();
    settings_.parkBetweenPasses = park_->isChecked();
    saveRotorSettings(store_, settings_);
    applyToGs232();
}

void RotorMenus::showMarks()
{
    overlap_->setChecked(settings_.gs232Overlap);
    flip_->setChecked(settings_.gs232Flip);
    wait_->setChecked(settings_.waitsAtRise(config_.Interface_Rotor));
    lead_->setChecked(settings_.lead);
    readBack_->setChecked(settings_.gs232ReadBack);
    park_->setChecked(settings_.parkBetweenPasses);
}

} // namespace orvanta
