#include "cli_run.h"
#include "orbit/pass_schedule.h"
#include "orbit/schedule_export.h"
#include "orbit/text_format.h"
#include "orbit/utc_time.h"
#include "passes_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>

namespace orvanta::orbit {
namespace {

JulianDate at(int year, int month, int day, int hour, int minute)
{
    return julianFromCalendar({year, month, day, hour, minute, 0});
}

double angleGap(double a, double b)
{
    return std::abs(std::remainder(a - b, 360.0));
}

TEST(PassSchedule, SunlitOutsideTheEarthsShadowCylinder)
{
    const Vec3 sun{1, 0, 0};
    EXPECT_TRUE(sunlit({6800, 0, 0}, sun));     // under the Sun
    EXPECT_FALSE(sunlit({-6800, 0, 0}, sun));   // right behind the Earth
    EXPECT_FALSE(sunlit({-6800, 6000, 0}, sun)); // behind, within the Earth's radius
    EXPECT_TRUE(sunlit({-6800, 6500, 0}, sun));  // behind, beside the shadow
    EXPECT_TRUE(sunlit({0, 0, 7000}, sun));      // over the terminator
}

TEST(PassSchedule, PassesWithAzimuthsAndSunlight)
{
    // A station on the equator: the ISS is in the Earth's shadow over it
    // around midnight, and in sunlight around noon.
    auto satellites = Init_Satellites(test::stationFolder(), 0, 0, 0);
    const JulianDate start = at(2026, 6, 27, 0, 0);
    const auto schedule = passSchedule(*satellites, {"ISS (ZARYA)", "AQUA"}, start, 2, 10, 0);
    ASSERT_GT(schedule.size(), 8u);
    int nights = 0, days = 0;
    for (std::size_t i = 0; i < schedule.size(); ++i) {
        const ScheduledPass &pass = schedule[i];
        SCOPED_TRACE(pass.name + " " + std::to_string(pass.maxElevationDeg));
        if (i > 0) {
            EXPECT_LE(schedule[i - 1].aos.minutesSince(pass.aos), 0);
        }
        EXPECT_EQ(pass.catalogNumber, pass.name == "AQUA" ? "27424" : "25544");
        EXPECT_GE(pass.maxElevationDeg, 10);
        EXPECT_NEAR(pass.durationSeconds, pass.los.minutesSince(pass.aos) * 60, 1e-6);
        SatelliteLook look;
        ASSERT_TRUE(satellites->lookAt(pass.name, pass.los, -90, look));
        EXPECT_LT(angleGap(pass.losAzimuthDeg, look.azimuthRad * 180 / M_PI), 1e-9);
        const CalendarInstant top = calendarFromWholeSeconds(wholeSecondsFromJulian(pass.maxElevationTime));
        if (pass.name == "ISS (ZARYA)" && (top.hour >= 22 || top.hour < 2)) {
            EXPECT_FALSE(pass.sunlit);
            EXPECT_TRUE(pass.stationDark);
            ++nights;
        }
        if (top.hour >= 10 && top.hour < 14) {
            EXPECT_TRUE(pass.sunlit);
            EXPECT_FALSE(pass.stationDark);
            ++days;
        }
    }
    EXPECT_GT(nights, 0);
    EXPECT_GT(days, 0);
    EXPECT_TRUE(passSchedule(*satellites, {"NOT A SATELLITE"}, start, 1, 0, 0).empty());
}

// A strict reading of the calendar, line by line.
TEST(PassSchedule, ICalendarLinesFoldedEscapedAndStableUids)
{
    auto satellites = Init_Satellites(test::stationFolder(), 48.85, 2.35, 35);
    const JulianDate start = at(2026, 6, 27, 0, 0);
    std::vector<ScheduledPass> schedule = passSchedule(*satellites, satellites->names(), start, 1, 0, 0);
    ASSERT_GT(schedule.size(), 20u);
    schedule.front().name = "SAT; with, \\ and a very long name that certainly goes past the seventy-five octets";
    const std::string ics = scheduleIcs(schedule, "JN18eu", at(2026, 6, 27, 12, 30));

    std::vector<std::string> unfolded;
    std::size_t from = 0;
    while (from < ics.size()) {
        const std::size_t end = ics.find("\r\n", from);
        ASSERT_NE(end, std::string::npos) << "every line ends with CRLF";
        const std::string line = ics.substr(from, end - from);
        EXPECT_LE(line.size(), 75u) << line;
        EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos);
        if (!line.empty() && line[0] == ' ') {
            ASSERT_FALSE(unfolded.empty());
            unfolded.back() += line.substr(1);
        } else {
            unfolded.push_back(line);
        }
        from = end + 2;
    }
    ASSERT_GE(unfolded.size(), 4u);
    EXPECT_EQ(unfolded.front(), "BEGIN:VCALENDAR");
    EXPECT_EQ(unfolded[1], "VERSION:2.0");
    EXPECT_EQ(unfolded.back(), "END:VCALENDAR");
    const std::regex utc(R"(\d{8}T\d{6}Z)");
    std::set<std::string> uids;
    int events = 0;
    std::set<std::string> inEvent;
    for (const std::string &line : unfolded) {
        const std::string key = line.substr(0, line.find(':'));
        const std::string value = line.substr(line.find(':') + 1);
        if (line == "BEGIN:VEVENT") {
            inEvent.clear();
            ++events;
        } else if (line == "END:VEVENT") {
            for (const char *required : {"UID", "SEQUENCE", "DTSTAMP", "DTSTART", "DTEND", "SUMMARY"})
                EXPECT_EQ(inEvent.count(required), 1u) << required;
        } else {
            inEvent.insert(key);
        }
        if (key == "DTSTART" || key == "DTEND" || key == "DTSTAMP") {
            EXPECT_TRUE(std::regex_match(value, utc)) << line;
        }
        if (key == "DTSTAMP") // when the file was written
            EXPECT_EQ(value, "20260627T123000Z");
        if (key == "SEQUENCE") // a later file is a later revision
            EXPECT_EQ(value, "835878600");
        if (key == "UID") {
            EXPECT_TRUE(uids.insert(value).second) << "one UID per pass: " << value;
        }
    }
    EXPECT_EQ(events, int(schedule.size()));
    EXPECT_NE(ics.find("SUMMARY:SAT\\; with\\, \\\\ and a very long"), std::string::npos) << ics.substr(0, 600);

    EXPECT_NE(ics.find("UID:25544-r"), std::string::npos);
}

// The UIDs of every pass of a schedule, in order.
std::vector<std::string> uidsOf(const std::string &ics)
{
    std::vector<std::string> uids;
    for (const std::string &line : test::lines(ics))
        if (line.rfind("UID:", 0) == 0)
            uids.push_back(line.substr(4));
    return uids;
}

// A field of an element line, read as the C locale reads it whatever the test's locale.
double fieldValue(const std::string &line, std::size_t at, std::size_t width)
{
    const std::size_t first = line.find_first_not_of(' ', at);
    double value = 0;
    std::from_chars(line.data() + first, line.data() + at + width, value);
    return value;
}

// Line 2 of an element set as a newer set of the same orbit would have it.
std::string nudged(std::string line, double meanAnomalyDeg, double meanMotion)
{
    const auto replace = [&line](std::size_t at, std::size_t width, double value, int decimals) {
        std::string text = fixedText(value, decimals);
        text.insert(0, width - text.size(), ' ');
        line.replace(at, width, text);
    };
    replace(43, 8, std::fmod(fieldValue(line, 43, 8) + meanAnomalyDeg, 360.0), 4);
    replace(52, 11, fieldValue(line, 52, 11) + meanMotion, 8);
    int sum = 0;
    for (std::size_t i = 0; i < 68; ++i)
        sum += std::isdigit(static_cast<unsigned char>(line[i])) ? line[i] - '0' : line[i] == '-';
    line[68] = char('0' + sum % 10);
    return line;
}

// A new element set moves the passes by a second or so: re-exported, every
// pass keeps its UID, and another station's calendar shares none.
TEST(PassSchedule, ANewElementSetKeepsEveryUid)
{
    const JulianDate start = at(2026, 6, 27, 0, 0);
    const auto exported = [&](const std::string &folder, double latitude) {
        auto satellites = Init_Satellites(folder, latitude, 2.35, 35);
        return scheduleIcs(passSchedule(*satellites, satellites->names(), start, 2, 0.1, 100),
                           scheduleStation(latitude, 2.35), start);
    };
    const std::vector<std::string> before = uidsOf(exported(test::stationFolder(), 48.85));
    ASSERT_GT(before.size(), 100u);
    EXPECT_EQ(std::set<std::string>(before.begin(), before.end()).size(), before.size()) << "one UID per pass";

    for (const auto &[meanAnomaly, meanMotion] : {std::pair{0.0, 2e-6}, std::pair{0.02, 0.0}}) {
        const std::filesystem::path folder = std::filesystem::temp_directory_path() / "orvanta-nudged-elements";
        std::filesystem::create_directories(folder);
        std::ifstream in(test::stationFolder() + "/Amateur.txt");
        std::ofstream out(folder / "Amateur.txt");
        for (std::string line; std::getline(in, line);)
            out << (line.rfind("2 ", 0) == 0 ? nudged(line, meanAnomaly, meanMotion) : line) << '\n';
        out.close();
        const std::vector<std::string> after = uidsOf(exported(folder.string(), 48.85));
        std::filesystem::remove_all(folder);
        EXPECT_EQ(after, before) << meanAnomaly << " " << meanMotion;
    }
    const std::vector<std::string> elsewhere = uidsOf(exported(test::stationFolder(), 45.0));
    for (const std::string &uid : elsewhere)
        EXPECT_EQ(std::find(before.begin(), before.end(), uid), before.end()) << uid;
}

TEST(PassSchedule, CsvOnePassPerLine)
{
    auto satellites = Init_Satellites(test::stationFolder(), 48.85, 2.35, 35);
    std::vector<ScheduledPass> schedule =
        passSchedule(*satellites, {"ISS (ZARYA)"}, at(2026, 6, 27, 0, 0), 1, 0, 0);
    ASSERT_FALSE(schedule.empty());
    const std::vector<std::string> rows = test::lines(scheduleCsv(schedule));
    ASSERT_EQ(rows.size(), schedule.size() + 1);
    EXPECT_EQ(rows[0], "satellite,catalog_number,aos,los,max_elevation,max_elevation_time,aos_azimuth,los_azimuth,"
                       "duration_s,sunlit,visible");
    const std::string instant = R"(2026-06-2\dT\d\d:\d\d:\d\d\.\d{3}Z)";
    const std::regex row(R"(ISS \(ZARYA\),25544,)" + instant + ',' + instant + R"(,\d+\.\d\d,)" + instant +
                         R"(,\d+\.\d,\d+\.\d,\d+\.\d{3},[01],[01])");
    for (std::size_t i = 1; i < rows.size(); ++i)
        EXPECT_TRUE(std::regex_match(rows[i], row)) << rows[i];
    schedule.front().name = "A \"B\", C";
    EXPECT_EQ(test::lines(scheduleCsv(schedule))[1].substr(0, 13), "\"A \"\"B\"\", C\",");

    // The command line's passes, without limits given, are the window's with
    // a new station's limits (0.1 degree, 100 s), in the same columns.
    const test::CommandRun cli = test::run({"passes", "--elements", test::stationFolder(), "--lat", "48.85", "--lon",
                                            "2.35", "--alt", "35", "--start", "2026-06-27T00:00:00Z", "--days", "2"});
    ASSERT_EQ(cli.status, 0) << cli.err;
    EXPECT_EQ(cli.out, scheduleCsv(passSchedule(*satellites, satellites->names(), at(2026, 6, 27, 0, 0), 2, 0.1, 100)));
}

TEST(OrbitCli, PassesAsACalendar)
{
    const test::CommandRun ics = test::run({"passes", "--elements", test::stationFolder(), "--lat", "48.85", "--lon",
                                            "2.35", "--start", "2026-06-27T00:00:00Z", "--sat", "ISS (ZARYA)",
                                            "--format", "ics"});
    ASSERT_EQ(ics.status, 0) << ics.err;
    EXPECT_EQ(ics.out.substr(0, 17), "BEGIN:VCALENDAR\r\n");
    EXPECT_EQ(ics.out.find("DTSTAMP:20260627T000000Z\r\n"), std::string::npos) << "stamped when written";
    const test::CommandRun csv = test::run({"passes", "--elements", test::stationFolder(), "--lat", "48.85", "--lon",
                                            "2.35", "--start", "2026-06-27T00:00:00Z", "--format", "csv"});
    ASSERT_EQ(csv.status, 0);
    EXPECT_EQ(test::lines(csv.out)[0].substr(0, 40), "satellite,catalog_number,aos,los,max_ele");
    EXPECT_EQ(test::run({"passes", "--elements", test::stationFolder(), "--lat", "48", "--lon", "2", "--start",
                         "2026-06-27T00:00:00Z", "--format", "xml"})
                  .status,
              2);
}

} // namespace
} // namespace orvanta::orbit
