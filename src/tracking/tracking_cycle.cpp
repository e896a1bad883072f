#include "tracking/tracking_cycle.h"

#include "config/config_station.h"
#include "orbit/doppler.h"
#include "orbit/utc_time.h"
#include "platform/sound_player.h"
#include "platform/text_numbers.h"
#include "receiver/receiver.h"
#include "rotor/rotor.h"
#include "tracking/station_clock.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace orvanta {

namespace {

constexpr double kPi = 3.1415926535; // the displays' degrees, as the station always showed them
const QString kSoundFile = QStringLiteral("Nouveau_Sat.wav");

// Whole degrees, as shown and as the rotor is pointed.
double wholeDegrees(double radians)
{
    return roundHalfAway(radians * 180.0 / kPi, 0);
}

// The receiver is tuned in hertz to the frequency shown.
double hertz(double megahertz)
{
    return std::round(megahertz * 1e6);
}

class RunningFlag {
public:
    explicit RunningFlag(bool &flag) : flag_(flag) { flag_ = true; }
    ~RunningFlag() { flag_ = false; }

private:
    bool &flag_;
};

} // namespace

TrackingCycle::TrackingCycle(Links links) : links_(std::move(links))
{
    rotor_.notify = [this](const QString &text) {
        if (links_.notify)
            links_.notify(text);
    };
}

void TrackingCycle::Tick(const std::vector<long> &selection)
{
    if (running_) {
        ++skipped_;
        return;
    }
    RunningFlag flag(running_);
    run(selection);
}

void TrackingCycle::setRotorTracking(bool on)
{
    state_.Tracking_Actif = on;
}

void TrackingCycle::setDopplerCorrection(bool on)
{
    state_.Doppler_Actif = on;
}

void TrackingCycle::setReceiverProgramming(bool on)
{
    state_.Prog_RX_Actif = on;
    if (!on) {
        if (Receiver *receiver = links_.receiver())
            receiver->endRemoteControl();
    }
    state_.Nouveau_Sat = on;
}

void TrackingCycle::setManualPointing(bool open)
{
    state_.Pointage_Manuel = open;
}

void TrackingCycle::setHorizon(const orbit::HorizonMask &mask)
{
    rotor_.setHorizon(mask);
    inSight_.setHorizon(mask);
}

void TrackingCycle::selectionChanged()
{
    clearFollowed();
    state_.Nouveau_Sat = true;
    state_.Sat_Suivi = true;
}

QString TrackingCycle::chooseToFollow(long catalogNumber)
{
    const auto holds = [catalogNumber](const orbit::BoardPass &entry) {
        return entry.pass.catalogNumber == catalogNumber;
    };
    const auto visible = std::find_if(board_.visible().begin(), board_.visible().end(), holds);
    if (visible != board_.visible().end()) {
        const orbit::PredictedPass &pass = visible->pass;
        const QString name = QString::fromStdString(pass.name);
        if (pass.los.minutesSince(julianToTheSecond(links_.clock.Maintenant_UTC())) <= 0)
            return QCoreApplication::translate("Tracking", "%1 s'est couché à %2 : il ne peut plus être suivi.").arg(name, timeText(pass.los));
        if (chosen_ != catalogNumber) {
            chosen_ = catalogNumber;
            replan_ = true;
        }
        links_.display.showFollowChoice(true);
        return {};
    }
    const auto coming = std::find_if(board_.coming().begin(), board_.coming().end(), holds);
    if (coming != board_.coming().end())
        return QCoreApplication::translate("Tracking", "%1 n'est pas en cours de passage : il ne se lève qu'à %2.")
            .arg(QString::fromStdString(coming->pass.name), timeText(coming->pass.aos));
    return QCoreApplication::translate("Tracking", "Ce satellite n'est pas en cours de passage : seul un satellite "
                                                   "visible de la sélection peut être suivi.");
}

void TrackingCycle::followAutomatically()
{
    if (chosen_ != 0)
        replan_ = true;
    endChoice();
}

void TrackingCycle::endChoice()
{
    chosen_ = 0;
    links_.display.showFollowChoice(false);
}

// The operator's choice while its pass is in progress, else the pass that
// began first among the satellites followed unasked; null for none.
const orbit::PredictedPass *TrackingCycle::passToFollow()
{
    if (chosen_ != 0) {
        for (const orbit::BoardPass &entry : board_.visible())
            if (entry.pass.catalogNumber == chosen_)
                return &entry.pass;
        // Its loss of signal: the satellite that began first takes the rotor from where it is.
        endChoice();
        replan_ = true;
    }
    for (const orbit::BoardPass &entry : board_.visible())
        if (followsUnasked(entry.pass.catalogNumber))
            return &entry.pass;
    return nullptr;
}

void TrackingCycle::run(const std::vector<long> &selection)
{
    links_.clock.Lire_Heure_UTC();
    TickOutcome outcome;
    outcome.instant = links_.clock.Maintenant_UTC();
    const qint64 nowSecond = secondsSinceOleOrigin(outcome.instant);
    const double oleNow = double(nowSecond) / orbit::kSecondsPerDay;
    outcome.nowOle = oleNow;

    board_.clear();
    orbit::Satellites *component = links_.component ? links_.component() : nullptr;
    const QString blocked = links_.predictionsBlocked ? links_.predictionsBlocked() : QString();
    if (component && blocked.isEmpty()) {
        const orbit::JulianDate start = orbit::julianFromOle(oleNow);
        for (const long number : selection)
            board_.add(component->passes(component->nameOf(number), start, 1, links_.config.Elev_Min,
                                         links_.config.Passage_Min),
                       nowSecond);
        inSight_.update(*component, board_);
        links_.display.showPasses(board_, inSight_);
    } else {
        links_.display.showPredictionNotice(blocked);
    }

    const orbit::PredictedPass *toFollow = component && !board_.visible().empty() ? passToFollow() : nullptr;
    if (!toFollow) {
        nothingVisible();
        showAwaited(outcome);
        if (component)
            waitAtRise(*component, oleNow, outcome);
    } else {
        const orbit::PredictedPass tracked = *toFollow;
        outcome.trackedPass = tracked;
        follow(tracked, oleNow, outcome);
    }
    if (ticked)
        ticked(outcome);
}

void TrackingCycle::follow(const orbit::PredictedPass &pass, double oleNow, TickOutcome &outcome)
{
    const QString name = QString::fromStdString(pass.name);
    TrackingDisplay &display = links_.display;
    display.showFollowed(name);

    const long number = pass.catalogNumber;
    const FrequencyFound found = links_.frequency(number);
    if (!found.megahertz) {
        // Nothing else happens for this satellite until it has a frequency.
        if (found.fileDamaged)
            warnOnce(QStringLiteral("damaged:%1").arg(number),
                     QCoreApplication::translate(
                         "Tracking", "La frequence de %1 ne peut pas etre lue : le fichier Frequences.cfg est "
                                     "endommage avant sa fiche. Corrigez-le par le menu Satellites.")
                         .arg(name));
        else
            warnOnce(QStringLiteral("missing:%1").arg(number),
                     QCoreApplication::translate(
                         "Tracking", "%1 n'a pas de frequence : double-cliquez sur %1 dans la liste Selectionnés pour "
                                     "le remettre dans A Selectionner, puis double-cliquez-le dans A Selectionner et "
                                     "saisissez sa frequence dans la fenetre Ajout Frequence.")
                         .arg(name));
        // What was shown for it came from an entry that is no longer there.
        display.showFrequency(std::nullopt);
        display.showDirection(std::nullopt);
        display.showDopplerShift(std::nullopt);
        followed_ = 0; // its entry back, it is set up again
        outcome.tracked = name;
        return;
    }
    lastWarning_.clear();
    // A hand-over to another satellite, even with no empty tick between the
    // two passes, needs the new satellite's mode on the radio.
    if (number != followed_)
        state_.Nouveau_Sat = true;
    followed_ = number;
    const double frequency = *found.megahertz;
    outcome.frequencyMHz = frequency;

    orbit::Satellites &component = *links_.component();
    orbit::SatelliteLook look;
    const double julian = component.datetimetojt(oleNow);
    component.IsVisible(pass.name, julian, links_.config.Elev_Min, look);
    const double azimuth = wholeDegrees(look.azimuthRad);
    const double elevation = wholeDegrees(look.elevationRad);
    display.showDirection(SkyPoint{azimuth, elevation});
    if (showManualPosition)
        showManualPosition(formatFixed(azimuth, 0), formatFixed(elevation, 0));
    outcome.tracked = name;
    outcome.look = look;

    if (!state_.Tracking_Actif) {
        rotor_.trackingStopped();
    } else if (state_.Pointage_Manuel) {
        rotor_.heldByHand();
    } else {
        if (Rotor *rotor = links_.rotor()) {
            const RotorAim aim = rotor_.follow(*rotor, component, pass, oleNow, azimuth, elevation,
                                               rotorSettings ? rotorSettings() : RotorSteering::Settings{}, replan_);
            replan_ = false;
            const RotorAim sky = onTheSky(aim);
            outcome.rotorCommand = std::make_pair(sky.azimuthDeg, sky.elevationDeg);
        }
    }

    // The corrected frequency is tuned to 100 Hz, the uncorrected one to the kHz.
    const double corrected = roundHalfAway(frequency * dopplerFactor(look.rangeRateKmS), 4);
    const double shift = (corrected - frequency) * 1000.0;
    outcome.dopplerShiftKHz = shift;
    const double tuned = state_.Doppler_Actif ? corrected : roundHalfAway(frequency, 3);
    display.showDopplerShift(state_.Doppler_Actif ? std::optional(shift) : std::nullopt);
    display.showFrequency(TunedFrequency{state_.Doppler_Actif ? corrected : frequency, state_.Doppler_Actif});

    if (state_.Prog_RX_Actif) {
        if (Receiver *receiver = links_.receiver()) {
            if (state_.Nouveau_Sat) {
                links_.sound.playAndWait(links_.folder + QLatin1Char('/') + kSoundFile);
                receiver->takeUp(found.mode);
                state_.Nouveau_Sat = false;
            }
            receiver->tune(hertz(tuned));
        }
    }
    state_.Nouveau_Sat = false;
    state_.Sat_Suivi = true;
    showAwaited(outcome);
}

void TrackingCycle::nothingVisible()
{
    if (chosen_ != 0)
        endChoice();
    replan_ = false;
    clearFollowed();
    lastWarning_.clear();
    links_.display.showDopplerShift(std::nullopt);
    if (state_.Sat_Suivi) {
        state_.Sat_Suivi = false;
        state_.Nouveau_Sat = true;
    }
}

// Nothing followed: the rotor goes to where the next pass will rise, or parks
// when it is far enough away.
void TrackingCycle::waitAtRise(orbit::Satellites &component, double oleNow, TickOutcome &outcome)
{
    if (!state_.Tracking_Actif) {
        rotor_.trackingStopped();
        return;
    }
    if (state_.Pointage_Manuel) {
        rotor_.heldByHand();
        return;
    }
    const auto next = std::find_if(board_.coming().begin(), board_.coming().end(), [this](const orbit::BoardPass &entry) {
        return followsUnasked(entry.pass.catalogNumber);
    });
    if (next == board_.coming().end() || !rotorSettings)
        return;
    Rotor *rotor = links_.rotor();
    if (!rotor)
        return;
    const std::optional<RotorAim> aim = rotor_.between(*rotor, component, next->pass, oleNow, rotorSettings());
    if (!aim)
        return;
    const RotorAim sky = onTheSky(*aim);
    outcome.rotorCommand = std::make_pair(sky.azimuthDeg, sky.elevationDeg);
}

void TrackingCycle::clearFollowed()
{
    links_.display.showFollowed({});
    links_.display.showFrequency(std::nullopt);
    links_.display.showDirection(std::nullopt);
}

void TrackingCycle::showAwaited(TickOutcome &outcome)
{
    if (board_.coming().empty()) {
        links_.display.showAwaited({}, std::nullopt);
        return;
    }
    const orbit::PredictedPass &awaited = board_.coming().front().pass;
    const QString name = QString::fromStdString(awaited.name);
    outcome.awaited = name;
    outcome.awaitedPass = awaited;
    links_.display.showAwaited(name, links_.frequency(awaited.catalogNumber).megahertz);
}

std::optional<orbit::PredictedPass> TrackingCycle::passOnLine(const QString &line) const
{
    return board_.passOnLine(line.toStdString());
}

void TrackingCycle::warnOnce(const QString &cause, const QString &text)
{
    if (cause == lastWarning_)
        return;
    lastWarning_ = cause;
    if (links_.notify)
        links_.notify(text);
}

} // namespace orvanta
