#include "cli_run.h"
#include "passes_test_support.h"

#include <gtest/gtest.h>

#include <map>
#include <regex>

namespace orvanta::orbit {
namespace {

using test::CommandRun;
using test::lines;
using test::run;

const std::string kIso = R"(\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d\.\d{3}Z)";

TEST(OrbitCli, PassesAsCsvOrderedByAcquisition)
{
    const CommandRun result = run({"passes", "--elements", test::stationFolder(), "--lat", "48.85", "--lon", "2.35", "--alt", "35",
                            "--start", "2026-06-27T00:00:00Z", "--min-elev", "10", "--sat", "ISS (ZARYA)", "--sat",
                            "TERRA", "--days", "2"});
    ASSERT_EQ(result.status, 0) << result.err;
    const std::vector<std::string> rows = lines(result.out);
    ASSERT_GT(rows.size(), 10u);
    EXPECT_EQ(rows[0], "satellite,aos,los,max_elevation,max_elevation_time,duration_s,catalog_number");
    const std::string times = "," + kIso + "," + kIso + R"(,\d+\.\d\d,)" + kIso + R"(,\d+\.\d{3},)";
    const std::regex row("ISS \\(ZARYA\\)" + times + "25544|TERRA" + times + "25994");
    for (std::size_t i = 1; i < rows.size(); ++i) {
        EXPECT_TRUE(std::regex_match(rows[i], row)) << rows[i];
        if (i > 1) {
            EXPECT_LE(rows[i - 1].substr(rows[i - 1].find(',') + 1, 24), rows[i].substr(rows[i].find(',') + 1, 24));
        }
    }
    // Two days from midnight: the last pass starts on the second day.
    EXPECT_EQ(rows.back().substr(rows.back().find(',') + 1, 10), "2026-06-28");
}

// A folder holding only OMM JSON of six-digit objects, two of them sharing a
// name: every object is predicted, asked by its name or its number.
TEST(OrbitCli, SixDigitObjectsFromOmmJsonByNameOrNumber)
{
    const CommandRun result = run({"passes", "--elements", test::orbitData("omm/six-digits"), "--lat", "48.85", "--lon",
                                   "2.35", "--start", "2026-06-27T00:00:00Z", "--sat", "123456", "--sat",
                                   "NEWSAT #123457", "--sat", "270002"});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_TRUE(result.err.empty()) << result.err;
    std::map<std::string, int> passes;
    for (const std::string &row : lines(result.out))
        ++passes[row.substr(0, row.find(',')) + " " + row.substr(row.rfind(',') + 1)];
    EXPECT_GE(passes["NEWSAT #123456 123456"], 3);
    EXPECT_GE(passes["NEWSAT #123457 123457"], 3);
    EXPECT_EQ(passes["ALPHA FIVE 270002"], passes["NEWSAT #123456 123456"]);

    const CommandRun unknown = run({"look", "--elements", test::orbitData("omm/six-digits"), "--lat", "48", "--lon",
                                    "2", "--time", "2026-06-27T00:00:00.000Z", "--sat", "NEWSAT"});
    EXPECT_EQ(unknown.status, 2);
    EXPECT_NE(unknown.err.find("satellite absent des éléments : NEWSAT"), std::string::npos) << unknown.err;
}

TEST(OrbitCli, LookAtOneInstant)
{
    const CommandRun result = run({"look", "--elements", test::stationFolder(), "--lat", "48.85", "--lon", "2.35", "--time",
                            "2026-06-27T12:00:00.250Z", "--sat", "AQUA", "--sat", "HST"});
    ASSERT_EQ(result.status, 0) << result.err;
    const std::vector<std::string> rows = lines(result.out);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0], "satellite,time,azimuth,elevation,range_km,range_rate_km_s,catalog_number");
    EXPECT_TRUE(std::regex_match(rows[1], std::regex(R"(AQUA,2026-06-27T12:00:00\.250Z,\d+\.\d{4},-?\d+\.\d{4},\d+\.\d{3},-?\d+\.\d{6},27424)")))
        << rows[1];
    EXPECT_TRUE(rows[2].starts_with("HST,"));
}

TEST(OrbitCli, VerifyAndPropagate)
{
    const CommandRun verify = run({"verify", "--elements", std::string(ORVANTA_SOURCE_DIR) + "/tests/orbit/data/SGP4-VER.TLE"});
    ASSERT_EQ(verify.status, 0) << verify.err;
    EXPECT_TRUE(verify.out.starts_with("5 xx\n"));

    const CommandRun states = run({"propagate", "--elements", test::orbitData("bad_station/good.txt"), "--start",
                            "2026-06-27T00:00:00Z", "--minutes", "10", "--step-s", "60"});
    ASSERT_EQ(states.status, 0) << states.err;
    const std::vector<std::string> rows = lines(states.out);
    ASSERT_EQ(rows.size(), 1u + 2 * 11);
    EXPECT_EQ(rows[0], "satellite,time,x_km,y_km,z_km,vx_km_s,vy_km_s,vz_km_s,catalog_number");
    EXPECT_TRUE(rows[11].starts_with("ISS (ZARYA),2026-06-27T00:10:00.000Z,"));

    const CommandRun summary = run({"propagate", "--elements", test::orbitData("bad_station/good.txt"), "--start",
                             "2026-06-27T00:00:00Z", "--minutes", "10", "--step-s", "60", "--summary"});
    ASSERT_EQ(summary.status, 0) << summary.err;
    EXPECT_TRUE(std::regex_match(summary.out, std::regex(R"(propagations 22 ns_per_propagation \d+\.\d\n)"))) << summary.out;

    const CommandRun decaying = run({"propagate", "--elements", test::orbitData("synthetic-orbits.txt"), "--start",
                              "2026-06-26T12:00:00Z", "--minutes", "240", "--step-s", "600"});
    EXPECT_EQ(decaying.status, 0);
    EXPECT_NE(decaying.err.find("DECAY TEST"), std::string::npos);
    EXPECT_EQ(decaying.out.find("DECAY TEST,2026-06-26T14:20"), std::string::npos);
}

TEST(OrbitCli, BadArgumentsGiveTheUsageAndStatusTwo)
{
    const std::string folder = test::stationFolder();
    const std::vector<std::vector<std::string>> bad = {
        {},
        {"orbit"},
        {"passes", "--elements", folder, "--lat", "48", "--lon", "2"},
        {"passes", "--elements", folder, "--lat", "48", "--lon", "2", "--start", "2026-06-27T00:00:00Z", "--colour", "red"},
        {"passes", "--elements", folder, "--lat", "91", "--lon", "2", "--start", "2026-06-27T00:00:00Z"},
        {"passes", "--elements", folder, "--lat", "48", "--lon", "2", "--start", "2026-06-27 00:00:00"},
        {"passes", "--elements", folder, "--lat", "48", "--lon", "2", "--start", "2026-02-30T00:00:00Z"},
        {"passes", "--elements", folder, "--lat", "48", "--lon", "2", "--start", "2026-06-27T00:00:00Z", "--days", "-1"},
        {"passes", "--elements", folder, "--lat", "4x", "--lon", "2", "--start", "2026-06-27T00:00:00Z"},
        {"passes", "--elements", folder, "--lat", "48", "--lat", "49", "--lon", "2", "--start", "2026-06-27T00:00:00Z"},
        {"passes", "--elements", folder, "--lat", "48", "--lon", "2", "--start", "2026-06-27T00:00:00Z", "--sat", "MIR"},
        {"look", "--elements", folder, "--lat", "48", "--lon", "2", "--time"},
        {"verify"},
        {"propagate", "--elements", folder, "--start", "2026-06-27T00:00:00Z", "--minutes", "10", "--step-s", "0"},
        {"propagate", "--elements", folder, "--start", "2026-06-27T00:00:00Z", "--minutes", "1e6", "--step-s", "0.001"},
        {"propagate", "--elements", folder, "--start", "2026-06-27T00:00:00Z", "--minutes", "10", "--step-s", "1", "extra"},
    };
    for (const auto &arguments : bad) {
        const CommandRun result = run(arguments);
        EXPECT_EQ(result.status, 2) << ::testing::PrintToString(arguments);
        EXPECT_TRUE(result.out.empty()) << ::testing::PrintToString(arguments);
        EXPECT_NE(result.err.find("usage :"), std::string::npos) << ::testing::PrintToString(arguments);
    }
}

TEST(OrbitCli, ElementsThatCannotBeReadAreReported)
{
    const CommandRun missing = run({"passes", "--elements", test::orbitData("no such folder"), "--lat", "48", "--lon", "2",
                             "--start", "2026-06-27T00:00:00Z"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("introuvable"), std::string::npos);

    const CommandRun damaged = run({"look", "--elements", test::orbitData("bad_station"), "--lat", "48", "--lon", "2",
                             "--time", "2026-06-27T00:00:00Z"});
    EXPECT_EQ(damaged.status, 0);
    EXPECT_NE(damaged.err.find("damaged.txt:1 : "), std::string::npos);
    EXPECT_EQ(lines(damaged.out).size(), 4u);
}

} // namespace
} // namespace orvanta::orbit
