#pragma once

#include "orbit/julian_date.h"
#include "orbit/satellites.h"

#include <optional>

namespace orvanta::orbit {

// How far off a prediction may be, from the age of its element set and
// the kind of orbit. A rule of thumb, not a covariance: comparisons of SGP4
// against precise orbits (Kelso 2007, "Validation of SGP4 and IS-GPS-200D
// against GPS precision ephemerides"; Vallado et al. 2006, "Revisiting
// Spacetrack Report #3") put a fresh set about a kilometre off, the error
// growing mostly along the track by one to a few kilometres a day in low
// orbit and faster for deep-space sets. We take, along the track:
//   low orbit (period under 225 min):       1 km + 3 km per day of age
//   medium orbit (225 min to 20 h):         1 km + 5 km per day
//   deep orbit (20 h and more):             1 km + 10 km per day
// and turn it into time with the satellite's mean orbital speed: a
// satellite that far ahead or behind crosses the horizon that much earlier
// or later.
struct PredictionUncertainty {
    double ageDays = 0;       // from the set's epoch to the instant, either way
    double alongTrackKm = 0;
    double seconds = 0;       // at the instant asked (AOS)
};

// Past this many seconds at AOS the operator is told.
constexpr double kUncertaintyWorthSayingSeconds = 10;

PredictionUncertainty predictionUncertainty(const JulianDate &epoch, const JulianDate &instant, double periodMinutes);
// At the pass's AOS, from its satellite's elements; none for an unknown satellite.
std::optional<PredictionUncertainty> uncertaintyAtAos(const Satellites &satellites, const PredictedPass &pass);

} // namespace orvanta::orbit
