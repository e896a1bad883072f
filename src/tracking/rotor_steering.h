#pragma once

#include "tracking/rotor_guide.h"
#include "config/rotor_settings.h"
#include "orbit/horizon_mask.h"
#include "rotor/rotor_follow_watch.h"

#include <QString>

#include <functional>
#include <optional>

namespace orvanta {

class Rotor;

// The rotor as the tick drives it: each pass on its plan, led ahead when
// the operator wants it, never below the station's horizon; between passes
// waiting at the next rise or parked; and, where the rotor says where it
// points, a watch that it follows and a measure of its speed.
class RotorSteering {
public:
    struct Settings {
        bool lead = false;
        RotorSpeeds speeds;
        double intervalSeconds = 5; // until the next command
        double allowedErrorDeg = 10;
        bool parkBetweenPasses = false;
        double parkAfterMinutes = 30;
        RotorAim park;
        RiseWaiting waiting;
    };

    // "Le rotor ne suit pas", said once each time it stops following.
    std::function<void(const QString &text)> notify;

    void setHorizon(const orbit::HorizonMask &mask) { guide_.setHorizon(mask); }
    const orbit::HorizonMask &horizon() const { return guide_.horizon(); }

    // Points the rotor at the satellite of a pass in progress, seen at
    // azimuth and elevation (whole degrees) at nowOle; returns the command.
    // fromNow plans the rest of the pass again from this instant (see RotorGuide).
    RotorAim follow(Rotor &rotor, orbit::Satellites &satellites, const orbit::PredictedPass &pass, double nowOle,
                    double azimuthDeg, double elevationDeg, const Settings &settings, bool fromNow = false);
    // Nothing followed: waits at the next pass's rise, or parks when it is
    // far enough away and the operator wants it; returns the command if one
    // was sent.
    std::optional<RotorAim> between(Rotor &rotor, orbit::Satellites &satellites, const orbit::PredictedPass &next,
                                    double nowOle, const Settings &settings);
    // Tracking was switched off.
    void trackingStopped();
    // The manual pointing window holds the rotor: what it was sent before
    // is no longer what it follows.
    void heldByHand();

    // The speeds measured from the readings since tracking began.
    std::optional<RotorSpeeds> measuredSpeeds() const { return meter_.measured(); }

private:
    // The rotor's reading, taken as the previous command was sent, against
    // the command it was following then.
    void watch(Rotor &rotor, const Settings &settings);
    RotorAim estimatedNow(Rotor &rotor, double nowSeconds, const RotorAim &otherwise, const Settings &settings) const;
    void sent(Rotor &rotor, const RotorAim &command, double nowSeconds, const Settings &settings);

    RotorGuide guide_;
    RotorFollowWatch watch_;
    RotorSpeedMeter meter_;
    std::optional<RotorAim> lastCommand_;   // in the rotor's frame
    std::optional<RotorAim> commandBefore_; // the one before it, which the last reading followed
    double lastSeconds_ = 0;
    double lastSentSteady_ = 0;  // the machine's steady seconds as the last command went
    double watchedSeconds_ = -1; // the reading last watched was taken then
    RotorAim lastEstimate_; // where the rotor was thought to be as the last command went
    bool parked_ = false;
};

} // namespace orvanta
