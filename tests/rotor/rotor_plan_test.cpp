#include "rotor/rotor_plan.h"
#include "support/rotor_pointing.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace orvanta {
namespace {

// A pass sampled every 20 s: the azimuth moves evenly from fromAz to toAz
// (unwrapped: 12 to -170 crosses north westward), the elevation rises to
// maxEl at mid-pass.
std::vector<TrackPoint> track(double fromAz, double toAz, double maxEl, double seconds = 880)
{
    std::vector<TrackPoint> out;
    for (double t = 0; t <= seconds; t += 20) {
        const double f = t / seconds;
        const double az = fromAz + f * (toAz - fromAz);
        out.push_back({t, az - 360.0 * std::floor(az / 360.0), maxEl * std::sin(std::numbers::pi * f)});
    }
    return out;
}

// Every second of the pass as the tick sees it (whole degrees, 0 to 360):
// the largest step of the rotor's azimuth beyond the satellite's own.
double largestExtraStep(const RotorPlan &plan, double fromAz, double toAz, double seconds = 880)
{
    double worst = 0;
    std::optional<RotorAim> previous;
    double previousAz = 0;
    for (double t = 0; t <= seconds; t += 1) {
        const double az = fromAz + t / seconds * (toAz - fromAz);
        const double shown = std::round(az - 360.0 * std::floor(az / 360.0));
        const RotorAim aim = plan.aim(t, shown, 30);
        if (previous)
            worst = std::max(worst, std::abs(aim.azimuthDeg - previous->azimuthDeg) - std::abs(az - previousAz));
        previous = aim;
        previousAz = az;
    }
    return worst;
}

TEST(RotorPlan, APassThatStaysOnOneSideOfNorthIsSentAsToday)
{
    const RotorPlan plan = RotorPlan::forTrack(track(100, 200, 40), RotorRange{});
    EXPECT_EQ(plan.kind(), RotorPlan::Kind::Follow);
    EXPECT_FALSE(plan.away());
    EXPECT_EQ(plan.start().azimuthDeg, 100);
    EXPECT_EQ(plan.start().elevationDeg, 0);
    for (double az : {100.0, 150.0, 199.0}) {
        const RotorAim aim = plan.aim(440, az, 40);
        EXPECT_EQ(aim.azimuthDeg, az);
        EXPECT_EQ(aim.elevationDeg, 40);
    }
    // A 450-degree rotor keeps such a pass below 360 too.
    EXPECT_EQ(RotorPlan::forTrack(track(10, 80, 40), RotorRange{0, 450, false}).aim(440, 45, 40).azimuthDeg, 45);
    // 359.6 shown as 360 stays 360 on a pass that ends short of north.
    EXPECT_EQ(RotorPlan::forTrack(track(200, 359.7, 40), RotorRange{}).aim(880, 360, 0).azimuthDeg, 360);
}

TEST(RotorPlan, ANorthCrossingUsesTheOverlapThenAFlip)
{
    // Rises at 12, crosses north at 36 degrees of elevation, sets at 190.
    const auto lo19 = track(12, -170, 69);

    const RotorPlan overlap = RotorPlan::forTrack(lo19, RotorRange{0, 450, false});
    EXPECT_EQ(overlap.kind(), RotorPlan::Kind::Follow);
    EXPECT_EQ(overlap.start().azimuthDeg, 372);
    EXPECT_EQ(overlap.aim(20, 1, 36).azimuthDeg, 361);
    EXPECT_EQ(overlap.aim(30, 359, 37).azimuthDeg, 359);
    EXPECT_LE(largestExtraStep(overlap, 12, -170), 1.0);

    const RotorPlan flip = RotorPlan::forTrack(lo19, RotorRange{0, 360, true});
    EXPECT_EQ(flip.kind(), RotorPlan::Kind::Flip);
    EXPECT_EQ(flip.start().azimuthDeg, 192);
    EXPECT_EQ(flip.start().elevationDeg, 180);
    const RotorAim over = flip.aim(20, 1, 36);
    EXPECT_EQ(over.azimuthDeg, 181);
    EXPECT_EQ(over.elevationDeg, 144);
    EXPECT_LE(largestExtraStep(flip, 12, -170), 1.0);

    // A Hamlib rotator counting from -180 takes a northern pass as one stretch.
    const RotorPlan signedRange = RotorPlan::forTrack(track(330, 390, 50), RotorRange{-180, 180, false});
    EXPECT_EQ(signedRange.kind(), RotorPlan::Kind::Follow);
    EXPECT_EQ(signedRange.aim(300, 350, 50).azimuthDeg, -10);
    EXPECT_EQ(signedRange.aim(600, 10, 50).azimuthDeg, 10);
}

TEST(RotorPlan, TheUnavoidableLeaveKeepsTheAntennaClosestToTheSatellite)
{
    // Crossing north early and low: the rotor waits at 360 for the satellite
    // instead of turning right round at 36 degrees.
    const RotorPlan early = RotorPlan::forTrack(track(12, -170, 69), RotorRange{});
    EXPECT_EQ(early.kind(), RotorPlan::Kind::Leave);
    ASSERT_TRUE(early.away());
    EXPECT_LT(early.away()->highestElevationDeg, 15);
    EXPECT_EQ(early.start().azimuthDeg, 360);
    EXPECT_EQ(early.aim(0, 12, 0).azimuthDeg, 360);
    EXPECT_EQ(early.aim(600, 250, 50).azimuthDeg, 250);

    EXPECT_LT(test::worstPointingError(early, track(12, -170, 69)), 12.5);
    // Crossing north at the highest point (80 degrees, 440 s): never there.
    // Turning round at the top sweeps the beam by about 20 degrees, where
    // waiting at 360 would end 60 degrees off at the loss.
    const RotorPlan middle = RotorPlan::forTrack(track(300, 420, 80), RotorRange{});
    EXPECT_EQ(middle.kind(), RotorPlan::Kind::Leave);
    ASSERT_TRUE(middle.away() && middle.turnSeconds());
    EXPECT_NEAR(*middle.turnSeconds(), 440, 40);
    EXPECT_LT(test::worstPointingError(middle, track(300, 420, 80)), 25);
    // A slower rotor is off the satellite longer while it turns round: the
    // plan turns it earlier, and one slow enough rather waits at the end of
    // its range.
    const RotorPlan slower = RotorPlan::forTrack(track(300, 420, 80), RotorRange{}, 1.0);
    ASSERT_TRUE(slower.turnSeconds());
    EXPECT_LT(*slower.turnSeconds(), *middle.turnSeconds() - 60);
    EXPECT_FALSE(RotorPlan::forTrack(track(300, 420, 80), RotorRange{}, 0.2).turnSeconds());
    // Whatever the plan, the pass never asks the rotor to leave its range.
    for (double t = 0; t <= 880; t += 10) {
        const double az = std::fmod(300 + t / 880 * 120, 360.0);
        const RotorAim aim = middle.aim(t, std::round(az), 40);
        EXPECT_GE(aim.azimuthDeg, 0);
        EXPECT_LE(aim.azimuthDeg, 360);
    }
}

TEST(RotorPlan, WithoutATrackPositionsPassThrough)
{
    const RotorPlan none = RotorPlan::forTrack({}, RotorRange{0, 450, true});
    EXPECT_EQ(none.aim(10, 359, 12).azimuthDeg, 359);
    EXPECT_EQ(none.aim(10, 359, 12).elevationDeg, 12);
}

} // namespace
} // namespace orvanta
