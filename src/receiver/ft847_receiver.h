#pragma once

#include "platform/message_boxes.h"
#include "platform/refusal_report.h"
#include "platform/serial_line.h"
#include "platform/waiter.h"
#include "receiver/ft847_frames.h"
#include "receiver/receiver_line_queue.h"
#include "receiver/receiver_mode.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

namespace orvanta {

// Tunes a Yaesu FT-847 through its CAT interface on the receiver line. The
// radio speaks 4800 baud, 8 data bits, 2 stop bits only, so every call sets
// the line so; the settings stay until the speed menu or the next start-up.
// Each byte is followed by a pause: 0.1 s for the CAT and main VFO frames;
// the CAT manual asks only that a frame's bytes come within 200 ms of each
// other, so the satellite-mode frames that follow the Doppler go out faster.
class Ft847Receiver {
public:
    static constexpr double kByteGap = 0.1;
    static constexpr double kSatelliteByteGap = 0.015;

    // The queue is the receiver line's, shared with the AR5000 driver and panel.
    Ft847Receiver(SerialLine &line, Waiter &waiter, MessageBoxes &messages, ReceiverLineQueue &queue,
                  double satelliteByteGap = kSatelliteByteGap);

    // CAT ON, then the main VFO mode for "Mode A" to "Mode D"; any other
    // mode gets CAT ON only.
    void Programme_FT847(ReceiverMode mode);
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
    // A SAT VFO's frequency (Hz) for the instant its frame lands at the
    // radio, in seconds from the moment it is asked; nothing when the VFO
    // need not move.
    using FrequencyAt = std::function<std::optional<qint64>(ft847::SatelliteVfo vfo, double landsInSeconds)>;
    // What one correction puts on the line around the SAT RX frame.
    struct SatelliteTurn {
        bool readBefore = false; // the SAT RX read back first
        bool transmit = true;    // the SAT TX frame after SAT RX's
    };
    // Moves the SAT VFOs, SAT RX first, with the turn and the frequencies
    // worked out only once the line is free, so that they are right when
    // they land. The reads' answers go to the reader.
    void satelliteFrequencies(std::function<SatelliteTurn()> turn, FrequencyAt frequencyAt);
    // The reader of the SAT RX VFO: the frequency, or nothing when the
    // radio did not answer.
    using ReceiveRead = std::function<void(std::optional<qint64> hertz)>;
    void setSatelliteReader(ReceiveRead reader) { reader_ = std::move(reader); }
    // How long a read takes, its answer included: the radio's answer shows
    // it took the read, so no pause follows the read's last byte.
    double satelliteReadSeconds() const;
    // Back to normal mode; the radio stays under CAT control.
    void endSatellite();
    // The frames' frequencies are no longer worked out (their maker is gone).
    void forgetSatelliteFrequencies()
    {
        frequencyAt_ = nullptr;
        turn_ = nullptr;
    }
    void setSatelliteByteGap(double seconds) { satelliteGap_ = seconds; }
    // How long a satellite-mode frame takes to go out.
    double satelliteFrameSeconds() const { return 5 * satelliteGap_; }

private:
    void send(int key, std::vector<QByteArray> blocks, double gap = kByteGap);
    void write(const QByteArray &block, double gap);
    void readSatelliteReceive();

    SerialLine &line_;
    Waiter &waiter_;
    RefusalReport refusals_;
    ReceiverLineQueue &queue_;
    double satelliteGap_;
    FrequencyAt frequencyAt_;
    std::function<SatelliteTurn()> turn_;
    ReceiveRead reader_;
};

} // namespace orvanta
