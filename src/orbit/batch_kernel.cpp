// The model on vectors, compiled once per instruction set by Highway and
// picked when the program runs. It follows sgp4_propagate.cpp and
// deep_space.cpp stage by stage, with the same operations in the same order;
// only the sine and cosine differ (Highway's, within 3 units in the last
// place). Where the scalar code branches, every lane takes its own branch
// through masks.

#include "orbit/batch_lanes.h"

#include "orbit/deep_space.h"
#include "orbit/sgp4_constants.h"

#include <cmath>

// The SSSE3 build would add compile time and nothing here: SSE4 covers those machines.
#ifndef HWY_DISABLED_TARGETS
#define HWY_DISABLED_TARGETS HWY_SSSE3
#endif

#undef HWY_TARGET_INCLUDE
#define HWY_TARGET_INCLUDE "orbit/batch_kernel.cpp"
#include <hwy/foreach_target.h> // IWYU pragma: keep
#include <hwy/highway.h>
#include <hwy/contrib/math/math-inl.h>

HWY_BEFORE_NAMESPACE();
namespace orvanta::orbit::HWY_NAMESPACE {
namespace {

namespace hn = hwy::HWY_NAMESPACE;
using D = hn::ScalableTag<double>;
using V = hn::Vec<D>;
using M = hn::Mask<D>;

constexpr double kMinEccentricity = 1.0e-6;
constexpr double kMeanEccentricityFloor = -0.001;
constexpr double kKeplerTolerance = 1.0e-12;
constexpr int kKeplerIterations = 10;
constexpr double kKeplerMaxCorrection = 0.95;
constexpr double kSmallAngle = 0.01;
constexpr double kMaxMinutesFromEpoch = 1.0e8;
// Lanes this near a limit of the model (eccentricity, semi-latus rectum, the
// earth's surface) go to the scalar engine, whose sine may put them on the
// other side.
constexpr double kLimitMargin = 1e-9;

struct SinCosV {
    V sin, cos;
};

// fmod(angle, 2 pi), bit for bit as fmodTwoPi gives it.
HWY_INLINE V fmodTwoPi(D d, V angle)
{
    const V twoPi = hn::Set(d, model::kTwoPi);
    const M within = hn::Lt(hn::Abs(angle), twoPi);
    if (hn::AllTrue(d, within))
        return angle;
#if !HWY_NATIVE_FMA
    // Without a fused multiply-add the remainder would be rounded twice,
    // 1e-13 rad off on angles of many turns: the lanes take the scalar one.
    HWY_ALIGN double lanes[hn::MaxLanes(D())];
    hn::Store(angle, d, lanes);
    for (std::size_t i = 0; i < hn::Lanes(d); ++i)
        lanes[i] = model::fmodTwoPi(lanes[i]);
    return hn::Load(d, lanes);
#endif
    V turns = hn::Trunc(angle / twoPi);
    V rest = hn::NegMulAdd(turns, twoPi, angle);
    const M tooMany = hn::Lt(rest * angle, hn::Zero(d));
    turns = hn::IfThenElse(tooMany, turns - hn::CopySign(hn::Set(d, 1.0), angle), turns);
    rest = hn::NegMulAdd(turns, twoPi, angle);
    return hn::IfThenElse(within, angle, hn::CopySign(rest, angle));
}

// Highway's sine and cosine keep their accuracy within 39,000 rad: angles
// of many turns (the mean anomaly long after epoch) are brought within one
// turn first. The turn subtracted is 2 pi rounded, a few 1e-16 rad from the
// true one per turn; the only angles that large feed the drag terms, where
// such a difference vanishes in the small coefficients.
HWY_INLINE SinCosV sinCos(D d, V angle)
{
    const V reduced = fmodTwoPi(d, angle);
    return {hn::Sin(d, reduced), hn::Cos(d, reduced)};
}

// sin and cos of base + delta by the series of sgp4_angles.h.
HWY_INLINE SinCosV rotateBySmallAngle(D d, const SinCosV &base, V delta)
{
    const V one = hn::Set(d, 1.0);
    const V d2 = delta * delta;
    const V sinDelta =
        delta * (one - d2 * hn::Set(d, 1.0 / 6.0) *
                           (one - d2 * hn::Set(d, 1.0 / 20.0) * (one - d2 * hn::Set(d, 1.0 / 42.0))));
    const V cosDelta =
        one - d2 * hn::Set(d, 0.5) *
                  (one - d2 * hn::Set(d, 1.0 / 12.0) *
                             (one - d2 * hn::Set(d, 1.0 / 30.0) * (one - d2 * hn::Set(d, 1.0 / 56.0))));
    return {base.sin * cosDelta + base.cos * sinDelta, base.cos * cosDelta - base.sin * sinDelta};
}

// sin and cos of sum = base + delta: the series where delta is small, the
// functions in the other lanes of `wanted` (computed only when there are such lanes).
HWY_INLINE SinCosV sinCosOfSum(D d, V sum, const SinCosV &base, V delta, M wanted)
{
    SinCosV result = rotateBySmallAngle(d, base, delta);
    const M large = hn::And(wanted, hn::Gt(hn::Abs(delta), hn::Set(d, kSmallAngle)));
    if (!hn::AllFalse(d, large)) {
        const SinCosV direct = sinCos(d, sum);
        result.sin = hn::IfThenElse(large, direct.sin, result.sin);
        result.cos = hn::IfThenElse(large, direct.cos, result.cos);
    }
    return result;
}

// The constant terms of the lanes at one offset.
template <typename Lanes>
struct Terms {
    const Lanes &lanes;
    std::size_t offset;
    HWY_INLINE V operator()(D d, typename Lanes::Column c) const { return hn::LoadU(d, lanes.column(c) + offset); }
};

// The mean elements once the secular terms and drag are applied and the
// angles brought into one turn, with the terms of their inclination: what
// the periodics start from.
struct MeanElements {
    V semiMajorAxis, meanMotion, eccentricity, inclination, raan, argPerigee, meanAnomaly;
    V cosI, sinI, aycof, xlcof, con41, x1mth2, x7thm1;
};

// Lanes whose time the model refuses.
HWY_INLINE M timeRefused(D d, V t)
{
    return hn::Not(hn::Le(hn::Abs(t), hn::Set(d, kMaxMinutesFromEpoch)));
}

// Lanes whose mean eccentricity after drag is outside the model's range, or near its edge.
HWY_INLINE M eccentricityRefused(D d, V e)
{
    return hn::Not(hn::And(hn::Lt(e, hn::Set(d, 1.0 - kLimitMargin)),
                           hn::Ge(e, hn::Set(d, kMeanEccentricityFloor + kLimitMargin))));
}

HWY_INLINE MeanElements nearEarthMean(D d, const Terms<NearEarthLanes> &c, V t, M &unsure)
{
    using C = NearEarthLanes;
    const V one = hn::Set(d, 1.0);

    // Secular gravity and drag.
    const V meanAnomalyGravity = c(d, C::MeanAnomaly) + c(d, C::MeanAnomalyRate) * t;
    const V argPerigeeGravity = c(d, C::ArgPerigee) + c(d, C::ArgPerigeeRate) * t;
    const V t2 = t * t;
    V raan = c(d, C::Raan) + c(d, C::RaanRate) * t + c(d, C::RaanDragFactor) * t2;
    V argPerigee = argPerigeeGravity;
    V meanAnomaly = meanAnomalyGravity;
    const V bstar = c(d, C::Bstar);
    V axisFactor = one - c(d, C::C1) * t;
    V eccentricityFactor = bstar * c(d, C::C4) * t;
    V longitudeFactor = c(d, C::T2) * t2;

    const M fullDrag = hn::Ne(c(d, C::FullDrag), hn::Zero(d));
    if (!hn::AllFalse(d, fullDrag)) {
        const SinCosV gravityTrig = sinCos(d, meanAnomalyGravity);
        const V deltaArgPerigee = c(d, C::ArgPerigeeFactor) * t;
        const V delMTerm = one + c(d, C::Eta) * gravityTrig.cos;
        const V deltaMeanAnomaly = c(d, C::MeanAnomalyFactor) * (delMTerm * delMTerm * delMTerm - c(d, C::DelM0));
        const V shift = deltaArgPerigee + deltaMeanAnomaly;
        const V fullMeanAnomaly = meanAnomalyGravity + shift;
        meanAnomaly = hn::IfThenElse(fullDrag, fullMeanAnomaly, meanAnomaly);
        argPerigee = hn::IfThenElse(fullDrag, argPerigeeGravity - shift, argPerigee);
        const V t3 = t2 * t;
        const V t4 = t3 * t;
        axisFactor =
            hn::IfThenElse(fullDrag, axisFactor - c(d, C::D2) * t2 - c(d, C::D3) * t3 - c(d, C::D4) * t4, axisFactor);
        const V sinMeanAnomaly = sinCosOfSum(d, fullMeanAnomaly, gravityTrig, shift, fullDrag).sin;
        eccentricityFactor = hn::IfThenElse(
            fullDrag, eccentricityFactor + bstar * c(d, C::C5) * (sinMeanAnomaly - c(d, C::SinM0)), eccentricityFactor);
        longitudeFactor = hn::IfThenElse(
            fullDrag, longitudeFactor + (c(d, C::T3) * t3 + t4 * (c(d, C::T4) + t * c(d, C::T5))), longitudeFactor);
    }

    // Drag applied, angles brought into one turn.
    const V meanMotion0 = c(d, C::MeanMotion);
    const V semiMajorAxis = c(d, C::SemiMajorAxis) * axisFactor * axisFactor;
    const V meanMotion = hn::Set(d, model::kXke) / (semiMajorAxis * hn::Sqrt(semiMajorAxis));
    V e = c(d, C::Eccentricity) - eccentricityFactor;
    unsure = hn::Or(unsure, eccentricityRefused(d, e));
    e = hn::IfThenElse(hn::Lt(e, hn::Set(d, kMinEccentricity)), hn::Set(d, kMinEccentricity), e);
    meanAnomaly = meanAnomaly + meanMotion0 * longitudeFactor;
    const V meanLongitude = fmodTwoPi(d, meanAnomaly + argPerigee + raan);
    raan = fmodTwoPi(d, raan);
    argPerigee = fmodTwoPi(d, argPerigee);
    meanAnomaly = fmodTwoPi(d, meanLongitude - argPerigee - raan);
    return {semiMajorAxis, meanMotion, e, c(d, C::Inclination), raan, argPerigee, meanAnomaly,
            c(d, C::CosInclination), c(d, C::SinInclination), c(d, C::Aycof), c(d, C::Xlcof), c(d, C::Con41),
            c(d, C::X1mth2), c(d, C::X7thm1)};
}

// The periodics, Kepler's equation and the state, for whichever model gave the mean elements.
HWY_INLINE void periodicsAndState(D d, const MeanElements &m, M unsure, std::size_t at, LaneStates &out)
{
    const V one = hn::Set(d, 1.0);
    const V semiMajorAxis = m.semiMajorAxis;
    const V meanMotion = m.meanMotion;
    const V e = m.eccentricity;
    const V raan = m.raan;
    const V argPerigee = m.argPerigee;
    const V meanAnomaly = m.meanAnomaly;

    // Long-period periodics.
    const V inverseSemiLatus = one / (semiMajorAxis * (one - e * e));
    const SinCosV perigeeTrig = sinCos(d, argPerigee);
    const V axn = e * perigeeTrig.cos;
    const V ayn = e * perigeeTrig.sin + inverseSemiLatus * m.aycof;
    const V longitude = meanAnomaly + argPerigee + raan + inverseSemiLatus * m.xlcof * axn;

    // Kepler's equation, each lane iterating until its own correction is small.
    const V u = fmodTwoPi(d, longitude - raan);
    V ew = u;
    SinCosV trig = sinCos(d, ew);
    M active = hn::FirstN(d, hn::Lanes(d));
    const V maxCorrection = hn::Set(d, kKeplerMaxCorrection);
    for (int i = 0; i < kKeplerIterations; ++i) {
        V delta = (u - ayn * trig.cos + axn * trig.sin - ew) / (one - trig.cos * axn - trig.sin * ayn);
        const M clamp = hn::Ge(hn::Abs(delta), maxCorrection);
        delta = hn::IfThenElse(clamp, hn::CopySign(maxCorrection, delta), delta);
        const M converged = hn::Lt(hn::Abs(delta), hn::Set(d, kKeplerTolerance));
        if (i + 1 == kKeplerIterations) {
            unsure = hn::Or(unsure, hn::AndNot(converged, active));
            break;
        }
        active = hn::AndNot(converged, active);
        if (hn::AllFalse(d, active))
            break;
        const V next = ew + delta;
        const SinCosV nextTrig = sinCosOfSum(d, next, trig, delta, active);
        ew = hn::IfThenElse(active, next, ew);
        trig.sin = hn::IfThenElse(active, nextTrig.sin, trig.sin);
        trig.cos = hn::IfThenElse(active, nextTrig.cos, trig.cos);
    }

    // Short-period periodics.
    const V eCosE = axn * trig.cos + ayn * trig.sin;
    const V eSinE = axn * trig.sin - ayn * trig.cos;
    const V eSquared = axn * axn + ayn * ayn;
    const V semiLatus = semiMajorAxis * (one - eSquared);
    unsure = hn::Or(unsure, hn::Not(hn::Ge(semiLatus, hn::Set(d, kLimitMargin))));
    const V r = semiMajorAxis * (one - eCosE);
    const V rDot = hn::Sqrt(semiMajorAxis) * eSinE / r;
    const V rfDot = hn::Sqrt(semiLatus) / r;
    const V beta = hn::Sqrt(one - eSquared);
    const V temp = eSinE / (one + beta);
    const V aOverR = semiMajorAxis / r;
    const V sinU = aOverR * (trig.sin - ayn - axn * temp);
    const V cosU = aOverR * (trig.cos - axn + ayn * temp);
    const V sin2u = (cosU + cosU) * sinU;
    const V cos2u = one - hn::Set(d, 2.0) * sinU * sinU;
    const V inverseP = one / semiLatus;
    const V temp1 = hn::Set(d, 0.5 * model::kJ2) * inverseP;
    const V temp2 = temp1 * inverseP;

    const V cosI = m.cosI;
    const V sinI = m.sinI;
    const V x1mth2 = m.x1mth2;
    const V con41 = m.con41;
    const V deltaU = hn::Set(d, -0.25) * temp2 * m.x7thm1 * sin2u;
    const V deltaI = hn::Set(d, 1.5) * temp2 * cosI * sinI * cos2u;
    // A large deltaU takes an arc tangent the vectors do not have: the scalar engine does those lanes.
    unsure = hn::Or(unsure, hn::Gt(hn::Abs(deltaU), hn::Set(d, kSmallAngle)));
    const V norm = hn::Sqrt(sinU * sinU + cosU * cosU);
    const SinCosV argLatitude = rotateBySmallAngle(d, {sinU / norm, cosU / norm}, deltaU);
    const SinCosV inclination =
        sinCosOfSum(d, m.inclination + deltaI, {sinI, cosI}, deltaI, hn::FirstN(d, hn::Lanes(d)));
    const V radius = r * (one - hn::Set(d, 1.5) * temp2 * beta * con41) + hn::Set(d, 0.5) * temp1 * x1mth2 * cos2u;
    const V node = raan + hn::Set(d, 1.5) * temp2 * cosI * sin2u;
    const V motionFactor = meanMotion * temp1 / hn::Set(d, model::kXke);
    const V radialRate = rDot - motionFactor * x1mth2 * sin2u;
    const V transverseRate = rfDot + motionFactor * (x1mth2 * cos2u + hn::Set(d, 1.5) * con41);
    unsure = hn::Or(unsure, hn::Not(hn::Ge(radius, hn::Set(d, 1.0 + kLimitMargin))));

    // Orientation.
    const SinCosV nodeTrig = sinCos(d, node);
    const V mx = hn::Neg(nodeTrig.sin) * inclination.cos;
    const V my = nodeTrig.cos * inclination.cos;
    const V radialX = mx * argLatitude.sin + nodeTrig.cos * argLatitude.cos;
    const V radialY = my * argLatitude.sin + nodeTrig.sin * argLatitude.cos;
    const V radialZ = inclination.sin * argLatitude.sin;
    const V transverseX = mx * argLatitude.cos - nodeTrig.cos * argLatitude.sin;
    const V transverseY = my * argLatitude.cos - nodeTrig.sin * argLatitude.sin;
    const V transverseZ = inclination.sin * argLatitude.cos;
    const V rKm = radius * hn::Set(d, model::kEarthRadiusKm);
    const V velocity = hn::Set(d, model::kVelocityKmPerS);
    const V x = rKm * radialX, y = rKm * radialY, z = rKm * radialZ;
    const V vx = (radialRate * radialX + transverseRate * transverseX) * velocity;
    const V vy = (radialRate * radialY + transverseRate * transverseY) * velocity;
    const V vz = (radialRate * radialZ + transverseRate * transverseZ) * velocity;
    // A NaN or an infinity anywhere ends here: the scalar engine says what went wrong.
    const V sum = x + y + z + vx + vy + vz;
    unsure = hn::Or(unsure, hn::Not(hn::Eq(sum - sum, hn::Zero(d))));

    hn::StoreU(x, d, out.x.data() + at);
    hn::StoreU(y, d, out.y.data() + at);
    hn::StoreU(z, d, out.z.data() + at);
    hn::StoreU(vx, d, out.vx.data() + at);
    hn::StoreU(vy, d, out.vy.data() + at);
    hn::StoreU(vz, d, out.vz.data() + at);
    const V flags = hn::IfThenElseZero(unsure, one);
    HWY_ALIGN double lanes[hn::MaxLanes(D())];
    hn::Store(flags, d, lanes);
    for (std::size_t i = 0; i < hn::Lanes(d); ++i)
        out.recompute[at + i] = lanes[i] != 0.0;
}

// The sun's and the moon's long-period terms of one body.
struct BodyTerms {
    V eccentricity, inclination, meanAnomaly, argPerigeePlusNode, raan;
};

HWY_INLINE BodyTerms bodyPeriodics(D d, const Terms<DeepSpaceLanes> &c, DeepSpaceLanes::Column first,
                                   double bodyMeanMotion, double bodyEccentricity, V t)
{
    const auto at = [&](int k) { return c(d, DeepSpaceLanes::Column(int(first) + k)); };
    const V meanAnomaly = at(12) + hn::Set(d, bodyMeanMotion) * t;
    const V trueAnomaly = meanAnomaly + hn::Set(d, 2.0 * bodyEccentricity) * sinCos(d, meanAnomaly).sin;
    const SinCosV f = sinCos(d, trueAnomaly);
    const V f2 = hn::Set(d, 0.5) * f.sin * f.sin - hn::Set(d, 0.25);
    const V f3 = hn::Set(d, -0.5) * f.sin * f.cos;
    return {at(0) * f2 + at(1) * f3, at(2) * f2 + at(3) * f3, at(4) * f2 + at(5) * f3 + at(6) * f.sin,
            at(7) * f2 + at(8) * f3 + at(9) * f.sin, at(10) * f2 + at(11) * f3};
}

// The resonant lanes' mean longitude, mean motion and semi-major axis (the
// integration steps and the cube root, lane by lane in the scalar code).
struct ResonantLanes {
    V longitude, meanMotion, semiMajorAxis;
};

HWY_INLINE ResonantLanes integrateResonantLanes(D d, const DeepSpaceLanes &lanes, std::size_t offset, V t)
{
    constexpr std::size_t kMax = hn::MaxLanes(D());
    HWY_ALIGN double times[kMax], longitude[kMax], meanMotion[kMax], semiMajorAxis[kMax];
    hn::Store(t, d, times);
    for (std::size_t i = 0; i < hn::Lanes(d); ++i) {
        const model::ResonanceTerms *resonance = lanes.resonance[offset + i];
        longitude[i] = 0.0;
        meanMotion[i] = semiMajorAxis[i] = 1.0;
        if (!resonance || !(std::fabs(times[i]) <= kMaxMinutesFromEpoch))
            continue;
        model::integrateResonance(*resonance, times[i], longitude[i], meanMotion[i]);
        const double ratio = model::kXke / meanMotion[i];
        semiMajorAxis[i] = std::cbrt(ratio * ratio);
    }
    return {hn::Load(d, longitude), hn::Load(d, meanMotion), hn::Load(d, semiMajorAxis)};
}

// The node of the low inclinations, atan2 lane by lane.
HWY_INLINE V nodeFromPole(D d, V alpha, V beta)
{
    constexpr std::size_t kMax = hn::MaxLanes(D());
    HWY_ALIGN double a[kMax], b[kMax];
    hn::Store(alpha, d, a);
    hn::Store(beta, d, b);
    for (std::size_t i = 0; i < hn::Lanes(d); ++i)
        a[i] = std::atan2(a[i], b[i]);
    return hn::Load(d, a);
}

HWY_INLINE MeanElements deepSpaceMean(D d, const Terms<DeepSpaceLanes> &c, V t, M &unsure)
{
    using C = DeepSpaceLanes;
    const V one = hn::Set(d, 1.0);
    const V two = hn::Set(d, 2.0);
    const V margin = hn::Set(d, kLimitMargin);

    // Secular gravity and the leading drag terms.
    const V t2 = t * t;
    V meanAnomaly = c(d, C::MeanAnomaly) + c(d, C::MeanAnomalyRate) * t;
    V argPerigee = c(d, C::ArgPerigee) + c(d, C::ArgPerigeeRate) * t;
    V raan = c(d, C::Raan) + c(d, C::RaanRate) * t + c(d, C::RaanDragFactor) * t2;
    const V axisFactor = one - c(d, C::C1) * t;
    const V eccentricityFactor = c(d, C::Bstar) * c(d, C::C4) * t;
    const V longitudeFactor = c(d, C::T2) * t2;

    // The sun's and moon's secular rates, then the resonance.
    V e = c(d, C::Eccentricity) + c(d, C::BodyEccentricityRate) * t;
    V inclination = c(d, C::Inclination) + c(d, C::BodyInclinationRate) * t;
    argPerigee = argPerigee + c(d, C::BodyArgPerigeeRate) * t;
    raan = raan + c(d, C::BodyRaanRate) * t;
    meanAnomaly = meanAnomaly + c(d, C::BodyMeanAnomalyRate) * t;
    V meanMotion = c(d, C::MeanMotion);
    V semiMajorAxis = c(d, C::SemiMajorAxis);
    const M resonant = hn::Ne(c(d, C::Resonance), hn::Zero(d));
    if (!hn::AllFalse(d, resonant)) {
        const ResonantLanes r = integrateResonantLanes(d, c.lanes, c.offset, t);
        const V theta = fmodTwoPi(d, c(d, C::SiderealAngle) + t * hn::Set(d, model::kEarthRotationRadPerMin));
        const V halfDay = r.longitude - two * raan + two * theta;
        const V oneDay = r.longitude - raan - argPerigee + theta;
        const M isHalfDay = hn::Ne(c(d, C::HalfDay), hn::Zero(d));
        meanAnomaly = hn::IfThenElse(resonant, hn::IfThenElse(isHalfDay, halfDay, oneDay), meanAnomaly);
        meanMotion = hn::IfThenElse(resonant, r.meanMotion, meanMotion);
        semiMajorAxis = hn::IfThenElse(resonant, r.semiMajorAxis, semiMajorAxis);
    }
    unsure = hn::Or(unsure, hn::Not(hn::Gt(meanMotion, margin)));

    // Drag applied, angles brought into one turn.
    semiMajorAxis = semiMajorAxis * axisFactor * axisFactor;
    meanMotion = hn::Set(d, model::kXke) / (semiMajorAxis * hn::Sqrt(semiMajorAxis));
    e = e - eccentricityFactor;
    unsure = hn::Or(unsure, eccentricityRefused(d, e));
    e = hn::IfThenElse(hn::Lt(e, hn::Set(d, kMinEccentricity)), hn::Set(d, kMinEccentricity), e);
    meanAnomaly = meanAnomaly + c(d, C::MeanMotion) * longitudeFactor;
    const V meanLongitude = fmodTwoPi(d, meanAnomaly + argPerigee + raan);
    raan = fmodTwoPi(d, raan);
    argPerigee = fmodTwoPi(d, argPerigee);
    meanAnomaly = fmodTwoPi(d, meanLongitude - argPerigee - raan);

    // The sun's and moon's long-period periodics.
    const BodyTerms sun = bodyPeriodics(d, c, C::SunE2, model::kSunMeanMotion, model::kSunEccentricity, t);
    const BodyTerms moon = bodyPeriodics(d, c, C::MoonE2, model::kMoonMeanMotion, model::kMoonEccentricity, t);
    const V de = sun.eccentricity + moon.eccentricity;
    const V di = sun.inclination + moon.inclination;
    const V dm = sun.meanAnomaly + moon.meanAnomaly;
    const V dgh = sun.argPerigeePlusNode + moon.argPerigeePlusNode;
    const V dh = sun.raan + moon.raan;
    inclination = inclination + di;
    e = e + de;
    SinCosV incl = sinCos(d, inclination);

    // Low inclinations perturb the node through the orbit's pole (Lyddane),
    // the others directly; lanes at the switch go to the scalar engine.
    const V lyddaneBelow = hn::Set(d, model::kLyddaneInclination);
    const M lyddane = hn::Lt(inclination, lyddaneBelow);
    unsure = hn::Or(unsure, hn::Lt(hn::Abs(inclination - lyddaneBelow), margin));
    const V nodeShift = dh / incl.sin;
    V newArgPerigee = argPerigee + (dgh - incl.cos * nodeShift);
    V newRaan = raan + nodeShift;
    if (!hn::AllFalse(d, lyddane)) {
        const SinCosV node = sinCos(d, raan);
        const V alpha = incl.sin * node.sin + (dh * node.cos + di * incl.cos * node.sin);
        const V beta = incl.sin * node.cos + (hn::Neg(dh) * node.sin + di * incl.cos * node.cos);
        const V longitude = meanAnomaly + argPerigee + incl.cos * raan + (dm + dgh - di * raan * incl.sin);
        V pole = nodeFromPole(d, alpha, beta);
        const V gap = hn::Abs(raan - pole);
        const V pi = hn::Set(d, model::kPi);
        const V turn = hn::Set(d, model::kTwoPi);
        pole = hn::IfThenElse(hn::Gt(gap, pi), pole + hn::IfThenElse(hn::Lt(pole, raan), turn, hn::Neg(turn)), pole);
        unsure = hn::Or(unsure, hn::And(lyddane, hn::Lt(hn::Abs(gap - pi), margin)));
        newRaan = hn::IfThenElse(lyddane, pole, newRaan);
        newArgPerigee = hn::IfThenElse(lyddane, longitude - (meanAnomaly + dm) - incl.cos * pole, newArgPerigee);
    }
    raan = newRaan;
    argPerigee = newArgPerigee;
    meanAnomaly = meanAnomaly + dm;

    // Pushed through the equator: the same orbit with a positive inclination.
    const M negative = hn::Lt(inclination, hn::Zero(d));
    unsure = hn::Or(unsure, hn::Lt(hn::Abs(inclination), margin));
    inclination = hn::IfThenElse(negative, hn::Neg(inclination), inclination);
    incl.sin = hn::IfThenElse(negative, hn::Neg(incl.sin), incl.sin);
    raan = hn::IfThenElse(negative, raan + hn::Set(d, model::kPi), raan);
    argPerigee = hn::IfThenElse(negative, argPerigee - hn::Set(d, model::kPi), argPerigee);
    unsure = hn::Or(unsure, hn::Not(hn::And(hn::Ge(e, margin), hn::Le(e, one - margin))));

    // The terms of the perturbed inclination.
    const V cosI = incl.cos;
    const V sinI = incl.sin;
    const V cosSquared = cosI * cosI;
    const V onePlusCos = one + cosI;
    const V polarGuard = hn::Set(d, 1.5e-12);
    const V guarded = hn::IfThenElse(hn::Gt(hn::Abs(cosI + one), polarGuard), onePlusCos, polarGuard);
    return {semiMajorAxis,
            meanMotion,
            e,
            inclination,
            raan,
            argPerigee,
            meanAnomaly,
            cosI,
            sinI,
            hn::Set(d, -0.5 * model::kJ3OverJ2) * sinI,
            hn::Set(d, -0.25 * model::kJ3OverJ2) * sinI * (hn::Set(d, 3.0) + hn::Set(d, 5.0) * cosI) / guarded,
            hn::Set(d, 3.0) * cosSquared - one,
            one - cosSquared,
            hn::Set(d, 7.0) * cosSquared - one};
}

} // namespace

void PropagateLanes(const NearEarthLanes &terms, const double *minutes, std::size_t count, bool sameSatellite,
                    LaneStates &out)
{
    const D d;
    for (std::size_t i = 0; i < count; i += hn::Lanes(d)) {
        const V t = hn::LoadU(d, minutes + i);
        M unsure = timeRefused(d, t);
        const MeanElements mean = nearEarthMean(d, Terms<NearEarthLanes>{terms, sameSatellite ? 0 : i}, t, unsure);
        periodicsAndState(d, mean, unsure, i, out);
    }
}

void PropagateDeepSpaceLanes(const DeepSpaceLanes &terms, const double *minutes, std::size_t count,
                             bool sameSatellite, LaneStates &out)
{
    const D d;
    for (std::size_t i = 0; i < count; i += hn::Lanes(d)) {
        const V t = hn::LoadU(d, minutes + i);
        M unsure = timeRefused(d, t);
        const MeanElements mean = deepSpaceMean(d, Terms<DeepSpaceLanes>{terms, sameSatellite ? 0 : i}, t, unsure);
        periodicsAndState(d, mean, unsure, i, out);
    }
}

const char *TargetName()
{
    return hwy::TargetName(HWY_TARGET);
}

} // namespace orvanta::orbit::HWY_NAMESPACE
HWY_AFTER_NAMESPACE();

#if HWY_ONCE
namespace orvanta::orbit {

HWY_EXPORT(PropagateLanes);
HWY_EXPORT(PropagateDeepSpaceLanes);
HWY_EXPORT(TargetName);

void propagateNearEarthLanes(const NearEarthLanes &terms, std::span<const double> minutes, bool sameSatellite,
                             LaneStates &out)
{
    out.resize(minutes.size());
    HWY_DYNAMIC_DISPATCH(PropagateLanes)(terms, minutes.data(), minutes.size(), sameSatellite, out);
}

void propagateDeepSpaceLanes(const DeepSpaceLanes &terms, std::span<const double> minutes, bool sameSatellite,
                             LaneStates &out)
{
    out.resize(minutes.size());
    HWY_DYNAMIC_DISPATCH(PropagateDeepSpaceLanes)(terms, minutes.data(), minutes.size(), sameSatellite, out);
}

const char *vectorTargetName()
{
    return HWY_DYNAMIC_DISPATCH(TargetName)();
}

} // namespace orvanta::orbit
#endif
