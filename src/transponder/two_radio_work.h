#pragma once

#include "receiver/hamlib_rig.h"
#include "receiver/receiver_mode.h"
#include "transponder/satellite_link.h"

#include <QString>

#include <list>
#include <optional>

class QAction;
class QWidget;

namespace orvanta {

class MessageBoxes;
class SettingsStore;

// The receiver's mode ("Mode A" AM, "Mode B" FM, "Mode C" USB) for a
// transponder's downlink mode; none for a mode the station's receivers are
// not set to (LSB, CW, data): the receiver keeps its own.
std::optional<ReceiverMode> receiverModeFor(const QString &downlinkMode);

// Two radios carrying a transponder's links: the station's receiver (any of
// them, through what the tick uses) on the downlink, and a Hamlib radio on
// the uplink alone, each on its own line or worker.
class TwoRadioSatellite final : public SatelliteRadio {
public:
    explicit TwoRadioSatellite(HamlibReceiver &uplink) : uplink_(uplink) {}
    void setDownlink(Receiver *downlink) { downlink_ = downlink; }
    Receiver *downlink() const { return downlink_; }

    bool start(const Transponder &transponder, qint64 receiveHz, qint64 transmitHz) override;
    void move(const LinkAt &at, double periodSeconds) override;
    void stop() override;
    double latencySeconds() const override { return downlink_ ? downlink_->latencySeconds() : 0; }

private:
    HamlibReceiver &uplink_;
    Receiver *downlink_ = nullptr;
    long long cycle_ = 0;
};

// Working a transponder with two radios: the uplink radio's settings ("Radio
// de montee (Hamlib)..." in the menu "Transpondeurs", "Deux Radios=1" and the
// "Hamlib ... Montee" settings), its worker, and the gates the tick's
// receivers are registered behind, which keep the tick off the downlink
// radio while the two radios work.
class TwoRadioWork {
public:
    // entry: "Radio de montée (Hamlib)...", which sets the uplink radio up.
    TwoRadioWork(QWidget &window, QAction *entry, SettingsStore &store, MessageBoxes &messages,
                 HamlibTiming testTiming = {});

    // What the tick registers for a receiver.
    Receiver &gate(Receiver &radio);
    // An uplink radio is chosen.
    bool chosen() const { return chosen_; }
    bool active() const { return link_.active(); }
    // One correction cycle: registered is the receiver the station programs
    // (one of the gates), null when the two radios work no transponder.
    void cycle(Receiver *registered, const Transponder *transponder, const LinksAhead &ahead, double periodSeconds);

private:
    struct Gate {
        Receiver &radio;
        SatelliteLinkReceiver gate;
    };

    void setUp();
    void choose(bool chosen);

    QWidget &window_;
    QAction *entry_;
    SettingsStore &store_;
    HamlibTiming testTiming_;
    HamlibReceiver uplink_;
    TwoRadioSatellite radio_;
    SatelliteLink link_;
    std::list<Gate> gates_;
    bool chosen_ = false;
};

} // namespace orvanta
