#pragma once

#include <string>

namespace orvanta::bench {

// A file of count element sets made from the demo station's real sets, each
// copy a catalogue number of its own (10000 and up), turned to another node
// and another place on its orbit, so that the
// passes of a large catalogue spread over the day. The file is written once
// per count in the temporary folder and its path returned.
std::string syntheticCatalogue(int count);

// The same catalogue as CelesTrak writes it in OMM: format is "csv", "json" or "xml".
std::string syntheticOmmCatalogue(int count, const std::string &format);

// The name of the i-th satellite of such a catalogue.
std::string syntheticName(int index);

} // namespace orvanta::bench
