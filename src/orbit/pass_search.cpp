#include "orbit/pass_search.h"

#include "orbit/sgp4_constants.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace orvanta::orbit {

namespace {

using model::kDegToRad;
using model::kEarthMuKm3PerS2;
using model::kEarthRadiusKm;
using model::kPi;
constexpr double kSiderealDayRevPerDay = 1.00273790935;

// Steps shorter than this are not worth their cost: the search then steps
// this far and looks for a highest point in between instead.
constexpr double kShortestStepSeconds = 2.0;
// The bounds of the orbit are taken wider than the mean elements say, for
// the short-period terms and a day or so of decay.
constexpr double kRadiusMarginKm = 20.0;
constexpr double kRadiusMarginRatio = 0.01;
constexpr double kBoundSafety = 1.25;
// Margins of the test for satellites that can never rise here.
constexpr double kInclinationMarginDeg = 1.0;
constexpr double kElevationMarginDeg = 0.25; // geodetic against geocentric vertical
// Samples across a pass to find every highest point; one at least every two minutes.
constexpr double kPeakScanSeconds = 120.0;
constexpr int kMostPeakScanSteps = 64;
// A satellite that nearly keeps pace with the earth stays up for days or
// weeks; the ends of its passes are looked for up to this far away. One
// whose pass lasts longer is, like a geostationary one, simply always up.
constexpr double kLongestReachSeconds = 30.0 * 86400.0;
// A crossing is placed in its cell directly only where the margin moves at
// least this fast across the whole bracket (by the acceleration bound taken
// this many times over), far beyond the rounding of the margin from one cell to the next.
constexpr double kLeastCrossingRateKmS = 1e-4;
constexpr double kMonotoneSafety = 2.0;
// The estimate is off by a cell or two at most; further, the cells are halved.
constexpr int kMostCellMoves = 4;
constexpr int kNewtonSteps = 3;

} // namespace

struct PassFinder::Sample {
    double t = 0;
    double margin = 0;     // km above (positive) or below the minimum elevation cone
    double marginRate = 0; // km/s
    bool above = false;
    Topocentric look;
};

struct PassFinder::Bracket {
    Sample earlier;
    Sample later;
};

PassFinder::PassFinder(const Sgp4Propagator &satellite, const Observer &observer, double minElevationDeg,
                       OrbitEnd *orbitEnd)
    : satellite_(satellite), observer_(observer), orbitEnd_(orbitEnd),
      sinMinElevation_(std::sin(minElevationDeg * kDegToRad))
{
    const ElementSet &elements = satellite.elements();
    const double periodSeconds = satellite.periodMinutes() * 60.0;
    const double meanMotion = 2.0 * kPi / periodSeconds;
    const double semiMajorAxis = std::cbrt(kEarthMuKm3PerS2 / (meanMotion * meanMotion));
    const double e = elements.eccentricity;
    const double margin = kRadiusMarginKm + kRadiusMarginRatio * semiMajorAxis;
    const double perigee = std::max(semiMajorAxis * (1.0 - e) - margin, 0.95 * kEarthRadiusKm);
    const double apogee = semiMajorAxis * (1.0 + e) + margin;

    // Speed and acceleration bounds in the earth-fixed frame, where the
    // station does not move.
    const double inertialSpeed =
        std::sqrt(kEarthMuKm3PerS2 * (2.0 / perigee - 1.0 / (semiMajorAxis * (1.0 + kRadiusMarginRatio)))) *
        (1.0 + 2.0 * kRadiusMarginRatio);
    const double speed = inertialSpeed + kSiderealRateRadPerS * apogee;
    const double gravity = kEarthMuKm3PerS2 / (perigee * perigee) * (1.0 + kRadiusMarginRatio);
    const double acceleration = gravity + 2.0 * kSiderealRateRadPerS * speed +
                                kSiderealRateRadPerS * kSiderealRateRadPerS * apogee;

    // The margin is up - range * sin(minimum elevation); the range's second
    // derivative is at most speed^2 / range + acceleration, and the range is
    // least overhead, or at the minimum elevation while below it.
    const double station = observer.geocentricRadiusKm();
    const double minElevation = minElevationDeg * kDegToRad;
    const double closestAbove = std::max(perigee - station, 10.0);
    const double underRoot = perigee * perigee - std::pow(station * std::cos(minElevation), 2);
    const double closestBelow = underRoot > 0
                                    ? std::max(-station * std::sin(minElevation) + std::sqrt(underRoot), closestAbove)
                                    : closestAbove;
    const double slope = std::abs(sinMinElevation_);
    accelerationBoundAbove_ = kBoundSafety * (acceleration + slope * (speed * speed / closestAbove + acceleration));
    accelerationBoundBelow_ = kBoundSafety * (acceleration + slope * (speed * speed / closestBelow + acceleration));
    // A pass lasts at most as long as the ground track takes to come round again.
    const double driftRevPerDay = std::abs(elements.meanMotionRevPerDay - kSiderealDayRevPerDay);
    const double groundTrackSeconds =
        driftRevPerDay * kLongestReachSeconds > 86400.0 ? 86400.0 / driftRevPerDay : kLongestReachSeconds;
    farReachSeconds_ = std::max({86400.0, periodSeconds, groundTrackSeconds});

    geostationary_ = std::abs(elements.meanMotionRevPerDay - kSiderealDayRevPerDay) < 0.01 && e < 0.01 &&
                     std::min(elements.inclinationDeg, 180.0 - elements.inclinationDeg) < 1.5;

    // Never above the minimum: the station is further from the widest
    // latitude the ground track reaches than the apogee can be seen from.
    const double reachedLatitude =
        (std::min(elements.inclinationDeg, 180.0 - elements.inclinationDeg) + kInclinationMarginDeg) * kDegToRad;
    const double lowestElevation = minElevation - kElevationMarginDeg * kDegToRad;
    const double seenFrom = station * std::cos(lowestElevation) / apogee;
    const bool visibleSomewhere = minElevationDeg < 90.0 && seenFrom < 1.0;
    const double visibilityRadius = visibleSomewhere ? std::acos(seenFrom) - lowestElevation : 0.0;
    const bool canRise =
        visibleSomewhere && std::abs(observer.geocentricLatitudeRad()) - reachedLatitude <= visibilityRadius;
    worthSearching_ = canRise && !geostationary_ && satellite.initError() == PropagationError::None;
}

std::optional<OrbitEndPoint> PassFinder::endBy(double t) const
{
    return orbitEnd_ && t > 0.0 ? orbitEnd_->within(satellite_, t / 60.0) : std::nullopt;
}

bool PassFinder::sample(double t, Sample &out) const
{
    TemeState state;
    const double minutes = t / 60.0;
    if ((orbitEnd_ && t > 0.0 && orbitEnd_->within(satellite_, minutes)) ||
        satellite_.propagate(minutes, state) != PropagationError::None)
        return false;
    out.t = t;
    out.look = observer_.look(state, satellite_.elements().epoch.plusMinutes(minutes));
    out.margin = out.look.up - sinMinElevation_ * out.look.rangeKm;
    out.marginRate = out.look.upRate - sinMinElevation_ * out.look.rangeRateKmS;
    out.above = out.margin >= 0;
    return true;
}

double PassFinder::safeStep(const Sample &s, int direction) const
{
    // Distance to the cone on the present side and its rate along the scan:
    // it cannot vanish before d + rate*t - a*t^2/2 does.
    const double distance = s.above ? s.margin : -s.margin;
    const double rate = direction * (s.above ? s.marginRate : -s.marginRate);
    const double bound = s.above ? accelerationBoundAbove_ : accelerationBoundBelow_;
    const double root = std::sqrt(rate * rate + 2.0 * bound * distance);
    if (rate > 0)
        return (rate + root) / bound;
    const double denominator = root - rate;
    return denominator > 0 ? 2.0 * distance / denominator : 0.0;
}

PassFinder::Step PassFinder::nextCrossing(Sample &current, double limit, int direction, Bracket &bracket,
                                          double &failedAt) const
{
    const auto record = [&](const Sample &from, const Sample &to) {
        bracket = direction > 0 ? Bracket{from, to} : Bracket{to, from};
        return Step::Crossed;
    };
    // Every step but the last covers the shortest step at least.
    long stepsLeft = long(std::ceil(std::abs(limit - current.t) / kShortestStepSeconds)) + 2;
    while (direction * (limit - current.t) > 0 && stepsLeft-- > 0) {
        const double safe = safeStep(current, direction);
        const bool shortened = safe < kShortestStepSeconds;
        const double step = std::min(shortened ? kShortestStepSeconds : safe, direction * (limit - current.t));
        Sample next;
        failedAt = current.t + direction * step;
        if (!sample(failedAt, next))
            return Step::Failed;
        if (next.above != current.above)
            return record(current, next);
        // A step past the safe distance may hide a brief dip through the
        // cone: look where the margin turns between the two samples.
        const double awayBefore = current.above ? current.marginRate : -current.marginRate;
        const double awayAfter = next.above ? next.marginRate : -next.marginRate;
        if (shortened && direction * awayBefore < 0 && direction * awayAfter >= 0) {
            const Sample &first = direction > 0 ? current : next;
            failedAt = refineTransition(
                first.t, std::max(current.t, next.t), first.marginRate > 0,
                [this](double t) {
                    Sample s;
                    return sample(t, s) && s.marginRate > 0;
                },
                kCrossingCellSeconds);
            Sample turning;
            if (!sample(failedAt, turning))
                return Step::Failed;
            if (turning.above != current.above)
                return record(current, turning);
        }
        current = next;
    }
    return Step::Reached;
}

template <class Predicate>
double PassFinder::refineTransition(double a, double b, bool atLo, Predicate predicate, double cellSeconds) const
{
    // The transition lies in (lo, hi]. Cells are powers of two seconds
    // anchored at the epoch, and each is halved at its middle, so the cells
    // visited depend only on where the transition is, not on a and b.
    double lo = a, hi = b;
    double width = std::ldexp(1.0, int(std::ceil(std::log2(std::max(hi - lo, cellSeconds)))));
    double cell = std::floor(lo / width) * width;
    if (hi > cell + width) {
        const double middle = cell + width;
        if (predicate(middle) == atLo) {
            cell = middle;
            lo = middle;
        } else {
            hi = middle;
        }
    }
    while (width > cellSeconds) {
        width /= 2.0;
        const double middle = cell + width;
        if (middle <= lo) {
            cell = middle;
        } else if (middle < hi) {
            if (predicate(middle) == atLo) {
                cell = middle;
                lo = middle;
            } else {
                hi = middle;
            }
        }
    }
    return cell + width / 2.0;
}

bool PassFinder::crossingCellDirectly(const Bracket &bracket, double &crossing) const
{
    // Where the margin provably moves one way across the whole bracket, the
    // samples on the cells' grid change side once only, and halving ends in
    // the cell where they do: the cell around an estimate of the crossing is
    // checked at its two ends and taken when they straddle the cone.
    const Sample &a = bracket.earlier;
    const Sample &b = bracket.later;
    const double width = b.t - a.t;
    const double sense = a.above ? -1.0 : 1.0;
    const double bound = std::max(accelerationBoundAbove_, accelerationBoundBelow_);
    const double leastRate = (sense * (a.marginRate + b.marginRate) - kMonotoneSafety * bound * width) / 2.0;
    if (!orbitEnd_ || a.t < 0.0 || !(width > 0.0) || !(leastRate > kLeastCrossingRateKmS))
        return false;

    // The crossing of the cubic through both samples' margins and rates,
    // from the straight line's by a few Newton steps.
    const double h0 = a.margin, h1 = b.margin;
    const double d0 = a.marginRate * width, d1 = b.marginRate * width;
    double u = h0 / (h0 - h1);
    for (int i = 0; i < kNewtonSteps && u >= 0.0 && u <= 1.0; ++i) {
        const double u2 = u * u, u3 = u2 * u;
        const double value = (2 * u3 - 3 * u2 + 1) * h0 + (u3 - 2 * u2 + u) * d0 + (-2 * u3 + 3 * u2) * h1 +
                             (u3 - u2) * d1;
        const double slope =
            (6 * u2 - 6 * u) * (h0 - h1) + (3 * u2 - 4 * u + 1) * d0 + (3 * u2 - 2 * u) * d1;
        if (slope == 0.0)
            break;
        u -= value / slope;
    }
    u = std::isfinite(u) ? std::clamp(u, 0.0, 1.0) : 0.5;
    const double cell = kCrossingCellSeconds;
    double start = std::floor((a.t + width * u) / cell) * cell;
    for (int attempt = 0; attempt < kMostCellMoves; ++attempt) {
        start = std::clamp(start, std::floor(a.t / cell) * cell, std::floor(b.t / cell) * cell);
        bool before = a.above, after = b.above;
        Sample s;
        if (start > a.t) {
            if (!sample(start, s))
                return false;
            before = s.above;
        }
        if (start + cell < b.t) {
            if (!sample(start + cell, s))
                return false;
            after = s.above;
        }
        if (before == a.above && after != a.above) {
            crossing = start + cell / 2.0;
            return true;
        }
        start += before != a.above ? -cell : cell;
    }
    return false;
}

double PassFinder::refineCrossing(const Bracket &bracket) const
{
    double crossing = 0;
    if (!plainHalving_ && crossingCellDirectly(bracket, crossing))
        return crossing;
    return refineTransition(
        bracket.earlier.t, bracket.later.t, bracket.earlier.above,
        [this](double t) {
            Sample s;
            return sample(t, s) && s.above;
        },
        kCrossingCellSeconds);
}

bool PassFinder::completePass(double aos, double los, FoundPass &pass) const
{
    Sample start, end;
    if (!sample(aos, start) || !sample(los, end))
        return false;
    pass.aos = aos;
    pass.los = los;
    pass.aosAzimuthDeg = start.look.azimuthDeg();

    // The highest point is at an end or where the elevation rate turns from
    // rising to falling; the scan brackets every such turn.
    const auto rising = [this](double t) {
        Sample s;
        return sample(t, s) && s.look.elevationRateSign() > 0;
    };
    const int steps = std::clamp(int(std::ceil((los - aos) / kPeakScanSeconds)), 2, kMostPeakScanSteps);
    Sample best = start.look.elevationRad() >= end.look.elevationRad() ? start : end;
    Sample previous = start;
    for (int i = 1; i <= steps; ++i) {
        Sample next = end;
        if (i < steps && !sample(aos + (los - aos) * i / steps, next))
            return false;
        if (previous.look.elevationRateSign() > 0 && next.look.elevationRateSign() <= 0) {
            Sample peak;
            if (!sample(refineTransition(previous.t, next.t, true, rising, kPeakCellSeconds), peak))
                return false;
            if (peak.look.elevationRad() > best.look.elevationRad())
                best = peak;
        }
        previous = next;
    }
    pass.maxElevationTime = best.t;
    pass.maxElevationDeg = best.look.elevationDeg();
    pass.headingNorth = best.look.earthFixedVelocity.z >= 0;
    return true;
}

PassSearchResult PassFinder::find(double fromSeconds, double toSeconds) const
{
    PassSearchResult result;
    if (!worthSearching_ || !(toSeconds >= fromSeconds))
        return result;
    const auto failure = [&](double t) {
        TemeState unused;
        result.propagationFailed = true;
        result.failedAt = t;
        result.error = satellite_.propagate(t / 60.0, unused);
        if (const auto end = endBy(t)) {
            result.failedAt = end->firstFailed * 60.0;
            result.error = end->error;
        }
        return result;
    };
    Sample current;
    if (!sample(fromSeconds, current))
        return failure(fromSeconds);

    const Sample first = current;
    bool inPass = current.above;
    // Already above at the start: the acquisition is looked for in the past
    // once the loss is known, so a satellite that never sets costs one search only.
    bool acquiredBefore = inPass;
    double aos = 0;
    double failedAt = 0;
    Bracket bracket;
    // Each turn ends a pass or starts one, and moves forward.
    const long turnLimit = long((toSeconds - fromSeconds) / kShortestStepSeconds) + 4;
    for (long turn = 0; turn < turnLimit; ++turn) {
        if (inPass) {
            Step found = nextCrossing(current, toSeconds + farReachSeconds_, +1, bracket, failedAt);
            // The orbit ends during the pass: it sets before, or the pass ends there.
            const auto end = found == Step::Failed ? endBy(failedAt) : std::nullopt;
            bool cut = false;
            if (end) {
                found = nextCrossing(current, end->lastComputed * 60.0, +1, bracket, failedAt);
                cut = found == Step::Reached;
            }
            if (found == Step::Failed)
                return failure(failedAt); // a pass cut short by another failure is not listed
            if (found == Step::Reached && !cut)
                break;
            const Bracket losBracket = bracket;
            bool aosFound = true;
            if (acquiredBefore) {
                // At most as far back as the search reaches (further, the
                // satellite is simply always up) or the orbit can be computed.
                Sample back = first;
                const Step backward = nextCrossing(back, fromSeconds - farReachSeconds_, -1, bracket, failedAt);
                aos = backward == Step::Crossed ? refineCrossing(bracket) : back.t;
                aosFound = backward != Step::Reached;
                acquiredBefore = false;
            }
            const double los = cut ? end->lastComputed * 60.0 : refineCrossing(losBracket);
            FoundPass pass;
            if (aosFound) {
                if (!completePass(aos, los, pass))
                    return failure(los);
                pass.cutByOrbitEnd = cut;
                result.passes.push_back(pass);
            }
            if (cut)
                return failure(end->firstFailed * 60.0);
            current = losBracket.later;
            inPass = false;
            if (current.t >= toSeconds)
                break;
        } else {
            const Step found = nextCrossing(current, toSeconds, +1, bracket, failedAt);
            if (found == Step::Failed)
                return failure(failedAt);
            if (found == Step::Reached)
                break;
            aos = refineCrossing(bracket);
            current = bracket.later;
            inPass = true;
        }
    }
    return result;
}

} // namespace orvanta::orbit
