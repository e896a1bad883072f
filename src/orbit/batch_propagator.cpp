#include "orbit/batch_propagator.h"

#include <algorithm>

namespace orvanta::orbit {

namespace {

bool onVectors(const Sgp4Propagator &satellite)
{
    return satellite.initError() == PropagationError::None;
}

// Deep-space lanes are grouped by the branches they take, so that most
// vectors take one: no resonance, the 24-hour one, the 12-hour one, and
// within each the low inclinations (where the node is perturbed the other way).
int deepSpaceGroup(const Sgp4Propagator &satellite)
{
    const int kind = int(satellite.deepSpaceTerms().resonance.kind);
    return 2 * kind + (satellite.epochTerms().inclination < model::kLyddaneInclination ? 1 : 0);
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

DeepSpaceLanes::DeepSpaceLanes(std::span<const Sgp4Propagator *const> satellites)
    : lanes(padded(satellites.size())), terms(std::size_t(ColumnCount) * lanes), resonance(lanes)
{
    for (std::size_t i = 0; i < lanes; ++i) {
        const Sgp4Propagator &s = *satellites[std::min(i, satellites.size() - 1)];
        const model::EpochElements &epoch = s.epochTerms();
        const model::SecularRates &secular = s.secularRates();
        const model::DragTerms &drag = s.dragTerms();
        const model::DeepSpaceTerms &deep = s.deepSpaceTerms();
        const model::ThirdBodyRates &rates = deep.rates;
        const model::ThirdBodyPeriodics &sun = deep.sun;
        const model::ThirdBodyPeriodics &moon = deep.moon;
        const bool resonant = deep.resonance.kind != model::ResonanceKind::None;
        resonance[i] = resonant ? &deep.resonance : nullptr;
        const double values[ColumnCount] = {
            epoch.meanMotion, epoch.semiMajorAxis, epoch.eccentricity, epoch.inclination, epoch.raan,
            epoch.argPerigee, epoch.meanAnomaly, epoch.bstar,
            secular.meanAnomaly, secular.argPerigee, secular.raan, secular.raanDragFactor, drag.c1, drag.c4, drag.t2,
            rates.eccentricity, rates.inclination, rates.meanAnomaly, rates.argPerigee, rates.raan,
            deep.siderealAngleAtEpoch, resonant ? 1.0 : 0.0,
            deep.resonance.kind == model::ResonanceKind::HalfDay ? 1.0 : 0.0,
            sun.e2, sun.e3, sun.i2, sun.i3, sun.l2, sun.l3, sun.l4, sun.gh2, sun.gh3, sun.gh4, sun.h2, sun.h3,
            sun.meanAnomalyAtEpoch,
            moon.e2, moon.e3, moon.i2, moon.i3, moon.l2, moon.l3, moon.l4, moon.gh2, moon.gh3, moon.gh4, moon.h2,
            moon.h3, moon.meanAnomalyAtEpoch};
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
    for (std::size_t i = 0; i < satellites_.size(); ++i) {
        const Sgp4Propagator &satellite = *satellites_[i];
        if (!onVectors(satellite))
            scalar_.push_back(i);
        else
            (satellite.isDeepSpace() ? deepSpace_ : nearEarth_).push_back(i);
    }
    std::stable_sort(deepSpace_.begin(), deepSpace_.end(), [this](std::size_t a, std::size_t b) {
        return deepSpaceGroup(*satellites_[a]) < deepSpaceGroup(*satellites_[b]);
    });
    const auto lanesOf = [this](const std::vector<std::size_t> &indices) {
        std::vector<const Sgp4Propagator *> lanes;
        for (const std::size_t i : indices)
            lanes.push_back(satellites_[i]);
        return lanes;
    };
    if (!nearEarth_.empty())
        nearEarthLanes_ = NearEarthLanes(lanesOf(nearEarth_));
    if (!deepSpace_.empty())
        deepSpaceLanes_ = DeepSpaceLanes(lanesOf(deepSpace_));
}

template <typename Lanes, typename Kernel>
void BatchPropagator::propagateGroup(const std::vector<std::size_t> &group, const Lanes &lanes, Kernel kernel,
                                     std::span<const double> minutesSinceEpoch, std::span<TemeState> states,
                                     std::span<PropagationError> errors) const
{
    if (group.empty())
        return;
    std::vector<double> minutes(lanes.lanes, 0.0);
    for (std::size_t lane = 0; lane < group.size(); ++lane)
        minutes[lane] = minutesSinceEpoch[group[lane]];
    LaneStates out;
    kernel(lanes, minutes, false, out);
    for (std::size_t lane = 0; lane < group.size(); ++lane) {
        const std::size_t i = group[lane];
        collect(out, lane, *satellites_[i], minutes[lane], states[i], errors[i]);
    }
}

void BatchPropagator::propagate(std::span<const double> minutesSinceEpoch, std::span<TemeState> states,
                                std::span<PropagationError> errors) const
{
    for (const std::size_t i : scalar_)
        errors[i] = satellites_[i]->propagate(minutesSinceEpoch[i], states[i]);
    propagateGroup(nearEarth_, nearEarthLanes_, propagateNearEarthLanes, minutesSinceEpoch, states, errors);
    propagateGroup(deepSpace_, deepSpaceLanes_, propagateDeepSpaceLanes, minutesSinceEpoch, states, errors);
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
    std::vector<double> minutes(padded(minutesSinceEpoch.size()), 0.0);
    std::copy(minutesSinceEpoch.begin(), minutesSinceEpoch.end(), minutes.begin());
    LaneStates out;
    if (satellite.isDeepSpace())
        propagateDeepSpaceLanes(DeepSpaceLanes(one), minutes, true, out);
    else
        propagateNearEarthLanes(NearEarthLanes(one), minutes, true, out);
    for (std::size_t i = 0; i < minutesSinceEpoch.size(); ++i)
        collect(out, i, satellite, minutes[i], states[i], errors[i]);
}

const char *BatchPropagator::vectorTarget()
{
    return vectorTargetName();
}

} // namespace orvanta::orbit
