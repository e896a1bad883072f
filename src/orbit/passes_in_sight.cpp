#include "orbit/passes_in_sight.h"

#include "orbit/utc_time.h"

namespace orvanta::orbit {

void PassesInSight::setHorizon(const HorizonMask &mask)
{
    mask_ = mask;
    windows_.clear();
}

PassesInSight::Key PassesInSight::keyOf(const PredictedPass &pass)
{
    return {pass.catalogNumber, wholeSecondsFromJulian(pass.aos)};
}

void PassesInSight::update(const Satellites &satellites, const PassBoard &board)
{
    if (mask_.flat())
        return;
    std::map<Key, std::optional<HorizonWindow>> kept;
    for (const auto *list : {&board.visible(), &board.coming()})
        for (const BoardPass &entry : *list) {
            const Key key = keyOf(entry.pass);
            const auto found = windows_.find(key);
            kept[key] = found != windows_.end() ? found->second : horizonWindow(satellites, entry.pass, mask_);
        }
    windows_ = std::move(kept);
}

std::optional<HorizonWindow> PassesInSight::of(const PredictedPass &pass) const
{
    const auto found = windows_.find(keyOf(pass));
    return found != windows_.end() ? found->second : std::nullopt;
}

} // namespace orvanta::orbit
