#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orvanta::orbit {

// The lines of a text file written on any system: a UTF-8 byte-order mark at
// the start is dropped (Windows editors write one), and CR, LF, CR LF and
// LF CR all end a line. The line ends are not kept.
std::vector<std::string> textLines(const std::string &text);

// Whether a line holds nothing but blanks and tabs.
bool isBlankLine(std::string_view line);

} // namespace orvanta::orbit
