#pragma once

#include "orbit/element_set.h"

#include <string>
#include <string_view>

// Readers of the three OMM encodings CelesTrak publishes. Each record that
// reads is handed over with where it stands; each that does not is reported
// with the field at fault, and the reading goes on with the next record.
namespace orvanta::orbit {

// Where a record stands: its line (CSV) or its rank among the file's
// objects, from 1 (JSON, XML). The other is 0.
struct RecordPlace {
    int line = 0;
    int record = 0;
};

class ElementSink {
public:
    virtual ~ElementSink() = default;
    virtual void add(ElementSet set, RecordPlace place) = 0;
    virtual void problem(RecordPlace place, std::string reason) = 0;
};

enum class ElementFormat { TwoLine, OmmCsv, OmmJson, OmmXml, OtherDocument };

// The encoding of a file, told from its first bytes and field names: a JSON
// or XML document, or a CSV header, that names OMM fields. A JSON or XML
// document that names none is another document; anything else is taken as
// two-line text.
ElementFormat elementFormatOf(std::string_view text);

// A header line naming the fields, then one record per line.
void readOmmCsv(std::string_view text, ElementSink &sink);
// An array of objects (or one object).
void readOmmJson(std::string_view text, ElementSink &sink);
// One <omm>, or an <ndm> holding many.
void readOmmXml(std::string_view text, ElementSink &sink);

} // namespace orvanta::orbit
