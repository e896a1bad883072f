#pragma once

#include "data/satellite_status.h"
#include "orbit/pass_list.h"
#include "orbit/passes_in_sight.h"
#include "orbit/satellites.h"
#include "receiver/receiver_mode.h"
#include "tracking/rotor_steering.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace orvanta {

struct ConfigStation;
class Receiver;
class Rotor;
class SoundPlayer;
class StationClock;

// The switches of the main window and the tick's memory between two ticks,
// as at start-up.
struct TrackingState {
    bool Tracking_Actif = false;  // "Poursuite Antenne": the rotor follows
    bool Doppler_Actif = false;   // "Correction Doppler"
    bool Prog_RX_Actif = false;   // "Programmation Recepteur"
    bool Pointage_Manuel = false; // the manual pointing window holds the rotor
    // The next followed satellite gets the full receiver set-up and the sound.
    bool Nouveau_Sat = true;
    bool Sat_Suivi = true; // a satellite was followed at the previous tick
};

// The frequency the receiver is tuned to, MHz, and whether it is corrected
// for the Doppler shift (shown to 100 Hz, else to the kHz).
struct TunedFrequency {
    double megahertz = 0;
    bool corrected = false;
};

// Where a tick shows what it found, as values; the window makes the texts.
class TrackingDisplay {
public:
    virtual ~TrackingDisplay() = default;
    // The followed satellite; empty for none.
    virtual void showFollowed(const QString &satellite) = 0;
    // Where it is seen, whole degrees; none clears the boxes.
    virtual void showDirection(const std::optional<SkyPoint> &direction) = 0;
    virtual void showFrequency(const std::optional<TunedFrequency> &frequency) = 0;
    // The Doppler shift, kHz; none while the correction is off or nothing is followed.
    virtual void showDopplerShift(std::optional<double> kilohertz) = 0;
    // The satellite awaited next and its frequency; an empty name for none.
    virtual void showAwaited(const QString &satellite, std::optional<double> megahertz) = 0;
    // The passes in progress and to come, in the board's order, with when
    // they clear the station's horizon where it has one.
    virtual void showPasses(const orbit::PassBoard &board, const orbit::PassesInSight &inSight) = 0;
    // Whether the followed satellite is the operator's choice rather than
    // the pass in progress that began first.
    virtual void showFollowChoice(bool chosen) = 0;
    virtual void showPredictionNotice(const QString &text) = 0;
    // The clock's reading: "hh:mm:ss" and "DD/MM/YY".
    virtual void showClock(const QString &time, const QString &date) = 0;
    // Where the Hamlib rotor says it is, in its own degrees; none hides it.
    virtual void showRotorReading(const std::optional<RotorAim> &position) = 0;
    // The frequency the Hamlib radio says it is on, Hz; none hides it.
    virtual void showRadioReading(std::optional<double> hertz) = 0;
    // The two satellite lists, each entry with its catalogue number and what
    // the SatNOGS DB says of it. The lookups may be called after the call
    // returns, until the next one.
    virtual void showSatelliteLists(const QStringList &available, const QStringList &selected,
                                    const std::function<long(const QString &)> &catalogNumberOf,
                                    const std::function<SatelliteStatus(long)> &statusOf) = 0;
};

// A frequency lookup as the tick needs it.
struct FrequencyFound {
    std::optional<double> megahertz;
    ReceiverMode mode = ReceiverMode::Unknown;
    bool fileDamaged = false; // not found because the file is damaged before its record
};

// What one tick did, for the views that follow it (sky view, manual pointing).
struct TickOutcome {
    QDateTime instant;
    double nowOle = 0;            // as given to the component
    std::optional<orbit::PredictedPass> trackedPass; // the first pass of Sat_Visibles
    std::optional<orbit::PredictedPass> awaitedPass; // the first pass of Detail_Pass
    std::optional<double> frequencyMHz; // the followed satellite's, from the table
    QString tracked;                  // empty when nothing is followed
    std::optional<orbit::SatelliteLook> look;
    std::optional<double> dopplerShiftKHz;
    // Where the rotor was sent this tick, as a direction on the sky (azimuth
    // 0 to 360, elevation to 90), whatever side of its range it took.
    std::optional<std::pair<double, double>> rotorCommand;
    QString awaited;

    // The followed satellite's catalogue number, 0 when nothing is followed.
    long trackedCatalogNumber() const { return trackedPass ? trackedPass->catalogNumber : 0L; }
};

// One run of the tracking timer: passes of the selection, the satellite to
// follow (the pass in progress that began first), its position and Doppler-
// corrected frequency, the rotor and the receiver, and the satellite awaited
// next.
class TrackingCycle {
public:
    struct Links {
        const ConfigStation &config;
        StationClock &clock;
        // The rotor and the receiver chosen now; null for none.
        std::function<Rotor *()> rotor;
        std::function<Receiver *()> receiver;
        SoundPlayer &sound;
        TrackingDisplay &display;
        QString folder;                                 // where Nouveau_Sat.wav and Frequences.cfg are
        std::function<orbit::Satellites *()> component; // the current orbital component
        // The satellite's frequency in the table, by catalogue number.
        std::function<FrequencyFound(long catalogNumber)> frequency;
        // Shown after the tick, never inside it.
        std::function<void(const QString &text)> notify;
        // Why nothing can be predicted now, or empty.
        std::function<QString()> predictionsBlocked;
    };

    explicit TrackingCycle(Links links);

    // The tick itself, for the selection's catalogue numbers. A tick that
    // arrives while another is still running (its waits and its sound let
    // timer events through) is skipped.
    void Tick(const std::vector<long> &selection);

    // What the operator asked for; each takes effect at the next tick.
    void setRotorTracking(bool on);     // "Poursuite Antenne"
    void setDopplerCorrection(bool on); // "Correction Doppler"
    // "Programmation Recepteur": on, the next followed satellite gets the
    // full set-up; off, the receiver is handed back to its front panel at once.
    void setReceiverProgramming(bool on);
    // The manual pointing window is open: the tick leaves the rotor to it.
    void setManualPointing(bool open);
    // Another bank: what is shown no longer applies, and the next followed
    // satellite is taken up as new.
    void selectionChanged();
    // "Suivre ce satellite": the satellite is followed from the next tick
    // until its loss of signal, whatever rose first; then the tick goes back
    // to the pass that began first. A satellite that is not in progress at
    // the last tick is refused: the reason is returned, empty when taken.
    QString chooseToFollow(long catalogNumber);
    // Back to the pass in progress that began first, from the next tick.
    void followAutomatically();
    // The satellite the operator chose, while the choice holds; 0 otherwise.
    long chosen() const { return chosen_; }

    const TrackingState &state() const { return state_; }
    // Called at the end of every tick that ran.
    std::function<void(const TickOutcome &)> ticked;
    // Keeps the manual pointing window's boxes on the followed satellite.
    std::function<void(const QString &azimut, const QString &site)> showManualPosition;
    // How the rotor is driven: the lead, the waiting at the next pass's rise
    // or the park between passes.
    std::function<RotorSteering::Settings()> rotorSettings;
    // Whether a satellite is followed, and waited for by the rotor, without
    // the operator choosing it: not one known to be dead or re-entered.
    std::function<bool(long catalogNumber)> followedUnasked;
    RotorSteering &rotorSteering() { return rotor_; }
    // The station's horizon: the rotor never goes below it, and the pass
    // lists say when each pass clears it.
    void setHorizon(const orbit::HorizonMask &mask);

    bool running() const { return running_; }
    int skippedTicks() const { return skipped_; }
    // The passes in progress and to come, as the last tick predicted them.
    const orbit::PassBoard &board() const { return board_; }
    // The pass a line of the lists shows, as the last tick predicted it.
    std::optional<orbit::PredictedPass> passOnLine(const QString &line) const;

private:
    void run(const std::vector<long> &selection);
    const orbit::PredictedPass *passToFollow();
    bool followsUnasked(long catalogNumber) const { return !followedUnasked || followedUnasked(catalogNumber); }
    void endChoice();
    void follow(const orbit::PredictedPass &pass, double oleNow, TickOutcome &outcome);
    void nothingVisible();
    void waitAtRise(orbit::Satellites &component, double oleNow, TickOutcome &outcome);
    void showAwaited(TickOutcome &outcome);
    void clearFollowed();
    void warnOnce(const QString &cause, const QString &text);

    Links links_;
    TrackingState state_;
    orbit::PassBoard board_;
    orbit::PassesInSight inSight_;
    RotorSteering rotor_;
    long followed_ = 0;               // the catalogue number followed last
    long chosen_ = 0;                 // the operator's choice, 0 for none
    bool replan_ = false;             // the next followed pass is planned from where it is then
    bool running_ = false;
    int skipped_ = 0;
    QString lastWarning_; // the message shown for the case that lasts
};

} // namespace orvanta
