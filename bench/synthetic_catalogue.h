#pragma once

#include <string>

namespace orvanta::bench {

// A file of count element sets made from the demo station's real sets, each
// copy turned to another node and another place on its orbit, so that the
// passes of a large catalogue spread over the day. The file is written once
// per count in the temporary folder and its path returned.
std::string syntheticCatalogue(int count);

// The name of the i-th satellite of such a catalogue.
std::string syntheticName(int index);

} // namespace orvanta::bench
