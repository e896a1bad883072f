#pragma once

#include "data/transponder_table.h"
#include "receiver/receiver.h"
#include "transponder/two_link_doppler.h"

#include <optional>

namespace orvanta {

class Ft847Receiver;

// What the satellite link needs of a radio that carries both links.
class SatelliteRadio {
public:
    virtual ~SatelliteRadio() = default;
    // Satellite mode on with both modes and frequencies (Hz); false when the
    // radio cannot work them (said to the operator), nothing sent.
    virtual bool start(const Transponder &transponder, qint64 receiveHz, qint64 transmitHz) = 0;
    // Moves the links given; the others stay.
    virtual void move(std::optional<qint64> receiveHz, std::optional<qint64> transmitHz) = 0;
    // Normal mode again.
    virtual void stop() = 0;
};

// The FT-847 in satellite mode through our own driver.
class Ft847SatelliteRadio final : public SatelliteRadio {
public:
    explicit Ft847SatelliteRadio(Ft847Receiver &ft847) : ft847_(ft847) {}
    bool start(const Transponder &transponder, qint64 receiveHz, qint64 transmitHz) override;
    void move(std::optional<qint64> receiveHz, std::optional<qint64> transmitHz) override;
    void stop() override;

private:
    Ft847Receiver &ft847_;
};

// One radio working a transponder: satellite mode on when a transponder with
// an uplink is worked, the two corrected frequencies at each cycle, each sent
// only once it has moved by the radio's step, and normal mode again when the
// work ends. The radio cannot say whether it is in satellite mode, so this
// remembers it.
class SatelliteLink {
public:
    static constexpr qint64 kFt847StepHz = 10;

    explicit SatelliteLink(SatelliteRadio &radio, qint64 stepHz = kFt847StepHz) : radio_(radio), step_(stepHz) {}

    // One correction cycle: the transponder worked and its links now, or
    // nothing when the radio should be in normal mode.
    void cycle(const Transponder *transponder, const std::optional<TwoLinks> &links);
    // Normal mode again if satellite mode is on (release, shutdown).
    void release();
    bool active() const { return active_; }
    // The radio turned the transponder down at its last start: its uplink
    // does not go out.
    bool refused() const { return refused_; }

private:
    qint64 onStep(double hertz) const;

    SatelliteRadio &radio_;
    qint64 step_;
    bool active_ = false;
    bool starting_ = false;
    bool refused_ = false;
    Transponder worked_;
    qint64 sentReceive_ = 0;
    qint64 sentTransmit_ = 0;
};

// The tick's receiver while a link may be worked: the tick leaves the radio
// alone while it is in satellite mode, and the release puts it back in
// normal mode before the radio's own end of remote control.
class SatelliteLinkReceiver final : public Receiver {
public:
    SatelliteLinkReceiver(Receiver &radio, SatelliteLink &link) : radio_(radio), link_(link) {}

    void takeUp(const QString &mode) override
    {
        if (!link_.active())
            radio_.takeUp(mode);
    }
    void tune(double hertz) override
    {
        if (!link_.active())
            radio_.tune(hertz);
    }
    void endRemoteControl() override
    {
        link_.release();
        radio_.endRemoteControl();
    }

private:
    Receiver &radio_;
    SatelliteLink &link_;
};

} // namespace orvanta
