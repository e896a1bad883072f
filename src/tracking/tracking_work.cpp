#include "tracking/tracking_work.h"

#include "config/config_station.h"
#include "data/element_update.h"
#include "data/frequency_loader.h"
#include "orbit/utc_time.h"
#include "platform/station_notices.h"
#include "platform/text_numbers.h"
#include "platform/utc_clock.h"
#include "rotor/poursuite_man_window.h"
#include "tracking/station_drivers.h"
#include "tracking/tick_rhythm.h"

#include <QCoreApplication>
#include <QTimer>

#include <algorithm>

namespace orvanta {

namespace {

std::int64_t millisecondsSinceOleOrigin(const QDateTime &instant)
{
    static const QDateTime origin(QDate(1899, 12, 30), QTime(0, 0), Qt::UTC);
    return origin.msecsTo(instant);
}

} // namespace

TrackingWork::TrackingWork(Links links)
    : links_(std::move(links)),
      clock_(links_.clock,
             [this](const QString &time, const QString &date) { links_.display.showClock(time, date); }),
      timer_(links_.timer),
      sharedTimer_(timer_),
      frequencyReport_(links_.notices),
      banks_(links_.store, links_.config),
      predictionNotices_(links_.notices),
      pointing_([this] { return links_.devices.rotor(); }, links_.messages),
      manualWindow_(new PoursuiteManWindow(pointing_, &links_.window)),
      cycle_(TrackingCycle::Links{
          links_.config, clock_, [this] { return links_.devices.rotor(); },
          [this] { return links_.devices.receiver(); }, links_.sound, links_.display, links_.folder,
          links_.component, [this](long number) { return lookUpFrequency(number); },
          [this](const QString &text) { links_.notices.later(text); },
          [this] { return predictionNotices_.predictionsBlocked(); }}),
      readback_(DeviceReadback::Links{
          links_.devices.hamlibRotor, links_.devices.hamlibReceiver,
          [this] { return links_.devices.drivesHamlibRotor(); },
          [this] { return links_.devices.drivesHamlibReceiver(); },
          [this](const std::optional<RotorAim> &position) { links_.display.showRotorReading(position); },
          [this](std::optional<double> hertz) { links_.display.showRadioReading(hertz); }}),
      beat_(new QTimer(&context_))
{
    QObject::connect(&links_.timer, &QTimer::timeout, &context_, [this] { tick(); });
    QObject::connect(&links_.clockTimer, &QTimer::timeout, &context_, [this] { clock_.Lire_Heure_UTC(); });
    beat_->setSingleShot(true);
    beat_->setTimerType(Qt::PreciseTimer);
    QObject::connect(beat_, &QTimer::timeout, &context_, [this] {
        // Only if nothing stopped the timer meanwhile and the clock is where it was expected.
        if (!links_.timer.isActive() ||
            !TickRhythm(links_.config.Repetition).onTheBeat(millisecondsSinceOleOrigin(links_.clock.nowUtc())))
            return;
        links_.timer.start();
        tick();
    });
    banks_.changed = [this] {
        // The lists may look the numbers up after this call, in a component
        // built since.
        links_.display.showSatelliteLists(
            banks_.ListeSat(), banks_.Sat_Select(),
            [this](const QString &name) {
                const orbit::Satellites *component = stopped_ ? nullptr : links_.component();
                return component ? component->catalogNumber(name.toStdString()) : 0L;
            },
            [this](long number) { return statuses_.of(number); });
    };
    cycle_.followedUnasked = [this](long number) { return statuses_.of(number) == SatelliteStatus::Alive; };
    QObject::connect(manualWindow_, &PoursuiteManWindow::pointageManuelChanged, &context_,
                     [this](bool manual) { cycle_.setManualPointing(manual); });
    cycle_.showManualPosition = [this](const QString &azimut, const QString &site) {
        manualWindow_->setPosition(azimut, site);
    };
}

TrackingWork::~TrackingWork() = default;

void TrackingWork::tick()
{
    beat_->stop();
    const std::int64_t tickMs = millisecondsSinceOleOrigin(links_.clock.nowUtc());
    const bool nested = cycle_.running(); // the tick skips itself
    cycle_.Tick(selectedNumbers());
    if (!nested) {
        predictionNotices_.checkEpochs(links_.component(), banks_.Sat_Select(), clock_.Maintenant_UTC());
        predictionNotices_.checkUncertainty(links_.component(), cycle_.board());
    }
    keepTheBeat(tickMs);
}

void TrackingWork::keepTheBeat(std::int64_t tickMs)
{
    const TickRhythm rhythm(links_.config.Repetition);
    if (!links_.timer.isActive() || rhythm.onTheBeat(tickMs))
        return;
    // Started again from now, the timer cannot fire before the next beat,
    // where the one shot starts it in step.
    links_.timer.start();
    beat_->start(int(rhythm.untilNextBeat(millisecondsSinceOleOrigin(links_.clock.nowUtc()))));
}

void TrackingWork::chooseToFollow(long catalogNumber)
{
    const QString refused = cycle_.chooseToFollow(catalogNumber);
    if (!refused.isEmpty())
        links_.notices.later(refused);
    else
        tick();
}

void TrackingWork::chooseToFollowLine(const QString &line)
{
    if (const auto pass = cycle_.passOnLine(line))
        chooseToFollow(pass->catalogNumber);
    else
        links_.notices.later(QCoreApplication::translate("Tracking", "Ce passage est termine."));
}

void TrackingWork::followAutomatically()
{
    cycle_.followAutomatically();
    tick();
}

void TrackingWork::loadBanks()
{
    banks_.Charge_ListeSat(satelliteNames());
    banks_.Charge_Banque(1);
}

void TrackingWork::loadStatuses()
{
    statuses_ = loadSatelliteStatuses(links_.folder);
    if (banks_.changed)
        banks_.changed();
}

void TrackingWork::bankClicked(int bank)
{
    cycle_.selectionChanged();
    banks_.Bank_Click(bank, satelliteNames());
}

void TrackingWork::componentBuilt(const orbit::Satellites &component)
{
    namesKnown_ = false;
    links_.timer.setInterval(int(TickRhythm(links_.config.Repetition).periodMs()));
    predictionNotices_.componentBuilt(component, links_.folder);
}

void TrackingWork::componentReplaced(const QStringList &namesBefore)
{
    const QStringList after = satelliteNames();
    banks_.keepSelection(after);
    const QString gone = disappearedSatellitesMessage(namesBefore, after);
    if (!gone.isEmpty())
        links_.notices.later(gone);
}

FrequencyFound TrackingWork::lookUpFrequency(long catalogNumber)
{
    FrequencyFound found;
    const orbit::Satellites *component = links_.component();
    if (!component)
        return found;
    const QString name = QString::fromStdString(component->nameOf(catalogNumber));
    if (name.isEmpty())
        return found;
    QString mode;
    const FrequencyLookup lookup = Cherche_Frequence(links_.folder, name, found.megahertz, mode);
    found.mode = receiverModeOf(mode);
    if (lookup == FrequencyLookup::Damaged) {
        found.fileDamaged = true;
        reportFrequencyFileLater();
    }
    return found;
}

void TrackingWork::reportFrequencyFileLater()
{
    QTimer::singleShot(0, &links_.window, [this] {
        if (!stopped_)
            frequencyReport_.check(links_.folder);
    });
}

QStringList TrackingWork::satelliteNames() const
{
    const orbit::Satellites *component = links_.component();
    if (!component)
        return {};
    if (!namesKnown_) {
        names_.clear();
        names_.reserve(qsizetype(component->satcount()));
        for (const std::string &name : component->names())
            names_ << QString::fromStdString(name);
        namesKnown_ = true;
    }
    return names_;
}

std::vector<NamedSatellite> TrackingWork::selectedSatellites() const
{
    std::vector<NamedSatellite> satellites;
    if (const orbit::Satellites *component = links_.component()) {
        for (const QString &name : banks_.Sat_Select())
            if (const long number = component->catalogNumber(name.toStdString()))
                satellites.push_back({number, name});
    }
    return satellites;
}

std::vector<long> TrackingWork::selectedNumbers() const
{
    std::vector<long> numbers;
    for (const NamedSatellite &satellite : selectedSatellites())
        numbers.push_back(satellite.catalogNumber);
    return numbers;
}

std::optional<SkyPoint> TrackingWork::manualPointing() const
{
    if (!cycle_.state().Pointage_Manuel)
        return std::nullopt;
    const auto az = parseNumber(pointing_.Az_Man());
    const auto el = parseNumber(pointing_.Si_Man());
    if (az && el)
        return SkyPoint{*az, *el};
    return std::nullopt;
}

std::optional<QDateTime> TrackingWork::nextAcquisition() const
{
    const orbit::PassBoard &board = cycle_.board();
    const auto &passes = board.visible().empty() ? board.coming() : board.visible();
    if (passes.empty())
        return std::nullopt;
    static const QDateTime origin(QDate(1899, 12, 30), QTime(0, 0), Qt::UTC);
    return origin.addSecs(orbit::wholeSecondsFromOle(orbit::oleFromJulian(passes.front().pass.aos)));
}

Receiver *TrackingWork::programmedReceiver() const
{
    return cycle_.state().Prog_RX_Actif && !closing_ && !stopped_ ? links_.devices.receiver() : nullptr;
}

void TrackingWork::openManualPointing()
{
    manualWindow_->ouvrir();
}

} // namespace orvanta
