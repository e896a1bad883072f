#include "orbit/sgp4.h"

#include "orbit/sgp4_angles.h"
#include "orbit/sgp4_constants.h"

#include <cmath>

namespace orvanta::orbit {
namespace {

using namespace model;

constexpr double kMinEccentricity = 1.0e-6;      // floor that keeps the periodics finite
constexpr double kMeanEccentricityFloor = -0.001; // below this the mean eccentricity is an error
constexpr double kKeplerTolerance = 1.0e-12;
constexpr int kKeplerIterations = 10;
constexpr double kKeplerMaxCorrection = 0.95;

// Factors of the drag secular terms at one time: semi-major axis (tempa),
// eccentricity (tempe) and mean longitude (templ).
struct DragFactors {
    double axis = 1.0;
    double eccentricity = 0.0;
    double longitude = 0.0;
};

// Mean elements t minutes from epoch under the secular effects of the zonal
// harmonics, with the drag corrections of perigee and mean anomaly.
MeanState secularGravityAndDrag(const EpochElements &epoch, const SecularRates &secular, const DragTerms &drag,
                                double t, DragFactors &factors)
{
    const double meanAnomalyGravity = epoch.meanAnomaly + secular.meanAnomaly * t;
    const double argPerigeeGravity = epoch.argPerigee + secular.argPerigee * t;
    const double t2 = t * t;

    MeanState state;
    state.meanMotion = epoch.meanMotion;
    state.semiMajorAxis = epoch.semiMajorAxis;
    state.eccentricity = epoch.eccentricity;
    state.inclination = epoch.inclination;
    state.raan = epoch.raan + secular.raan * t + secular.raanDragFactor * t2;
    state.argPerigee = argPerigeeGravity;
    state.meanAnomaly = meanAnomalyGravity;

    factors.axis = 1.0 - drag.c1 * t;
    factors.eccentricity = epoch.bstar * drag.c4 * t;
    factors.longitude = drag.t2 * t2;
    if (drag.simplified)
        return state;

    const SinCos meanAnomalyGravitySinCos = sinCos(meanAnomalyGravity);
    const double deltaArgPerigee = drag.argPerigeeFactor * t;
    const double delMTerm = 1.0 + drag.eta * meanAnomalyGravitySinCos.cos;
    const double deltaMeanAnomaly = drag.meanAnomalyFactor * (delMTerm * delMTerm * delMTerm - drag.delM0);
    const double shift = deltaArgPerigee + deltaMeanAnomaly;
    state.meanAnomaly = meanAnomalyGravity + shift;
    state.argPerigee = argPerigeeGravity - shift;
    const double t3 = t2 * t;
    const double t4 = t3 * t;
    factors.axis = factors.axis - drag.d2 * t2 - drag.d3 * t3 - drag.d4 * t4;
    const double sinMeanAnomaly = sinCosOfSum(state.meanAnomaly, meanAnomalyGravitySinCos, shift).sin;
    factors.eccentricity += epoch.bstar * drag.c5 * (sinMeanAnomaly - drag.sinM0);
    factors.longitude += drag.t3 * t3 + t4 * (drag.t4 + t * drag.t5);
    return state;
}

// Applies the drag factors to the mean motion, eccentricity and mean
// anomaly, then brings the angles into one turn.
PropagationError applyDrag(const EpochElements &epoch, const DragFactors &factors, MeanState &state,
                           double &semiMajorAxis)
{
    if (state.meanMotion <= 0.0 || std::isnan(state.meanMotion))
        return PropagationError::MeanMotion;
    semiMajorAxis = state.semiMajorAxis * factors.axis * factors.axis;
    state.meanMotion = kXke / (semiMajorAxis * std::sqrt(semiMajorAxis));
    state.eccentricity -= factors.eccentricity;
    if (state.eccentricity >= 1.0 || state.eccentricity < kMeanEccentricityFloor)
        return PropagationError::MeanEccentricity;
    if (state.eccentricity < kMinEccentricity)
        state.eccentricity = kMinEccentricity;
    state.meanAnomaly += epoch.meanMotion * factors.longitude;
    const double meanLongitude = fmodTwoPi(state.meanAnomaly + state.argPerigee + state.raan);
    state.raan = fmodTwoPi(state.raan);
    state.argPerigee = fmodTwoPi(state.argPerigee);
    state.meanAnomaly = fmodTwoPi(meanLongitude - state.argPerigee - state.raan);
    return PropagationError::None;
}

// Components of the eccentricity vector and the mean longitude with the
// long-period terms of J3.
struct LongPeriodState {
    double axn, ayn; // e cos w and e sin w plus the J3 term
    double longitude;
};

LongPeriodState longPeriodPeriodics(const MeanState &state, double semiMajorAxis, const InclinationTerms &incl)
{
    const double e = state.eccentricity;
    const double inverseSemiLatus = 1.0 / (semiMajorAxis * (1.0 - e * e));
    LongPeriodState lp;
    lp.axn = e * std::cos(state.argPerigee);
    lp.ayn = e * std::sin(state.argPerigee) + inverseSemiLatus * incl.aycof;
    lp.longitude = state.meanAnomaly + state.argPerigee + state.raan + inverseSemiLatus * incl.xlcof * lp.axn;
    return lp;
}

// Kepler's equation in the eccentricity-vector form, solved by Newton
// iteration with the step bounded. Gives sin and cos of (E + w) as last
// evaluated: once converged the final correction is below the tolerance.
struct KeplerSolution {
    double sinEw = 0, cosEw = 1;
};

KeplerSolution solveKepler(const LongPeriodState &lp, double raan)
{
    const double u = fmodTwoPi(lp.longitude - raan);
    double ew = u;
    SinCos trig = sinCos(ew);
    for (int i = 0; i < kKeplerIterations; ++i) {
        double delta = (u - lp.ayn * trig.cos + lp.axn * trig.sin - ew) / (1.0 - trig.cos * lp.axn - trig.sin * lp.ayn);
        if (std::fabs(delta) >= kKeplerMaxCorrection)
            delta = delta > 0.0 ? kKeplerMaxCorrection : -kKeplerMaxCorrection;
        if (std::fabs(delta) < kKeplerTolerance || i + 1 == kKeplerIterations)
            break;
        ew += delta;
        trig = sinCosOfSum(ew, trig, delta);
    }
    return {trig.sin, trig.cos};
}

// Osculating quantities after the short-period terms of J2.
struct Osculating {
    double radius;         // earth radii
    double radialRate;     // earth radii per model time unit
    double transverseRate;
    SinCos argLatitude;
    double raan;           // rad
    SinCos inclination;
};

PropagationError shortPeriodPeriodics(const LongPeriodState &lp, const KeplerSolution &k, const MeanState &state,
                                      double semiMajorAxis, const InclinationTerms &incl, Osculating &osc)
{
    const double a = semiMajorAxis;
    const double eCosE = lp.axn * k.cosEw + lp.ayn * k.sinEw;
    const double eSinE = lp.axn * k.sinEw - lp.ayn * k.cosEw;
    const double eSquared = lp.axn * lp.axn + lp.ayn * lp.ayn;
    const double semiLatus = a * (1.0 - eSquared);
    if (semiLatus < 0.0)
        return PropagationError::SemiLatusRectum;

    const double r = a * (1.0 - eCosE);
    const double rDot = std::sqrt(a) * eSinE / r;
    const double rfDot = std::sqrt(semiLatus) / r;
    const double beta = std::sqrt(1.0 - eSquared);
    const double temp = eSinE / (1.0 + beta);
    const double aOverR = a / r;
    const double sinU = aOverR * (k.sinEw - lp.ayn - lp.axn * temp);
    const double cosU = aOverR * (k.cosEw - lp.axn + lp.ayn * temp);
    const double sin2u = (cosU + cosU) * sinU;
    const double cos2u = 1.0 - 2.0 * sinU * sinU;
    const double inverseP = 1.0 / semiLatus;
    const double temp1 = 0.5 * kJ2 * inverseP;
    const double temp2 = temp1 * inverseP;

    const double deltaU = -0.25 * temp2 * incl.x7thm1 * sin2u;
    const double deltaI = 1.5 * temp2 * incl.cosInclination * incl.sinInclination * cos2u;
    if (isSmallAngle(deltaU)) {
        const double norm = std::sqrt(sinU * sinU + cosU * cosU);
        osc.argLatitude = rotateBySmallAngle({sinU / norm, cosU / norm}, deltaU);
    } else {
        osc.argLatitude = sinCos(std::atan2(sinU, cosU) + deltaU);
    }
    osc.inclination = sinCosOfSum(state.inclination + deltaI, {incl.sinInclination, incl.cosInclination}, deltaI);
    osc.radius = r * (1.0 - 1.5 * temp2 * beta * incl.con41) + 0.5 * temp1 * incl.x1mth2 * cos2u;
    osc.raan = state.raan + 1.5 * temp2 * incl.cosInclination * sin2u;
    const double motionFactor = state.meanMotion * temp1 / kXke;
    osc.radialRate = rDot - motionFactor * incl.x1mth2 * sin2u;
    osc.transverseRate = rfDot + motionFactor * (incl.x1mth2 * cos2u + 1.5 * incl.con41);
    return PropagationError::None;
}

// Position and velocity from the osculating quantities through the unit
// vectors of the orbit plane.
PropagationError orient(const Osculating &osc, TemeState &out)
{
    const double sinU = osc.argLatitude.sin;
    const double cosU = osc.argLatitude.cos;
    const SinCos node = sinCos(osc.raan);
    const double sinI = osc.inclination.sin;
    const double cosI = osc.inclination.cos;
    const double mx = -node.sin * cosI;
    const double my = node.cos * cosI;
    const Vec3 radial{mx * sinU + node.cos * cosU, my * sinU + node.sin * cosU, sinI * sinU};
    const Vec3 transverse{mx * cosU - node.cos * sinU, my * cosU - node.sin * sinU, sinI * cosU};

    const double rKm = osc.radius * kEarthRadiusKm;
    out.position_km = {rKm * radial.x, rKm * radial.y, rKm * radial.z};
    out.velocity_km_s = {(osc.radialRate * radial.x + osc.transverseRate * transverse.x) * kVelocityKmPerS,
                         (osc.radialRate * radial.y + osc.transverseRate * transverse.y) * kVelocityKmPerS,
                         (osc.radialRate * radial.z + osc.transverseRate * transverse.z) * kVelocityKmPerS};
    return osc.radius < 1.0 ? PropagationError::Decayed : PropagationError::None;
}

} // namespace

PropagationError Sgp4Propagator::evaluate(double t, TemeState &out) const
{
    DragFactors factors;
    MeanState state = secularGravityAndDrag(epoch_, secular_, drag_, t, factors);
    if (deepSpace_)
        applyDeepSpaceSecular(deep_, t, state);

    double semiMajorAxis = 0;
    if (const PropagationError error = applyDrag(epoch_, factors, state, semiMajorAxis); error != PropagationError::None)
        return error;

    InclinationTerms deepInclination;
    const InclinationTerms *incl = &inclination_;
    if (deepSpace_) {
        SinCos inclination = applyLunarSolarPeriodics(deep_, t, state);
        // Pushed through the equator by the sun and moon: the same orbit,
        // described again with a positive inclination.
        if (state.inclination < 0.0) {
            state.inclination = -state.inclination;
            inclination.sin = -inclination.sin;
            state.raan += kPi;
            state.argPerigee -= kPi;
        }
        if (state.eccentricity < 0.0 || state.eccentricity > 1.0)
            return PropagationError::PerturbedEccentricity;
        deepInclination = inclinationTermsFor(inclination);
        incl = &deepInclination;
    }

    const LongPeriodState lp = longPeriodPeriodics(state, semiMajorAxis, *incl);
    const KeplerSolution kepler = solveKepler(lp, state.raan);
    Osculating osc;
    if (const PropagationError error = shortPeriodPeriodics(lp, kepler, state, semiMajorAxis, *incl, osc);
        error != PropagationError::None)
        return error;
    return orient(osc, out);
}

} // namespace orvanta::orbit
