#pragma once

#include <QString>

#include <optional>

// Number texts shared by every part of the station. Numbers always use "."
// as the decimal separator, whatever the user's locale.
namespace orvanta {

// Character check of the dialogs: true when every character is a digit or
// ".". An empty text passes; it does not check that the text is one number.
bool Verif_Numerique(const QString &text);

// The number at the start of a text: optional sign, digits and at most one
// point; blanks are skipped and reading stops at any other character. An
// empty text (or one with no digit) reads as 0: "1.2.3" gives 1.2, "400x" 400.
double leadingNumber(const QString &text);

// The whole text (blanks around it ignored) as one decimal number: optional
// sign, digits, at most one point, at least one digit. "128." and ".5" are
// numbers; "", "1.2.3", "12a", "1e3" and "2,35" are not.
std::optional<double> parseNumber(const QString &text);

// Shortest decimal text that reads back to the same single-precision value,
// with at most 7 significant digits and never an exponent: 270, 0.1, 48.85.
QString shortestText(float value);
// The same for a double (up to 17 significant digits): 145.8, 437.025.
QString shortestText(double value);

// Fixed decimals, halves away from zero, as the displays show numbers:
// formatFixed(145.8, 3) is "145.800", formatFixed(359.6, 0) is "360".
// Without the leading zero, formatFixed(0.5, 3, false) is ".500".
QString formatFixed(double value, int decimals, bool leadingZero = true);

// The default number-to-text form: up to 15 significant digits, no trailing
// zeros, so rounding noise such as -1.50000000002137 shows.
QString defaultNumberText(double value);

// Rounding of values sent to devices: halves to the even neighbour
// (122.5 gives 122, 123.5 gives 124).
double roundHalfEven(double value);
// Rounding of values shown: halves away from zero, to the given decimals,
// decided on the number's shortest decimal text (2.675 gives 2.68).
double roundHalfAway(double value, int decimals = 0);

// "hh:mm:ss", two digits each, from seconds since midnight (0 to 86399).
QString formatHms(int secondsOfDay);

} // namespace orvanta
