#include "transponder/dial_watch.h"

#include <algorithm>
#include <cmath>

namespace orvanta {

void DialWatch::sent(qint64 hertz, qint64 atMs)
{
    history_.push_back({atMs, hertz});
    if (history_.size() > kKept)
        history_.pop_front();
}

std::optional<double> DialWatch::turned(double readHz, qint64 readAtMs, qint64 marginMs)
{
    if (history_.empty())
        return std::nullopt; // nothing of ours to tell it from
    const qint64 settled = readAtMs - marginMs;
    const auto close = [&](const Sent &s) { return std::abs(readHz - double(s.hertz)) <= double(step_); };
    // The newest sent before the radio had surely taken it, and all after.
    auto first = std::find_if(history_.rbegin(), history_.rend(), [settled](const Sent &s) { return s.atMs <= settled; });
    const auto from = first == history_.rend() ? history_.begin() : std::prev(first.base());
    if (std::any_of(from, history_.end(), close))
        return std::nullopt;
    sent(std::llround(readHz), readAtMs);
    return readHz;
}

qint64 downlinkFromDial(double dialHz, const TwoLinks &links)
{
    const double sent = double(links.downlinkAtSatellite + links.offsets.downlink);
    const double factor = links.downlinkAtRadio / sent;
    return std::llround(dialHz / factor) - links.offsets.downlink;
}

} // namespace orvanta
