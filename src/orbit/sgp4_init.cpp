#include "orbit/sgp4.h"

#include "orbit/engine_text.h"
#include "orbit/sgp4_constants.h"

#include <cmath>

namespace orvanta::orbit {
namespace {

using namespace model;

constexpr double kSimplifiedPerigeeKm = 220.0;   // below this perigee only the leading drag terms are kept
constexpr double kLowPerigeeKm = 156.0;          // below this the density parameter s follows the perigee
constexpr double kVeryLowPerigeeKm = 98.0;       // below this s is fixed at 20 km
constexpr double kSmallEccentricity = 1.0e-4;    // below this the eccentricity-dependent drag terms vanish
constexpr double kPolarGuard = 1.5e-12;          // keeps 1 + cos i away from zero for retrograde equatorial orbits
constexpr double kMaxMinutesFromEpoch = 1.0e8;   // bounds the resonance integration and refuses non-finite times

bool isFinite(const ElementSet &set)
{
    return std::isfinite(set.epoch.day) && std::isfinite(set.epoch.fraction) && std::isfinite(set.bstar) &&
           std::isfinite(set.inclinationDeg) && std::isfinite(set.raanDeg) && std::isfinite(set.eccentricity) &&
           std::isfinite(set.argPerigeeDeg) && std::isfinite(set.meanAnomalyDeg) && std::isfinite(set.meanMotionRevPerDay);
}

// Greenwich mean sidereal angle (rad) of the reference model at a UT1 Julian date.
double siderealAngle(const JulianDate &instant)
{
    const double centuries = ((instant.day - 2451545.0) + instant.fraction) / 36525.0;
    const double seconds = -6.2e-6 * centuries * centuries * centuries + 0.093104 * centuries * centuries +
                           (876600.0 * 3600.0 + 8640184.812866) * centuries + 67310.54841;
    double angle = std::fmod(seconds * kDegToRad / 240.0, kTwoPi); // 240 s of time per degree
    if (angle < 0.0)
        angle += kTwoPi;
    return angle;
}

// Units of the model, and the original mean motion and semi-major axis
// recovered from the published (Kozai) mean motion.
EpochElements epochElementsFrom(const ElementSet &set)
{
    EpochElements epoch;
    epoch.eccentricity = set.eccentricity;
    epoch.inclination = set.inclinationDeg * kDegToRad;
    epoch.raan = set.raanDeg * kDegToRad;
    epoch.argPerigee = set.argPerigeeDeg * kDegToRad;
    epoch.meanAnomaly = set.meanAnomalyDeg * kDegToRad;
    epoch.bstar = set.bstar;
    epoch.cosInclination = std::cos(epoch.inclination);
    epoch.sinInclination = std::sin(epoch.inclination);
    // Summed into one day count first, as the reference model does: the
    // lunar-solar terms of slow, very eccentric orbits follow that rounding.
    epoch.epochDays1950 = (set.epoch.day + set.epoch.fraction) - kJulianDate1950;
    epoch.siderealAngle = siderealAngle(set.epoch);

    const double kozaiMeanMotion = set.meanMotionRevPerDay * kTwoPi / kMinutesPerDay;
    const double betaSquared = 1.0 - epoch.eccentricity * epoch.eccentricity;
    const double cosSquared = epoch.cosInclination * epoch.cosInclination;
    const double d1 = 0.75 * kJ2 * (3.0 * cosSquared - 1.0) / (std::sqrt(betaSquared) * betaSquared);
    const double a1 = std::pow(kXke / kozaiMeanMotion, kTwoThirds);
    const double delta1 = d1 / (a1 * a1);
    const double a0 = a1 * (1.0 - delta1 * delta1 - delta1 * (1.0 / 3.0 + 134.0 * delta1 * delta1 / 81.0));
    const double delta0 = d1 / (a0 * a0);
    epoch.meanMotion = kozaiMeanMotion / (1.0 + delta0);
    epoch.semiMajorAxis = std::pow(kXke / epoch.meanMotion, kTwoThirds);
    return epoch;
}

// Density parameter s (earth radii from the centre) and (q0 - s)^4, lowered for low perigees.
struct Atmosphere {
    double s = kDensityParamS;
    double qms4 = kDensityParamQms2t;
};

Atmosphere atmosphereFor(double perigeeKm)
{
    Atmosphere atmosphere;
    if (perigeeKm < kLowPerigeeKm) {
        double sKm = perigeeKm - 78.0;
        if (perigeeKm < kVeryLowPerigeeKm)
            sKm = 20.0;
        atmosphere.qms4 = std::pow((120.0 - sKm) / kEarthRadiusKm, 4);
        atmosphere.s = sKm / kEarthRadiusKm + 1.0;
    }
    return atmosphere;
}

struct InitResults {
    SecularRates secular;
    DragTerms drag;
};

// Secular rates of the zonal harmonics and the coefficients of the drag terms.
InitResults secularAndDragTerms(const EpochElements &epoch, bool deepSpace)
{
    const double e = epoch.eccentricity;
    const double a = epoch.semiMajorAxis;
    const double n = epoch.meanMotion;
    const double betaSquared = 1.0 - e * e;
    const double beta = std::sqrt(betaSquared);
    const double cosI = epoch.cosInclination;
    const double cosSquared = cosI * cosI;
    const double con42 = 1.0 - 5.0 * cosSquared;
    const double con41 = -con42 - cosSquared - cosSquared;
    const double semiLatus = a * betaSquared;
    const double perigeeRadius = a * (1.0 - e);
    const Atmosphere atmosphere = atmosphereFor((perigeeRadius - 1.0) * kEarthRadiusKm);

    InitResults results;
    DragTerms &drag = results.drag;
    drag.simplified = deepSpace || perigeeRadius < kSimplifiedPerigeeKm / kEarthRadiusKm + 1.0;

    const double pinvsq = 1.0 / (semiLatus * semiLatus);
    const double tsi = 1.0 / (a - atmosphere.s);
    drag.eta = a * e * tsi;
    const double etaSq = drag.eta * drag.eta;
    const double eeta = e * drag.eta;
    const double psisq = std::fabs(1.0 - etaSq);
    const double coef = atmosphere.qms4 * std::pow(tsi, 4);
    const double coef1 = coef / std::pow(psisq, 3.5);
    const double c2 = coef1 * n *
                      (a * (1.0 + 1.5 * etaSq + eeta * (4.0 + etaSq)) +
                       0.375 * kJ2 * tsi / psisq * con41 * (8.0 + 3.0 * etaSq * (8.0 + etaSq)));
    drag.c1 = epoch.bstar * c2;
    const double c3 = e > kSmallEccentricity ? -2.0 * coef * tsi * kJ3OverJ2 * n * epoch.sinInclination / e : 0.0;
    const double x1mth2 = 1.0 - cosSquared;
    drag.c4 = 2.0 * n * coef1 * a * betaSquared *
              (drag.eta * (2.0 + 0.5 * etaSq) + e * (0.5 + 2.0 * etaSq) -
               kJ2 * tsi / (a * psisq) *
                   (-3.0 * con41 * (1.0 - 2.0 * eeta + etaSq * (1.5 - 0.5 * eeta)) +
                    0.75 * x1mth2 * (2.0 * etaSq - eeta * (1.0 + etaSq)) * std::cos(2.0 * epoch.argPerigee)));
    drag.c5 = 2.0 * coef1 * a * betaSquared * (1.0 + 2.75 * (etaSq + eeta) + eeta * etaSq);

    const double cos4 = cosSquared * cosSquared;
    const double temp1 = 1.5 * kJ2 * pinvsq * n;
    const double temp2 = 0.5 * temp1 * kJ2 * pinvsq;
    const double temp3 = -0.46875 * kJ4 * pinvsq * pinvsq * n;
    SecularRates &secular = results.secular;
    secular.meanAnomaly = n + 0.5 * temp1 * beta * con41 + 0.0625 * temp2 * beta * (13.0 - 78.0 * cosSquared + 137.0 * cos4);
    secular.argPerigee = -0.5 * temp1 * con42 + 0.0625 * temp2 * (7.0 - 114.0 * cosSquared + 395.0 * cos4) +
                         temp3 * (3.0 - 36.0 * cosSquared + 49.0 * cos4);
    const double raanJ2 = -temp1 * cosI;
    secular.raan = raanJ2 + (0.5 * temp2 * (4.0 - 19.0 * cosSquared) + 2.0 * temp3 * (3.0 - 7.0 * cosSquared)) * cosI;
    secular.raanDragFactor = 3.5 * betaSquared * raanJ2 * drag.c1;

    drag.argPerigeeFactor = epoch.bstar * c3 * std::cos(epoch.argPerigee);
    drag.meanAnomalyFactor = e > kSmallEccentricity ? -kTwoThirds * coef * epoch.bstar / eeta : 0.0;
    drag.delM0 = std::pow(1.0 + drag.eta * std::cos(epoch.meanAnomaly), 3);
    drag.sinM0 = std::sin(epoch.meanAnomaly);
    drag.t2 = 1.5 * drag.c1;

    if (!drag.simplified) {
        const double c1sq = drag.c1 * drag.c1;
        drag.d2 = 4.0 * a * tsi * c1sq;
        const double temp = drag.d2 * tsi * drag.c1 / 3.0;
        drag.d3 = (17.0 * a + atmosphere.s) * temp;
        drag.d4 = 0.5 * temp * a * tsi * (221.0 * a + 31.0 * atmosphere.s) * drag.c1;
        drag.t3 = drag.d2 + 2.0 * c1sq;
        drag.t4 = 0.25 * (3.0 * drag.d3 + drag.c1 * (12.0 * drag.d2 + 10.0 * c1sq));
        drag.t5 = 0.2 * (3.0 * drag.d4 + 12.0 * drag.c1 * drag.d3 + 6.0 * drag.d2 * drag.d2 +
                         15.0 * c1sq * (2.0 * drag.d2 + c1sq));
    }
    return results;
}

} // namespace

namespace model {

InclinationTerms inclinationTermsFor(double inclination)
{
    return inclinationTermsFor(sinCos(inclination));
}

InclinationTerms inclinationTermsFor(const SinCos &inclination)
{
    InclinationTerms terms;
    terms.cosInclination = inclination.cos;
    terms.sinInclination = inclination.sin;
    const double cosI = terms.cosInclination;
    const double cosSquared = cosI * cosI;
    terms.con41 = 3.0 * cosSquared - 1.0;
    terms.x1mth2 = 1.0 - cosSquared;
    terms.x7thm1 = 7.0 * cosSquared - 1.0;
    terms.aycof = -0.5 * kJ3OverJ2 * terms.sinInclination;
    const double onePlusCos = std::fabs(cosI + 1.0) > kPolarGuard ? 1.0 + cosI : kPolarGuard;
    terms.xlcof = -0.25 * kJ3OverJ2 * terms.sinInclination * (3.0 + 5.0 * cosI) / onePlusCos;
    return terms;
}

} // namespace model

Sgp4Propagator::Sgp4Propagator(const ElementSet &elements) : elements_(elements)
{
    if (!isFinite(elements) || elements.eccentricity < 0.0 || elements.eccentricity >= 1.0) {
        initError_ = PropagationError::MeanEccentricity;
        return;
    }
    if (elements.meanMotionRevPerDay <= 0.0) {
        initError_ = PropagationError::MeanMotion;
        return;
    }
    epoch_ = epochElementsFrom(elements);
    deepSpace_ = periodMinutes() >= kDeepSpacePeriodMinutes;
    const InitResults results = secularAndDragTerms(epoch_, deepSpace_);
    secular_ = results.secular;
    drag_ = results.drag;
    inclination_ = inclinationTermsFor(epoch_.inclination);
    if (deepSpace_)
        deep_ = initDeepSpace(epoch_, secular_);

    TemeState atEpoch;
    initError_ = evaluate(0.0, atEpoch);
}

std::string propagationErrorText(PropagationError error)
{
    switch (error) {
    case PropagationError::MeanEccentricity:
        return orbitText("OrbitPrediction", "excentricité hors limites");
    case PropagationError::MeanMotion:
        return orbitText("OrbitPrediction", "mouvement moyen nul ou négatif");
    case PropagationError::PerturbedEccentricity:
        return orbitText("OrbitPrediction", "excentricité perturbée hors limites");
    case PropagationError::SemiLatusRectum:
        return orbitText("OrbitPrediction", "paramètre de l'orbite négatif");
    case PropagationError::Decayed:
        return orbitText("OrbitPrediction", "satellite retombé (sous la surface de la Terre)");
    case PropagationError::InvalidTime:
        return orbitText("OrbitPrediction", "instant trop éloigné de l'époque des éléments");
    case PropagationError::None: break;
    }
    return orbitText("OrbitPrediction", "pas d'erreur");
}

double Sgp4Propagator::periodMinutes() const
{
    return epoch_.meanMotion > 0.0 ? kTwoPi / epoch_.meanMotion : 0.0;
}

PropagationError Sgp4Propagator::propagate(double minutesSinceEpoch, TemeState &out) const
{
    if (initError_ != PropagationError::None)
        return initError_;
    if (!(std::fabs(minutesSinceEpoch) <= kMaxMinutesFromEpoch))
        return PropagationError::InvalidTime;
    return evaluate(minutesSinceEpoch, out);
}

} // namespace orvanta::orbit
