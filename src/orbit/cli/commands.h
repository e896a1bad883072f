#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// The command-line predictor: passes, look, verify and propagate. The update
// command downloads with Qt, so it is run from the data library.
namespace orvanta::orbit::cli {

// Runs one command line (the arguments after the program's name). Returns
// the exit status: 0 done, 1 nothing could be computed, 2 bad arguments
// (the usage is then written on err).
int runOrbitCommand(const std::vector<std::string> &arguments, std::ostream &out, std::ostream &err);

// The usage text of every command, update included.
std::string orbitUsage();

} // namespace orvanta::orbit::cli
