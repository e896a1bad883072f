#pragma once

#include "receiver/receiver_mode.h"

namespace orvanta {

// A receiver as the tracking tick and the shutdown see it, whatever radio it
// is and however it is reached.
class Receiver {
public:
    virtual ~Receiver() = default;
    // Full set-up for a satellite newly taken up, in its mode.
    virtual void takeUp(ReceiverMode mode) = 0;
    // The downlink frequency in hertz (to the kHz, or to 100 Hz when
    // corrected for Doppler); each radio writes it in its own form.
    virtual void tune(double hertz) = 0;
    // Hands the radio back to its front panel (programming switched off,
    // shutdown). Radios without such a command do nothing.
    virtual void endRemoteControl() = 0;
    // How long a frequency takes from tune() to the radio, as far as known.
    virtual double latencySeconds() const { return 0; }
};

} // namespace orvanta
