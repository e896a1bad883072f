#include "orbit/utc_time.h"

#include <cmath>

namespace orvanta::orbit {

namespace {

// Day number (noon-based Julian day) of 1899-12-30.
constexpr std::int64_t kOleOriginDayNumber = 2415019;
constexpr std::int64_t kMillisecondsPerDay = 86400000;

// Gregorian calendar to day number, with the year counted from March so the
// leap day falls at the end of it.
std::int64_t dayNumberFromDate(int year, int month, int day)
{
    const std::int64_t beforeMarch = month <= 2 ? 1 : 0;
    const std::int64_t y = year + 4800 - beforeMarch;
    const std::int64_t m = month + 12 * beforeMarch - 3;
    return day + (153 * m + 2) / 5 + 365 * y + y / 4 - y / 100 + y / 400 - 32045;
}

void dateFromDayNumber(std::int64_t dayNumber, CalendarInstant &out)
{
    const std::int64_t a = dayNumber + 32044;
    const std::int64_t centuries = (4 * a + 3) / 146097;
    const std::int64_t dayOfCentury = a - 146097 * centuries / 4;
    const std::int64_t years = (4 * dayOfCentury + 3) / 1461;
    const std::int64_t dayOfYear = dayOfCentury - 1461 * years / 4;
    const std::int64_t monthFromMarch = (5 * dayOfYear + 2) / 153;
    out.day = int(dayOfYear - (153 * monthFromMarch + 2) / 5 + 1);
    out.month = int(monthFromMarch + 3 - 12 * (monthFromMarch / 10));
    out.year = int(100 * centuries + years - 4800 + monthFromMarch / 10);
}

std::int64_t floorDiv(std::int64_t value, std::int64_t divisor)
{
    std::int64_t quotient = value / divisor;
    if (value % divisor != 0 && value < 0)
        --quotient;
    return quotient;
}

// Days since the OLE origin as whole days and a fraction of a day in [0, 1).
struct SplitDays {
    double whole = 0;
    double fraction = 0;
};

SplitDays daysSinceOrigin(const JulianDate &instant)
{
    const double offset = instant.day - kOleOriginJulianDate; // exact: whole or half days
    const double whole = std::floor(offset + instant.fraction);
    double fraction = (offset - whole) + instant.fraction;
    if (fraction < 0)
        fraction = 0;
    return {whole, fraction};
}

} // namespace

std::int64_t daysSinceOleOrigin(int year, int month, int day)
{
    return dayNumberFromDate(year, month, day) - kOleOriginDayNumber;
}

bool isValidDate(int year, int month, int day)
{
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1)
        return false;
    CalendarInstant back;
    dateFromDayNumber(dayNumberFromDate(year, month, day), back);
    return back.year == year && back.month == month && back.day == day;
}

JulianDate julianFromOle(double oleDate)
{
    double days = oleDate;
    if (oleDate < 0) {
        const double whole = std::trunc(oleDate);
        days = whole + (whole - oleDate);
    }
    const double whole = std::floor(days);
    return {kOleOriginJulianDate + whole, days - whole};
}

double oleFromJulian(const JulianDate &instant)
{
    const SplitDays days = daysSinceOrigin(instant);
    return days.whole >= 0 ? days.whole + days.fraction : days.whole - days.fraction;
}

double julianDayNumberFromOle(double oleDate)
{
    const JulianDate instant = julianFromOle(oleDate);
    return instant.day + instant.fraction;
}

JulianDate splitJulianDate(double julianDate)
{
    const double midnight = std::floor(julianDate - 0.5) + 0.5;
    return {midnight, julianDate - midnight};
}

JulianDate julianFromCalendar(const CalendarInstant &calendar)
{
    const double secondsOfDay = calendar.hour * 3600.0 + calendar.minute * 60.0 + calendar.second;
    const JulianDate midnight{kOleOriginJulianDate + double(daysSinceOleOrigin(calendar.year, calendar.month, calendar.day)), 0.0};
    return midnight.plusMinutes(secondsOfDay / 60.0);
}

std::int64_t wholeSecondsFromJulian(const JulianDate &instant)
{
    const SplitDays days = daysSinceOrigin(instant);
    return std::int64_t(days.whole) * 86400 + std::llround(days.fraction * kSecondsPerDay);
}

std::int64_t wholeSecondsFromOle(double oleDate)
{
    return wholeSecondsFromJulian(julianFromOle(oleDate));
}

CalendarInstant calendarFromWholeSeconds(std::int64_t secondsSinceOleOrigin)
{
    return calendarFromMilliseconds(secondsSinceOleOrigin * 1000);
}

std::int64_t roundedToMilliseconds(const JulianDate &instant)
{
    const SplitDays days = daysSinceOrigin(instant);
    return std::int64_t(days.whole) * kMillisecondsPerDay + std::llround(days.fraction * double(kMillisecondsPerDay));
}

CalendarInstant calendarFromMilliseconds(std::int64_t millisecondsSinceOleOrigin)
{
    const std::int64_t days = floorDiv(millisecondsSinceOleOrigin, kMillisecondsPerDay);
    const std::int64_t ofDay = millisecondsSinceOleOrigin - days * kMillisecondsPerDay;
    CalendarInstant out;
    dateFromDayNumber(days + kOleOriginDayNumber, out);
    out.hour = int(ofDay / 3600000);
    out.minute = int(ofDay / 60000 % 60);
    out.second = double(ofDay % 60000) / 1000.0;
    return out;
}

} // namespace orvanta::orbit
