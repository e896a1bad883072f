#pragma once

#include "orbit/pass_search.h"

#include <vector>

// The passes of one satellite above one minimum elevation, kept between
// calls: the tracking cycle asks for the same day of passes every few
// seconds, with a start that slides forward. Only the stretch of time not
// yet searched is searched, and the answer is the one a fresh search from
// the same start gives, since each pass's times do not depend on where the
// search began.
namespace orvanta::orbit {

class PassWindow {
public:
    // The satellite, observer and orbit end must outlive the window.
    PassWindow(const Sgp4Propagator &satellite, const Observer &observer, double minElevationDeg, OrbitEnd &orbitEnd);

    // Every pass whose time above the minimum overlaps [from, to] (seconds
    // since the element epoch), ordered by acquisition. Nothing is searched
    // after the orbit ends (decay), and a pass in progress then ends there.
    std::vector<FoundPass> overlapping(double fromSeconds, double toSeconds);

private:
    void searchAfresh(double from, double to);
    void extendTo(double to);

    PassFinder finder_;
    std::vector<FoundPass> known_; // ordered by acquisition
    bool searched_ = false;
    double searchedFrom_ = 0;      // every pass overlapping [searchedFrom_, searchedTo_] is known
    double searchedTo_ = 0;
    bool orbitEnds_ = false;       // searchedTo_ is where propagation failed
};

} // namespace orvanta::orbit
