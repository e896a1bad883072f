#include "orbit/utc_time.h"

#include <gtest/gtest.h>

namespace orvanta::orbit {
namespace {

TEST(UtcTime, CalendarDaysFromTheOleOrigin)
{
    EXPECT_EQ(daysSinceOleOrigin(1899, 12, 30), 0);
    EXPECT_EQ(daysSinceOleOrigin(1900, 3, 1), 61);
    EXPECT_EQ(daysSinceOleOrigin(2000, 1, 1), 36526);
    EXPECT_EQ(daysSinceOleOrigin(2026, 6, 27), 46200);
    EXPECT_TRUE(isValidDate(2024, 2, 29));
    EXPECT_FALSE(isValidDate(2026, 2, 29));
    EXPECT_FALSE(isValidDate(1900, 2, 29));
    EXPECT_TRUE(isValidDate(2000, 2, 29));
    EXPECT_FALSE(isValidDate(2026, 4, 31));
    EXPECT_FALSE(isValidDate(2026, 13, 1));
}

TEST(UtcTime, OleDatesAsSplitJulianDates)
{
    const JulianDate origin = julianFromOle(0.0);
    EXPECT_EQ(origin.day, 2415018.5);
    EXPECT_EQ(origin.fraction, 0.0);

    const JulianDate noon = julianFromOle(46200.5);
    EXPECT_EQ(noon.day, 2461218.5);
    EXPECT_EQ(noon.fraction, 0.5);
    EXPECT_EQ(oleFromJulian(noon), 46200.5);
    EXPECT_EQ(julianDayNumberFromOle(46200.5), 2461219.0);

    // Before the origin the fraction is still the time of day: -1.25 is 1899-12-29 06:00.
    const JulianDate before = julianFromOle(-1.25);
    EXPECT_EQ(before.day, 2415017.5);
    EXPECT_DOUBLE_EQ(before.fraction, 0.25);
    EXPECT_DOUBLE_EQ(oleFromJulian(before), -1.25);
    EXPECT_EQ(oleFromJulian(julianFromOle(-3.0)), -3.0);
}

TEST(UtcTime, SplitAtMidnightFromASingleJulianDate)
{
    const JulianDate at = splitJulianDate(2461219.25);
    EXPECT_EQ(at.day, 2461218.5);
    EXPECT_DOUBLE_EQ(at.fraction, 0.75);
    const JulianDate midnight = splitJulianDate(2461218.5);
    EXPECT_EQ(midnight.day, 2461218.5);
    EXPECT_EQ(midnight.fraction, 0.0);
}

TEST(UtcTime, WholeSecondsAndMillisecondsRoundToTheNearest)
{
    const JulianDate lastMoment = julianFromCalendar({2026, 6, 27, 23, 59, 59.9996});
    const CalendarInstant shown = calendarFromMilliseconds(roundedToMilliseconds(lastMoment));
    EXPECT_EQ(shown.year, 2026);
    EXPECT_EQ(shown.month, 6);
    EXPECT_EQ(shown.day, 28);
    EXPECT_EQ(shown.hour, 0);
    EXPECT_EQ(shown.second, 0.0);

    const double ole = 46200.0 + (12 * 3600 + 34 * 60 + 56.4) / 86400.0;
    EXPECT_EQ(wholeSecondsFromOle(ole), 46200LL * 86400 + 12 * 3600 + 34 * 60 + 56);
    const CalendarInstant back = calendarFromWholeSeconds(wholeSecondsFromOle(ole));
    EXPECT_EQ(back.hour, 12);
    EXPECT_EQ(back.minute, 34);
    EXPECT_EQ(back.second, 56.0);

    const CalendarInstant beforeOrigin = calendarFromWholeSeconds(-1);
    EXPECT_EQ(beforeOrigin.year, 1899);
    EXPECT_EQ(beforeOrigin.day, 29);
    EXPECT_EQ(beforeOrigin.hour, 23);
}

TEST(UtcTime, CalendarInstantsKeepSubMillisecondResolution)
{
    const JulianDate a = julianFromCalendar({2026, 6, 27, 12, 0, 0.0});
    const JulianDate b = julianFromCalendar({2026, 6, 27, 12, 0, 0.001});
    EXPECT_NEAR(b.minutesSince(a) * 60.0, 0.001, 1e-9);
}

} // namespace
} // namespace orvanta::orbit
