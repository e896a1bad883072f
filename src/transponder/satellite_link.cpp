#include "transponder/satellite_link.h"

#include "receiver/ft847_receiver.h"

#include <algorithm>
#include <cmath>

namespace orvanta {

Ft847SatelliteRadio::Ft847SatelliteRadio(Ft847Receiver &ft847, std::function<qint64()> nowMs)
    : ft847_(ft847), nowMs_(std::move(nowMs))
{
}

Ft847SatelliteRadio::~Ft847SatelliteRadio()
{
    ft847_.forgetSatelliteFrequencies();
}

bool Ft847SatelliteRadio::start(const Transponder &transponder, qint64 receiveHz, qint64 transmitHz)
{
    uplinkTurn_ = true;
    return ft847_.startSatellite(transponder.downlinkMode, transponder.uplinkMode, receiveHz, transmitHz, transponder.ctcss);
}

void Ft847SatelliteRadio::move(const LinkAt &at, double periodSeconds)
{
    // Decided when the line is free: corrections asked for meanwhile replace
    // each other, and the turns must alternate as they go out. The dial is
    // read before every downlink, at any pacing: a downlink sent after
    // another with no read between would undo a turn of the knob unseen.
    const auto turn = [this] {
        turn_ = Ft847Receiver::SatelliteTurn{readsDial_, uplinkTurn_};
        uplinkTurn_ = !uplinkTurn_;
        return turn_;
    };
    const qint64 nextCorrectionMs = nowMs_() + std::llround(periodSeconds * 1000);
    ft847_.satelliteFrequencies(turn, [this, at, periodSeconds, nextCorrectionMs](ft847::SatelliteVfo vfo,
                                                                                 double landsIn) {
        const double frame = ft847_.satelliteFrameSeconds();
        const double read = readsDial_ ? ft847_.satelliteReadSeconds() : 0;
        if (vfo == ft847::SatelliteVfo::Receive) {
            // Held until the next downlink lands: the next turn starts once
            // this one is over, or at the next correction when the line is
            // free before it, and its downlink lands after its read and the
            // frame's first four bytes.
            const double turnOver = landsIn + frame / 5 + (turn_.transmit ? frame : 0);
            const double nextTurn = std::max(turnOver, double(nextCorrectionMs - nowMs_()) / 1000);
            return at(Link::Downlink, landsIn, nextTurn + read + 4 * frame / 5 - landsIn);
        }
        // The uplink goes at every other turn.
        return at(Link::Uplink, landsIn, std::max(3 * frame + 2 * read, 2 * periodSeconds));
    });
}

void Ft847SatelliteRadio::stop()
{
    ft847_.endSatellite();
}

double Ft847SatelliteRadio::latencySeconds() const
{
    return 4 * ft847_.satelliteFrameSeconds() / 5;
}

qint64 SatelliteLink::onStep(double hertz) const
{
    return std::llround(hertz / double(step_)) * step_;
}

std::optional<qint64> SatelliteLink::linkAt(Link link, double landsInSeconds, double holdSeconds)
{
    if (!active_ || !ahead_)
        return std::nullopt;
    const std::optional<TwoLinks> links = ahead_(landsInSeconds + holdSeconds / 2);
    if (!links)
        return std::nullopt;
    qint64 &sent = link == Link::Downlink ? sentReceive_ : sentTransmit_;
    const qint64 wanted = onStep(link == Link::Downlink ? links->downlinkAtRadio : links->uplinkAtRadio);
    if (wanted == sent)
        return std::nullopt;
    sent = wanted;
    if (link == Link::Downlink && downlinkSent_)
        downlinkSent_(wanted, landsInSeconds);
    return wanted;
}

double correctionSeconds(double dopplerRate, double periodSeconds)
{
    // Aimed at the middle of its hold, a frequency is then at most this far
    // off at either end.
    constexpr double kDriftHz = 4;
    constexpr double kShortest = 0.1;
    if (!(dopplerRate > 0))
        return periodSeconds;
    return std::clamp(2 * kDriftHz / dopplerRate, std::min(kShortest, periodSeconds), periodSeconds);
}

void SatelliteLink::cycle(const Transponder *transponder, const LinksAhead &ahead, double periodSeconds)
{
    const std::optional<TwoLinks> now = ahead ? ahead(0) : std::nullopt;
    if (!transponder || !transponder->hasUplink() || !now) {
        release();
        refused_ = false;
        return;
    }
    if (starting_)
        return; // a cycle dispatched by the take-up's own waits
    ahead_ = ahead;
    if (!active_ || !(*transponder == worked_)) {
        const std::optional<TwoLinks> links = ahead(radio_.latencySeconds() + periodSeconds / 2);
        const qint64 receive = onStep(links ? links->downlinkAtRadio : now->downlinkAtRadio);
        const qint64 transmit = onStep(links ? links->uplinkAtRadio : now->uplinkAtRadio);
        release();
        // The radio is ours from the take-up's first byte: a tick during its
        // waits must not queue a normal-mode frequency behind it.
        active_ = true;
        starting_ = true;
        const bool started = radio_.start(*transponder, receive, transmit);
        starting_ = false;
        refused_ = !started;
        if (!started) {
            active_ = false;
            return;
        }
        worked_ = *transponder;
        sentReceive_ = receive;
        sentTransmit_ = transmit;
        if (downlinkSent_)
            downlinkSent_(receive, radio_.latencySeconds());
        return;
    }
    radio_.move([this](Link link, double landsIn, double hold) { return linkAt(link, landsIn, hold); }, periodSeconds);
}

void SatelliteLink::release()
{
    if (!active_)
        return;
    radio_.stop();
    active_ = false;
}

} // namespace orvanta
