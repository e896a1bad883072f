#pragma once

#include "orbit/sgp4.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

// The model as the vector code reads it: each constant term of the
// satellites in a column of its own, one entry per lane.
namespace orvanta::orbit {

struct NearEarthLanes {
    // Columns are padded to a whole number of the widest vectors.
    static constexpr std::size_t kPadding = 16;

    enum Column {
        MeanMotion, SemiMajorAxis, Eccentricity, Inclination, Raan, ArgPerigee, MeanAnomaly, Bstar,
        MeanAnomalyRate, ArgPerigeeRate, RaanRate, RaanDragFactor,
        FullDrag, C1, C4, C5, Eta, ArgPerigeeFactor, MeanAnomalyFactor, DelM0, SinM0,
        D2, D3, D4, T2, T3, T4, T5,
        CosInclination, SinInclination, Aycof, Xlcof, Con41, X1mth2, X7thm1,
        ColumnCount
    };

    // Near-earth satellites only (no deep-space terms), initialised without error.
    explicit NearEarthLanes(std::span<const Sgp4Propagator *const> satellites = {});

    std::size_t lanes = 0;  // a multiple of kPadding
    std::vector<double> terms; // column c of lane i at terms[c * lanes + i]

    const double *column(Column c) const { return terms.data() + std::size_t(c) * lanes; }
};

// The deep-space model's terms. Drag there keeps only its leading terms.
struct DeepSpaceLanes {
    static constexpr std::size_t kPadding = NearEarthLanes::kPadding;

    enum Column {
        MeanMotion, SemiMajorAxis, Eccentricity, Inclination, Raan, ArgPerigee, MeanAnomaly, Bstar,
        MeanAnomalyRate, ArgPerigeeRate, RaanRate, RaanDragFactor, C1, C4, T2,
        // The sun and moon's secular rates.
        BodyEccentricityRate, BodyInclinationRate, BodyMeanAnomalyRate, BodyArgPerigeeRate, BodyRaanRate,
        SiderealAngle,
        Resonance, // 0: none, else the resonance's lane-by-lane integration applies
        HalfDay,   // 1 for the 12-hour resonance
        // The sun's periodics, then the moon's, in the order of ThirdBodyPeriodics.
        SunE2, SunE3, SunI2, SunI3, SunL2, SunL3, SunL4, SunGh2, SunGh3, SunGh4, SunH2, SunH3, SunM0,
        MoonE2, MoonE3, MoonI2, MoonI3, MoonL2, MoonL3, MoonL4, MoonGh2, MoonGh3, MoonGh4, MoonH2, MoonH3, MoonM0,
        ColumnCount
    };

    // Deep-space satellites only, initialised without error.
    explicit DeepSpaceLanes(std::span<const Sgp4Propagator *const> satellites = {});

    std::size_t lanes = 0;
    std::vector<double> terms;
    // Each lane's resonance (null without one), integrated by the scalar code.
    std::vector<const model::ResonanceTerms *> resonance;

    const double *column(Column c) const { return terms.data() + std::size_t(c) * lanes; }
};

// The states of a run of lanes, in columns, and whether each lane must be
// computed again by Sgp4Propagator.
struct LaneStates {
    std::vector<double> x, y, z, vx, vy, vz; // km, km/s
    std::vector<std::uint8_t> recompute;
    void resize(std::size_t lanes);
};

// Lane i at minutes[i] since its epoch, for i below terms.lanes (or below
// minutes.size(), a multiple of kPadding, with sameSatellite: every lane
// then takes the terms of lane 0).
void propagateNearEarthLanes(const NearEarthLanes &terms, std::span<const double> minutes, bool sameSatellite,
                             LaneStates &out);

// The same for deep-space lanes.
void propagateDeepSpaceLanes(const DeepSpaceLanes &terms, std::span<const double> minutes, bool sameSatellite,
                             LaneStates &out);

// The instruction set the vector code runs on.
const char *vectorTargetName();

} // namespace orvanta::orbit
