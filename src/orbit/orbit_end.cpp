#include "orbit/orbit_end.h"

#include "orbit/sgp4_constants.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace orvanta::orbit {
namespace {

using model::kEarthMuKm3PerS2;
using model::kEarthRadiusKm;

// Above this height the osculating perigee cannot reach the surface within a
// revolution: it covers the short-period terms (some 20 km in low orbit) and
// the model's own drag, which lowers the perigee steadily.
constexpr double kSurfaceMarginKm = 60.0;
// The longest stretch screened from its two ends: the sun and moon move the
// perigee of high orbits slowly, but not within half a day.
constexpr double kLongestScreenMinutes = 720.0;
// A low orbit whose perigee stays this far up is screened a day at a time:
// in between, its mean perigee follows the steady drag, and the short and
// long periodic terms move the osculating one by a few tens of km at most.
constexpr double kHighPerigeeKm = 150.0;
constexpr double kDayMinutes = 1440.0;
// Samples per revolution where the perigee comes near the surface; each
// brackets at most one lowest point of the radius.
constexpr int kSamplesPerRevolution = 32;
// Instants are located to within this (minutes): under a millisecond.
constexpr double kResolutionMinutes = 1e-5;

struct Sampled {
    PropagationError error = PropagationError::None;
    TemeState state;
};

Sampled sampleAt(const Sgp4Propagator &satellite, double minutes)
{
    Sampled out;
    out.error = satellite.propagate(minutes, out.state);
    return out;
}

double radialRate(const TemeState &s)
{
    const Vec3 &r = s.position_km, &v = s.velocity_km_s;
    return r.x * v.x + r.y * v.y + r.z * v.z;
}

// Radius (km) of the perigee of the two-body orbit through this state; zero
// for an orbit that is not closed.
double osculatingPerigeeKm(const TemeState &s)
{
    const Vec3 &r = s.position_km, &v = s.velocity_km_s;
    const double radius = std::sqrt(r.x * r.x + r.y * r.y + r.z * r.z);
    const double speedSquared = v.x * v.x + v.y * v.y + v.z * v.z;
    const double energy = speedSquared / 2.0 - kEarthMuKm3PerS2 / radius;
    if (!(energy < 0.0))
        return 0.0;
    const double hx = r.y * v.z - r.z * v.y, hy = r.z * v.x - r.x * v.z, hz = r.x * v.y - r.y * v.x;
    const double semiLatus = (hx * hx + hy * hy + hz * hz) / kEarthMuKm3PerS2;
    const double semiMajorAxis = -kEarthMuKm3PerS2 / (2.0 * energy);
    const double eccentricity = std::sqrt(std::max(0.0, 1.0 - semiLatus / semiMajorAxis));
    return semiLatus / (1.0 + eccentricity);
}

// Height of the osculating perigee above the surface, km; minus infinity
// where the model fails.
double perigeeHeightKm(const Sampled &s)
{
    return s.error == PropagationError::None ? osculatingPerigeeKm(s.state) - kEarthRadiusKm
                                             : -std::numeric_limits<double>::infinity();
}

} // namespace

std::optional<OrbitEndPoint> OrbitEnd::scanTo(const Sgp4Propagator &satellite, double minutes)
{
    if (!end_ && minutes > scannedTo_) {
        if (satellite.initError() != PropagationError::None)
            end_ = OrbitEndPoint{0.0, 0.0, satellite.initError()};
        const double stretch = std::min(std::max(satellite.periodMinutes(), 1.0), kLongestScreenMinutes);
        // Each stretch either finds the end or moves scannedTo_ on.
        while (!end_ && scannedTo_ < minutes)
            scanStretch(satellite, scannedTo_, scannedTo_ + stretch);
    }
    if (end_ && end_->firstFailed <= minutes)
        return end_;
    return std::nullopt;
}

void OrbitEnd::scanStretch(const Sgp4Propagator &satellite, double from, double to)
{
    double firstHeight = scannedToPerigeeKm_;
    if (!std::isfinite(firstHeight)) {
        const Sampled first = sampleAt(satellite, from);
        if (first.error != PropagationError::None) {
            settle(satellite, from, from);
            return;
        }
        firstHeight = perigeeHeightKm(first);
    }
    if (!satellite.isDeepSpace() && firstHeight > kHighPerigeeKm) {
        const double dayLater = perigeeHeightKm(sampleAt(satellite, from + kDayMinutes));
        if (dayLater > kHighPerigeeKm) {
            scannedTo_ = from + kDayMinutes;
            scannedToPerigeeKm_ = dayLater;
            return;
        }
    }
    scannedToPerigeeKm_ = perigeeHeightKm(sampleAt(satellite, to));
    if (firstHeight > kSurfaceMarginKm && scannedToPerigeeKm_ > kSurfaceMarginKm)
        scannedTo_ = to;
    else
        scanPerigees(satellite, from, to);
}

void OrbitEnd::scanPerigees(const Sgp4Propagator &satellite, double from, double to)
{
    const double step = std::max(satellite.periodMinutes(), 1.0) / kSamplesPerRevolution;
    const long steps = std::max(1L, long(std::ceil((to - from) / step)));
    double before = from;
    Sampled previous = sampleAt(satellite, before);
    for (long k = 1; k <= steps; ++k) {
        const double at = k == steps ? to : from + (to - from) * double(k) / double(steps);
        const Sampled next = sampleAt(satellite, at);
        if (next.error != PropagationError::None) {
            settle(satellite, before, at);
            return;
        }
        // The radius turns from falling to rising in between: look at its lowest point.
        if (radialRate(previous.state) < 0.0 && radialRate(next.state) >= 0.0) {
            double falling = before, rising = at;
            while (rising - falling > kResolutionMinutes) {
                const double middle = (falling + rising) / 2.0;
                const Sampled probe = sampleAt(satellite, middle);
                if (probe.error != PropagationError::None) {
                    settle(satellite, before, middle);
                    return;
                }
                (radialRate(probe.state) < 0.0 ? falling : rising) = middle;
            }
            if (sampleAt(satellite, rising).error != PropagationError::None) {
                settle(satellite, before, rising);
                return;
            }
        }
        before = at;
        previous = next;
        scannedTo_ = at;
    }
}

// The first failure between an instant computed and one that fails, by
// halving: the radius only falls on the way into the dip that failed.
void OrbitEnd::settle(const Sgp4Propagator &satellite, double good, double bad)
{
    while (bad - good > kResolutionMinutes) {
        const double middle = (good + bad) / 2.0;
        (sampleAt(satellite, middle).error == PropagationError::None ? good : bad) = middle;
    }
    end_ = OrbitEndPoint{good, bad, sampleAt(satellite, bad).error};
    scannedTo_ = good;
}

} // namespace orvanta::orbit
