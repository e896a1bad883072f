#include "cli_run.h"
#include "orbit/pass_schedule.h"
#include "orbit/schedule_export.h"
#include "orbit/utc_time.h"
#include "passes_test_support.h"

#include <gtest/gtest.h>

#include <cmath>
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
    const std::string ics = scheduleIcs(schedule, start);

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
            for (const char *required : {"UID", "DTSTAMP", "DTSTART", "DTEND", "SUMMARY"})
                EXPECT_EQ(inEvent.count(required), 1u) << required;
        } else {
            inEvent.insert(key);
        }
        if (key == "DTSTART" || key == "DTEND" || key == "DTSTAMP") {
            EXPECT_TRUE(std::regex_match(value, utc)) << line;
        }
        if (key == "UID") {
            EXPECT_TRUE(uids.insert(value).second) << "one UID per pass: " << value;
        }
    }
    EXPECT_EQ(events, int(schedule.size()));
    EXPECT_NE(ics.find("SUMMARY:SAT\\; with\\, \\\\ and a very long"), std::string::npos) << ics.substr(0, 600);

    // A later export of the same passes gives them the same UIDs.
    const auto later = passSchedule(*satellites, satellites->names(), at(2026, 6, 27, 6, 0), 1, 0, 0);
    const std::string again = scheduleIcs(later, at(2026, 6, 27, 6, 0));
    int shared = 0;
    for (const std::string &uid : uids)
        shared += again.find("UID:" + uid + "\r\n") != std::string::npos;
    EXPECT_GT(shared, 10);
    EXPECT_NE(again.find("UID:25544-2026"), std::string::npos);
}

TEST(PassSchedule, CsvOnePassPerLine)
{
    auto satellites = Init_Satellites(test::stationFolder(), 48.85, 2.35, 35);
    std::vector<ScheduledPass> schedule =
        passSchedule(*satellites, {"ISS (ZARYA)"}, at(2026, 6, 27, 0, 0), 1, 0, 0);
    ASSERT_FALSE(schedule.empty());
    const std::vector<std::string> rows = test::lines(scheduleCsv(schedule));
    ASSERT_EQ(rows.size(), schedule.size() + 1);
    EXPECT_EQ(rows[0], "satellite,catalog_number,aos,los,max_elevation,aos_azimuth,los_azimuth,duration_s,sunlit,visible");
    const std::regex row(R"(ISS \(ZARYA\),25544,2026-06-2\dT\d\d:\d\d:\d\dZ,2026-06-2\dT\d\d:\d\d:\d\dZ,\d+\.\d\d,\d+\.\d,\d+\.\d,\d+,[01],[01])");
    for (std::size_t i = 1; i < rows.size(); ++i)
        EXPECT_TRUE(std::regex_match(rows[i], row)) << rows[i];
    schedule.front().name = "A \"B\", C";
    EXPECT_EQ(test::lines(scheduleCsv(schedule))[1].substr(0, 13), "\"A \"\"B\"\", C\",");
}

TEST(OrbitCli, PassesAsACalendar)
{
    const test::CommandRun ics = test::run({"passes", "--elements", test::stationFolder(), "--lat", "48.85", "--lon",
                                            "2.35", "--start", "2026-06-27T00:00:00Z", "--sat", "ISS (ZARYA)",
                                            "--format", "ics"});
    ASSERT_EQ(ics.status, 0) << ics.err;
    EXPECT_EQ(ics.out.substr(0, 17), "BEGIN:VCALENDAR\r\n");
    EXPECT_NE(ics.out.find("DTSTAMP:20260627T000000Z\r\n"), std::string::npos);
    const test::CommandRun csv = test::run({"passes", "--elements", test::stationFolder(), "--lat", "48.85", "--lon",
                                            "2.35", "--start", "2026-06-27T00:00:00Z", "--format", "csv"});
    ASSERT_EQ(csv.status, 0);
    EXPECT_EQ(test::lines(csv.out)[0], "satellite,aos,los,max_elevation,max_elevation_time,duration_s,catalog_number");
    EXPECT_EQ(test::run({"passes", "--elements", test::stationFolder(), "--lat", "48", "--lon", "2", "--start",
                         "2026-06-27T00:00:00Z", "--format", "xml"})
                  .status,
              2);
}

} // namespace
} // namespace orvanta::orbit
