#pragma once

#include "orbit/julian_date.h"

#include <cstdint>

// The station's instants are OLE Automation dates in UTC (days since
// 1899-12-30 00:00, time of day as the fraction); the orbit engine works in
// split Julian dates. These are the conversions between the two and the
// calendar.
namespace orvanta::orbit {

// Julian date of the OLE origin, 1899-12-30 00:00 UTC.
inline constexpr double kOleOriginJulianDate = 2415018.5;
inline constexpr double kSecondsPerDay = 86400.0;

struct CalendarInstant {
    int year = 0;
    int month = 0;  // 1 to 12
    int day = 0;    // 1 to 31
    int hour = 0;
    int minute = 0;
    double second = 0; // 0 <= second < 60
};

// Days from 1899-12-30 to the given Gregorian date (negative before it).
std::int64_t daysSinceOleOrigin(int year, int month, int day);
bool isValidDate(int year, int month, int day);

// An OLE date as a split Julian date. Negative OLE dates keep the format's
// own rule: the whole part counts days back, the fraction is still the time
// of day (-1.25 is 1899-12-29 06:00).
JulianDate julianFromOle(double oleDate);
double oleFromJulian(const JulianDate &instant);

// The single-number Julian date of an OLE date (the component's datetimetojt).
double julianDayNumberFromOle(double oleDate);
// A single-number Julian date split again, the fraction counted from midnight.
JulianDate splitJulianDate(double julianDate);

// The instant of calendar fields (the seconds may carry a fraction).
JulianDate julianFromCalendar(const CalendarInstant &calendar);

// Whole seconds since the OLE origin: the pass list compares instants to the second.
std::int64_t wholeSecondsFromJulian(const JulianDate &instant);
std::int64_t wholeSecondsFromOle(double oleDate);
CalendarInstant calendarFromWholeSeconds(std::int64_t secondsSinceOleOrigin);

// Milliseconds since the OLE origin, rounded to the nearest.
std::int64_t roundedToMilliseconds(const JulianDate &instant);
CalendarInstant calendarFromMilliseconds(std::int64_t millisecondsSinceOleOrigin);

} // namespace orvanta::orbit
