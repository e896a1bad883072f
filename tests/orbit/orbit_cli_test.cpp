#include "cli_run.h"
#include "passes_test_support.h"

#include <gtest/gtest.h>

#include "orbit/locator.h"
#include "orbit/text_format.h"

#include <charconv>
#include <fstream>
#include <sstream>
#include <cmath>
#include <map>
#include <numbers>
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
    EXPECT_EQ(rows[0], "satellite,catalog_number,aos,los,max_elevation,max_elevation_time,aos_azimuth,los_azimuth,"
                       "duration_s,sunlit,visible");
    const std::string times = "," + kIso + "," + kIso + R"(,\d+\.\d\d,)" + kIso + R"(,\d+\.\d,\d+\.\d,\d+\.\d{3},[01],[01])";
    const std::regex row("ISS \\(ZARYA\\),25544" + times + "|TERRA,25994" + times);
    const auto aos = [](const std::string &r) { return r.substr(r.find(',', r.find(',') + 1) + 1, 24); };
    for (std::size_t i = 1; i < rows.size(); ++i) {
        EXPECT_TRUE(std::regex_match(rows[i], row)) << rows[i];
        if (i > 1) {
            EXPECT_LE(aos(rows[i - 1]), aos(rows[i]));
        }
    }
    // Two days from midnight: the last pass starts on the second day.
    EXPECT_EQ(aos(rows.back()).substr(0, 10), "2026-06-28");
}

// A horizon of 20 degrees everywhere: each pass gains when it clears it and
// sets behind it, inside its geometric acquisition and loss, and a pass that
// never climbs above 20 degrees has none.
TEST(OrbitCli, PassesWithTheStationsHorizon)
{
    const std::string path = testing::TempDir() + "orvanta_cli_horizon.cfg";
    {
        std::ofstream file(path, std::ios::binary);
        file << "# trees all round\r\n0;20\r\n400 5\r\n";
    }
    const CommandRun result = run({"passes", "--elements", test::stationFolder(), "--lat", "48.85", "--lon", "2.35",
                                   "--start", "2026-06-27T00:00:00Z", "--sat", "ISS (ZARYA)", "--horizon", path});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_NE(result.err.find(path + ", ligne 3 : l'azimut 400 est hors de 0 à 360°"), std::string::npos) << result.err;
    const std::vector<std::string> rows = lines(result.out);
    ASSERT_GT(rows.size(), 3u);
    EXPECT_TRUE(rows[0].ends_with(",visible,horizon_clears,horizon_sets")) << rows[0];
    int hidden = 0;
    for (std::size_t i = 1; i < rows.size(); ++i) {
        std::vector<std::string> fields;
        std::stringstream row(rows[i]);
        for (std::string field; std::getline(row, field, ',');)
            fields.push_back(field);
        fields.resize(13);
        const double highest = std::stod(fields[4]);
        if (highest < 20) {
            EXPECT_TRUE(fields[11].empty() && fields[12].empty()) << rows[i];
            ++hidden;
            continue;
        }
        EXPECT_LT(fields[2], fields[11]) << rows[i];
        EXPECT_LT(fields[11], fields[12]) << rows[i];
        EXPECT_LT(fields[12], fields[3]) << rows[i];
    }
    EXPECT_GT(hidden, 0);
    EXPECT_EQ(run({"passes", "--elements", test::stationFolder(), "--lat", "48.85", "--lon", "2.35", "--start",
                   "2026-06-27T00:00:00Z", "--horizon", path + ".absent"})
                  .status,
              2);
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
    for (const std::string &row : lines(result.out)) {
        const std::size_t name = row.find(',');
        ++passes[row.substr(0, name) + " " + row.substr(name + 1, row.find(',', name + 1) - name - 1)];
    }
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

// However many threads share the satellites, the output and the messages
// are the same, byte for byte, in the same order.
TEST(OrbitCli, ThreadsChangeNothingInTheOutput)
{
    const std::string elements = test::orbitData("synthetic-orbits.txt");
    const std::vector<std::vector<std::string>> commands = {
        {"passes", "--elements", elements, "--lat", "48", "--lon", "2", "--start", "2026-06-26T00:00:00Z", "--days", "2"},
        {"passes", "--elements", test::stationFolder(), "--lat", "48", "--lon", "2", "--start", "2026-06-27T00:00:00Z"},
        {"propagate", "--elements", elements, "--start", "2026-06-26T12:00:00Z", "--minutes", "240", "--step-s", "600"},
        {"propagate", "--elements", test::stationFolder(), "--start", "2026-06-27T00:00:00Z", "--minutes", "60",
         "--step-s", "60"},
    };
    for (std::vector<std::string> arguments : commands) {
        arguments.insert(arguments.end(), {"--threads", "1"});
        const CommandRun alone = run(arguments);
        ASSERT_EQ(alone.status, 0) << alone.err;
        arguments.back() = "3";
        const CommandRun shared = run(arguments);
        EXPECT_EQ(shared.status, alone.status);
        EXPECT_EQ(shared.out, alone.out) << arguments.front();
        EXPECT_EQ(shared.err, alone.err) << arguments.front();
    }
}

std::vector<double> numbersOf(const std::string &row)
{
    std::vector<double> values;
    std::size_t from = row.find(',') + 1; // after the name or the time
    for (std::size_t comma; from != 0; from = comma + 1) {
        comma = row.find(',', from);
        double value = NAN;
        std::from_chars(row.data() + from, row.data() + (comma == std::string::npos ? row.size() : comma), value);
        values.push_back(value);
        if (comma == std::string::npos)
            break;
    }
    return values;
}

TEST(OrbitCli, TrackAgreesWithAnIndependentGeodeticComputation)
{
    // The model's own states (propagate), turned into geodetic coordinates
    // here by other formulas: the sidereal angle in degrees per day and
    // Heikkinen's closed form for the latitude, instead of the iteration.
    const std::string elements = test::orbitData("bad_station/good.txt");
    const std::vector<std::string> common = {"--elements", elements, "--start", "2026-06-27T00:00:00Z", "--minutes",
                                             "100", "--step-s", "120"};
    std::vector<std::string> trackArguments = {"track", "--sat", "25544"};
    trackArguments.insert(trackArguments.end(), common.begin(), common.end());
    const CommandRun track = run(trackArguments);
    std::vector<std::string> propagateArguments = {"propagate"};
    propagateArguments.insert(propagateArguments.end(), common.begin(), common.end());
    const CommandRun states = run(propagateArguments);
    ASSERT_EQ(track.status, 0) << track.err;
    ASSERT_EQ(states.status, 0) << states.err;
    const std::vector<std::string> points = lines(track.out), rows = lines(states.out);
    EXPECT_EQ(points[0], "time,latitude,longitude,altitude_km,footprint_radius_km,locator");
    ASSERT_EQ(points.size(), 52u);

    constexpr double kDeg = std::numbers::pi / 180.0;
    const double a = 6378.137, f = 1 / 298.257223563, b = a * (1 - f);
    const double e2 = (a * a - b * b) / (a * a), ep2 = (a * a - b * b) / (b * b);
    bool crossedDateLine = false;
    for (std::size_t i = 1; i < points.size(); ++i) {
        ASSERT_TRUE(rows[i].starts_with("ISS (ZARYA),")) << rows[i];
        const std::vector<double> r = numbersOf(rows[i].substr(rows[i].find(',') + 1));
        const std::vector<double> p = numbersOf(points[i]);
        ASSERT_EQ(points[i].substr(0, 24), rows[i].substr(12, 24));
        const double days = (double(i - 1) * 120.0 / 86400.0) + (2461218.5 - 2451545.0);
        const double gmst = std::fmod(280.46061837 + 360.98564736629 * days +
                                          0.000387933 * std::pow(days / 36525, 2) - std::pow(days / 36525, 3) / 38710000,
                                      360.0) * kDeg;
        const double x = std::cos(gmst) * r[0] + std::sin(gmst) * r[1], y = -std::sin(gmst) * r[0] + std::cos(gmst) * r[1];
        const double z = r[2], q = std::hypot(x, y);
        const double F = 54 * b * b * z * z, G = q * q + (1 - e2) * z * z - e2 * (a * a - b * b);
        const double c = e2 * e2 * F * q * q / (G * G * G);
        const double s = std::cbrt(1 + c + std::sqrt(c * c + 2 * c));
        const double P = F / (3 * std::pow(s + 1 / s + 1, 2) * G * G), Q = std::sqrt(1 + 2 * e2 * e2 * P);
        const double r0 = -P * e2 * q / (1 + Q) +
                          std::sqrt(a * a / 2 * (1 + 1 / Q) - P * (1 - e2) * z * z / (Q * (1 + Q)) - P * q * q / 2);
        const double U = std::hypot(q - e2 * r0, z), V = std::sqrt(std::pow(q - e2 * r0, 2) + (1 - e2) * z * z);
        const double latitude = std::atan((z + ep2 * b * b * z / (a * V)) / q) / kDeg;
        const double longitude = std::atan2(y, x) / kDeg;
        const double height = U * (1 - b * b / (a * V));
        EXPECT_NEAR(p[0], latitude, 0.01) << points[i];
        EXPECT_NEAR(std::remainder(p[1] - longitude, 360.0), 0, 0.01) << points[i];
        EXPECT_GE(p[1], -180);
        EXPECT_LE(p[1], 180);
        EXPECT_NEAR(p[2], height, 0.01) << points[i];
        EXPECT_NEAR(p[3], a * std::acos(a / (a + height)), 0.01) << points[i];
        EXPECT_EQ(points[i].substr(points[i].rfind(',') + 1), locatorFromPosition(p[0], p[1])) << points[i];
        crossedDateLine |= i > 1 && std::fabs(numbersOf(points[i - 1])[1] - p[1]) > 180;
    }
    EXPECT_TRUE(crossedDateLine);
}

TEST(OrbitCli, MutualWindowsOfTwoStations)
{
    // Paris by its position, Madrid by its locator; the same request with
    // Paris by its locator gives the same windows to within its square.
    const CommandRun result = run({"mutual", "--elements", test::stationFolder(), "--lat", "48.85", "--lon", "2.35",
                                   "--locator2", "IN80do", "--start", "2026-06-27T00:00:00Z", "--sat", "25544"});
    ASSERT_EQ(result.status, 0) << result.err;
    const std::vector<std::string> rows = lines(result.out);
    EXPECT_EQ(rows[0], "satellite,start,end,duration_s,best_time,elevation_1,elevation_2");
    ASSERT_GE(rows.size(), 3u);
    const std::regex row("ISS \\(ZARYA\\)," + kIso + "," + kIso + R"(,\d+\.\d\d,)" + kIso + R"(,\d+\.\d\d,\d+\.\d\d)");
    for (std::size_t i = 1; i < rows.size(); ++i)
        EXPECT_TRUE(std::regex_match(rows[i], row)) << rows[i];
    const CommandRun byLocator = run({"mutual", "--elements", test::stationFolder(), "--locator", "JN18eu",
                                      "--locator2", "IN80do", "--start", "2026-06-27T00:00:00Z", "--sat", "ISS (ZARYA)"});
    ASSERT_EQ(byLocator.status, 0) << byLocator.err;
    ASSERT_EQ(lines(byLocator.out).size(), rows.size());
    EXPECT_EQ(lines(byLocator.out)[1].substr(0, 28), rows[1].substr(0, 28)); // same start to the minute
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
        {"propagate", "--elements", folder, "--start", "2026-06-27T00:00:00Z", "--minutes", "1", "--step-s", "1", "--threads", "0"},
        {"passes", "--elements", folder, "--lat", "48", "--lon", "2", "--start", "2026-06-27T00:00:00Z", "--threads", "1.5"},
        {"track", "--elements", folder, "--sat", "99999", "--start", "2026-06-27T00:00:00Z", "--minutes", "1", "--step-s", "1"},
        {"mutual", "--elements", folder, "--lat", "48", "--lon", "2", "--locator2", "JN1", "--start", "2026-06-27T00:00:00Z"},
        {"mutual", "--elements", folder, "--lat", "48", "--locator", "JN18", "--locator2", "IN80", "--start", "2026-06-27T00:00:00Z"},
    };
    for (const auto &arguments : bad) {
        const CommandRun result = run(arguments);
        EXPECT_EQ(result.status, 2) << ::testing::PrintToString(arguments);
        EXPECT_TRUE(result.out.empty()) << ::testing::PrintToString(arguments);
        EXPECT_NE(result.err.find("usage :"), std::string::npos) << ::testing::PrintToString(arguments);
    }
    // Asked for, the usage is an answer: on the standard output, status 0, in French throughout.
    for (const std::string asked : {"--help", "-h"}) {
        const CommandRun help = run({asked});
        EXPECT_EQ(help.status, 0) << asked;
        EXPECT_TRUE(help.err.empty()) << asked;
        EXPECT_EQ(help.out.rfind("usage :", 0), 0u) << asked;
        EXPECT_EQ(help.out.find("NAME"), std::string::npos) << help.out;
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
