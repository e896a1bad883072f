#pragma once

#include "receiver/hamlib_rig.h"
#include "transponder/satellite_link.h"

#include <functional>
#include <optional>

class QObject;

namespace orvanta {

class SettingsStore;
class TransponderTuning;

// The transponder settings of the Hamlib radio, section "Transpondeurs":
// "VFO Montee" (VFOB by default: the transmit VFO in split of most radios
// Hamlib drives) and "Ignorer le cadran" (1: the dial is not read).
UplinkVfo uplinkVfoSetting(const SettingsStore &store);
bool ignoresDial(const SettingsStore &store);

// The Hamlib radio carrying both links, through its worker. Each correction
// cycle is numbered, so that a read of the dial is matched with what was
// sent before it.
class HamlibSatelliteRadio final : public SatelliteRadio {
public:
    HamlibSatelliteRadio(HamlibReceiver &rig, std::function<UplinkVfo()> uplinkVfo)
        : rig_(rig), uplinkVfo_(std::move(uplinkVfo))
    {
    }
    // Always true: the radio's answer comes later, on its worker, which
    // keeps the downlink alone followed when the radio turns the uplink down.
    bool start(const Transponder &transponder, qint64 receiveHz, qint64 transmitHz) override;
    void move(std::optional<qint64> receiveHz, std::optional<qint64> transmitHz) override;
    void stop() override;

    void beginCycle() { ++cycle_; }
    // Asks for the read of the dial after what the cycle sent.
    void endCycle(bool readDial) { rig_.satelliteCycle(cycle_, readDial); }
    long long lastDownlinkSent() const { return lastDownlinkSent_; }

private:
    HamlibReceiver &rig_;
    std::function<UplinkVfo()> uplinkVfo_;
    long long cycle_ = 0;
    long long lastDownlinkSent_ = 0;
};

// Whether the operator turned the radio's dial: a read that differs from the
// downlink sent before it by more than the step. A read made within two
// cycles of a downlink sent may still show the radio on its way, so it is
// ignored, and so no feedback loop can start. Each read counts once.
class DialWatch {
public:
    static constexpr long long kQuietCycles = 2;

    explicit DialWatch(qint64 stepHz) : step_(stepHz) {}
    // The dial's frequency (Hz) when it was turned.
    std::optional<double> turned(const RigReading &read, long long lastDownlinkSent);

private:
    qint64 step_;
    long long lastRead_ = 0;
};

// The downlink at the satellite that lands on the dial's frequency with the
// links' Doppler shift and offset.
qint64 downlinkFromDial(double dialHz, const TwoLinks &links);

// Working a transponder with the Hamlib radio: its satellite link, its dial,
// and its two settings in the "Transpondeurs" menu.
class HamlibSatelliteWork {
public:
    // window: where the menu entries are found.
    HamlibSatelliteWork(QObject &window, SettingsStore &store, HamlibReceiver &rig);

    // What the tick registers as the Hamlib radio.
    Receiver &receiver() { return receiver_; }
    // One correction cycle; tuning is null when the radio works no
    // transponder. A turned dial moves the tuning before the links go out.
    void cycle(TransponderTuning *tuning);
    // The radio turned the uplink down at the start of the work (known from
    // its first read after it).
    bool uplinkRefused() const;

private:
    SettingsStore &store_;
    HamlibReceiver &rig_;
    HamlibSatelliteRadio radio_;
    SatelliteLink link_;
    SatelliteLinkReceiver receiver_;
    DialWatch dial_;
    bool ignoreDial_;
};

} // namespace orvanta
