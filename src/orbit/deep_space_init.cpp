#include "orbit/deep_space.h"

#include "orbit/sgp4_constants.h"

#include <cmath>

namespace orvanta::orbit::model {
namespace {

// The sun: fixed direction terms of its apparent orbit referred to the equator.
constexpr double kSunPerturbation = 2.9864797e-6;  // c1ss
constexpr double kSunCosG = 0.1945905;             // cos and sin of its argument of perigee
constexpr double kSunSinG = -0.98088458;
constexpr double kCosObliquity = 0.91744867;
constexpr double kSinObliquity = 0.39785416;

// The moon.
constexpr double kMoonPerturbation = 4.7968065e-7; // c1l

// Days from 1950 January 0.0 back to the origin of the lunar-solar ephemeris.
constexpr double kEphemerisOriginOffsetDays = 18261.5;

// Mean motion windows of the resonances, rad/min, and the 12-hour eccentricity floor.
constexpr double kOneDayLowerMotion = 0.0034906585;
constexpr double kOneDayUpperMotion = 0.0052359877;
constexpr double kHalfDayLowerMotion = 8.26e-3;
constexpr double kHalfDayUpperMotion = 9.24e-3;
constexpr double kHalfDayMinEccentricity = 0.5;

// Below 3 degrees (or above 177) the lunar-solar node rate is dropped.
constexpr double kNodeRateInclinationLimit = 5.2359877e-2;

// Geopotential resonance coefficients.
constexpr double kQ22 = 1.7891679e-6;
constexpr double kQ31 = 2.1460748e-6;
constexpr double kQ33 = 2.2123015e-7;
constexpr double kRoot22 = 1.7891679e-6;
constexpr double kRoot32 = 3.7393792e-7;
constexpr double kRoot44 = 7.3636953e-9;
constexpr double kRoot52 = 1.1428639e-7;
constexpr double kRoot54 = 2.1765803e-9;

// Where a perturbing body stands relative to the satellite's orbit plane.
struct BodyDirection {
    double cosG, sinG; // argument of perigee
    double cosI, sinI; // inclination to the equator
    double cosH, sinH; // satellite node minus body node
    double perturbation;
};

struct OrbitAtEpoch {
    double cosI, sinI;
    double cosArgPerigee, sinArgPerigee;
    double eccentricity, eccentricitySquared, betaSquared, beta;
    double meanMotion;
};

// The body's terms of the disturbing function for this orbit (s1..s7, z1..z33).
struct BodyGeometry {
    double s1, s2, s3, s4, s5, s6, s7;
    double z1, z2, z3, z11, z12, z13, z21, z22, z23, z31, z32, z33;
};

BodyGeometry bodyGeometry(const BodyDirection &body, const OrbitAtEpoch &orbit)
{
    const double a1 = body.cosG * body.cosH + body.sinG * body.cosI * body.sinH;
    const double a3 = -body.sinG * body.cosH + body.cosG * body.cosI * body.sinH;
    const double a7 = -body.cosG * body.sinH + body.sinG * body.cosI * body.cosH;
    const double a8 = body.sinG * body.sinI;
    const double a9 = body.sinG * body.sinH + body.cosG * body.cosI * body.cosH;
    const double a10 = body.cosG * body.sinI;
    const double a2 = orbit.cosI * a7 + orbit.sinI * a8;
    const double a4 = orbit.cosI * a9 + orbit.sinI * a10;
    const double a5 = -orbit.sinI * a7 + orbit.cosI * a8;
    const double a6 = -orbit.sinI * a9 + orbit.cosI * a10;

    const double cosW = orbit.cosArgPerigee;
    const double sinW = orbit.sinArgPerigee;
    const double x1 = a1 * cosW + a2 * sinW;
    const double x2 = a3 * cosW + a4 * sinW;
    const double x3 = -a1 * sinW + a2 * cosW;
    const double x4 = -a3 * sinW + a4 * cosW;
    const double x5 = a5 * sinW;
    const double x6 = a6 * sinW;
    const double x7 = a5 * cosW;
    const double x8 = a6 * cosW;

    const double eSq = orbit.eccentricitySquared;
    BodyGeometry g;
    g.z31 = 12.0 * x1 * x1 - 3.0 * x3 * x3;
    g.z32 = 24.0 * x1 * x2 - 6.0 * x3 * x4;
    g.z33 = 12.0 * x2 * x2 - 3.0 * x4 * x4;
    g.z1 = 3.0 * (a1 * a1 + a2 * a2) + g.z31 * eSq;
    g.z2 = 6.0 * (a1 * a3 + a2 * a4) + g.z32 * eSq;
    g.z3 = 3.0 * (a3 * a3 + a4 * a4) + g.z33 * eSq;
    g.z11 = -6.0 * a1 * a5 + eSq * (-24.0 * x1 * x7 - 6.0 * x3 * x5);
    g.z12 = -6.0 * (a1 * a6 + a3 * a5) + eSq * (-24.0 * (x2 * x7 + x1 * x8) - 6.0 * (x3 * x6 + x4 * x5));
    g.z13 = -6.0 * a3 * a6 + eSq * (-24.0 * x2 * x8 - 6.0 * x4 * x6);
    g.z21 = 6.0 * a2 * a5 + eSq * (24.0 * x1 * x5 - 6.0 * x3 * x7);
    g.z22 = 6.0 * (a4 * a5 + a2 * a6) + eSq * (24.0 * (x2 * x5 + x1 * x6) - 6.0 * (x4 * x7 + x3 * x8));
    g.z23 = 6.0 * a4 * a6 + eSq * (24.0 * x2 * x6 - 6.0 * x4 * x8);
    g.z1 = g.z1 + g.z1 + orbit.betaSquared * g.z31;
    g.z2 = g.z2 + g.z2 + orbit.betaSquared * g.z32;
    g.z3 = g.z3 + g.z3 + orbit.betaSquared * g.z33;

    g.s3 = body.perturbation / orbit.meanMotion;
    g.s2 = -0.5 * g.s3 / orbit.beta;
    g.s4 = g.s3 * orbit.beta;
    g.s1 = -15.0 * orbit.eccentricity * g.s4;
    g.s5 = x1 * x3 + x2 * x4;
    g.s6 = x2 * x3 + x1 * x4;
    g.s7 = x2 * x4 - x1 * x3;
    return g;
}

ThirdBodyPeriodics periodicsOf(const BodyGeometry &g, double bodyEccentricity, double eccentricitySquared,
                               double meanAnomalyAtEpoch)
{
    ThirdBodyPeriodics p;
    p.e2 = 2.0 * g.s1 * g.s6;
    p.e3 = 2.0 * g.s1 * g.s7;
    p.i2 = 2.0 * g.s2 * g.z12;
    p.i3 = 2.0 * g.s2 * (g.z13 - g.z11);
    p.l2 = -2.0 * g.s3 * g.z2;
    p.l3 = -2.0 * g.s3 * (g.z3 - g.z1);
    p.l4 = -2.0 * g.s3 * (-21.0 - 9.0 * eccentricitySquared) * bodyEccentricity;
    p.gh2 = 2.0 * g.s4 * g.z32;
    p.gh3 = 2.0 * g.s4 * (g.z33 - g.z31);
    p.gh4 = -18.0 * g.s4 * bodyEccentricity;
    p.h2 = -2.0 * g.s2 * g.z22;
    p.h3 = -2.0 * g.s2 * (g.z23 - g.z21);
    p.meanAnomalyAtEpoch = meanAnomalyAtEpoch;
    return p;
}

// One body's secular rates; the node rate is still multiplied by sin i here.
ThirdBodyRates ratesOf(const BodyGeometry &g, double bodyMeanMotion, double eccentricitySquared, double inclination)
{
    ThirdBodyRates r;
    r.eccentricity = g.s1 * bodyMeanMotion * g.s5;
    r.inclination = g.s2 * bodyMeanMotion * (g.z11 + g.z13);
    r.meanAnomaly = -bodyMeanMotion * g.s3 * (g.z1 + g.z3 - 14.0 - 6.0 * eccentricitySquared);
    r.argPerigee = g.s4 * bodyMeanMotion * (g.z31 + g.z33 - 6.0);
    r.raan = -bodyMeanMotion * g.s2 * (g.z21 + g.z23);
    if (inclination < kNodeRateInclinationLimit || inclination > kPi - kNodeRateInclinationLimit)
        r.raan = 0.0;
    return r;
}

ThirdBodyRates combinedRates(const ThirdBodyRates &sun, const ThirdBodyRates &moon, const OrbitAtEpoch &orbit)
{
    // The argument of perigee rate above holds that of perigee plus node; the
    // node part is taken back out once the node rate is divided by sin i.
    const auto split = [&orbit](ThirdBodyRates r) {
        if (orbit.sinI != 0.0) {
            r.raan /= orbit.sinI;
            r.argPerigee -= orbit.cosI * r.raan;
        }
        return r;
    };
    const ThirdBodyRates s = split(sun);
    const ThirdBodyRates m = split(moon);
    ThirdBodyRates total;
    total.eccentricity = s.eccentricity + m.eccentricity;
    total.inclination = s.inclination + m.inclination;
    total.meanAnomaly = s.meanAnomaly + m.meanAnomaly;
    total.argPerigee = s.argPerigee + m.argPerigee;
    total.raan = s.raan + m.raan;
    return total;
}

ResonanceKind resonanceOf(double meanMotion, double eccentricity)
{
    if (meanMotion > kOneDayLowerMotion && meanMotion < kOneDayUpperMotion)
        return ResonanceKind::OneDay;
    if (meanMotion >= kHalfDayLowerMotion && meanMotion <= kHalfDayUpperMotion && eccentricity >= kHalfDayMinEccentricity)
        return ResonanceKind::HalfDay;
    return ResonanceKind::None;
}

// Geostationary-like orbits: the 2:2, 3:1 and 3:3 terms of the geopotential.
void initOneDayResonance(const EpochElements &epoch, const OrbitAtEpoch &orbit, double semiMajorRatio,
                         ResonanceTerms &r)
{
    const double cosI = orbit.cosI;
    const double sinI = orbit.sinI;
    const double eSq = orbit.eccentricitySquared;
    const double g200 = 1.0 + eSq * (-2.5 + 0.8125 * eSq);
    const double g310 = 1.0 + 2.0 * eSq;
    const double g300 = 1.0 + eSq * (-6.0 + 6.60937 * eSq);
    const double f220 = 0.75 * (1.0 + cosI) * (1.0 + cosI);
    const double f311 = 0.9375 * sinI * sinI * (1.0 + 3.0 * cosI) - 0.75 * (1.0 + cosI);
    const double onePlusCos = 1.0 + cosI;
    const double f330 = 1.875 * onePlusCos * onePlusCos * onePlusCos;
    const double base = 3.0 * epoch.meanMotion * epoch.meanMotion * semiMajorRatio * semiMajorRatio;
    r.del2 = 2.0 * base * f220 * g200 * kQ22;
    r.del3 = 3.0 * base * f330 * g300 * kQ33 * semiMajorRatio;
    r.del1 = base * f311 * g310 * kQ31 * semiMajorRatio;
}

// Eccentricity functions of the 12-hour resonance, fitted over ranges of eccentricity.
struct HalfDayEccentricityFunctions {
    double g201, g211, g310, g322, g410, g422, g520, g521, g532, g533;
};

HalfDayEccentricityFunctions halfDayEccentricityFunctions(double e)
{
    const double e2 = e * e;
    const double e3 = e * e2;
    HalfDayEccentricityFunctions g;
    g.g201 = -0.306 - (e - 0.64) * 0.440;
    if (e <= 0.65) {
        g.g211 = 3.616 - 13.2470 * e + 16.2900 * e2;
        g.g310 = -19.302 + 117.3900 * e - 228.4190 * e2 + 156.5910 * e3;
        g.g322 = -18.9068 + 109.7927 * e - 214.6334 * e2 + 146.5816 * e3;
        g.g410 = -41.122 + 242.6940 * e - 471.0940 * e2 + 313.9530 * e3;
        g.g422 = -146.407 + 841.8800 * e - 1629.014 * e2 + 1083.4350 * e3;
        g.g520 = -532.114 + 3017.977 * e - 5740.032 * e2 + 3708.2760 * e3;
    } else {
        g.g211 = -72.099 + 331.819 * e - 508.738 * e2 + 266.724 * e3;
        g.g310 = -346.844 + 1582.851 * e - 2415.925 * e2 + 1246.113 * e3;
        g.g322 = -342.585 + 1554.908 * e - 2366.899 * e2 + 1215.972 * e3;
        g.g410 = -1052.797 + 4758.686 * e - 7193.992 * e2 + 3651.957 * e3;
        g.g422 = -3581.690 + 16178.110 * e - 24462.770 * e2 + 12422.520 * e3;
        g.g520 = e > 0.715 ? -5149.66 + 29936.92 * e - 54087.36 * e2 + 31324.56 * e3
                           : 1464.74 - 4664.75 * e + 3763.64 * e2;
    }
    if (e < 0.7) {
        g.g533 = -919.22770 + 4988.6100 * e - 9064.7700 * e2 + 5542.21 * e3;
        g.g521 = -822.71072 + 4568.6173 * e - 8491.4146 * e2 + 5337.524 * e3;
        g.g532 = -853.66600 + 4690.2500 * e - 8624.7700 * e2 + 5341.4 * e3;
    } else {
        g.g533 = -37995.780 + 161616.52 * e - 229838.20 * e2 + 109377.94 * e3;
        g.g521 = -51752.104 + 218913.95 * e - 309468.16 * e2 + 146349.42 * e3;
        g.g532 = -40023.880 + 170470.89 * e - 242699.48 * e2 + 115605.82 * e3;
    }
    return g;
}

// Molniya-like orbits: the 2:2:0:1 ... 5:4:3:3 terms.
void initHalfDayResonance(const EpochElements &epoch, const OrbitAtEpoch &orbit, double semiMajorRatio,
                          ResonanceTerms &r)
{
    const double cosI = orbit.cosI;
    const double sinI = orbit.sinI;
    const double cosSq = cosI * cosI;
    const double sinSq = sinI * sinI;
    const HalfDayEccentricityFunctions g = halfDayEccentricityFunctions(epoch.eccentricity);

    const double f220 = 0.75 * (1.0 + 2.0 * cosI + cosSq);
    const double f221 = 1.5 * sinSq;
    const double f321 = 1.875 * sinI * (1.0 - 2.0 * cosI - 3.0 * cosSq);
    const double f322 = -1.875 * sinI * (1.0 + 2.0 * cosI - 3.0 * cosSq);
    const double f441 = 35.0 * sinSq * f220;
    const double f442 = 39.3750 * sinSq * sinSq;
    const double f522 = 9.84375 * sinI * (sinSq * (1.0 - 2.0 * cosI - 5.0 * cosSq) +
                                          0.33333333 * (-2.0 + 4.0 * cosI + 6.0 * cosSq));
    const double f523 = sinI * (4.92187512 * sinSq * (-2.0 - 4.0 * cosI + 10.0 * cosSq) +
                                6.56250012 * (1.0 + 2.0 * cosI - 3.0 * cosSq));
    const double f542 = 29.53125 * sinI * (2.0 - 8.0 * cosI + cosSq * (-12.0 + 8.0 * cosI + 10.0 * cosSq));
    const double f543 = 29.53125 * sinI * (-2.0 - 8.0 * cosI + cosSq * (12.0 + 8.0 * cosI - 10.0 * cosSq));

    double factor = 3.0 * epoch.meanMotion * epoch.meanMotion * semiMajorRatio * semiMajorRatio;
    r.d2201 = factor * kRoot22 * f220 * g.g201;
    r.d2211 = factor * kRoot22 * f221 * g.g211;
    factor *= semiMajorRatio;
    r.d3210 = factor * kRoot32 * f321 * g.g310;
    r.d3222 = factor * kRoot32 * f322 * g.g322;
    factor *= semiMajorRatio;
    r.d4410 = 2.0 * factor * kRoot44 * f441 * g.g410;
    r.d4422 = 2.0 * factor * kRoot44 * f442 * g.g422;
    factor *= semiMajorRatio;
    r.d5220 = factor * kRoot52 * f522 * g.g520;
    r.d5232 = factor * kRoot52 * f523 * g.g532;
    r.d5421 = 2.0 * factor * kRoot54 * f542 * g.g521;
    r.d5433 = 2.0 * factor * kRoot54 * f543 * g.g533;
}

ResonanceTerms resonanceTerms(const EpochElements &epoch, const SecularRates &secular, const ThirdBodyRates &rates,
                              const OrbitAtEpoch &orbit)
{
    ResonanceTerms r;
    r.kind = resonanceOf(epoch.meanMotion, epoch.eccentricity);
    if (r.kind == ResonanceKind::None)
        return r;
    const double semiMajorRatio = std::pow(epoch.meanMotion / kXke, kTwoThirds);
    const double theta = epoch.siderealAngle;
    if (r.kind == ResonanceKind::OneDay) {
        initOneDayResonance(epoch, orbit, semiMajorRatio, r);
        r.longitudeAtEpoch = std::fmod(epoch.meanAnomaly + epoch.raan + epoch.argPerigee - theta, kTwoPi);
        r.longitudeRateOffset = secular.meanAnomaly + (secular.argPerigee + secular.raan) - kEarthRotationRadPerMin +
                                rates.meanAnomaly + rates.argPerigee + rates.raan - epoch.meanMotion;
    } else {
        initHalfDayResonance(epoch, orbit, semiMajorRatio, r);
        r.longitudeAtEpoch = std::fmod(epoch.meanAnomaly + epoch.raan + epoch.raan - theta - theta, kTwoPi);
        r.longitudeRateOffset = secular.meanAnomaly + rates.meanAnomaly +
                                2.0 * (secular.raan + rates.raan - kEarthRotationRadPerMin) - epoch.meanMotion;
    }
    r.meanMotionAtEpoch = epoch.meanMotion;
    r.argPerigeeAtEpoch = epoch.argPerigee;
    r.argPerigeeRate = secular.argPerigee;
    return r;
}

} // namespace

DeepSpaceTerms initDeepSpace(const EpochElements &epoch, const SecularRates &secular)
{
    OrbitAtEpoch orbit;
    orbit.cosI = epoch.cosInclination;
    orbit.sinI = epoch.sinInclination;
    orbit.cosArgPerigee = std::cos(epoch.argPerigee);
    orbit.sinArgPerigee = std::sin(epoch.argPerigee);
    orbit.eccentricity = epoch.eccentricity;
    orbit.eccentricitySquared = epoch.eccentricity * epoch.eccentricity;
    orbit.betaSquared = 1.0 - orbit.eccentricitySquared;
    orbit.beta = std::sqrt(orbit.betaSquared);
    orbit.meanMotion = epoch.meanMotion;
    const double cosNode = std::cos(epoch.raan);
    const double sinNode = std::sin(epoch.raan);

    // The moon's orbit at epoch: node, inclination to the equator and perigee.
    const double day = epoch.epochDays1950 + kEphemerisOriginOffsetDays;
    const double moonNode = std::fmod(4.5236020 - 9.2422029e-4 * day, kTwoPi);
    const double sinMoonNode = std::sin(moonNode);
    const double cosMoonNode = std::cos(moonNode);
    const double cosMoonI = 0.91375164 - 0.03568096 * cosMoonNode;
    const double sinMoonI = std::sqrt(1.0 - cosMoonI * cosMoonI);
    const double sinMoonH = 0.089683511 * sinMoonNode / sinMoonI;
    const double cosMoonH = std::sqrt(1.0 - sinMoonH * sinMoonH);
    const double moonPerigeeLongitude = 5.8351514 + 0.0019443680 * day;
    const double shift = std::atan2(kSinObliquity * sinMoonNode / sinMoonI,
                                    cosMoonH * cosMoonNode + kCosObliquity * sinMoonH * sinMoonNode);
    const double moonArgPerigee = moonPerigeeLongitude + shift - moonNode;

    const BodyDirection sunDirection{kSunCosG, kSunSinG, kCosObliquity, kSinObliquity, cosNode, sinNode,
                                     kSunPerturbation};
    const BodyDirection moonDirection{std::cos(moonArgPerigee),
                                      std::sin(moonArgPerigee),
                                      cosMoonI,
                                      sinMoonI,
                                      cosMoonH * cosNode + sinMoonH * sinNode,
                                      sinNode * cosMoonH - cosNode * sinMoonH,
                                      kMoonPerturbation};
    const BodyGeometry sun = bodyGeometry(sunDirection, orbit);
    const BodyGeometry moon = bodyGeometry(moonDirection, orbit);

    DeepSpaceTerms terms;
    const double eSq = orbit.eccentricitySquared;
    terms.sun = periodicsOf(sun, kSunEccentricity, eSq, std::fmod(6.2565837 + 0.017201977 * day, kTwoPi));
    terms.moon = periodicsOf(moon, kMoonEccentricity, eSq,
                             std::fmod(4.7199672 + 0.22997150 * day - moonPerigeeLongitude, kTwoPi));
    terms.rates = combinedRates(ratesOf(sun, kSunMeanMotion, eSq, epoch.inclination),
                                ratesOf(moon, kMoonMeanMotion, eSq, epoch.inclination), orbit);
    terms.resonance = resonanceTerms(epoch, secular, terms.rates, orbit);
    if (terms.resonance.kind != ResonanceKind::None)
        tabulateResonance(terms.resonance);
    terms.siderealAngleAtEpoch = epoch.siderealAngle;
    return terms;
}

} // namespace orvanta::orbit::model
