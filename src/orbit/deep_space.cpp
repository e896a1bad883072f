#include "orbit/deep_space.h"

#include "orbit/sgp4_constants.h"

#include <cmath>

namespace orvanta::orbit::model {
namespace {

constexpr double kSunEccentricity = 0.01675;
constexpr double kSunMeanMotion = 1.19459e-5;    // rad/min
constexpr double kMoonEccentricity = 0.05490;
constexpr double kMoonMeanMotion = 1.5835218e-4; // rad/min

// Below this inclination (rad) the periodics are applied to the node and
// perigee through the Lyddane form, which stays finite as sin i goes to zero.
constexpr double kLyddaneInclination = 0.2;

// Phases of the resonance terms, rad.
constexpr double kFasx2 = 0.13130908;
constexpr double kFasx4 = 2.8843198;
constexpr double kFasx6 = 0.37448087;
constexpr double kG22 = 5.7686396;
constexpr double kG32 = 0.95240898;
constexpr double kG44 = 1.8014998;
constexpr double kG52 = 1.0508330;
constexpr double kG54 = 4.4108898;

constexpr double kIntegrationStep = 720.0;                                // min
constexpr double kHalfStepSquared = kIntegrationStep * kIntegrationStep / 2.0; // min^2

struct ResonanceRates {
    double longitudeRate;          // xldot
    double meanMotionRate;         // xndt
    double meanMotionAcceleration; // xnddt
};

ResonanceRates resonanceRates(const ResonanceTerms &r, double longitude, double meanMotion, double minutes)
{
    ResonanceRates rates;
    rates.longitudeRate = meanMotion + r.longitudeRateOffset;
    if (r.kind == ResonanceKind::OneDay) {
        rates.meanMotionRate = r.del1 * std::sin(longitude - kFasx2) + r.del2 * std::sin(2.0 * (longitude - kFasx4)) +
                               r.del3 * std::sin(3.0 * (longitude - kFasx6));
        rates.meanMotionAcceleration = (r.del1 * std::cos(longitude - kFasx2) +
                                        2.0 * r.del2 * std::cos(2.0 * (longitude - kFasx4)) +
                                        3.0 * r.del3 * std::cos(3.0 * (longitude - kFasx6))) *
                                       rates.longitudeRate;
        return rates;
    }
    const double w = r.argPerigeeAtEpoch + r.argPerigeeRate * minutes;
    const double w2 = w + w;
    const double l2 = longitude + longitude;
    rates.meanMotionRate = r.d2201 * std::sin(w2 + longitude - kG22) + r.d2211 * std::sin(longitude - kG22) +
                           r.d3210 * std::sin(w + longitude - kG32) + r.d3222 * std::sin(-w + longitude - kG32) +
                           r.d4410 * std::sin(w2 + l2 - kG44) + r.d4422 * std::sin(l2 - kG44) +
                           r.d5220 * std::sin(w + longitude - kG52) + r.d5232 * std::sin(-w + longitude - kG52) +
                           r.d5421 * std::sin(w + l2 - kG54) + r.d5433 * std::sin(-w + l2 - kG54);
    rates.meanMotionAcceleration =
        (r.d2201 * std::cos(w2 + longitude - kG22) + r.d2211 * std::cos(longitude - kG22) +
         r.d3210 * std::cos(w + longitude - kG32) + r.d3222 * std::cos(-w + longitude - kG32) +
         r.d5220 * std::cos(w + longitude - kG52) + r.d5232 * std::cos(-w + longitude - kG52) +
         2.0 * (r.d4410 * std::cos(w2 + l2 - kG44) + r.d4422 * std::cos(l2 - kG44) +
                r.d5421 * std::cos(w + l2 - kG54) + r.d5433 * std::cos(-w + l2 - kG54))) *
        rates.longitudeRate;
    return rates;
}

// Integrates the resonant mean longitude and mean motion from epoch in fixed
// steps of 720 minutes, then a Taylor step to the requested time.
void integrateResonance(const ResonanceTerms &r, double minutes, double &longitude, double &meanMotion)
{
    const double step = minutes > 0.0 ? kIntegrationStep : -kIntegrationStep;
    double at = 0.0;
    double li = r.longitudeAtEpoch;
    double ni = r.meanMotionAtEpoch;
    ResonanceRates rates = resonanceRates(r, li, ni, at);
    while (std::fabs(minutes - at) >= kIntegrationStep) {
        li += rates.longitudeRate * step + rates.meanMotionRate * kHalfStepSquared;
        ni += rates.meanMotionRate * step + rates.meanMotionAcceleration * kHalfStepSquared;
        at += step;
        rates = resonanceRates(r, li, ni, at);
    }
    const double rest = minutes - at;
    meanMotion = ni + rates.meanMotionRate * rest + rates.meanMotionAcceleration * rest * rest * 0.5;
    longitude = li + rates.longitudeRate * rest + rates.meanMotionRate * rest * rest * 0.5;
}

struct BodyPeriodics {
    double eccentricity, inclination, meanAnomaly, argPerigeePlusNode, raan;
};

BodyPeriodics bodyPeriodics(const ThirdBodyPeriodics &p, double bodyMeanMotion, double bodyEccentricity,
                            double minutes)
{
    const double meanAnomaly = p.meanAnomalyAtEpoch + bodyMeanMotion * minutes;
    const double trueAnomaly = meanAnomaly + 2.0 * bodyEccentricity * std::sin(meanAnomaly);
    const double sinF = std::sin(trueAnomaly);
    const double f2 = 0.5 * sinF * sinF - 0.25;
    const double f3 = -0.5 * sinF * std::cos(trueAnomaly);
    BodyPeriodics b;
    b.eccentricity = p.e2 * f2 + p.e3 * f3;
    b.inclination = p.i2 * f2 + p.i3 * f3;
    b.meanAnomaly = p.l2 * f2 + p.l3 * f3 + p.l4 * sinF;
    b.argPerigeePlusNode = p.gh2 * f2 + p.gh3 * f3 + p.gh4 * sinF;
    b.raan = p.h2 * f2 + p.h3 * f3;
    return b;
}

} // namespace

void applyDeepSpaceSecular(const DeepSpaceTerms &terms, double minutes, MeanState &state)
{
    const ThirdBodyRates &rates = terms.rates;
    state.eccentricity += rates.eccentricity * minutes;
    state.inclination += rates.inclination * minutes;
    state.argPerigee += rates.argPerigee * minutes;
    state.raan += rates.raan * minutes;
    state.meanAnomaly += rates.meanAnomaly * minutes;

    const ResonanceTerms &resonance = terms.resonance;
    if (resonance.kind == ResonanceKind::None)
        return;
    double longitude = 0;
    double meanMotion = 0;
    integrateResonance(resonance, minutes, longitude, meanMotion);
    const double theta = std::fmod(terms.siderealAngleAtEpoch + minutes * kEarthRotationRadPerMin, kTwoPi);
    if (resonance.kind == ResonanceKind::HalfDay)
        state.meanAnomaly = longitude - 2.0 * state.raan + 2.0 * theta;
    else
        state.meanAnomaly = longitude - state.raan - state.argPerigee + theta;
    state.meanMotion = meanMotion;
}

void applyLunarSolarPeriodics(const DeepSpaceTerms &terms, double minutes, MeanState &state)
{
    const BodyPeriodics sun = bodyPeriodics(terms.sun, kSunMeanMotion, kSunEccentricity, minutes);
    const BodyPeriodics moon = bodyPeriodics(terms.moon, kMoonMeanMotion, kMoonEccentricity, minutes);
    const double de = sun.eccentricity + moon.eccentricity;
    const double di = sun.inclination + moon.inclination;
    const double dm = sun.meanAnomaly + moon.meanAnomaly;
    double dgh = sun.argPerigeePlusNode + moon.argPerigeePlusNode;
    double dh = sun.raan + moon.raan;

    state.inclination += di;
    state.eccentricity += de;
    const double sinI = std::sin(state.inclination);
    const double cosI = std::cos(state.inclination);

    if (state.inclination >= kLyddaneInclination) {
        dh /= sinI;
        dgh -= cosI * dh;
        state.argPerigee += dgh;
        state.raan += dh;
        state.meanAnomaly += dm;
        return;
    }

    // Lyddane: perturb the node through the components of the orbit pole,
    // and the perigee through the mean longitude.
    const double sinNode = std::sin(state.raan);
    const double cosNode = std::cos(state.raan);
    const double alpha = sinI * sinNode + (dh * cosNode + di * cosI * sinNode);
    const double beta = sinI * cosNode + (-dh * sinNode + di * cosI * cosNode);
    const double node = std::fmod(state.raan, kTwoPi);
    const double longitude = state.meanAnomaly + state.argPerigee + cosI * node + (dm + dgh - di * node * sinI);
    double newNode = std::atan2(alpha, beta);
    if (std::fabs(node - newNode) > kPi)
        newNode += newNode < node ? kTwoPi : -kTwoPi;
    state.raan = newNode;
    state.meanAnomaly += dm;
    state.argPerigee = longitude - state.meanAnomaly - cosI * state.raan;
}

} // namespace orvanta::orbit::model
