#pragma once

#include "platform/serial_line.h"
#include "receiver/ar5000_receiver.h"
#include "receiver/receiver.h"

namespace orvanta {

// The AR5000 as the tick's receiver.
class Ar5000Radio final : public Receiver {
public:
    explicit Ar5000Radio(Ar5000Receiver &ar5000) : ar5000_(ar5000) {}

    void takeUp(ReceiverMode mode) override { ar5000_.Programme_AR5000(mode); }
    void tune(double hertz) override { ar5000_.Frequence_AR5000(hertz / 1e6); }
    void endRemoteControl() override { ar5000_.Fin_Controle(); }

private:
    Ar5000Receiver &ar5000_;
};

} // namespace orvanta
