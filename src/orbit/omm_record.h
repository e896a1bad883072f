#pragma once

#include "orbit/element_set.h"
#include "orbit/omm_readers.h"

#include <optional>
#include <string>
#include <string_view>

// The fields of one Orbit Mean-elements Message (OMM) record, as CelesTrak
// writes them in CSV, JSON and XML, and the element set they make.
namespace orvanta::orbit {

// A field's value: JSON gives numbers as numbers, CSV and XML as text.
struct OmmValue {
    std::string_view text;
    double number = 0;
    bool isNumber = false;
};

class OmmRecord {
public:
    virtual ~OmmRecord() = default;
    // The field of that key, or nothing when the record lacks it.
    virtual std::optional<OmmValue> field(std::string_view key) const = 0;
};

// Catalogue numbers run from 1 to nine digits.
inline constexpr long kLargestCatalogNumber = 999'999'999;

// Hands the set of a record to the sink, or else the reason naming the field
// that is missing or out of range ("« ISS (ZARYA) » : EPOCH illisible (« hier »)").
void readOmmRecord(const OmmRecord &record, RecordPlace place, ElementSink &sink);

// The fields every record must carry: a CSV header lacking one is refused whole.
inline constexpr std::string_view kRequiredOmmFields[] = {"EPOCH",          "MEAN_MOTION",       "ECCENTRICITY",
                                                          "INCLINATION",    "RA_OF_ASC_NODE",    "ARG_OF_PERICENTER",
                                                          "MEAN_ANOMALY",   "NORAD_CAT_ID"};

} // namespace orvanta::orbit
