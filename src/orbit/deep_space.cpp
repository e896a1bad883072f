#include "orbit/deep_space.h"

#include "orbit/sgp4_angles.h"
#include "orbit/sgp4_constants.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace orvanta::orbit::model {
namespace {



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

// Steps kept in each direction: a month of element age either side of epoch.
constexpr std::size_t kTabulatedSteps = 60;

// Rates of the resonant mean longitude and mean motion at one integrator step.
void setResonanceRates(const ResonanceTerms &r, double minutes, ResonanceStep &step)
{
    const double longitude = step.longitude;
    step.longitudeRate = step.meanMotion + r.longitudeRateOffset;
    if (r.kind == ResonanceKind::OneDay) {
        step.meanMotionRate = r.del1 * std::sin(longitude - kFasx2) + r.del2 * std::sin(2.0 * (longitude - kFasx4)) +
                              r.del3 * std::sin(3.0 * (longitude - kFasx6));
        step.meanMotionAcceleration = (r.del1 * std::cos(longitude - kFasx2) +
                                       2.0 * r.del2 * std::cos(2.0 * (longitude - kFasx4)) +
                                       3.0 * r.del3 * std::cos(3.0 * (longitude - kFasx6))) *
                                      step.longitudeRate;
        return;
    }
    const double w = r.argPerigeeAtEpoch + r.argPerigeeRate * minutes;
    const double w2 = w + w;
    const double l2 = longitude + longitude;
    step.meanMotionRate = r.d2201 * std::sin(w2 + longitude - kG22) + r.d2211 * std::sin(longitude - kG22) +
                          r.d3210 * std::sin(w + longitude - kG32) + r.d3222 * std::sin(-w + longitude - kG32) +
                          r.d4410 * std::sin(w2 + l2 - kG44) + r.d4422 * std::sin(l2 - kG44) +
                          r.d5220 * std::sin(w + longitude - kG52) + r.d5232 * std::sin(-w + longitude - kG52) +
                          r.d5421 * std::sin(w + l2 - kG54) + r.d5433 * std::sin(-w + l2 - kG54);
    step.meanMotionAcceleration =
        (r.d2201 * std::cos(w2 + longitude - kG22) + r.d2211 * std::cos(longitude - kG22) +
         r.d3210 * std::cos(w + longitude - kG32) + r.d3222 * std::cos(-w + longitude - kG32) +
         r.d5220 * std::cos(w + longitude - kG52) + r.d5232 * std::cos(-w + longitude - kG52) +
         2.0 * (r.d4410 * std::cos(w2 + l2 - kG44) + r.d4422 * std::cos(l2 - kG44) +
                r.d5421 * std::cos(w + l2 - kG54) + r.d5433 * std::cos(-w + l2 - kG54))) *
        step.longitudeRate;
}

ResonanceStep stepAtEpoch(const ResonanceTerms &r)
{
    ResonanceStep step;
    step.longitude = r.longitudeAtEpoch;
    step.meanMotion = r.meanMotionAtEpoch;
    setResonanceRates(r, 0.0, step);
    return step;
}

// One second-order step of the integrator, from 'from' minutes to from + stepMinutes.
ResonanceStep nextStep(const ResonanceTerms &r, const ResonanceStep &current, double from, double stepMinutes)
{
    ResonanceStep next;
    next.longitude = current.longitude + current.longitudeRate * stepMinutes + current.meanMotionRate * kHalfStepSquared;
    next.meanMotion =
        current.meanMotion + current.meanMotionRate * stepMinutes + current.meanMotionAcceleration * kHalfStepSquared;
    setResonanceRates(r, from + stepMinutes, next);
    return next;
}

// How many whole steps the integration takes from epoch before the final
// partial step: it steps while 720 minutes or more remain.
double stepsBefore(double minutes, double stepMinutes)
{
    double steps = std::floor(std::fabs(minutes) / kIntegrationStep);
    while (steps > 0.0 && std::fabs(minutes - stepMinutes * (steps - 1.0)) < kIntegrationStep)
        steps -= 1.0;
    while (std::fabs(minutes - stepMinutes * steps) >= kIntegrationStep)
        steps += 1.0;
    return steps;
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

void tabulateResonance(ResonanceTerms &resonance)
{
    for (std::vector<ResonanceStep> *table : {&resonance.ahead, &resonance.behind}) {
        const double stepMinutes = table == &resonance.ahead ? kIntegrationStep : -kIntegrationStep;
        table->reserve(kTabulatedSteps + 1);
        table->push_back(stepAtEpoch(resonance));
        for (std::size_t i = 0; i < kTabulatedSteps; ++i)
            table->push_back(nextStep(resonance, table->back(), stepMinutes * double(i), stepMinutes));
    }
}

void integrateResonance(const ResonanceTerms &r, double minutes, double &longitude, double &meanMotion)
{
    const double stepMinutes = minutes > 0.0 ? kIntegrationStep : -kIntegrationStep;
    const std::vector<ResonanceStep> &table = minutes > 0.0 ? r.ahead : r.behind;
    const double steps = stepsBefore(minutes, stepMinutes);
    const double lastTabulated = double(table.size() - 1);
    ResonanceStep step = table[std::size_t(std::min(steps, lastTabulated))];
    for (double taken = lastTabulated; taken < steps; taken += 1.0)
        step = nextStep(r, step, stepMinutes * taken, stepMinutes);

    const double rest = minutes - stepMinutes * steps;
    meanMotion = step.meanMotion + step.meanMotionRate * rest + step.meanMotionAcceleration * rest * rest * 0.5;
    longitude = step.longitude + step.longitudeRate * rest + step.meanMotionRate * rest * rest * 0.5;
}

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
    const double theta = fmodTwoPi(terms.siderealAngleAtEpoch + minutes * kEarthRotationRadPerMin);
    if (resonance.kind == ResonanceKind::HalfDay)
        state.meanAnomaly = longitude - 2.0 * state.raan + 2.0 * theta;
    else
        state.meanAnomaly = longitude - state.raan - state.argPerigee + theta;
    state.meanMotion = meanMotion;
    const double ratio = kXke / meanMotion;
    state.semiMajorAxis = std::cbrt(ratio * ratio);
}

SinCos applyLunarSolarPeriodics(const DeepSpaceTerms &terms, double minutes, MeanState &state)
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
        return {sinI, cosI};
    }

    // Lyddane: perturb the node through the components of the orbit pole,
    // and the perigee through the mean longitude.
    const double sinNode = std::sin(state.raan);
    const double cosNode = std::cos(state.raan);
    const double alpha = sinI * sinNode + (dh * cosNode + di * cosI * sinNode);
    const double beta = sinI * cosNode + (-dh * sinNode + di * cosI * cosNode);
    const double node = fmodTwoPi(state.raan);
    const double longitude = state.meanAnomaly + state.argPerigee + cosI * node + (dm + dgh - di * node * sinI);
    double newNode = std::atan2(alpha, beta);
    if (std::fabs(node - newNode) > kPi)
        newNode += newNode < node ? kTwoPi : -kTwoPi;
    state.raan = newNode;
    state.meanAnomaly += dm;
    state.argPerigee = longitude - state.meanAnomaly - cosI * state.raan;
    return {sinI, cosI};
}

} // namespace orvanta::orbit::model
