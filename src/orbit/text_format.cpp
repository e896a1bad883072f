#include "orbit/text_format.h"

#include <charconv>
#include <cmath>

namespace orvanta::orbit {

std::string twoDigitText(int value)
{
    std::string text = std::to_string(value);
    if (value >= 0 && value < 10)
        text.insert(text.begin(), '0');
    return text;
}

std::string fixedText(double value, int decimals)
{
    char buffer[400]; // room for any double in fixed form
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    std::string text(buffer, result.ptr);
    if (text.starts_with('-') && text.find_first_not_of("-0.") == std::string::npos)
        text.erase(0, 1); // no "-0.00"
    return text;
}

std::string shortestText(double value)
{
    char buffer[400]; // room for any double
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::string plainText(double value)
{
    if (!(std::fabs(value) < 1e15))
        return shortestText(value);
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    return std::string(buffer, result.ptr);
}

} // namespace orvanta::orbit
