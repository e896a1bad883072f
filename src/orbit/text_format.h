#pragma once

#include <string>

// Number texts of the orbit engine's outputs: always "." as the decimal
// separator, whatever the locale the program runs in.
namespace orvanta::orbit {

// At least two digits: 7 gives "07", 45 gives "45".
std::string twoDigitText(int value);
// Fixed decimals, correctly rounded: fixedText(45.374, 2) is "45.37".
std::string fixedText(double value, int decimals);
// The shortest text that reads back to the same value: 48.85, 95, -0.5.
std::string shortestText(double value);
// The same without an exponent, for values below 1e15 in size: 100000, not 1e+05.
std::string plainText(double value);

} // namespace orvanta::orbit
