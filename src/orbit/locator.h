#pragma once

#include <optional>
#include <string>
#include <string_view>

// Maidenhead locators, as radio amateurs give their stations: a field of
// 20 x 10 degrees (letters A-R), a square of 2 x 1 degrees (digits), a
// subsquare of 5 x 2.5 minutes (letters a-x) and an extended square of a
// tenth of that (digits).
namespace orvanta::orbit {

// The square a locator names, in degrees (east and north positive).
struct LocatorSquare {
    double westDeg = 0, southDeg = 0;
    double widthDeg = 0, heightDeg = 0;
    double centreLongitudeDeg() const { return westDeg + widthDeg / 2; }
    double centreLatitudeDeg() const { return southDeg + heightDeg / 2; }
};

// The locator of 4, 6 or 8 characters of a point (field letters in
// capitals, subsquare letters in lower case: "JN18eu"). The longitude may
// be given in any turn; the north pole falls in the northernmost squares.
// Empty for a latitude outside -90 to 90, a value that is not finite, or
// another length.
std::string locatorFromPosition(double latitudeDeg, double longitudeDeg, int characters = 6);

// The square of a locator of 2, 4, 6 or 8 characters, in either case.
// Nothing for any other text.
std::optional<LocatorSquare> squareOfLocator(std::string_view locator);

} // namespace orvanta::orbit
