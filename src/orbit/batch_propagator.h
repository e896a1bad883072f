#pragma once

#include "orbit/batch_lanes.h"
#include "orbit/sgp4.h"

#include <cstddef>
#include <span>
#include <vector>

// The model run for many propagations at once, on the widest vectors the
// processor has (chosen when the program runs: AVX-512, AVX2, SSE4, or plain
// code). Each vector lane carries one propagation: the same instant for many
// satellites (the tracking tick, the map, the schedule), or many instants of
// one satellite (tracks, runs of states). Every state agrees with
// Sgp4Propagator to 1e-8 km and 1e-11 km/s: a lane the vectors cannot vouch
// for (an error of the model, a decay, a Kepler solution not converged, a
// lane on the edge of a limit of the model) is computed again by
// Sgp4Propagator, which then gives its state and its error.
namespace orvanta::orbit {

class BatchPropagator {
public:
    // The satellites must outlive the batch.
    explicit BatchPropagator(std::vector<const Sgp4Propagator *> satellites);

    std::size_t size() const { return satellites_.size(); }

    // Satellite i at minutesSinceEpoch[i] (each from its own epoch). The
    // spans have size() entries; states and errors as
    // Sgp4Propagator::propagate gives them.
    void propagate(std::span<const double> minutesSinceEpoch, std::span<TemeState> states,
                   std::span<PropagationError> errors) const;

    // One satellite at many instants.
    static void propagateTimes(const Sgp4Propagator &satellite, std::span<const double> minutesSinceEpoch,
                               std::span<TemeState> states, std::span<PropagationError> errors);

    // The instruction set the vectors run on here ("AVX2", "SSE4", ...).
    static const char *vectorTarget();

private:
    template <typename Lanes, typename Kernel>
    void propagateGroup(const std::vector<std::size_t> &group, const Lanes &lanes, Kernel kernel,
                        std::span<const double> minutesSinceEpoch, std::span<TemeState> states,
                        std::span<PropagationError> errors) const;

    std::vector<const Sgp4Propagator *> satellites_;
    // The satellites on vectors, in lane order, and those refused at initialisation.
    std::vector<std::size_t> nearEarth_;
    std::vector<std::size_t> deepSpace_;
    std::vector<std::size_t> scalar_;
    NearEarthLanes nearEarthLanes_;
    DeepSpaceLanes deepSpaceLanes_;
};

} // namespace orvanta::orbit
