#pragma once

#include "orbit/sgp4_angles.h"
#include "orbit/sgp4_terms.h"

#include <vector>

// Deep-space terms for orbits of 225 minutes or more: lunar and solar
// gravity (secular and long-period) and the resonances of 12-hour and
// 24-hour orbits with the earth's tesseral harmonics.
namespace orvanta::orbit::model {

// The sun's and moon's mean orbits as the lunar-solar terms take them.
inline constexpr double kSunEccentricity = 0.01675;
inline constexpr double kSunMeanMotion = 1.19459e-5; // rad/min
inline constexpr double kMoonEccentricity = 0.05490;
inline constexpr double kMoonMeanMotion = 1.5835218e-4; // rad/min

// Below this inclination (rad) the periodics are applied to the node and
// perigee through the Lyddane form, which stays finite as sin i goes to zero.
inline constexpr double kLyddaneInclination = 0.2;

// The mean elements that the secular stage evolves and the deep-space stages adjust.
struct MeanState {
    double meanMotion = 0;    // rad/min
    double semiMajorAxis = 0; // earth radii, from the mean motion before drag
    double eccentricity = 0;
    double inclination = 0;  // rad
    double raan = 0;         // rad
    double argPerigee = 0;   // rad
    double meanAnomaly = 0;  // rad
};

// Long-period lunar-solar coefficients of one body (sun or moon).
struct ThirdBodyPeriodics {
    double e2 = 0, e3 = 0;          // eccentricity
    double i2 = 0, i3 = 0;          // inclination
    double l2 = 0, l3 = 0, l4 = 0;  // mean anomaly
    double gh2 = 0, gh3 = 0, gh4 = 0; // argument of perigee plus node
    double h2 = 0, h3 = 0;          // node
    double meanAnomalyAtEpoch = 0;  // of the body, rad
};

// Secular rates from the sun and moon, per minute.
struct ThirdBodyRates {
    double eccentricity = 0;
    double inclination = 0;
    double meanAnomaly = 0;
    double argPerigee = 0;
    double raan = 0;
};

enum class ResonanceKind { None, OneDay, HalfDay };

// The resonance integrator at one of its 720-minute steps: mean longitude,
// mean motion, and their rates there.
struct ResonanceStep {
    double longitude = 0;              // rad
    double meanMotion = 0;             // rad/min
    double longitudeRate = 0;          // rad/min
    double meanMotionRate = 0;         // rad/min^2
    double meanMotionAcceleration = 0; // rad/min^3
};

// Terms of the numerically integrated resonance of the mean longitude and motion.
struct ResonanceTerms {
    ResonanceKind kind = ResonanceKind::None;
    double del1 = 0, del2 = 0, del3 = 0;                 // 24-hour amplitudes
    double d2201 = 0, d2211 = 0, d3210 = 0, d3222 = 0,   // 12-hour amplitudes
           d4410 = 0, d4422 = 0, d5220 = 0, d5232 = 0, d5421 = 0, d5433 = 0;
    double longitudeAtEpoch = 0;  // resonant mean longitude at epoch (xlamo), rad
    double longitudeRateOffset = 0; // xfact, rad/min
    double meanMotionAtEpoch = 0;   // rad/min
    double argPerigeeAtEpoch = 0;   // rad
    double argPerigeeRate = 0;      // rad/min
    // Integrator steps worked out once from epoch, the first being epoch:
    // forward in time and backward in time.
    std::vector<ResonanceStep> ahead;
    std::vector<ResonanceStep> behind;
};

struct DeepSpaceTerms {
    ThirdBodyPeriodics sun;
    ThirdBodyPeriodics moon;
    ThirdBodyRates rates;
    ResonanceTerms resonance;
    double siderealAngleAtEpoch = 0; // rad
};

DeepSpaceTerms initDeepSpace(const EpochElements &epoch, const SecularRates &secular);

// Fills the tables of integrator steps of a resonant orbit.
void tabulateResonance(ResonanceTerms &resonance);

// The resonant mean longitude (rad) and mean motion (rad/min) at minutes
// since epoch: whole steps from the tables (continued past them when
// needed), then a Taylor step to the requested time.
void integrateResonance(const ResonanceTerms &resonance, double minutes, double &longitude, double &meanMotion);

// Adds the lunar-solar secular change and the resonance effects to the mean
// elements at minutes since epoch.
void applyDeepSpaceSecular(const DeepSpaceTerms &terms, double minutes, MeanState &state);

// Adds the long-period lunar-solar periodics. Angles in, angles out: rad.
// Gives the sine and cosine of the new inclination, which the later stages need too.
SinCos applyLunarSolarPeriodics(const DeepSpaceTerms &terms, double minutes, MeanState &state);

} // namespace orvanta::orbit::model
