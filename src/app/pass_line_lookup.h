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

// The pass a line describes: the pass of its satellite in progress at nowOle
// or to come within a day whose acquisition and loss fall on the line's times
// (to the second, UTC). Nothing when the line cannot be read, names no known
// satellite, or its pass is over.
//
// nowOle and minElevationDeg are to be exactly the start and minimum
// elevation the tick gave PassListForPeriod (or a later instant): the
// component then answers from the passes it holds. An earlier instant or
// another elevation makes it search a whole day again.
std::optional<orbit::PredictedPass> passForLine(orbit::Satellites &satellites, std::string_view line, double nowOle,
                                                double minElevationDeg);

} // namespace orvanta
