#include "orbit/horizon_text.h"

#include <charconv>
#include <optional>

namespace orvanta::orbit {

namespace {

bool blank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

bool separator(char c)
{
    return blank(c) || c == ';';
}

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

// A sign, digits and at most one point, nothing else.
std::optional<double> number(std::string_view text)
{
    std::string plain;
    int digits = 0;
    bool point = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (i == 0 && (c == '+' || c == '-')) {
            if (c == '-')
                plain.push_back('-');
        } else if (c >= '0' && c <= '9') {
            plain.push_back(c);
            ++digits;
        } else if (c == '.' && !point) {
            point = true;
            plain.push_back('.');
        } else {
            return std::nullopt;
        }
    }
    if (digits == 0)
        return std::nullopt;
    // A digit on each side of the point ("128." and ".5").
    if (const std::size_t at = plain.find('.'); at != std::string::npos) {
        if (at + 1 == plain.size())
            plain.push_back('0');
        if (at == 0 || plain[at - 1] == '-')
            plain.insert(at, 1, '0');
    }
    double value = 0;
    const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (error != std::errc() || end != plain.data() + plain.size())
        return std::nullopt;
    return value;
}

std::vector<std::string_view> fields(std::string_view line)
{
    std::vector<std::string_view> found;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && separator(line[i]))
            ++i;
        const std::size_t start = i;
        while (i < line.size() && !separator(line[i]))
            ++i;
        if (i > start)
            found.push_back(line.substr(start, i - start));
    }
    return found;
}

} // namespace

HorizonText readHorizonText(std::string_view text)
{
    HorizonText result;
    std::vector<HorizonPoint> points;
    int lineNumber = 0;
    std::size_t pos = 0;
    while (pos < text.size()) {
        ++lineNumber;
        std::size_t end = pos;
        while (end < text.size() && text[end] != '\n' && text[end] != '\r')
            ++end;
        std::string_view line = text.substr(pos, end - pos);
        pos = end;
        if (pos < text.size()) {
            if (text[pos] == '\r' && pos + 1 < text.size() && text[pos + 1] == '\n')
                ++pos;
            ++pos;
        }
        if (const std::size_t hash = line.find('#'); hash != std::string_view::npos)
            line = line.substr(0, hash);
        const std::vector<std::string_view> parts = fields(line);
        if (parts.empty())
            continue;
        const std::optional<double> azimuth = number(parts[0]);
        const std::optional<double> elevation = parts.size() > 1 ? number(parts[1]) : std::nullopt;
        if (parts.size() != 2 || !azimuth || !elevation) {
            result.problems.push_back({lineNumber, HorizonLineProblem::Kind::NotTwoNumbers, std::string(trimmed(line))});
            continue;
        }
        if (*azimuth < 0 || *azimuth > 360) {
            result.problems.push_back({lineNumber, HorizonLineProblem::Kind::AzimuthOutOfRange, std::string(parts[0])});
            continue;
        }
        if (*elevation < 0 || *elevation > 90) {
            result.problems.push_back({lineNumber, HorizonLineProblem::Kind::ElevationOutOfRange, std::string(parts[1])});
            continue;
        }
        points.push_back({*azimuth, *elevation});
    }
    result.mask = HorizonMask(std::move(points));
    return result;
}

} // namespace orvanta::orbit
