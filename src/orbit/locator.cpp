#include "orbit/locator.h"

#include <algorithm>
#include <cmath>

namespace orvanta::orbit {

namespace {

// Cells of the finest grid (the extended square) per degree.
constexpr long kLongitudeCellsPerDeg = 120; // 2 degrees / 24 / 10
constexpr long kLatitudeCellsPerDeg = 240;  // 1 degree / 24 / 10
// Each level's size in cells of the finest grid, and how many of it the level above holds.
struct Level {
    long longitudeCells, latitudeCells;
    long count;
    char first;
};
constexpr Level kLevels[] = {
    {2400, 2400, 18, 'A'}, // field
    {240, 240, 10, '0'},   // square
    {10, 10, 24, 'a'},     // subsquare
    {1, 1, 10, '0'},       // extended square
};

// The index of a locator character at a level, or -1 when it does not belong there.
long indexOf(char c, const Level &level)
{
    long index = -1;
    if (level.first == '0')
        index = c >= '0' && c <= '9' ? c - '0' : -1;
    else if (c >= 'a' && c <= 'z')
        index = c - 'a';
    else if (c >= 'A' && c <= 'Z')
        index = c - 'A';
    return index < level.count ? index : -1;
}

} // namespace

std::string locatorFromPosition(double latitudeDeg, double longitudeDeg, int characters)
{
    if (!std::isfinite(latitudeDeg) || !std::isfinite(longitudeDeg) || latitudeDeg < -90 || latitudeDeg > 90 ||
        (characters != 4 && characters != 6 && characters != 8))
        return {};
    const double turned = std::fmod(longitudeDeg + 180.0, 360.0);
    double east = turned < 0 ? turned + 360.0 : turned;
    if (east >= 360.0) // a tiny negative turn rounded up to a whole one
        east = 0.0;
    // One product and one floor per axis, so a point and its locator agree to the last bit.
    long x = long(std::floor(east * kLongitudeCellsPerDeg));
    long y = long(std::floor((latitudeDeg + 90.0) * kLatitudeCellsPerDeg));
    x = std::min(x, 360L * kLongitudeCellsPerDeg - 1);
    y = std::min(y, 180L * kLatitudeCellsPerDeg - 1); // the north pole itself
    std::string text;
    for (int level = 0; level < characters / 2; ++level) {
        const Level &l = kLevels[level];
        text += char(l.first + (x / l.longitudeCells) % l.count);
        text += char(l.first + (y / l.latitudeCells) % l.count);
    }
    return text;
}

std::optional<LocatorSquare> squareOfLocator(std::string_view locator)
{
    if (locator.empty() || locator.size() % 2 != 0 || locator.size() > 8)
        return std::nullopt;
    long x = 0, y = 0;
    const std::size_t levels = locator.size() / 2;
    for (std::size_t level = 0; level < levels; ++level) {
        const Level &l = kLevels[level];
        const long east = indexOf(locator[2 * level], l), north = indexOf(locator[2 * level + 1], l);
        if (east < 0 || north < 0)
            return std::nullopt;
        x += east * l.longitudeCells;
        y += north * l.latitudeCells;
    }
    const Level &last = kLevels[levels - 1];
    LocatorSquare square;
    square.westDeg = double(x) / kLongitudeCellsPerDeg - 180.0;
    square.southDeg = double(y) / kLatitudeCellsPerDeg - 90.0;
    square.widthDeg = double(last.longitudeCells) / kLongitudeCellsPerDeg;
    square.heightDeg = double(last.latitudeCells) / kLatitudeCellsPerDeg;
    return square;
}

} // namespace orvanta::orbit
