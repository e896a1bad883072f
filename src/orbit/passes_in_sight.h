#pragma once

#include "orbit/horizon_crossing.h"
#include "orbit/horizon_mask.h"
#include "orbit/pass_list.h"

#include <cstdint>
#include <map>
#include <optional>
#include <utility>

namespace orvanta::orbit {

// When each pass of the board clears the station's horizon and sets behind
// it. A pass's window is searched once and kept while the pass stays on the
// board, as the board is predicted again at every tick.
class PassesInSight {
public:
    // A new horizon: every window is searched again; a flat one has none.
    void setHorizon(const HorizonMask &mask);
    // The windows of the passes now on the board.
    void update(const Satellites &satellites, const PassBoard &board);

    // Whether the station has a horizon of its own, so the windows mean something.
    bool known() const { return !mask_.flat(); }
    // The pass's window; none while it stays behind the horizon or was not on the board.
    std::optional<HorizonWindow> of(const PredictedPass &pass) const;

private:
    using Key = std::pair<long, std::int64_t>; // catalogue number, acquisition second
    static Key keyOf(const PredictedPass &pass);

    HorizonMask mask_;
    std::map<Key, std::optional<HorizonWindow>> windows_;
};

} // namespace orvanta::orbit
