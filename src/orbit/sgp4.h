#pragma once

#include "orbit/deep_space.h"
#include "orbit/element_set.h"
#include "orbit/sgp4_terms.h"

namespace orvanta::orbit {

struct Vec3 {
    double x = 0, y = 0, z = 0;
};

// Position (km) and velocity (km/s) in the true-equator, mean-equinox frame of the model.
struct TemeState {
    Vec3 position_km;
    Vec3 velocity_km_s;
};

// The model's error codes.
enum class PropagationError {
    None = 0,
    MeanEccentricity = 1,      // mean eccentricity outside [-0.001, 1)
    MeanMotion = 2,            // mean motion not positive
    PerturbedEccentricity = 3, // eccentricity outside [0, 1] after the lunar-solar periodics
    SemiLatusRectum = 4,       // negative semi-latus rectum
    Decayed = 6,               // radius below one earth radius
    InvalidTime = 7,           // time not finite, or more than about 190 years from epoch
};

// The error in the operator's words: "excentricité hors limites" in French.
std::string propagationErrorText(PropagationError error);

// SGP4 for near-earth orbits, with the deep-space terms (SDP4) for periods of
// 225 minutes or more. All per-satellite constant work is done on construction.
class Sgp4Propagator {
public:
    explicit Sgp4Propagator(const ElementSet &elements);

    PropagationError initError() const { return initError_; }
    bool isDeepSpace() const { return deepSpace_; }
    double periodMinutes() const;
    // On an error, out is left unchanged, except for Decayed, where the
    // state computed below the surface is given.
    PropagationError propagate(double minutesSinceEpoch, TemeState &out) const;
    const ElementSet &elements() const { return elements_; }
    // The per-satellite terms worked out on construction, for the batch engine.
    const model::EpochElements &epochTerms() const { return epoch_; }
    const model::SecularRates &secularRates() const { return secular_; }
    const model::DragTerms &dragTerms() const { return drag_; }
    const model::InclinationTerms &inclinationTerms() const { return inclination_; }
    const model::DeepSpaceTerms &deepSpaceTerms() const { return deep_; }

private:
    // The propagation itself, also run at epoch during initialisation.
    PropagationError evaluate(double minutesSinceEpoch, TemeState &out) const;

    ElementSet elements_;
    PropagationError initError_ = PropagationError::None;
    bool deepSpace_ = false;
    model::EpochElements epoch_;
    model::SecularRates secular_;
    model::DragTerms drag_;
    model::InclinationTerms inclination_;
    model::DeepSpaceTerms deep_;
};

} // namespace orvanta::orbit
