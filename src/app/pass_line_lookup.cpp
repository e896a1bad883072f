#include "app/pass_line_lookup.h"

#include "orbit/pass_entry.h"
#include "orbit/utc_time.h"

#include <cmath>

namespace orvanta {

namespace {

constexpr int kBlanksBeforeName = 24;
// "  HH:MM:SS      HH:MM:SS": where the acquisition and loss times sit.
constexpr std::size_t kAosAt = 2;
constexpr std::size_t kLosAt = 16;
constexpr std::size_t kTimeLength = 8;

std::optional<int> timeAt(std::string_view line, std::size_t at)
{
    if (line.size() < at + kTimeLength)
        return std::nullopt;
    const auto seconds = orbit::Heure_Vers_Secondes(line.substr(at, kTimeLength));
    if (!seconds)
        return std::nullopt;
    return int(*seconds);
}

int secondOfDay(const orbit::JulianDate &instant)
{
    const std::int64_t seconds = orbit::wholeSecondsFromJulian(instant) % 86400;
    return int(seconds < 0 ? seconds + 86400 : seconds);
}

} // namespace

std::string passLineName(std::string_view line)
{
    int blanks = 0;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] == ' ' && ++blanks == kBlanksBeforeName)
            return std::string(line.substr(i + 1));
    }
    return std::string();
}

std::optional<orbit::PredictedPass> passForLine(orbit::Satellites &satellites, std::string_view line,
                                                double nowOle, double minElevationDeg)
{
    const std::string name = passLineName(line);
    const auto aos = timeAt(line, kAosAt);
    const auto los = timeAt(line, kLosAt);
    if (name.empty() || !aos || !los || !satellites.holds(name) || !std::isfinite(nowOle))
        return std::nullopt;
    // The tick's own window of a day from now, read the same way.
    const orbit::JulianDate now = orbit::julianFromOle(nowOle);
    for (const orbit::PredictedPass &pass : satellites.passes(name, now, 1.0, minElevationDeg, 0.0)) {
        if (secondOfDay(pass.aos) == *aos && secondOfDay(pass.los) == *los)
            return pass;
    }
    return std::nullopt;
}

} // namespace orvanta
