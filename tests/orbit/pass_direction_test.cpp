#include "orbit/satellites.h"
#include "orbit/sgp4.h"
#include "passes_test_support.h"

#include <gtest/gtest.h>

#include <cmath>

namespace orvanta::orbit {
namespace {

// The letter after the pass's times says where the satellite heads at its
// highest point. It is checked against the satellite's own motion: the
// model's velocity towards the pole (the same in the inertial and the
// earth-fixed frames) is positive on the ascending half of the orbit, where
// the ISS heads north, and negative on the descending half.
TEST(PassDirection, TheLetterFollowsTheSatellitesMotionNorthOrSouth)
{
    const auto satellites = Init_Satellites(test::stationFolder(), 48.85, 2.35, 35);
    const ElementSet iss = test::stationSet("ISS (ZARYA)");
    const Sgp4Propagator propagator(iss);
    const JulianDate start = test::utc(2026, 6, 27, 0, 0, 0);
    const std::string text = satellites->PassListForPeriod("ISS (ZARYA)", oleFromJulian(start), 0, 2, 0);
    const std::vector<PredictedPass> passes = satellites->passes("ISS (ZARYA)", start, 2, 0, 0);

    int north = 0;
    int south = 0;
    std::size_t entryStart = 0;
    for (const PredictedPass &pass : passes) {
        const char letter = text.at(entryStart + 16);
        entryStart = text.find(',', entryStart) + 1;
        TemeState state;
        ASSERT_EQ(propagator.propagate(pass.maxElevationTime.minutesSince(iss.epoch), state), PropagationError::None);
        const double towardsPole = state.velocity_km_s.z;
        if (std::abs(towardsPole) < 1.0)
            continue; // near the northernmost point of the orbit: neither clearly
        SCOPED_TRACE(testing::Message() << "pass at " << pass.maxElevationTime.day << "+"
                                        << pass.maxElevationTime.fraction << ", " << towardsPole << " km/s");
        if (towardsPole > 0) {
            EXPECT_EQ(letter, 'N');
            ++north;
        } else {
            EXPECT_EQ(letter, 'S');
            ++south;
        }
    }
    EXPECT_GT(north, 0) << "no pass heading north was checked";
    EXPECT_GT(south, 0) << "no pass heading south was checked";
}

} // namespace
} // namespace orvanta::orbit
