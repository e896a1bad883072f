#pragma once

#include "orbit/julian_date.h"

#include <optional>
#include <string>
#include <string_view>

// UTC instants on the command line: YYYY-MM-DDTHH:MM:SSZ, with an optional
// fraction of a second before the Z.
namespace orvanta::orbit::cli {

std::optional<JulianDate> parseIsoInstant(std::string_view text);
// YYYY-MM-DDTHH:MM:SS.sssZ, rounded to the millisecond.
std::string isoInstantText(const JulianDate &instant);

} // namespace orvanta::orbit::cli
