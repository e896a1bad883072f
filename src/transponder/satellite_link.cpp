#include "transponder/satellite_link.h"

#include "receiver/ft847_receiver.h"

#include <cmath>

namespace orvanta {

bool Ft847SatelliteRadio::start(const Transponder &transponder, qint64 receiveHz, qint64 transmitHz)
{
    return ft847_.startSatellite(transponder.downlinkMode, transponder.uplinkMode, receiveHz, transmitHz, transponder.ctcss);
}

void Ft847SatelliteRadio::move(std::optional<qint64> receiveHz, std::optional<qint64> transmitHz)
{
    ft847_.satelliteFrequencies(receiveHz, transmitHz);
}

void Ft847SatelliteRadio::stop()
{
    ft847_.endSatellite();
}

qint64 SatelliteLink::onStep(double hertz) const
{
    return std::llround(hertz / double(step_)) * step_;
}

void SatelliteLink::cycle(const Transponder *transponder, const std::optional<TwoLinks> &links)
{
    if (!transponder || !transponder->hasUplink() || !links) {
        release();
        refused_ = false;
        return;
    }
    const qint64 receive = onStep(links->downlinkAtRadio);
    const qint64 transmit = onStep(links->uplinkAtRadio);
    if (starting_)
        return; // a cycle dispatched by the take-up's own waits
    if (!active_ || !(*transponder == worked_)) {
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
    } else {
        const std::optional<qint64> moveReceive = receive != sentReceive_ ? std::optional(receive) : std::nullopt;
        const std::optional<qint64> moveTransmit = transmit != sentTransmit_ ? std::optional(transmit) : std::nullopt;
        if (!moveReceive && !moveTransmit)
            return;
        radio_.move(moveReceive, moveTransmit);
    }
    sentReceive_ = receive;
    sentTransmit_ = transmit;
}

void SatelliteLink::release()
{
    if (!active_)
        return;
    radio_.stop();
    active_ = false;
}

} // namespace orvanta
