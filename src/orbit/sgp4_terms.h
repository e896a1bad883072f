#pragma once

#include "orbit/sgp4_angles.h"

// Per-satellite quantities worked out once at initialisation, so that each
// propagation only evaluates what depends on time.
namespace orvanta::orbit::model {

// Mean elements at epoch, with the original (un-Kozai'd) mean motion recovered.
struct EpochElements {
    double meanMotion = 0;    // rad/min
    double semiMajorAxis = 0; // earth radii
    double eccentricity = 0;
    double inclination = 0;   // rad
    double raan = 0;          // rad
    double argPerigee = 0;    // rad
    double meanAnomaly = 0;   // rad
    double bstar = 0;         // 1/earth radii
    double cosInclination = 0;
    double sinInclination = 0;
    double epochDays1950 = 0; // days since 1950 January 0.0
    double siderealAngle = 0; // Greenwich sidereal angle at epoch, rad
};

// Secular rates from the earth's zonal harmonics, rad/min.
struct SecularRates {
    double meanAnomaly = 0;
    double argPerigee = 0;
    double raan = 0;
    double raanDragFactor = 0; // raan change per minute squared from drag
};

// Drag coefficients of the secular terms in powers of time since epoch.
struct DragTerms {
    bool simplified = false; // perigee below 220 km or deep space: only the leading terms
    double c1 = 0, c4 = 0, c5 = 0;
    double eta = 0;
    double argPerigeeFactor = 0;  // omgcof
    double meanAnomalyFactor = 0; // xmcof
    double delM0 = 0;             // (1 + eta cos M0)^3
    double sinM0 = 0;
    double d2 = 0, d3 = 0, d4 = 0;
    double t2 = 0, t3 = 0, t4 = 0, t5 = 0; // mean longitude coefficients of t^2..t^5
};

// Coefficients of the periodic corrections that depend on inclination only
// (refreshed every step in deep space, where inclination varies).
struct InclinationTerms {
    double cosInclination = 0;
    double sinInclination = 0;
    double aycof = 0;    // long-period coefficient of the y component of eccentricity
    double xlcof = 0;    // long-period coefficient of the mean longitude
    double con41 = 0;    // 3 cos^2 i - 1
    double x1mth2 = 0;   // 1 - cos^2 i
    double x7thm1 = 0;   // 7 cos^2 i - 1
};

InclinationTerms inclinationTermsFor(double inclination);
// The same from the sine and cosine of the inclination, when they are known already.
InclinationTerms inclinationTermsFor(const SinCos &inclination);

} // namespace orvanta::orbit::model
