#pragma once

#include "data/transponder_table.h"
#include "receiver/ft847_receiver.h"
#include "receiver/receiver.h"
#include "transponder/two_link_doppler.h"

#include <functional>
#include <optional>

namespace orvanta {

// The two links at an instant, in seconds from now; empty without a
// transponder or a range rate.
using LinksAhead = std::function<std::optional<TwoLinks>(double seconds)>;

// What the satellite link needs of a radio that carries both links.
class SatelliteRadio {
public:
    enum class Link { Downlink, Uplink };
    // A link's frequency at the radio (Hz, on its step) for a frequency that
    // lands in landsInSeconds and stays holdSeconds; nothing when the link
    // need not move.
    using LinkAt = std::function<std::optional<qint64>(Link link, double landsInSeconds, double holdSeconds)>;

    virtual ~SatelliteRadio() = default;
    // Satellite mode on with both modes and frequencies (Hz); false when the
    // radio cannot work them (said to the operator), nothing sent.
    virtual bool start(const Transponder &transponder, qint64 receiveHz, qint64 transmitHz) = 0;
    // Moves the links that need it, asking `at` when their commands go out;
    // a correction comes every periodSeconds.
    virtual void move(const LinkAt &at, double periodSeconds) = 0;
    // Normal mode again.
    virtual void stop() = 0;
    // How long a command takes to land at the radio.
    virtual double latencySeconds() const { return 0; }
};

// The FT-847 in satellite mode through our own driver. Its frames take long
// on the line, so the downlink, at three times the uplink's Doppler rate on
// the usual transponders, goes at every correction and the uplink at every
// other one.
class Ft847SatelliteRadio final : public SatelliteRadio {
public:
    // nowMs: the station's clock, in ms.
    Ft847SatelliteRadio(Ft847Receiver &ft847, std::function<qint64()> nowMs);
    ~Ft847SatelliteRadio() override;
    bool start(const Transponder &transponder, qint64 receiveHz, qint64 transmitHz) override;
    void move(const LinkAt &at, double periodSeconds) override;
    void stop() override;
    double latencySeconds() const override;

    // Whether the dial is read between corrections.
    void setReadsDial(bool reads) { readsDial_ = reads; }

private:
    Ft847Receiver &ft847_;
    bool readsDial_ = false;
    bool uplinkTurn_ = true;
    Ft847Receiver::SatelliteTurn turn_; // the one going out
    std::function<qint64()> nowMs_;
};

// One radio working a transponder: satellite mode on when a transponder with
// an uplink is worked, the two corrected frequencies at each cycle, each sent
// only once it has moved by the radio's step, and normal mode again when the
// work ends. The radio cannot say whether it is in satellite mode, so this
// remembers it.
class SatelliteLink {
    using Link = SatelliteRadio::Link;

public:
    static constexpr qint64 kFt847StepHz = 10;

    explicit SatelliteLink(SatelliteRadio &radio, qint64 stepHz = kFt847StepHz) : radio_(radio), step_(stepHz) {}

    // One correction cycle: the transponder worked and its links through
    // time, or nothing when the radio should be in normal mode. Each
    // frequency sent is the one for the middle of the time the radio will
    // hold it: from when it lands to when the next one does, as the radio
    // reckons it.
    void cycle(const Transponder *transponder, const LinksAhead &ahead, double periodSeconds);
    // Normal mode again if satellite mode is on (release, shutdown).
    void release();
    bool active() const { return active_; }
    // The radio turned the transponder down at its last start: its uplink
    // does not go out.
    bool refused() const { return refused_; }
    // Told of each downlink sent and of when it lands, in seconds from now.
    void setOnDownlinkSent(std::function<void(qint64 hertz, double landsInSeconds)> told)
    {
        downlinkSent_ = std::move(told);
    }

private:
    qint64 onStep(double hertz) const;
    std::optional<qint64> linkAt(Link link, double landsInSeconds, double holdSeconds);

    SatelliteRadio &radio_;
    qint64 step_;
    bool active_ = false;
    bool starting_ = false;
    bool refused_ = false;
    Transponder worked_;
    LinksAhead ahead_;
    std::function<void(qint64, double)> downlinkSent_;
    qint64 sentReceive_ = 0;
    qint64 sentTransmit_ = 0;
};

// How long until the next correction: the period, or less when a link's
// Doppler shift moves fast enough to drift more than a few steps meanwhile
// (never under 0.1 s). dopplerRate in Hz/s, of the faster link.
double correctionSeconds(double dopplerRate, double periodSeconds);

// The tick's receiver while a link may be worked: the tick leaves the radio
// alone while it is in satellite mode, and the release puts it back in
// normal mode before the radio's own end of remote control.
class SatelliteLinkReceiver final : public Receiver {
public:
    SatelliteLinkReceiver(Receiver &radio, SatelliteLink &link) : radio_(radio), link_(link) {}

    void takeUp(ReceiverMode mode) override
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
    double latencySeconds() const override { return radio_.latencySeconds(); }

private:
    Receiver &radio_;
    SatelliteLink &link_;
};

} // namespace orvanta
