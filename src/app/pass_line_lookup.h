#pragma once

#include "orbit/satellites.h"

#include <optional>
#include <string>
#include <string_view>

// From a line of the pass lists (Sat_Visibles, Detail_Pass) back to the
// pass the orbital component predicted.
namespace orvanta {

// The satellite name of a pass line: the text after its 24th blank (the
// line has exactly 24 blanks before the name). Empty when there are fewer.
std::string passLineName(std::string_view line);

// The pass a line describes: the pass of its satellite in progress at now or
// to come within a day whose acquisition and loss fall on the line's times
// (to the second, UTC). now and minElevationDeg must be those of the tick
// that wrote the line, or a later instant. Nothing when the line cannot be
// read, names no known satellite, or its pass is over.
std::optional<orbit::PredictedPass> passForLine(orbit::Satellites &satellites, std::string_view line,
                                                const orbit::JulianDate &now, double minElevationDeg);

} // namespace orvanta
