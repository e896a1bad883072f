#pragma once

#include "platform/sequence_queue.h"

#include <functional>

namespace orvanta {

// Everything written to the receiver line goes through this one queue: the
// FT-847 frames, the AR5000 set-up, frequency and end of remote control, and
// the AR5000 panel's commands. Their waits let window events run, so a
// command asked for meanwhile (a panel click, a tracking tick) waits for the
// current sequence to end instead of landing in the middle of a CAT frame.
class ReceiverLineQueue {
public:
    // A newer request with the same key replaces one that is still waiting.
    enum Key : int {
        Ft847Mode,
        Ft847Frequency,
        Ft847Satellite,          // satellite mode on with its set-up, or off
        Ft847SatelliteFrequency, // both SAT VFOs and the read of SAT RX
        Ar5000SetUp,
        Ar5000Frequency,
        Ar5000End,
        Ft847End,
        LineClosing, // the shutdown's last use of the line
        FirstPanelGroup, // then one key per group of the AR5000 panel
    };

    void run(int key, std::function<void()> sequence) { queue_.run(key, std::move(sequence)); }
    // For the AR5000 set-up, which marks the panel's options as it goes: the
    // panel's commands then go out in their place within the set-up.
    void runInPlace(const std::function<void()> &step) { queue_.runInPlace(step); }

private:
    SequenceQueue queue_;
};

} // namespace orvanta
