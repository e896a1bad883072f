#include "orbit/cli/iso_time.h"

#include "orbit/text_format.h"
#include "orbit/utc_time.h"

#include <cmath>

namespace orvanta::orbit::cli {

namespace {

// Digits at position; moves past them. Nothing unless exactly count digits are there.
std::optional<int> digits(std::string_view text, std::size_t &position, std::size_t count)
{
    if (position + count > text.size())
        return std::nullopt;
    int value = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const char c = text[position + i];
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    position += count;
    return value;
}

bool expect(std::string_view text, std::size_t &position, char wanted)
{
    if (position >= text.size() || text[position] != wanted)
        return false;
    ++position;
    return true;
}

} // namespace

std::optional<JulianDate> parseIsoInstant(std::string_view text)
{
    std::size_t at = 0;
    const auto year = digits(text, at, 4);
    if (!year || !expect(text, at, '-'))
        return std::nullopt;
    const auto month = digits(text, at, 2);
    if (!month || !expect(text, at, '-'))
        return std::nullopt;
    const auto day = digits(text, at, 2);
    if (!day || !expect(text, at, 'T'))
        return std::nullopt;
    const auto hour = digits(text, at, 2);
    if (!hour || !expect(text, at, ':'))
        return std::nullopt;
    const auto minute = digits(text, at, 2);
    if (!minute || !expect(text, at, ':'))
        return std::nullopt;
    const auto second = digits(text, at, 2);
    if (!second)
        return std::nullopt;
    double fraction = 0;
    if (at < text.size() && text[at] == '.') {
        ++at;
        double scale = 0.1;
        const std::size_t first = at;
        while (at < text.size() && text[at] >= '0' && text[at] <= '9' && at - first < 9) {
            fraction += (text[at] - '0') * scale;
            scale /= 10;
            ++at;
        }
        if (at == first)
            return std::nullopt;
    }
    if (!expect(text, at, 'Z') || at != text.size())
        return std::nullopt;
    if (!isValidDate(*year, *month, *day) || *hour > 23 || *minute > 59 || *second > 59)
        return std::nullopt;
    return julianFromCalendar({*year, *month, *day, *hour, *minute, *second + fraction});
}

std::string isoInstantText(const JulianDate &instant)
{
    const CalendarInstant at = calendarFromMilliseconds(roundedToMilliseconds(instant));
    const long long milliseconds = std::llround(at.second * 1000.0);
    std::string millisecondText = std::to_string(milliseconds % 1000);
    millisecondText.insert(0, 3 - millisecondText.size(), '0');
    std::string yearText = std::to_string(at.year);
    yearText.insert(0, yearText.size() < 4 ? 4 - yearText.size() : 0, '0');
    return yearText + "-" + twoDigitText(at.month) + "-" + twoDigitText(at.day) + "T" + twoDigitText(at.hour) + ":" +
           twoDigitText(at.minute) + ":" + twoDigitText(int(milliseconds / 1000)) + "." + millisecondText + "Z";
}

} // namespace orvanta::orbit::cli
