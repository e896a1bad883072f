#pragma once

#include "platform/message_boxes.h"
#include "platform/refusal_report.h"
#include "platform/serial_line.h"
#include "platform/waiter.h"
#include "receiver/receiver_line_queue.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

namespace orvanta {

// Tunes a Yaesu FT-847 through its CAT interface on the receiver line. The
// radio speaks 4800 baud, 8 data bits, 2 stop bits only, so every call sets
// the line so; the settings stay until the speed menu or the next start-up.
class Ft847Receiver {
public:
    // The queue is the receiver line's, shared with the AR5000 driver and panel.
    Ft847Receiver(SerialLine &line, Waiter &waiter, MessageBoxes &messages, ReceiverLineQueue &queue);

    // CAT ON, then the main VFO mode for "Mode A" to "Mode D"; any other
    // mode gets CAT ON only.
    void Programme_FT847(const QString &mode);
    // Main VFO frequency in MHz, to 10 Hz. A frequency the radio's eight
    // digits cannot hold sends nothing and is reported.
    void Frequence_FT847(double frequence);
    // CAT OFF: the radio's own knobs work again.
    void Fin_Controle();

    // Satellite mode for a transponder: CAT ON, satellite mode on, the SAT RX
    // and SAT TX modes (by name, see ft847::setSatelliteMode), the uplink's
    // CTCSS tone (0 Hz: encoder off) and both frequencies (Hz, sent to
    // 10 Hz). A tone the radio does not have is reported and not sent. A
    // downlink the radio cannot receive or an uplink it cannot transmit is
    // reported and nothing is sent (false).
    bool startSatellite(const QString &receiveMode, const QString &transmitMode, qint64 receiveHz, qint64 transmitHz,
                        double toneHz = 0);
    // Moves the SAT VFOs; a link without a value is left where it is.
    void satelliteFrequencies(std::optional<qint64> receiveHz, std::optional<qint64> transmitHz);
    // Back to normal mode; the radio stays under CAT control.
    void endSatellite();

private:
    void send(int key, std::vector<QByteArray> blocks);

    SerialLine &line_;
    Waiter &waiter_;
    RefusalReport refusals_;
    ReceiverLineQueue &queue_;
};

} // namespace orvanta
