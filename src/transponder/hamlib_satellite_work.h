#pragma once

#include "receiver/hamlib_rig.h"
#include "transponder/dial_watch.h"
#include "transponder/satellite_link.h"
#include "transponder/transponder_tuning.h"

#include <functional>
#include <optional>

class QObject;

namespace orvanta {

struct TransponderEntries;

class SettingsStore;

// The transponder settings of the Hamlib radio, section "Transpondeurs":
// "VFO Montee" (VFOB by default: the transmit VFO in split of most radios
// Hamlib drives) and "Ignorer le cadran" (1: the dial is not read).
UplinkVfo uplinkVfoSetting(const SettingsStore &store);
bool ignoresDial(const SettingsStore &store);

// The Hamlib radio carrying both links, through its worker. Each correction
// cycle is numbered, so that a read of the dial is matched with what was
// sent before it; the downlinks sent are kept to tell a turn of the dial
// from our own corrections.
class HamlibSatelliteRadio final : public SatelliteRadio {
public:
    HamlibSatelliteRadio(HamlibReceiver &rig, std::function<UplinkVfo()> uplinkVfo, DialWatch &dial)
        : rig_(rig), uplinkVfo_(std::move(uplinkVfo)), dial_(dial)
    {
    }
    // Always true: the radio's answer comes later, on its worker, which
    // keeps the downlink alone followed when the radio turns the uplink down.
    bool start(const Transponder &transponder, qint64 receiveHz, qint64 transmitHz) override;
    void move(const LinkAt &at, double periodSeconds) override;
    void stop() override;
    double latencySeconds() const override { return latency_.seconds(); }

    void beginCycle() { ++cycle_; }
    // Asks for the read of the dial after what the cycle sent.
    void endCycle(bool readDial) { rig_.satelliteCycle(cycle_, readDial); }
    void measured(double latencySeconds) { latency_.measured(latencySeconds); }

private:
    HamlibReceiver &rig_;
    std::function<UplinkVfo()> uplinkVfo_;
    DialWatch &dial_;
    CommandLatency latency_;
    long long cycle_ = 0;
};

// Working a transponder with the Hamlib radio: its satellite link, its dial,
// and its two settings in the "Transpondeurs" menu.
class HamlibSatelliteWork {
public:
    static constexpr qint64 kReadMarginMs = 100;
    // window: owns what connects the entries.
    HamlibSatelliteWork(QObject &window, const TransponderEntries &entries, SettingsStore &store, HamlibReceiver &rig);

    // What the tick registers as the Hamlib radio.
    Receiver &receiver() { return receiver_; }
    // One correction cycle; tuning is null when the radio works no
    // transponder. A turned dial moves the tuning before the links go out.
    void cycle(TransponderTuning *tuning, const LinksAhead &ahead, double periodSeconds);
    // The radio turned the uplink down at the start of the work (known from
    // its first read after it).
    bool uplinkRefused() const;
    bool active() const { return link_.active(); }
    // "Ignorer le cadran", for every radio that works a transponder.
    bool dialIgnored() const { return ignoreDial_; }
    // Satellite mode and split as the radio last said, and the uplink's VFO.
    RadioState state() const;
    // Where the radio's dial was at its last read, in Hz.
    std::optional<double> dial() const;

private:
    SettingsStore &store_;
    HamlibReceiver &rig_;
    DialWatch dial_;
    HamlibSatelliteRadio radio_;
    SatelliteLink link_;
    SatelliteLinkReceiver receiver_;
    bool ignoreDial_;
    long long lastRead_ = 0;
};

} // namespace orvanta
