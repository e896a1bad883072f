#pragma once

#include "orbit/julian_date.h"

#include <optional>
#include <string>

namespace orvanta::orbit {

// One satellite's mean elements as published in a two-line element set.
struct ElementSet {
    std::string name;          // as cleanSatelliteName keeps it; the catalogue number when there is no name line
    std::string catalogNumber; // columns 3-7 of line 1, as written ("07530", "A0123"); at least five digits from OMM
    long catalogId = 0;        // the catalogue number itself: 7530, 100123 for Alpha-5 "A0123"
    JulianDate epoch;          // UTC
    double meanMotionDot = 0;  // rev/day^2, as written (half the first derivative)
    double meanMotionDdot = 0; // rev/day^3, as written (a sixth of the second derivative)
    double bstar = 0;          // drag term, 1/earth radii
    double inclinationDeg = 0;
    double raanDeg = 0;
    double eccentricity = 0;
    double argPerigeeDeg = 0;
    double meanAnomalyDeg = 0;
    double meanMotionRevPerDay = 0;
    long revolutionNumber = 0;
};

// Parses one set. Lines may carry trailing blanks or a carriage return; line 2
// may carry more text after column 69 only when the caller has cut it off.
// On failure returns std::nullopt and, when reason is given, says why (line
// number, length, checksum or the field that does not read).
std::optional<ElementSet> parseElementSet(const std::string &name, const std::string &line1,
                                          const std::string &line2, std::string *reason);

// The verification sets include hand-made cases whose checksums were never
// updated: their run reads them with the checksums ignored.
enum class ChecksumPolicy { Verify, Ignore };
std::optional<ElementSet> parseElementSet(const std::string &name, const std::string &line1,
                                          const std::string &line2, std::string *reason, ChecksumPolicy checksums);

// The catalogue number of a two-line set's columns 3-7: five digits, or
// the Alpha-5 form (a letter for the two leading digits, 10 to 33, skipping I
// and O) for 100000 to 339999. Leading blanks read as zeros.
std::optional<long> readCatalogNumber(const std::string &columns3to7);

// The name as it is kept: blanks trimmed at both ends; ',', '"' and control
// characters (tab, ESC, BEL, DEL...) replaced by a blank.
std::string cleanSatelliteName(const std::string &rawName);

} // namespace orvanta::orbit
