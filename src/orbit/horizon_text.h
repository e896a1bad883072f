#pragma once

#include "orbit/horizon_mask.h"

#include <string>
#include <string_view>
#include <vector>

namespace orvanta::orbit {

// A line of a horizon text that cannot be used, as a value: its number
// (from 1), why, and the text in question (the line, or the field).
struct HorizonLineProblem {
    enum class Kind { NotTwoNumbers, AzimuthOutOfRange, ElevationOutOfRange };
    int line = 0;
    Kind kind = Kind::NotTwoNumbers;
    std::string text;
};

struct HorizonText {
    HorizonMask mask;
    std::vector<HorizonLineProblem> problems;
};

// The text of a horizon file: one point a line, the azimuth (0 to 360) and
// the minimum elevation (0 to 90) in degrees, separated by blanks, a tab or a
// semicolon; '#' starts a comment. Numbers are read with a point whatever
// the locale. A line that cannot be used is left out and said; the other
// points still count.
HorizonText readHorizonText(std::string_view text);

} // namespace orvanta::orbit
