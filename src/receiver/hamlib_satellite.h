#pragma once

#include <QString>
#include <QtGlobal>

#include <chrono>
#include <optional>

struct s_rig; // Hamlib's RIG; its header stays in the .cpp files

namespace orvanta {

// Which of the radio's VFOs carries the uplink in split. Radios differ: most
// with VFO A and B transmit on B in split (FT-817/857/897, IC-7100), radios
// with a main and a sub receiver on the sub (IC-910, IC-9700, TS-2000).
enum class UplinkVfo { VfoB, VfoA, Sub, Main };

// Hamlib's names of the VFOs, which the settings keep ("VFOB"...).
QString uplinkVfoName(UplinkVfo vfo);
UplinkVfo uplinkVfoNamed(const QString &name); // VFOB for an unknown name

// The monotonic clock both threads stamp the satellite work with, in ms.
inline qint64 monotonicMs()
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// What the station wants of a Hamlib radio working a transponder.
struct RigSatelliteWish {
    bool on = false;
    long long starts = 0; // a new start sets the radio up again from scratch
    QString downlinkMode; // "USB", "LSB", "FM", "CW"...
    QString uplinkMode;
    double ctcssHz = 0; // 0: no tone
    UplinkVfo uplinkVfo = UplinkVfo::VfoB;
    qint64 receiveHz = 0;
    qint64 transmitHz = 0;
    qint64 movedAtMs = 0; // when the links were last moved (monotonicMs)
    // The correction cycle; a new one asks for one read of the downlink.
    long long cycle = 0;
    bool readDial = false;
    // The radio transmits the uplink alone on its current VFO, while another
    // radio receives the downlink: no split, no downlink.
    bool uplinkOnly = false;
};

// What the radio said it is on after the last frequency or mode sent, or
// after a correction cycle while it works a transponder (then with the
// cycle and the downlink sent before the read; cycle 0 otherwise).
struct RigReading {
    double hertz = 0;
    long long cycle = 0;
    qint64 sentHz = 0;
    bool uplinkRefused = false; // working a transponder whose uplink does not go out
    qint64 readAtMs = 0;        // monotonicMs of the read
    // From the links' move to the downlink set at the radio (the uplink for
    // a radio that transmits it alone), or from a frequency asked for to its
    // setting, last measured; negative before any.
    double latencySeconds = -1;
    // The radio turned the read of its frequency down: the dial cannot be followed.
    bool unreadable = false;
    bool satelliteMode = false; // the radio's own satellite mode is on
    bool split = false;
};

// The transponder work of one opening of a Hamlib radio, on the worker's
// thread: satellite mode where the radio offers it, else split with the
// uplink on the chosen VFO; the two links, the uplink's tone, and normal
// mode again. A radio that refuses split, or cannot transmit on the uplink,
// keeps its downlink followed and gets no uplink, and the operator is told
// once per start.
class RigSatellite {
public:
    // Brings the radio from `applied` to `wanted`. Empty on success, else why
    // the radio failed (refusals are notes, not failures).
    QString apply(s_rig *rig, const RigSatelliteWish &wanted, RigSatelliteWish &applied);
    // Normal mode again if satellite mode or split is on (before closing).
    QString stop(s_rig *rig);
    bool on() const { return satmode_ || split_; }

    QString takeNote();
    std::optional<RigReading> takeDial();

private:
    QString start(s_rig *rig, const RigSatelliteWish &wanted);
    QString readDial(s_rig *rig, const RigSatelliteWish &wanted, const RigSatelliteWish &applied);
    QString sendReceive(s_rig *rig, qint64 hertz);
    QString sendTransmit(s_rig *rig, qint64 hertz);
    void refused(const QString &text);

    bool satmode_ = false;
    bool split_ = false;
    bool uplink_ = false; // the uplink goes out
    bool uplinkOnly_ = false;
    bool downlinkRefused_ = false;
    bool unreadable_ = false;
    double latency_ = -1;
    int uplinkVfo_ = 0;   // Hamlib's vfo_t
    QString note_;
    std::optional<RigReading> dial_;
};

} // namespace orvanta
