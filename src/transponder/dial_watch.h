#pragma once

#include "receiver/command_latency.h"
#include "transponder/two_link_doppler.h"

#include <QtGlobal>

#include <deque>
#include <optional>

namespace orvanta {

// Whether the operator turned the radio's dial, told from the radio's own
// read-back: the radio may be on the last downlink that landed well before
// the read, or on any sent since (still on its way); a reading further than
// the step from all of them is a turn of the dial. Each turn taken counts as
// sent, so that the same reading is never taken twice.
class DialWatch {
public:
    explicit DialWatch(qint64 stepHz) : step_(stepHz) {}

    // A downlink sent to the radio, due to land there at atMs.
    void sent(qint64 hertz, qint64 atMs);
    // The dial's frequency (Hz) when it was turned. marginMs: how late the
    // radio may take a frequency after it was due.
    std::optional<double> turned(double readHz, qint64 readAtMs, qint64 marginMs);
    void clear() { history_.clear(); }

private:
    static constexpr std::size_t kKept = 64;

    struct Sent {
        qint64 atMs;
        qint64 hertz;
    };
    qint64 step_;
    std::deque<Sent> history_;
};

// The downlink at the satellite that lands on the dial's frequency with the
// links' Doppler shift and offset.
qint64 downlinkFromDial(double dialHz, const TwoLinks &links);

} // namespace orvanta
