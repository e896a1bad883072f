#include "rotor/pass_pointing.h"
#include "rotor/rotor_follow_watch.h"
#include "rotor/rotor_lead.h"

#include <gtest/gtest.h>

#include <cmath>

namespace orvanta {
namespace {

// A high pass sweeping through north: the azimuth turns fastest at the
// culmination (t = 300 s), as it does on a real overhead pass.
std::vector<TrackPoint> highPass()
{
    std::vector<TrackPoint> track;
    for (double t = 0; t <= 600; t += 20) {
        const double az = std::fmod(360.0 + 300.0 + 120.0 * std::tanh((t - 300.0) / 70.0), 360.0);
        track.push_back({t, az, 75.0 * std::exp(-std::pow((t - 300.0) / 180.0, 2)) - 4.0});
    }
    return track;
}

// Each command every 5 s turns the rotor from where it is; the error is
// measured every second against the satellite.
struct Flight {
    std::vector<double> meanErrorPerInterval; // from 200 s to 400 s
    double worst = 0;
};

Flight fly(const PassPointing &pointing, bool lead, const RotorSpeeds &speeds)
{
    Flight run;
    RotorAim rotor = pointing.satelliteAt(0);
    for (double t = 0; t < 600; t += 5) {
        const RotorAim now = pointing.satelliteAt(t);
        const RotorAim command =
            pointing.command(t, std::round(now.azimuthDeg), std::round(now.elevationDeg),
                             lead ? std::optional(PassPointing::Lead{rotor, speeds, 5}) : std::nullopt);
        double sum = 0;
        for (int s = 1; s <= 5; ++s) {
            const double error = pointingErrorDeg(rotorAfter(rotor, command, speeds, s), pointing.satelliteAt(t + s));
            sum += error;
            if (t >= 200 && t < 400)
                run.worst = std::max(run.worst, error);
        }
        if (t >= 200 && t < 400)
            run.meanErrorPerInterval.push_back(sum / 5);
        rotor = rotorAfter(rotor, command, speeds, 5);
    }
    return run;
}

TEST(RotorLead, TheLeadingRotorIsCloserThroughoutTheCulmination)
{
    const std::vector<TrackPoint> track = highPass();
    const RotorSpeeds speeds{4, 2};
    const PassPointing pointing(RotorPlan::forTrack(track, {0, 450, false}), track, {});
    const Flight plain = fly(pointing, false, speeds);
    const Flight led = fly(pointing, true, speeds);
    ASSERT_EQ(plain.meanErrorPerInterval.size(), led.meanErrorPerInterval.size());
    for (std::size_t i = 0; i < led.meanErrorPerInterval.size(); ++i)
        EXPECT_LT(led.meanErrorPerInterval[i], plain.meanErrorPerInterval[i]) << "interval " << i;
    EXPECT_LT(led.worst, plain.worst);
}

// The pass rises in the south behind a 20° wall: the rotor waits where the satellite will
// clear it, never goes below it, and stays where it set.
TEST(RotorLead, NoCommandGoesBelowTheHorizonWithOrWithoutLead)
{
    const std::vector<TrackPoint> track = highPass();
    const orbit::HorizonMask wall({{110, 0}, {120, 20}, {240, 20}, {250, 0}});
    const PassPointing pointing(RotorPlan::forTrack(track, {0, 450, false}), track, wall);
    ASSERT_TRUE(pointing.clearsSeconds() && pointing.setsSeconds());
    EXPECT_GT(*pointing.clearsSeconds(), 0);
    const RotorAim start = pointing.start();
    EXPECT_GE(start.elevationDeg, 20);
    for (const bool lead : {false, true}) {
        RotorAim rotor = start;
        for (double t = 0; t <= 600; t += 5) {
            const RotorAim now = pointing.satelliteAt(t);
            const RotorAim command =
                pointing.command(t, std::round(now.azimuthDeg), std::round(now.elevationDeg),
                                 lead ? std::optional(PassPointing::Lead{rotor, {6, 3}, 5}) : std::nullopt);
            const RotorAim sky = onTheSky(command);
            EXPECT_GE(sky.elevationDeg, wall.minimumElevationDeg(sky.azimuthDeg)) << t << (lead ? " lead" : "");
            if (!lead && t < *pointing.clearsSeconds()) {
                EXPECT_EQ(command.azimuthDeg, start.azimuthDeg) << t;
                EXPECT_EQ(command.elevationDeg, start.elevationDeg) << t;
            }
            rotor = rotorAfter(rotor, command, {6, 3}, 5);
        }
    }
}

// One tick per row: where the rotor says it is, and the command it was
// following. Which ticks say it does not follow (once, until it follows again).
TEST(RotorFollowWatch, AStoppedOrLaggingRotorIsSaidOnce)
{
    struct Row {
        double azimuth; // read, the elevation being 10 as commanded
        double commandAzimuth;
        bool said;
    };
    struct Case {
        const char *what;
        std::vector<Row> rows;
    };
    const Case cases[] = {
        {"follows", {{10, 12, false}, {20, 22, false}, {30, 31, false}, {40, 40, false}}},
        {"stops 4° away", {{10, 12, false}, {12, 16, false}, {12, 16, true}, {12, 16, false}}},
        {"lags far but moves", {{10, 30, false}, {20, 45, false}, {30, 60, true}, {40, 75, false}, {50, 90, false}}},
        {"stops, follows, stops", {{10, 20, false}, {10, 20, true}, {20, 20, false}, {20, 30, true}, {20, 30, false}}},
    };
    for (const Case &c : cases) {
        RotorFollowWatch watch;
        watch.setSettings({{6, 3}, 10});
        double t = 0;
        for (const Row &row : c.rows) {
            const auto report = watch.observe(t, {row.azimuth, 10}, {row.commandAzimuth, 10});
            EXPECT_EQ(report.has_value(), row.said) << c.what << " at " << t;
            if (report) {
                EXPECT_EQ(report->reading.azimuthDeg, row.azimuth);
                EXPECT_EQ(report->command.azimuthDeg, row.commandAzimuth);
            }
            t += 5;
        }
    }
}

TEST(RotorSpeedMeter, MeasuresThePaceWhileTurning)
{
    RotorSpeedMeter meter;
    const RotorSpeeds real{3, 1.5};
    RotorAim rotor{0, 0};
    const RotorAim far{300, 80};
    EXPECT_FALSE(meter.measured());
    for (double t = 0; t <= 40; t += 5) {
        meter.observe(t, {std::round(rotor.azimuthDeg), std::round(rotor.elevationDeg)}, far);
        rotor = rotorAfter(rotor, far, real, 5);
    }
    ASSERT_TRUE(meter.measured());
    EXPECT_NEAR(meter.measured()->azimuthDegPerS, 3, 0.2);
    EXPECT_NEAR(meter.measured()->elevationDegPerS, 1.5, 0.2);
}

} // namespace
} // namespace orvanta

namespace orvanta {
namespace {

// What a Hamlib backend may hand back instead of a position.
TEST(RotorReading, GarbageAndPositionsOutOfRangeAreNotReadings)
{
    const RotorRange plain{0, 360, false};
    const RotorRange wide{-180, 450, true};
    EXPECT_TRUE(readingWithinRange({359.9, 89.9}, plain));
    EXPECT_TRUE(readingWithinRange({-2, -1}, plain)) << "overtravel past the stop";
    EXPECT_TRUE(readingWithinRange({-180, 170}, wide));
    for (const RotorAim &garbage : std::initializer_list<RotorAim>{
             {400, 10}, {10, 120}, {-20, 10}, {10, -30}, {NAN, 10}, {10, INFINITY}, {1e9, 0}})
        EXPECT_FALSE(readingWithinRange(garbage, plain)) << garbage.azimuthDeg << " " << garbage.elevationDeg;
    EXPECT_FALSE(readingWithinRange({460, 10}, wide));
}

} // namespace
} // namespace orvanta
