#include "orbit/pass_window.h"

#include <algorithm>

namespace orvanta::orbit {

namespace {

// Searched beyond the asked window on both sides, so that a pass whose
// refined end lies a hair inside the window is found whichever way the
// search approaches it.
constexpr double kEdgeSeconds = 1.0;
// Searched ahead of what is asked, so the sliding window of the following
// calls finds most of its passes already known.
constexpr double kAheadSeconds = 2.0 * 3600.0;

} // namespace

PassWindow::PassWindow(const Sgp4Propagator &satellite, const Observer &observer, double minElevationDeg,
                       OrbitEnd &orbitEnd)
    : finder_(satellite, observer, minElevationDeg, &orbitEnd)
{
}

std::vector<FoundPass> PassWindow::overlapping(double fromSeconds, double toSeconds)
{
    std::vector<FoundPass> out;
    if (!finder_.worthSearching() || !(toSeconds >= fromSeconds))
        return out;
    const double from = fromSeconds - kEdgeSeconds;
    const double to = toSeconds + kEdgeSeconds;
    if (!searched_ || from < searchedFrom_ || from > searchedTo_)
        searchAfresh(from, to);
    else if (to > searchedTo_ && !orbitEnds_)
        extendTo(to);

    // Passes ended before the window will not be asked for again by a window that slides forward.
    const auto stale = std::find_if(known_.begin(), known_.end(), [&](const FoundPass &p) { return p.los > from; });
    known_.erase(known_.begin(), stale);
    searchedFrom_ = from;

    for (const FoundPass &pass : known_) {
        if (pass.aos >= toSeconds)
            break;
        if (pass.los > fromSeconds)
            out.push_back(pass);
    }
    return out;
}

void PassWindow::searchAfresh(double from, double to)
{
    const PassSearchResult result = finder_.find(from, to + kAheadSeconds);
    known_ = result.passes;
    searched_ = true;
    searchedFrom_ = from;
    orbitEnds_ = result.propagationFailed;
    searchedTo_ = orbitEnds_ ? result.failedAt : to + kAheadSeconds;
}

void PassWindow::extendTo(double to)
{
    // The last known pass is the only one that can reach past the searched
    // stretch; searching resumes after its end.
    double resume = searchedTo_;
    if (!known_.empty())
        resume = std::max(resume, known_.back().los + PassFinder::kCrossingCellSeconds);
    const PassSearchResult result = finder_.find(resume, to + kAheadSeconds);
    for (const FoundPass &pass : result.passes) {
        if (known_.empty() || pass.aos > known_.back().aos)
            known_.push_back(pass);
    }
    orbitEnds_ = result.propagationFailed;
    searchedTo_ = orbitEnds_ ? result.failedAt : to + kAheadSeconds;
}

} // namespace orvanta::orbit
