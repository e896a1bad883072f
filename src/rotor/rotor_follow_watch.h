#pragma once

#include "rotor/rotor_lead.h"
#include "rotor/rotor_plan.h"
#include "rotor/rotor_range.h"

#include <optional>
#include <vector>

namespace orvanta {

// Whether a reading can be where a rotor of that range points: finite,
// within its azimuths and elevations give or take a few degrees of
// overtravel. Anything else is garbage from the line or the backend.
bool readingWithinRange(const RotorAim &reading, const RotorRange &range);

// Whether the rotor really goes where it is sent, from what it says at each
// tick (the reading taken as the tick begins, against the command of the
// previous tick), in the machine's steady seconds. It does not follow when:
// - it is away from the command and has not moved toward it for longer
//   than a rotor of its speed needs to start and cover a few degrees, or
// - it stays more than the allowed error away for more than two ticks
//   without closing in at about its speed (a long slew is no fault).
// Each time it stops following it is said once; once it follows again
// (within the allowed error) the next stop is said again.
class RotorFollowWatch {
public:
    struct Settings {
        RotorSpeeds speeds;
        double allowedErrorDeg = 10;
    };

    struct Report {
        RotorAim reading; // where it is, in its own degrees
        RotorAim command; // where it should be
    };

    void setSettings(const Settings &settings) { settings_ = settings; }

    // A tick: the reading now and the command it was given at the previous
    // tick. Returns a report the first tick the rotor is found not following.
    std::optional<Report> observe(double nowSeconds, const RotorAim &reading, const RotorAim &command);
    // Tracking stopped or a new command frame (manual pointing, another rotor).
    void reset();

private:
    // How long a rotor may stay still while away from its command.
    double stillAllowanceSeconds() const;

    Settings settings_;
    std::optional<RotorAim> lastReading_;
    double stillSince_ = 0; // since when it has not come closer
    RotorAim stillAt_;      // where it was then
    double stillError_ = 0; // and how far from its command
    double lastSeconds_ = 0;
    double lastToGo_ = 0; // seconds of turning left to the command
    int ticksFarAway_ = 0;
    bool said_ = false;
};

// The rotor's real speed, measured from its readings while it turns: the
// median pace on each axis between two readings that were both away from
// where it was sent, on the same side (it turned all the time between them).
class RotorSpeedMeter {
public:
    // The reading now and the command it followed since the previous reading.
    void observe(double nowSeconds, const RotorAim &reading, const RotorAim &command);
    // Nothing until each axis has been seen turning.
    std::optional<RotorSpeeds> measured() const;
    void reset() { *this = {}; }

private:
    std::optional<double> lastSeconds_;
    RotorAim lastReading_;
    std::vector<double> azimuth_; // degrees per second, one per pair of readings
    std::vector<double> elevation_;
};

} // namespace orvanta
