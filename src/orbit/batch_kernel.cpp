// The near-earth model on vectors, compiled once per instruction set by
// Highway and picked when the program runs. It follows sgp4_propagate.cpp
// stage by stage, with the same operations in the same order; only the sine
// and cosine differ (Highway's, within 3 units in the last place). Where the
// scalar code branches, every lane takes its own branch through masks.

#include "orbit/batch_lanes.h"

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

// fmod(angle, 2 pi) as fmodTwoPi gives it (exactly so where the processor
// fuses the multiply-add).
HWY_INLINE V fmodTwoPi(D d, V angle)
{
    const V twoPi = hn::Set(d, model::kTwoPi);
    const M within = hn::Lt(hn::Abs(angle), twoPi);
    if (hn::AllTrue(d, within))
        return angle;
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
struct Terms {
    const NearEarthLanes &lanes;
    std::size_t offset;
    HWY_INLINE V operator()(D d, NearEarthLanes::Column c) const { return hn::LoadU(d, lanes.column(c) + offset); }
};

HWY_INLINE void propagateVector(D d, const Terms &c, V t, std::size_t at, LaneStates &out)
{
    using C = NearEarthLanes;
    const V one = hn::Set(d, 1.0);
    M unsure = hn::Not(hn::Le(hn::Abs(t), hn::Set(d, kMaxMinutesFromEpoch)));

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
    unsure = hn::Or(unsure, hn::Not(hn::And(hn::Lt(e, hn::Set(d, 1.0 - kLimitMargin)),
                                            hn::Ge(e, hn::Set(d, kMeanEccentricityFloor + kLimitMargin)))));
    e = hn::IfThenElse(hn::Lt(e, hn::Set(d, kMinEccentricity)), hn::Set(d, kMinEccentricity), e);
    meanAnomaly = meanAnomaly + meanMotion0 * longitudeFactor;
    const V meanLongitude = fmodTwoPi(d, meanAnomaly + argPerigee + raan);
    raan = fmodTwoPi(d, raan);
    argPerigee = fmodTwoPi(d, argPerigee);
    meanAnomaly = fmodTwoPi(d, meanLongitude - argPerigee - raan);

    // Long-period periodics.
    const V inverseSemiLatus = one / (semiMajorAxis * (one - e * e));
    const SinCosV perigeeTrig = sinCos(d, argPerigee);
    const V axn = e * perigeeTrig.cos;
    const V ayn = e * perigeeTrig.sin + inverseSemiLatus * c(d, C::Aycof);
    const V longitude = meanAnomaly + argPerigee + raan + inverseSemiLatus * c(d, C::Xlcof) * axn;

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

    const V cosI = c(d, C::CosInclination);
    const V sinI = c(d, C::SinInclination);
    const V x1mth2 = c(d, C::X1mth2);
    const V con41 = c(d, C::Con41);
    const V deltaU = hn::Set(d, -0.25) * temp2 * c(d, C::X7thm1) * sin2u;
    const V deltaI = hn::Set(d, 1.5) * temp2 * cosI * sinI * cos2u;
    // A large deltaU takes an arc tangent the vectors do not have: the scalar engine does those lanes.
    unsure = hn::Or(unsure, hn::Gt(hn::Abs(deltaU), hn::Set(d, kSmallAngle)));
    const V norm = hn::Sqrt(sinU * sinU + cosU * cosU);
    const SinCosV argLatitude = rotateBySmallAngle(d, {sinU / norm, cosU / norm}, deltaU);
    const SinCosV inclination =
        sinCosOfSum(d, c(d, C::Inclination) + deltaI, {sinI, cosI}, deltaI, hn::FirstN(d, hn::Lanes(d)));
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

} // namespace

void PropagateLanes(const NearEarthLanes &terms, const double *minutes, std::size_t count, bool sameSatellite,
                    LaneStates &out)
{
    const D d;
    for (std::size_t i = 0; i < count; i += hn::Lanes(d))
        propagateVector(d, Terms{terms, sameSatellite ? 0 : i}, hn::LoadU(d, minutes + i), i, out);
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
HWY_EXPORT(TargetName);

void propagateNearEarthLanes(const NearEarthLanes &terms, std::span<const double> minutes, bool sameSatellite,
                             LaneStates &out)
{
    out.resize(minutes.size());
    HWY_DYNAMIC_DISPATCH(PropagateLanes)(terms, minutes.data(), minutes.size(), sameSatellite, out);
}

const char *vectorTargetName()
{
    return HWY_DYNAMIC_DISPATCH(TargetName)();
}

} // namespace orvanta::orbit
#endif
