#pragma once

#include <cstdint>

namespace orvanta {

// The tracking timer beats on whole multiples of its period, counted on the
// station's clock from the OLE origin, so that the tick that will send a
// planned command is known before the pass: the pass details can say when
// the rotor turns, to the second the command goes out.
class TickRhythm {
public:
    // Repetition_mesure, seconds; below a second the station would compute
    // without pause.
    explicit TickRhythm(double periodSeconds);

    std::int64_t periodMs() const { return periodMs_; }

    // From nowMs to just after the next beat, so that the tick reads the beat's own second.
    std::int64_t untilNextBeat(std::int64_t nowMs) const;
    // Whether a tick read nowMs close enough after a beat to be that beat's.
    bool onTheBeat(std::int64_t nowMs) const;
    // The second a tick reads (whole seconds since the OLE origin) at the
    // first beat whose tick sees dueSeconds passed.
    std::int64_t firstTickSecond(double dueSeconds) const;

private:
    std::int64_t periodMs_;
};

} // namespace orvanta
