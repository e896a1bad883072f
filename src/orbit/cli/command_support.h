#pragma once

#include "orbit/cli/options.h"
#include "orbit/element_files.h"
#include "orbit/julian_date.h"
#include "orbit/satellites.h"

#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// What every command of the predictor does the same way: its exit statuses,
// its messages on err, reading the elements and naming the satellites.
namespace orvanta::orbit::cli {

inline constexpr int kFailed = 1;
inline constexpr int kBadArguments = 2;

// Says why on err, then the usage; returns kBadArguments.
int badArguments(std::ostream &err, const std::string &why);

// One line per file problem: "FILE:LINE : why", "FILE, objet N : why" or "FILE : why".
void reportProblems(const std::vector<ElementFileProblem> &problems, std::ostream &err);

// The elements of path for a station; nothing, after saying why, when no satellite can be used.
std::unique_ptr<Satellites> readSatellites(const std::string &path, double latitude, double longitude, double height,
                                           std::ostream &err);

// The satellites named by --sat (name or catalogue number, each once), or
// all of them; nothing after a usage message (*status set) for one not held.
std::optional<std::vector<std::string>> satelliteNames(const Options &options, const Satellites &satellites,
                                                       std::ostream &err, int *status);

// --threads N: the threads that share the work, all the cores when absent.
std::optional<unsigned> threadsOption(Options &options);

// An instant option, or nothing after a usage message (*status set).
std::optional<JulianDate> instantOption(const Options &options, const std::string &key, const char *form,
                                        std::ostream &err, int *status);

} // namespace orvanta::orbit::cli
