#include "orbit/pass_entry.h"

#include "orbit/text_format.h"
#include "orbit/utc_time.h"

#include <charconv>
#include <cmath>

namespace orvanta::orbit {

namespace {

constexpr int kCenturyPivot = 57; // two-digit years from 57 are 19xx, as in element sets

std::optional<int> twoDigits(std::string_view text, std::size_t position)
{
    if (position + 2 > text.size())
        return std::nullopt;
    const char tens = text[position], units = text[position + 1];
    if (tens < '0' || tens > '9' || units < '0' || units > '9')
        return std::nullopt;
    return (tens - '0') * 10 + (units - '0');
}

std::optional<double> number(std::string_view text)
{
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

// The next blank-ended field of text from position; moves position past the blank.
std::optional<std::string_view> nextField(std::string_view text, std::size_t &position)
{
    const std::size_t blank = text.find(' ', position);
    if (blank == std::string_view::npos)
        return std::nullopt;
    const std::string_view field = text.substr(position, blank - position);
    position = blank + 1;
    return field;
}

// "00" followed by the rounded value, last two characters (5 gives 05, 45 gives 45).
std::string twoCharacterDegrees(double value)
{
    const std::string text = "00" + std::to_string(std::int64_t(std::nearbyint(value)));
    return text.substr(text.size() - 2);
}

std::string timeOfDay(std::int64_t secondsSinceOrigin)
{
    std::int64_t ofDay = secondsSinceOrigin % 86400;
    if (ofDay < 0)
        ofDay += 86400;
    return Secondes_Vers_Heure(int(ofDay));
}

} // namespace

std::string formatPassEntry(const PassEntry &entry)
{
    const CalendarInstant at = calendarFromWholeSeconds(entry.aosSecond);
    std::string text = twoDigitText(at.day) + "/" + twoDigitText(at.month) + "/" + twoDigitText(at.year % 100) + " " +
                       twoDigitText(at.hour) + twoDigitText(at.minute) + twoDigitText(int(at.second)) + " ";
    text += entry.direction;
    text += ' ';
    text += std::to_string(entry.aosAzimuthDeg) + " " + fixedText(entry.maxElevationDeg, 2) + " " +
            std::to_string(entry.durationSeconds) + " " + entry.name + " ";
    return text;
}

std::optional<PassFields> Decode_Passage(std::string_view entry)
{
    if (entry.size() < 20)
        return std::nullopt;
    const std::string_view body = entry.substr(0, entry.size() - 1); // the final character is never part of the name
    const auto day = twoDigits(body, 0), month = twoDigits(body, 3), year = twoDigits(body, 6);
    const auto hour = twoDigits(body, 9), minute = twoDigits(body, 11), second = twoDigits(body, 13);
    if (!day || !month || !year || !hour || !minute || !second || body[2] != '/' || body[5] != '/')
        return std::nullopt;
    const int fullYear = *year < kCenturyPivot ? 2000 + *year : 1900 + *year;
    if (!isValidDate(fullYear, *month, *day) || *hour > 23 || *minute > 59 || *second > 59)
        return std::nullopt;

    std::size_t position = 18;
    const auto azimuth = nextField(body, position);
    const auto elevation = nextField(body, position);
    const auto duration = nextField(body, position);
    if (!azimuth || !elevation || !duration || position >= body.size())
        return std::nullopt;
    const auto elevationValue = number(*elevation);
    const auto durationValue = number(*duration);
    // A maximum elevation beyond the zenith is no pass (and would not round to a whole number).
    if (!elevationValue || std::fabs(*elevationValue) > 90 || !durationValue || *durationValue < 0 ||
        *durationValue > 1e9)
        return std::nullopt;

    PassFields fields;
    fields.aosSecond = daysSinceOleOrigin(fullYear, *month, *day) * 86400 + *hour * 3600 + *minute * 60 + *second;
    fields.losSecond = fields.aosSecond + std::int64_t(std::nearbyint(*durationValue));
    fields.Pass_AOS = twoDigitText(*hour) + ":" + twoDigitText(*minute) + ":" + twoDigitText(*second);
    fields.Pass_LOS = timeOfDay(fields.losSecond);
    fields.Pass_ElMax = twoCharacterDegrees(*elevationValue);
    fields.Pass_Dir = std::string(1, body[16]);
    fields.Pass_Duree = std::string(*duration);
    fields.Pass_Nom = std::string(body.substr(position));
    return fields;
}

PassFields passFieldsOf(const PassEntry &entry)
{
    PassFields fields;
    fields.aosSecond = entry.aosSecond;
    fields.losSecond = entry.aosSecond + entry.durationSeconds;
    fields.Pass_AOS = timeOfDay(fields.aosSecond);
    fields.Pass_LOS = timeOfDay(fields.losSecond);
    // The whole degrees shown are those of the two decimals the entry carries.
    fields.Pass_ElMax = twoCharacterDegrees(number(fixedText(entry.maxElevationDeg, 2)).value_or(0.0));
    fields.Pass_Dir = std::string(1, entry.direction);
    fields.Pass_Duree = std::to_string(entry.durationSeconds);
    fields.Pass_Nom = entry.name;
    return fields;
}

std::optional<float> Heure_Vers_Secondes(std::string_view time)
{
    int parts[3] = {0, 0, 0};
    int count = 0;
    std::size_t position = 0;
    while (count < 3) {
        std::size_t digits = 0;
        int value = 0;
        while (position < time.size() && digits < 2 && time[position] >= '0' && time[position] <= '9') {
            value = value * 10 + (time[position] - '0');
            ++position;
            ++digits;
        }
        if (digits == 0)
            return std::nullopt;
        parts[count++] = value;
        if (position == time.size())
            break;
        if (time[position] != ':')
            return std::nullopt;
        ++position;
    }
    if (count < 2 || position != time.size() || parts[0] > 23 || parts[1] > 59 || parts[2] > 59)
        return std::nullopt;
    return float(parts[0] * 3600 + parts[1] * 60 + parts[2]);
}

std::string Secondes_Vers_Heure(int seconds)
{
    return twoDigitText(seconds / 3600) + ":" + twoDigitText(seconds % 3600 / 60) + ":" + twoDigitText(seconds % 60);
}

} // namespace orvanta::orbit
