#pragma once

#include "orbit/observer.h"
#include "orbit/orbit_end.h"
#include "orbit/sgp4.h"

#include <vector>

// The search for a satellite's passes above a minimum elevation.
//
// Times are seconds since the satellite's element epoch. Between samples the
// search steps as far as the satellite provably cannot reach the minimum
// elevation (a bound on its acceleration as seen from the station), so no
// pass is skipped however short or low it is. Each crossing and each highest
// point is then refined on a fixed grid of halving cells anchored at the
// epoch: the same pass found from any starting instant gives the very same
// times, which lets callers keep passes already found.
namespace orvanta::orbit {

struct FoundPass {
    double aos = 0; // seconds since the element epoch
    double los = 0;
    double maxElevationTime = 0;
    double maxElevationDeg = 0;
    double aosAzimuthDeg = 0;
    bool headingNorth = true; // the satellite moves north at its highest point
    bool cutByOrbitEnd = false; // los is where the model stops computing the orbit (decay), not a setting
};

struct PassSearchResult {
    std::vector<FoundPass> passes;   // ordered by acquisition
    bool propagationFailed = false;  // the orbit could not be computed from failedAt on
    double failedAt = 0;
    PropagationError error = PropagationError::None;
};

class PassFinder {
public:
    // Crossings are given to within half of this (seconds); highest points to within half of the peak cell.
    static constexpr double kCrossingCellSeconds = 1.0 / 128.0;
    static constexpr double kPeakCellSeconds = 1.0 / 1024.0;

    // The satellite and observer (and orbitEnd, when given) must outlive the
    // finder. The minimum elevation is in degrees, below 90. With orbitEnd,
    // nothing is searched after the instant the orbit ends (decay), and a
    // pass in progress then ends there.
    PassFinder(const Sgp4Propagator &satellite, const Observer &observer, double minElevationDeg,
               OrbitEnd *orbitEnd = nullptr);

    // False when there is nothing to search: the orbit never brings the
    // satellite above the minimum elevation for this station, or the
    // satellite is geostationary (it neither rises nor sets).
    bool worthSearching() const { return worthSearching_; }
    bool isGeostationary() const { return geostationary_; }

    // Every pass whose time above the minimum elevation overlaps [from, to],
    // a pass in progress at from with its real acquisition before from. A
    // satellite that stays up for weeks on end gives no pass, like a
    // geostationary one.
    PassSearchResult find(double fromSeconds, double toSeconds) const;

    // Refine every crossing and highest point by plain halving, without the
    // shortcuts that give the same cells sooner: to check those shortcuts.
    void setPlainHalving(bool plain) { plainHalving_ = plain; }

private:
    struct Sample;
    struct Bracket;
    enum class Step { Crossed, Reached, Failed };

    bool sample(double t, Sample &out) const;
    Step nextCrossing(Sample &current, double limit, int direction, Bracket &bracket, double &failedAt) const;
    double safeStep(const Sample &s, int direction) const;
    template <class Predicate>
    double refineTransition(double a, double b, bool atLo, Predicate predicate, double cellSeconds) const;
    double refineCrossing(const Bracket &bracket) const;
    bool crossingCellDirectly(const Bracket &bracket, double &crossing) const;
    bool completePass(double aos, double los, FoundPass &pass) const;
    std::optional<OrbitEndPoint> endBy(double t) const;

    const Sgp4Propagator &satellite_;
    const Observer &observer_;
    OrbitEnd *orbitEnd_;
    double sinMinElevation_;
    double accelerationBoundBelow_ = 0; // km/s^2, bound of the elevation margin's second derivative
    double accelerationBoundAbove_ = 0;
    double farReachSeconds_ = 0;        // how far to look for the ends of a pass that runs off the window
    bool geostationary_ = false;
    bool worthSearching_ = true;
    bool plainHalving_ = false;
};

} // namespace orvanta::orbit
