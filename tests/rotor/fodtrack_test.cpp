#include "rotor/fodtrack.h"
#include "support/fakes.h"
#include "support/french_locale.h"

#include <gtest/gtest.h>

namespace orvanta {
namespace {

using test::Trace;
using test::TraceEvent;

ConfigStation defaultCalibration()
{
    ConfigStation config;
    config.Adresse_LPT = 888;
    config.Cal_Azimut_0 = 0;
    config.Cal_Azimut_360 = 250;
    config.Cal_Site_0 = 0;
    config.Cal_Site_90 = 250;
    return config;
}

// The five writes of one axis on base 888.
Trace latch(int idle, int value)
{
    return {TraceEvent::port(890, idle), TraceEvent::port(888, value), TraceEvent::port(890, idle + 1),
            TraceEvent::wait(0.1), TraceEvent::port(890, idle)};
}

Trace operator+(Trace a, const Trace &b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

class FodtrackTest : public ::testing::Test {
protected:
    ConfigStation config = defaultCalibration();
    Trace trace;
    test::RecordingParallelPort port{&trace};
    test::RecordingWaiter waiter{&trace};
    Fodtrack fodtrack{port, waiter, config};

    int dataWritten() const { return port.writes.at(1).second; }
};

TEST_F(FodtrackTest, ScaleFactorsKeepTwoDecimalsHalvesAwayFromZero)
{
    EXPECT_FLOAT_EQ(fodtrack.Pas_Azimut(), 0.69f);
    EXPECT_FLOAT_EQ(fodtrack.Pas_Site(), 2.78f);

    config.Cal_Azimut_0 = 10;
    config.Cal_Azimut_360 = 240; // 0.6389
    config.Cal_Site_90 = 1.8f;   // 0.02 exactly
    fodtrack.recomputeScaleFactors();
    EXPECT_FLOAT_EQ(fodtrack.Pas_Azimut(), 0.64f);
    EXPECT_FLOAT_EQ(fodtrack.Pas_Site(), 0.02f);

    config.Cal_Azimut_0 = 0;
    config.Cal_Azimut_360 = 1.8f; // 0.005, a half
    config.Cal_Site_90 = 0.4f;    // 0.0044
    fodtrack.recomputeScaleFactors();
    EXPECT_FLOAT_EQ(fodtrack.Pas_Azimut(), 0.01f);
    EXPECT_FLOAT_EQ(fodtrack.Pas_Site(), 0.0f);
}

TEST_F(FodtrackTest, SiteSequenceIsByteExact)
{
    fodtrack.Fodtrack_Site(100, true);
    EXPECT_EQ(trace, latch(8, 100));
    trace.clear();
    fodtrack.Fodtrack_Azimut(360, false);
    EXPECT_EQ(trace, latch(10, 248));
}

TEST_F(FodtrackTest, DefaultCalibrationValues)
{
    const std::pair<double, int> azimuths[] = {{360, 248}, {0, 0}, {180, 124}};
    for (const auto &[angle, value] : azimuths) {
        port.writes.clear();
        fodtrack.Fodtrack_Azimut(angle, false);
        EXPECT_EQ(dataWritten(), value) << "azimuth " << angle;
    }
    const std::pair<double, int> elevations[] = {{90, 250}, {45, 125}, {0, 0}};
    for (const auto &[angle, value] : elevations) {
        port.writes.clear();
        fodtrack.Fodtrack_Site(angle, false);
        EXPECT_EQ(dataWritten(), value) << "elevation " << angle;
    }
}

TEST_F(FodtrackTest, HalvesGoToTheEvenNeighbour)
{
    config.Cal_Azimut_360 = 180; // 0.5 per degree
    fodtrack.recomputeScaleFactors();
    fodtrack.Fodtrack_Azimut(5, false); // 2.5
    EXPECT_EQ(dataWritten(), 2);
    port.writes.clear();
    fodtrack.Fodtrack_Azimut(7, false); // 3.5
    EXPECT_EQ(dataWritten(), 4);
}

// The factors are two-decimal values: a product that is a half on paper is a
// half, whatever the binary form of 0.69 or 2.78 makes of it.
TEST_F(FodtrackTest, HalvesOfTheDefaultFactorsGoToTheEvenNeighbour)
{
    const std::pair<double, int> azimuths[] = {{150, 104}, {350, 242}, {50, 34}}; // 103.5, 241.5, 34.5
    for (const auto &[angle, value] : azimuths) {
        port.writes.clear();
        fodtrack.Fodtrack_Azimut(angle, false);
        EXPECT_EQ(dataWritten(), value) << "azimuth " << angle;
    }
    const std::pair<QString, int> elevations[] = {{"25", 70}, {"75", 208}}; // 69.5, 208.5
    for (const auto &[angle, value] : elevations) {
        port.writes.clear();
        fodtrack.Fodtrack_Site(angle, false);
        EXPECT_EQ(dataWritten(), value) << "elevation " << angle.toStdString();
    }
}

// French operators run the program with a locale whose decimal separator is
// ",": the factor 0.69 must not lose its decimals on the way.
TEST_F(FodtrackTest, AFrenchLocaleKeepsTheScaleFactorsDecimals)
{
    const test::FrenchLocale french;
    fodtrack.recomputeScaleFactors();
    EXPECT_FLOAT_EQ(fodtrack.Pas_Azimut(), 0.69f);
    fodtrack.Fodtrack_Azimut(150, false); // 103.5
    EXPECT_EQ(dataWritten(), 104);
}

TEST_F(FodtrackTest, ZeroPointsActAtOnceScaleFactorsOnlyWhenRecomputed)
{
    config.Cal_Azimut_0 = 20;
    config.Cal_Azimut_360 = 200;
    fodtrack.Fodtrack_Azimut(100, false); // 100 x 0.69 + 20
    EXPECT_EQ(dataWritten(), 89);
}

TEST_F(FodtrackTest, FactorBelowHalfAHundredthPinsEveryAngleToTheZeroPoint)
{
    config.Cal_Site_0 = 40;
    config.Cal_Site_90 = 40.4f;
    fodtrack.recomputeScaleFactors();
    fodtrack.Fodtrack_Site(90, false);
    EXPECT_EQ(dataWritten(), 40);
}

TEST_F(FodtrackTest, TextsAreReadAsNumbers)
{
    config.Cal_Azimut_0 = 77; // ignored for raw values
    fodtrack.Fodtrack_Azimut(QStringLiteral("128."), true);
    EXPECT_EQ(trace, latch(10, 128));

    port.writes.clear();
    fodtrack.Fodtrack_Site(QStringLiteral("45"), false);
    EXPECT_EQ(dataWritten(), 125);

    for (const QString &bad : {QString(), QStringLiteral("abc"), QStringLiteral("1.2.3"), QStringLiteral("12a")}) {
        trace.clear();
        fodtrack.Fodtrack_Azimut(bad, false);
        fodtrack.Fodtrack_Site(bad, true);
        EXPECT_TRUE(trace.empty()) << bad.toStdString();
    }
}

TEST_F(FodtrackTest, ValuesAreClampedToTheInterfaceByte)
{
    const std::pair<double, int> raw[] = {{-1, 0}, {-300, 0}, {255, 255}, {256, 255}, {1000, 255}};
    for (const auto &[value, sent] : raw) {
        port.writes.clear();
        fodtrack.Fodtrack_Site(value, true);
        EXPECT_EQ(dataWritten(), sent) << value;
    }
    config.Cal_Site_0 = 10;
    port.writes.clear();
    fodtrack.Fodtrack_Site(-5, false); // 10 - 13.9: below the horizon
    EXPECT_EQ(dataWritten(), 0);
    port.writes.clear();
    fodtrack.Fodtrack_Azimut(400, false); // 276
    EXPECT_EQ(dataWritten(), 255);
}

TEST_F(FodtrackTest, PortAddressIsReadOnEveryCall)
{
    config.Adresse_LPT = 632;
    fodtrack.Fodtrack_Site(1, true);
    ASSERT_EQ(port.writes.size(), 4u);
    EXPECT_EQ(port.writes[0], std::make_pair(634, 8));
    EXPECT_EQ(port.writes[1], std::make_pair(632, 1));
}

TEST_F(FodtrackTest, RequestDuringLatchPulseRunsAfterTheSequence)
{
    waiter.duringWait = [this] { fodtrack.Fodtrack_Site(45, false); };
    fodtrack.Fodtrack_Azimut(360, false);
    EXPECT_EQ(trace, latch(10, 248) + latch(8, 125));
}

TEST_F(FodtrackTest, OnlyTheLatestWaitingRequestOfAnAxisRuns)
{
    waiter.duringWait = [this] {
        fodtrack.Fodtrack_Azimut(10, false); // 6.9
        fodtrack.Fodtrack_Site(90, false);
        fodtrack.Fodtrack_Azimut(20, false); // 13.8 replaces 6.9
    };
    fodtrack.Fodtrack_Azimut(360, false);
    EXPECT_EQ(trace, latch(10, 248) + latch(10, 14) + latch(8, 250));

    trace.clear();
    fodtrack.Fodtrack_Site(0, false);
    EXPECT_EQ(trace, latch(8, 0)) << "the driver is free again";
}

} // namespace
} // namespace orvanta
