#include "tracking/tick_rhythm.h"

#include <algorithm>
#include <cmath>

namespace orvanta {

namespace {

// A tick starts a little after its beat: the timer never fires early, and
// the margin keeps it so when the system's and the station's milliseconds differ.
constexpr std::int64_t kAfterTheBeatMs = 20;
// How late a tick may come and still be its beat's: the second it reads is the beat's.
constexpr std::int64_t kLatenessMs = 500;

std::int64_t floorDiv(std::int64_t a, std::int64_t b)
{
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}

} // namespace

TickRhythm::TickRhythm(double periodSeconds)
    : periodMs_(std::llround(std::max(periodSeconds, 1.0) * 1000.0))
{
}

std::int64_t TickRhythm::untilNextBeat(std::int64_t nowMs) const
{
    const std::int64_t next = (floorDiv(nowMs, periodMs_) + 1) * periodMs_;
    return next - nowMs + kAfterTheBeatMs;
}

bool TickRhythm::onTheBeat(std::int64_t nowMs) const
{
    const std::int64_t sinceBeat = nowMs - floorDiv(nowMs, periodMs_) * periodMs_;
    return sinceBeat <= kLatenessMs;
}

std::int64_t TickRhythm::firstTickSecond(double dueSeconds) const
{
    const std::int64_t dueMs = std::llround(std::ceil(dueSeconds * 1000.0));
    std::int64_t beat = -floorDiv(-dueMs, periodMs_) * periodMs_;
    // A beat inside a second reads that second, which may be before what is due.
    while (floorDiv(beat, 1000) < dueSeconds)
        beat += periodMs_;
    return floorDiv(beat, 1000);
}

} // namespace orvanta
