#include "orbit/pass_track.h"
#include "demo_passes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace orvanta {
namespace {

using test::firstPass;
using test::utcInstant;

TEST(DiskPoint, NorthUpEastRightHorizonOnTheUnitCircle)
{
    const auto near = [](DiskPoint p, double x, double y) { return std::abs(p.x - x) < 1e-12 && std::abs(p.y - y) < 1e-12; };
    EXPECT_TRUE(near(diskPoint({0, 0}), 0, -1));   // north, up
    EXPECT_TRUE(near(diskPoint({90, 0}), 1, 0));   // east, right
    EXPECT_TRUE(near(diskPoint({180, 0}), 0, 1));  // south, down
    EXPECT_TRUE(near(diskPoint({270, 0}), -1, 0)); // west, left
    EXPECT_TRUE(near(diskPoint({123, 90}), 0, 0)); // zenith, centre
    EXPECT_TRUE(near(diskPoint({90, 45}), 0.5, 0));
    // Below the horizon stays on it; beyond the zenith stays at the centre.
    EXPECT_TRUE(near(diskPoint({90, -5}), 1, 0));
    EXPECT_TRUE(near(diskPoint({90, 95}), 0, 0));
}

// AO-7 goes almost overhead, the hardest case for a smooth track: the
// azimuth turns fast near the zenith.
TEST(PassTrack, RunsFromAcquisitionToLossSmoothlyOnTheComponentsPositions)
{
    auto satellites = test::demoSatellites();
    const orbit::PredictedPass pass = firstPass(*satellites, "OSCAR 7 (AO-7)", utcInstant(2026, 6, 27, 6, 45, 0));
    ASSERT_GT(pass.maxElevationDeg, 80.0);
    const PassTrack track = computePassTrack(*satellites, pass);
    ASSERT_GE(track.samples.size(), 10u);
    EXPECT_LT(track.samples.size(), 1000u);

    EXPECT_EQ(track.samples.front().instant.minutesSince(pass.aos), 0.0);
    EXPECT_EQ(track.samples.back().instant.minutesSince(pass.los), 0.0);
    EXPECT_NEAR(track.samples.front().sky.elevationDeg, test::kDemoMinElevation, 0.01);
    EXPECT_NEAR(track.samples.back().sky.elevationDeg, test::kDemoMinElevation, 0.01);
    EXPECT_NEAR(track.samples.front().sky.azimuthDeg, pass.aosAzimuthDeg, 1e-6);

    bool culmination = false;
    for (std::size_t i = 0; i < track.samples.size(); ++i) {
        const TrackSample &s = track.samples[i];
        orbit::SatelliteLook look;
        ASSERT_TRUE(satellites->lookAt(pass.name, s.instant, 0.0, look));
        EXPECT_NEAR(s.sky.azimuthDeg, look.azimuthRad * 180.0 / std::numbers::pi, 1e-9);
        EXPECT_NEAR(s.rangeKm, look.rangeKm, 1e-9);
        culmination = culmination || s.instant.minutesSince(pass.maxElevationTime) == 0.0;
        if (i == 0)
            continue;
        const TrackSample &before = track.samples[i - 1];
        EXPECT_GT(s.instant.minutesSince(before.instant), 0.0);
        EXPECT_LE(s.instant.minutesSince(before.instant) * 60.0, 20.0 + 1e-6);
        const DiskPoint p = diskPoint(before.sky), q = diskPoint(s.sky);
        EXPECT_LE(std::hypot(p.x - q.x, p.y - q.y), 0.0101) << "between samples " << i - 1 << " and " << i;
    }
    EXPECT_TRUE(culmination);
}

TEST(PassTrack, AHighOrbitsLongPassKeepsAFewHundredSamples)
{
    auto satellites = test::demoSatellites();
    const orbit::PredictedPass pass = firstPass(*satellites, "PHASE 3B (AO-10)", utcInstant(2026, 6, 27, 2, 0, 0));
    ASSERT_GT(pass.durationSeconds(), 3600.0);
    const PassTrack track = computePassTrack(*satellites, pass);
    EXPECT_EQ(track.samples.back().instant.minutesSince(pass.los), 0.0);
    EXPECT_LT(track.samples.size(), 2000u);
}

TEST(PassTrackCache, ComputesEachPassOnceAndForgetsEndedPasses)
{
    auto satellites = test::demoSatellites();
    const orbit::PredictedPass ao7 = firstPass(*satellites, "OSCAR 7 (AO-7)", utcInstant(2026, 6, 27, 6, 45, 0));
    const orbit::PredictedPass fo29 = firstPass(*satellites, "JAS-2 (FO-29)", utcInstant(2026, 6, 27, 7, 0, 0));
    PassTrackCache cache;
    const PassTrackRef first = cache.track(*satellites, ao7);
    EXPECT_EQ(cache.track(*satellites, ao7), first);
    const PassTrackRef other = cache.track(*satellites, fo29);
    EXPECT_NE(other, first);
    EXPECT_EQ(cache.size(), 2u);

    // AO-7 ends at 07:12:35, FO-29 at 07:21:22.
    cache.dropEnded(utcInstant(2026, 6, 27, 7, 15, 0));
    EXPECT_EQ(cache.size(), 1u);
    EXPECT_EQ(cache.track(*satellites, fo29), other);
    // A view still holding the dropped track keeps drawing it.
    EXPECT_FALSE(first->samples.empty());

    cache.clear();
    EXPECT_EQ(cache.size(), 0u);
    EXPECT_NE(cache.track(*satellites, fo29), other);

    // The cache stays small whatever the tick asks.
    orbit::JulianDate from = utcInstant(2026, 6, 27, 0, 0, 0);
    for (const auto &pass : satellites->passes("ISS (ZARYA)", from, 1.0, test::kDemoMinElevation, 0.0))
        cache.track(*satellites, pass);
    EXPECT_LE(cache.size(), 8u);
}

} // namespace
} // namespace orvanta
