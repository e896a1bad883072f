#include "orbit/verification.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

// The published verification set: every listed time of every set, within
// 2e-7 km and 2e-7 km/s, and the same error cases at the same times.
namespace orvanta::orbit {
namespace {

const std::string kDataDir = std::string(ORVANTA_SOURCE_DIR) + "/tests/orbit/data/";
constexpr double kPositionToleranceKm = 2e-7;
constexpr double kVelocityToleranceKmS = 2e-7;
constexpr double kTimeTolerance = 1e-6;

struct StateLine {
    double minutes = 0;
    double values[6] = {};
};

struct ErrorLine {
    double minutes = 0;
    int code = 0;
};

struct SetOutput {
    std::string catalogue;
    std::vector<StateLine> states;
    std::optional<ErrorLine> error;
};

struct StepPlan {
    double start = 0, stop = 0, step = 0;
};

// Reads "<number> xx" headers, state lines (first seven columns) and our
// "# erreur <code> à <minutes> min" lines.
std::vector<SetOutput> readOutput(std::istream &in)
{
    std::vector<SetOutput> sets;
    for (std::string line; std::getline(in, line);) {
        std::istringstream words(line);
        std::string first, second;
        words >> first >> second;
        if (first.empty())
            continue;
        if (second == "xx") {
            sets.push_back({first, {}, {}});
            continue;
        }
        if (sets.empty())
            continue;
        if (first == "#") {
            ErrorLine error;
            std::string at;
            words.clear();
            std::istringstream rest(line.substr(line.find("erreur") + 6));
            rest >> error.code >> at >> error.minutes;
            sets.back().error = error;
            continue;
        }
        StateLine state;
        std::istringstream numbers(line);
        numbers >> state.minutes;
        for (double &value : state.values)
            numbers >> value;
        sets.back().states.push_back(state);
    }
    return sets;
}

// Start, stop and step at the end of each line 2 of the element file.
std::vector<StepPlan> readRuns(const std::string &path)
{
    std::ifstream in(path);
    std::vector<StepPlan> runs;
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("2 ", 0) != 0)
            continue;
        std::istringstream tail(line.substr(69));
        StepPlan run;
        tail >> run.start >> run.stop >> run.step;
        runs.push_back(run);
    }
    return runs;
}

bool sameState(const StateLine &a, const StateLine &b)
{
    for (int i = 0; i < 6; ++i) {
        if (std::fabs(a.values[i] - b.values[i]) > 1e-9)
            return false;
    }
    return true;
}

class Sgp4Verification : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::ostringstream out, err;
        ASSERT_EQ(runVerification(kDataDir + "SGP4-VER.TLE", out, err), 0);
        EXPECT_EQ(err.str(), "");
        std::istringstream ours(out.str());
        actual = readOutput(ours);
        std::ifstream reference(kDataDir + "tcppver.out");
        ASSERT_TRUE(reference.good());
        expected = readOutput(reference);
        runs = readRuns(kDataDir + "SGP4-VER.TLE");
        ASSERT_EQ(expected.size(), 33u);
        ASSERT_EQ(actual.size(), expected.size());
        ASSERT_EQ(runs.size(), expected.size());
    }

    std::vector<SetOutput> actual, expected;
    std::vector<StepPlan> runs;
};

TEST_F(Sgp4Verification, EveryListedStateMatchesTheReference)
{
    double worstPosition = 0, worstVelocity = 0;
    std::size_t compared = 0;
    for (std::size_t s = 0; s < expected.size(); ++s) {
        const SetOutput &want = expected[s];
        const SetOutput &got = actual[s];
        SCOPED_TRACE("set " + want.catalogue);
        ASSERT_EQ(got.catalogue, want.catalogue);
        // The reference program prints its previous buffer at epoch when a set
        // fails at epoch (33334): that line is the last state of the set before.
        if (got.states.empty() && got.error && got.error->minutes == 0.0) {
            ASSERT_GT(s, 0u);
            ASSERT_EQ(want.states.size(), 1u);
            EXPECT_TRUE(sameState(want.states[0], expected[s - 1].states.back()));
            continue;
        }
        ASSERT_EQ(got.states.size(), want.states.size());
        for (std::size_t i = 0; i < want.states.size(); ++i) {
            const StateLine &w = want.states[i];
            const StateLine &g = got.states[i];
            ASSERT_NEAR(g.minutes, w.minutes, kTimeTolerance);
            for (int k = 0; k < 3; ++k) {
                const double position = std::fabs(g.values[k] - w.values[k]);
                const double velocity = std::fabs(g.values[k + 3] - w.values[k + 3]);
                worstPosition = std::max(worstPosition, position);
                worstVelocity = std::max(worstVelocity, velocity);
                EXPECT_LE(position, kPositionToleranceKm) << "t = " << w.minutes << " component " << k;
                EXPECT_LE(velocity, kVelocityToleranceKmS) << "t = " << w.minutes << " component " << k;
            }
            ++compared;
        }
    }
    EXPECT_EQ(compared, 666u); // 700 lines less 33 headers and the stale line of 33334
    std::ostringstream worst;
    worst << std::scientific << worstPosition << " km, " << worstVelocity << " km/s";
    RecordProperty("largest_errors", worst.str());
}

TEST_F(Sgp4Verification, ErrorsStopTheSameSetsAtTheSameTimes)
{
    for (std::size_t s = 0; s < expected.size(); ++s) {
        const SetOutput &want = expected[s];
        const SetOutput &got = actual[s];
        const StepPlan &run = runs[s];
        SCOPED_TRACE("set " + want.catalogue);
        const double lastListed = want.states.back().minutes;
        const bool stoppedEarly = std::fabs(lastListed - run.stop) > kTimeTolerance;
        if (!got.error) {
            EXPECT_FALSE(stoppedEarly) << "the reference stops at " << lastListed;
            continue;
        }
        if (got.error->minutes == 0.0)
            continue; // failed at epoch: checked with the states
        EXPECT_TRUE(stoppedEarly);
        EXPECT_NEAR(got.error->minutes, std::min(lastListed + run.step, run.stop), kTimeTolerance);
    }
}

TEST_F(Sgp4Verification, ErrorCodesOfTheKnownCases)
{
    const auto errorOf = [this](const std::string &catalogue) {
        for (const SetOutput &set : actual) {
            if (set.catalogue == catalogue && set.error)
                return set.error->code;
        }
        return 0;
    };
    EXPECT_EQ(errorOf("28872"), 6); // decayed within 50 minutes
    EXPECT_EQ(errorOf("29141"), 6); // last stage of decay
    EXPECT_EQ(errorOf("33333"), 4); // semi-latus rectum below zero
    EXPECT_EQ(errorOf("33334"), 3); // eccentricity pushed out of range by the lunar-solar terms
    EXPECT_EQ(errorOf("22312"), 1); // mean eccentricity below its floor through drag
    EXPECT_EQ(errorOf("28350"), 1);
    EXPECT_EQ(errorOf("5"), 0);
}

} // namespace
} // namespace orvanta::orbit
