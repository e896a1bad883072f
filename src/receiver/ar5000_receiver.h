#pragma once

#include "platform/message_boxes.h"
#include "platform/refusal_report.h"
#include "platform/serial_line.h"
#include "platform/waiter.h"
#include "receiver/ar5000_selections.h"
#include "receiver/receiver_line_queue.h"
#include "receiver/receiver_mode.h"

#include <QString>

namespace orvanta {

// Programs an AOR AR5000 on the receiver line for the satellite being
// followed, keeping the AR5000 panel in step with what it sends.
class Ar5000Receiver {
public:
    // The queue is the receiver line's, shared with the FT-847 driver and the
    // panel: nothing of this driver goes out in the middle of their commands,
    // nor theirs in the middle of the set-up.
    Ar5000Receiver(SerialLine &line, Waiter &waiter, Ar5000Selections &panel, MessageBoxes &messages,
                   ReceiverLineQueue &queue);

    // The fixed set-up, then demodulation, antenna and bandwidth for the
    // satellite's mode ("Mode A" to "Mode D"); any other mode gets only the
    // fixed set-up.
    void Programme_AR5000(ReceiverMode mode);
    // Frequency in MHz, sent with four decimals. A negative or non-finite
    // frequency sends nothing and is reported.
    void Frequence_AR5000(double frequence);
    // "EX": the receiver leaves remote control (shutdown, receiver
    // programming switched off).
    void Fin_Controle();

private:
    void setUpFor(ReceiverMode mode);
    void send(const char *command);
    void select(const char *group, int option);
    void setUp(const char *command, const char *group, int option);

    SerialLine &line_;
    Waiter &waiter_;
    Ar5000Selections &panel_;
    RefusalReport refusals_;
    ReceiverLineQueue &queue_;
};

} // namespace orvanta
