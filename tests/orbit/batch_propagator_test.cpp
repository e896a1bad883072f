#include "orbit/batch_propagator.h"
#include "orbit/element_files.h"
#include "orbit/deep_space.h"
#include "orbit/sgp4_angles.h"

#include <gtest/gtest.h>
#include <hwy/targets.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <limits>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <vector>

// The batch engine against the scalar one, lane by lane: the same errors,
// and states within 1e-8 km and 1e-11 km/s.
namespace orvanta::orbit {
namespace {

const std::string kDataDir = std::string(ORVANTA_SOURCE_DIR) + "/tests/orbit/data/";
constexpr double kPositionToleranceKm = 1e-8;
constexpr double kVelocityToleranceKmS = 1e-11;

struct SetRun {
    ElementSet elements;
    std::vector<double> minutes;
};

// The verification sets with the times their lines ask for, then the
// catalogue of the demo station every minute of the day after its epochs.
std::vector<SetRun> verificationAndCatalogueRuns()
{
    std::vector<SetRun> runs;
    std::ifstream in(kDataDir + "SGP4-VER.TLE");
    std::string line1;
    for (std::string line; std::getline(in, line);) {
        if (line.starts_with("1 "))
            line1 = line;
        if (!line.starts_with("2 "))
            continue;
        std::istringstream tail(line.substr(69));
        double start = 0, stop = 0, step = 0;
        tail >> start >> stop >> step;
        const auto set = parseElementSet("", line1, line.substr(0, 69), nullptr, ChecksumPolicy::Ignore);
        if (!set)
            continue;
        SetRun run{*set, {0.0}};
        for (double t = start; t <= stop + 1e-9; t += step)
            run.minutes.push_back(t);
        runs.push_back(run);
    }
    for (const ElementSet &set : readElementFiles(kDataDir + "amateur-2026-06.txt").sets) {
        SetRun run{set, {}};
        for (int minute = 0; minute <= 1440; ++minute)
            run.minutes.push_back(minute);
        runs.push_back(run);
    }
    return runs;
}

void expectSameAsScalar(const Sgp4Propagator &scalar, double minutes, const TemeState &state, PropagationError error)
{
    TemeState expected;
    const PropagationError expectedError = scalar.propagate(minutes, expected);
    ASSERT_EQ(error, expectedError) << scalar.elements().catalogNumber << " at " << minutes;
    if (error != PropagationError::None && error != PropagationError::Decayed)
        return;
    const double *got = &state.position_km.x, *want = &expected.position_km.x;
    for (int k = 0; k < 6; ++k)
        ASSERT_NEAR(got[k], want[k], k < 3 ? kPositionToleranceKm : kVelocityToleranceKmS)
            << scalar.elements().catalogNumber << " at " << minutes << " component " << k;
}

// Runs a check on every instruction set the vectors can take on this
// processor (AVX-512, AVX2, SSE4, plain code), not only the widest.
template <typename Check>
void onEveryVectorTarget(Check check)
{
    for (const std::int64_t target : hwy::SupportedAndGeneratedTargets()) {
        if (target == HWY_SSSE3) // not built: SSE4 covers those processors
            continue;
        hwy::SetSupportedTargetsForTest(target);
        SCOPED_TRACE(BatchPropagator::vectorTarget());
        check();
    }
    hwy::SetSupportedTargetsForTest(0);
}

TEST(BatchPropagator, EveryLaneAgreesWithTheScalarEngineInBothModes)
{
    onEveryVectorTarget([&] {
        const std::vector<SetRun> runs = verificationAndCatalogueRuns();
        ASSERT_GT(runs.size(), 40u);
        std::vector<Sgp4Propagator> satellites;
        for (const SetRun &run : runs)
            satellites.emplace_back(run.elements);

        // Many instants of one satellite.
        for (std::size_t s = 0; s < runs.size(); ++s) {
            const std::vector<double> &minutes = runs[s].minutes;
            std::vector<TemeState> states(minutes.size());
            std::vector<PropagationError> errors(minutes.size());
            BatchPropagator::propagateTimes(satellites[s], minutes, states, errors);
            for (std::size_t i = 0; i < minutes.size(); ++i)
                expectSameAsScalar(satellites[s], minutes[i], states[i], errors[i]);
        }

        // Many satellites, each at its k-th instant (its last once it has no more).
        std::vector<const Sgp4Propagator *> all;
        for (const Sgp4Propagator &satellite : satellites)
            all.push_back(&satellite);
        const BatchPropagator batch(all);
        std::vector<double> minutes(all.size());
        std::vector<TemeState> states(all.size());
        std::vector<PropagationError> errors(all.size());
        for (std::size_t k = 0; k <= 1440; k += 7) {
            for (std::size_t s = 0; s < runs.size(); ++s)
                minutes[s] = runs[s].minutes[std::min(k, runs[s].minutes.size() - 1)];
            batch.propagate(minutes, states, errors);
            for (std::size_t s = 0; s < runs.size(); ++s)
                expectSameAsScalar(satellites[s], minutes[s], states[s], errors[s]);
        }
    });
}

// The deep-space sets of the verification file, each kind of branch among
// them (no resonance, 24-hour and 12-hour resonances, low inclinations),
// months either side of epoch and on the integrator's steps: far past its
// tables, which the lanes then continue one by one.
TEST(BatchPropagator, DeepSpaceLanesOfEveryKindAgreeMonthsFromEpoch)
{
    onEveryVectorTarget([&] {
        std::vector<Sgp4Propagator> satellites;
        for (const SetRun &run : verificationAndCatalogueRuns()) {
            const Sgp4Propagator satellite(run.elements);
            if (satellite.isDeepSpace() && satellite.initError() == PropagationError::None)
                satellites.push_back(satellite);
        }
        std::set<std::pair<model::ResonanceKind, bool>> kinds;
        for (const Sgp4Propagator &satellite : satellites)
            kinds.insert({satellite.deepSpaceTerms().resonance.kind,
                          satellite.epochTerms().inclination < model::kLyddaneInclination});
        using enum model::ResonanceKind;
        ASSERT_EQ(kinds, (std::set<std::pair<model::ResonanceKind, bool>>{
                             {None, false}, {None, true}, {OneDay, true}, {HalfDay, false}}));

        std::vector<const Sgp4Propagator *> all;
        for (const Sgp4Propagator &satellite : satellites)
            all.push_back(&satellite);
        const BatchPropagator batch(all);
        std::mt19937_64 random(20413);
        std::uniform_real_distribution<double> days(-120.0, 120.0);
        std::vector<double> minutes(all.size());
        std::vector<TemeState> states(all.size());
        std::vector<PropagationError> errors(all.size());
        for (int round = 0; round < 200; ++round) {
            for (std::size_t s = 0; s < all.size(); ++s)
                minutes[s] = round % 4 == 0 ? 720.0 * (round - 100) + (s % 3 - 1.0) * 1e-9 : days(random) * 1440.0;
            batch.propagate(minutes, states, errors);
            for (std::size_t s = 0; s < all.size(); ++s)
                expectSameAsScalar(satellites[s], minutes[s], states[s], errors[s]);
        }
        for (const Sgp4Propagator &satellite : satellites) {
            for (double &m : minutes)
                m = days(random) * 1440.0;
            BatchPropagator::propagateTimes(satellite, minutes, states, errors);
            for (std::size_t i = 0; i < minutes.size(); ++i)
                expectSameAsScalar(satellite, minutes[i], states[i], errors[i]);
        }
    });
}

// Sets that fail, next to good ones: each fails alone, with the scalar
// engine's error, and the good lanes give what they give alone.
TEST(BatchPropagator, AFailingLaneLeavesTheOthersUntouched)
{
    const std::vector<ElementSet> good = readElementFiles(kDataDir + "amateur-2026-06.txt").sets;
    ASSERT_FALSE(good.empty());
    ElementSet decaying = good.front();
    decaying.meanMotionRevPerDay = 16.2;
    decaying.bstar = 0.05;
    ElementSet eccentric = good.front();
    eccentric.eccentricity = 1.5;
    ElementSet unreadable = good.front();
    unreadable.meanMotionRevPerDay = std::numeric_limits<double>::quiet_NaN();

    std::vector<Sgp4Propagator> satellites;
    for (const ElementSet &set : good)
        satellites.emplace_back(set);
    for (const ElementSet &bad : {decaying, eccentric, unreadable})
        satellites.emplace(satellites.begin() + 3, bad);
    std::vector<const Sgp4Propagator *> all;
    for (const Sgp4Propagator &satellite : satellites)
        all.push_back(&satellite);
    const BatchPropagator batch(all);

    std::vector<double> minutes(all.size(), 2000.0);
    minutes[1] = std::numeric_limits<double>::quiet_NaN(); // a bad instant for one good satellite
    std::vector<TemeState> states(all.size());
    std::vector<PropagationError> errors(all.size());
    batch.propagate(minutes, states, errors);
    for (std::size_t s = 0; s < all.size(); ++s) {
        expectSameAsScalar(satellites[s], minutes[s], states[s], errors[s]);
        const BatchPropagator alone({&satellites[s]});
        std::vector<TemeState> aloneState(1);
        std::vector<PropagationError> aloneError(1);
        alone.propagate({&minutes[s], 1}, aloneState, aloneError);
        EXPECT_EQ(aloneError[0], errors[s]);
        EXPECT_EQ(std::memcmp(&aloneState[0], &states[s], sizeof(TemeState)), 0) << s;
    }
    EXPECT_EQ(errors[1], PropagationError::InvalidTime);
    for (const std::size_t bad : {3, 4, 5})
        EXPECT_NE(errors[bad], PropagationError::None) << bad;
    EXPECT_EQ(errors[0], PropagationError::None);
}

// The remainder of the model's angles, bit for bit the library's.
TEST(BatchPropagator, FmodTwoPiIsTheLibraryRemainder)
{
    std::mt19937_64 random(35);
    std::vector<double> angles = {0.0, -0.0, model::kTwoPi, -model::kTwoPi, 3.0 * model::kTwoPi, 1e300,
                                  std::numeric_limits<double>::infinity()};
    for (int turns = -2000; turns <= 2000; turns += 7) {
        const double multiple = turns * model::kTwoPi;
        angles.insert(angles.end(), {multiple, std::nextafter(multiple, 1e9), std::nextafter(multiple, -1e9)});
    }
    std::uniform_real_distribution<double> exponent(-20.0, 40.0);
    for (int i = 0; i < 20000; ++i)
        angles.push_back((i % 2 ? -1.0 : 1.0) * std::exp2(exponent(random)));
    for (const double angle : angles) {
        const double expected = std::fmod(angle, model::kTwoPi);
        const double got = model::fmodTwoPi(angle);
        if (std::isnan(expected))
            EXPECT_TRUE(std::isnan(got)) << angle;
        else
            EXPECT_EQ(std::memcmp(&got, &expected, sizeof got), 0) << std::hexfloat << angle << " " << got;
    }
}

} // namespace
} // namespace orvanta::orbit
