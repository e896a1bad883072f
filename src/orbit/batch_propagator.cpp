#include "orbit/batch_propagator.h"

#include <algorithm>

namespace orvanta::orbit {

namespace {

bool onVectors(const Sgp4Propagator &satellite)
{
    return satellite.initError() == PropagationError::None && !satellite.isDeepSpace();
}

std::size_t padded(std::size_t lanes)
{
    return (lanes + NearEarthLanes::kPadding - 1) / NearEarthLanes::kPadding * NearEarthLanes::kPadding;
}

// The lane's state, or the scalar engine's state and error where the lane is unsure.
void collect(const LaneStates &lanes, std::size_t lane, const Sgp4Propagator &satellite, double minutes,
             TemeState &state, PropagationError &error)
{
    if (lanes.recompute[lane]) {
        error = satellite.propagate(minutes, state);
        return;
    }
    state.position_km = {lanes.x[lane], lanes.y[lane], lanes.z[lane]};
    state.velocity_km_s = {lanes.vx[lane], lanes.vy[lane], lanes.vz[lane]};
    error = PropagationError::None;
}

} // namespace

NearEarthLanes::NearEarthLanes(std::span<const Sgp4Propagator *const> satellites)
    : lanes(padded(satellites.size())), terms(std::size_t(ColumnCount) * lanes)
{
    for (std::size_t i = 0; i < lanes; ++i) {
        // Padding lanes repeat the last satellite, so they compute harmlessly.
        const Sgp4Propagator &s = *satellites[std::min(i, satellites.size() - 1)];
        const model::EpochElements &epoch = s.epochTerms();
        const model::SecularRates &secular = s.secularRates();
        const model::DragTerms &drag = s.dragTerms();
        const model::InclinationTerms &incl = s.inclinationTerms();
        const double values[ColumnCount] = {
            epoch.meanMotion, epoch.semiMajorAxis, epoch.eccentricity, epoch.inclination, epoch.raan,
            epoch.argPerigee, epoch.meanAnomaly, epoch.bstar,
            secular.meanAnomaly, secular.argPerigee, secular.raan, secular.raanDragFactor,
            drag.simplified ? 0.0 : 1.0, drag.c1, drag.c4, drag.c5, drag.eta, drag.argPerigeeFactor,
            drag.meanAnomalyFactor, drag.delM0, drag.sinM0,
            drag.d2, drag.d3, drag.d4, drag.t2, drag.t3, drag.t4, drag.t5,
            incl.cosInclination, incl.sinInclination, incl.aycof, incl.xlcof, incl.con41, incl.x1mth2, incl.x7thm1};
        for (std::size_t c = 0; c < ColumnCount; ++c)
            terms[c * lanes + i] = values[c];
    }
}

void LaneStates::resize(std::size_t lanes)
{
    for (std::vector<double> *column : {&x, &y, &z, &vx, &vy, &vz})
        column->resize(lanes);
    recompute.resize(lanes);
}

BatchPropagator::BatchPropagator(std::vector<const Sgp4Propagator *> satellites) : satellites_(std::move(satellites))
{
    std::vector<const Sgp4Propagator *> vectorised;
    for (std::size_t i = 0; i < satellites_.size(); ++i) {
        if (onVectors(*satellites_[i])) {
            nearEarth_.push_back(i);
            vectorised.push_back(satellites_[i]);
        } else {
            scalar_.push_back(i);
        }
    }
    if (!vectorised.empty())
        lanes_ = NearEarthLanes(vectorised);
}

void BatchPropagator::propagate(std::span<const double> minutesSinceEpoch, std::span<TemeState> states,
                                std::span<PropagationError> errors) const
{
    for (const std::size_t i : scalar_)
        errors[i] = satellites_[i]->propagate(minutesSinceEpoch[i], states[i]);
    if (nearEarth_.empty())
        return;
    std::vector<double> minutes(lanes_.lanes, 0.0);
    for (std::size_t lane = 0; lane < nearEarth_.size(); ++lane)
        minutes[lane] = minutesSinceEpoch[nearEarth_[lane]];
    LaneStates out;
    propagateNearEarthLanes(lanes_, minutes, false, out);
    for (std::size_t lane = 0; lane < nearEarth_.size(); ++lane) {
        const std::size_t i = nearEarth_[lane];
        collect(out, lane, *satellites_[i], minutes[lane], states[i], errors[i]);
    }
}

void BatchPropagator::propagateTimes(const Sgp4Propagator &satellite, std::span<const double> minutesSinceEpoch,
                                     std::span<TemeState> states, std::span<PropagationError> errors)
{
    if (!onVectors(satellite)) {
        for (std::size_t i = 0; i < minutesSinceEpoch.size(); ++i)
            errors[i] = satellite.propagate(minutesSinceEpoch[i], states[i]);
        return;
    }
    const Sgp4Propagator *const one[] = {&satellite};
    const NearEarthLanes lanes(one);
    std::vector<double> minutes(padded(minutesSinceEpoch.size()), 0.0);
    std::copy(minutesSinceEpoch.begin(), minutesSinceEpoch.end(), minutes.begin());
    LaneStates out;
    propagateNearEarthLanes(lanes, minutes, true, out);
    for (std::size_t i = 0; i < minutesSinceEpoch.size(); ++i)
        collect(out, i, satellite, minutes[i], states[i], errors[i]);
}

const char *BatchPropagator::vectorTarget()
{
    return vectorTargetName();
}

} // namespace orvanta::orbit
