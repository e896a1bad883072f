#pragma once

#include "receiver/ft847_receiver.h"
#include "receiver/receiver.h"

namespace orvanta {

// The FT-847 as the tick's receiver. It is released by its own CAT OFF:
// "EX" is an AR5000 command and must never reach it.
class Ft847Radio final : public Receiver {
public:
    explicit Ft847Radio(Ft847Receiver &ft847) : ft847_(ft847) {}

    void takeUp(ReceiverMode mode) override { ft847_.Programme_FT847(mode); }
    void tune(double hertz) override { ft847_.Frequence_FT847(hertz / 1e6); }
    void endRemoteControl() override { ft847_.Fin_Controle(); }
    // The frame lands with its fifth byte, after four pauses.
    double latencySeconds() const override { return 4 * Ft847Receiver::kByteGap; }

private:
    Ft847Receiver &ft847_;
};

} // namespace orvanta
