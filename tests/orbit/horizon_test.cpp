#include "orbit/horizon_crossing.h"
#include "orbit/horizon_mask.h"
#include "orbit/pass_schedule.h"
#include "orbit/prediction_uncertainty.h"
#include "orbit/schedule_export.h"
#include "passes_test_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace orvanta::orbit {
namespace {

TEST(HorizonMask, LinearBetweenPointsAndAroundTheCircle)
{
    const HorizonMask mask({{90, 10}, {350, 30}, {180, 0}, {360, 5}});
    struct Case {
        double azimuth, minimum;
    };
    const Case cases[] = {
        {90, 10},   {135, 5},  {180, 0},     {265, 15}, {350, 30},
        {355, 17.5}, // toward the point written as 360, which is north
        {0, 5},     {45, 7.5}, {-315, 7.5}, {405, 7.5}, {720, 5},
    };
    for (const Case &c : cases)
        EXPECT_NEAR(mask.minimumElevationDeg(c.azimuth), c.minimum, 1e-9) << c.azimuth;
    EXPECT_TRUE(mask.clears(135, 5));
    EXPECT_FALSE(mask.clears(135, 4.9));
}

TEST(HorizonMask, OnePointIsAMinimumEverywhereAndNoneIsFlat)
{
    EXPECT_EQ(HorizonMask({{123, 12}}).minimumElevationDeg(300), 12);
    EXPECT_TRUE(HorizonMask().flat());
    EXPECT_EQ(HorizonMask().minimumElevationDeg(10), 0);
    // Two points at one azimuth: the higher one holds.
    EXPECT_EQ(HorizonMask({{0, 3}, {360, 8}, {180, 8}}).minimumElevationDeg(0), 8);
}

// LO-19's north-crossing pass of the demo (rising at 07:38:43 in the north,
// culminating at 36°, setting in the south-west): behind a 20° wall to the
// north it comes into sight later, standing on the wall as it clears it.
TEST(HorizonWindow, ThePassIsInSightOnlyAboveTheWall)
{
    const auto satellites = Init_Satellites(test::stationFolder(), 48.85, 2.35, 35);
    const std::vector<PredictedPass> passes =
        satellites->passes("LUSAT (LO-19)", test::utc(2026, 6, 27, 7, 30, 0), 0.05, 0, 0);
    ASSERT_FALSE(passes.empty());
    const PredictedPass &pass = passes.front();

    const auto flat = horizonWindow(*satellites, pass, HorizonMask());
    ASSERT_TRUE(flat);
    EXPECT_EQ(flat->clears.minutesSince(pass.aos), 0);

    const HorizonMask wall({{300, 20}, {310, 20}, {60, 20}, {70, 0}, {290, 0}}); // north, 310 to 60
    const auto window = horizonWindow(*satellites, pass, wall);
    ASSERT_TRUE(window);
    EXPECT_GT(window->clears.minutesSince(pass.aos), 1.0);
    EXPECT_NEAR(window->sets.minutesSince(pass.los), 0, 0.2); // it sets in the open, to the south-west
    for (const JulianDate &edge : {window->clears, window->sets}) {
        SatelliteLook look;
        ASSERT_TRUE(satellites->lookAt(pass.name, edge, -90, look));
        const double az = look.azimuthRad * 180 / std::numbers::pi;
        const double el = look.elevationRad * 180 / std::numbers::pi;
        EXPECT_NEAR(el, wall.minimumElevationDeg(az), 0.2) << az;
    }
    // A wall higher than the culmination hides the whole pass.
    EXPECT_FALSE(horizonWindow(*satellites, pass, HorizonMask({{0, pass.maxElevationDeg + 1}})));
}

// The rule of thumb, against what it should say: a low satellite's set a
// day old is a fraction of a second off, three weeks old some 9 s.
TEST(PredictionUncertainty, GrowsWithAgeAndOrbit)
{
    const JulianDate epoch = test::utc(2026, 6, 1, 0, 0, 0);
    struct Case {
        double days, periodMinutes, lowSeconds, highSeconds;
    };
    const Case cases[] = {
        {0, 100, 0.1, 0.2},       // fresh: the kilometre at epoch
        {1, 100, 0.5, 0.6},       // (1 + 3) km at 7.4 km/s
        {21, 100, 8.5, 8.8},      // 64 km
        {-21, 100, 8.5, 8.8},     // before the epoch as after it
        {10, 718, 13, 14},        // Molniya or GPS period: 51 km at 3.9 km/s
        {10, 1436, 32, 34},       // geostationary: 101 km at 3.07 km/s
    };
    for (const Case &c : cases) {
        const PredictionUncertainty u = predictionUncertainty(epoch, epoch.plusMinutes(c.days * 1440), c.periodMinutes);
        EXPECT_NEAR(u.ageDays, std::abs(c.days), 1e-6);
        EXPECT_GE(u.seconds, c.lowSeconds) << c.days << " " << c.periodMinutes;
        EXPECT_LE(u.seconds, c.highSeconds) << c.days << " " << c.periodMinutes;
    }
}

} // namespace
} // namespace orvanta::orbit

namespace orvanta::orbit {
namespace {

// The schedule of a station with a wall to the north: each pass says when
// it clears the wall, the CSV in two more columns after the usual ones, the
// calendar in its description; without a wall nothing changes.
TEST(HorizonWindow, TheScheduleSaysWhenPassesClearTheStationsHorizon)
{
    const auto satellites = Init_Satellites(test::stationFolder(), 48.85, 2.35, 35);
    const HorizonMask wall({{300, 20}, {310, 20}, {60, 20}, {70, 0}, {290, 0}});
    const JulianDate start = test::utc(2026, 6, 27, 7, 30, 0);
    const std::vector<ScheduledPass> open = passSchedule(*satellites, {"LUSAT (LO-19)"}, start, 1, 0, 0);
    const std::vector<ScheduledPass> walled = passSchedule(*satellites, {"LUSAT (LO-19)"}, start, 1, 0, 0, wall);
    ASSERT_FALSE(walled.empty());
    ASSERT_EQ(open.size(), walled.size());
    EXPECT_FALSE(open.front().horizonChecked);
    ASSERT_TRUE(walled.front().inSight);
    EXPECT_GT(walled.front().inSight->clears.minutesSince(walled.front().aos), 1.0);
    EXPECT_GT(walled.front().aosUncertaintySeconds, 0);

    const std::string csv = scheduleCsv(walled);
    const std::string header = csv.substr(0, csv.find('\n'));
    EXPECT_EQ(header, "satellite,catalog_number,aos,los,max_elevation,max_elevation_time,aos_azimuth,los_azimuth,"
                      "duration_s,sunlit,visible,horizon_clears,horizon_sets");
    const std::string first = csv.substr(header.size() + 1, csv.find('\n', header.size() + 1) - header.size() - 1);
    EXPECT_EQ(std::count(first.begin(), first.end(), ','), 12) << first;
    EXPECT_EQ(scheduleCsv(open).substr(0, scheduleCsv(open).find('\n')),
              "satellite,catalog_number,aos,los,max_elevation,max_elevation_time,aos_azimuth,los_azimuth,"
              "duration_s,sunlit,visible");
    std::string ics = scheduleIcs(walled, "JN18eu", start);
    for (std::size_t fold; (fold = ics.find("\r\n ")) != std::string::npos;)
        ics.erase(fold, 3);
    EXPECT_NE(ics.find("au-dessus de l'horizon de la station de 07:"), std::string::npos);
}

} // namespace
} // namespace orvanta::orbit
