#include "orbit/cli/command_support.h"

#include "orbit/cli/cli_text.h"
#include "orbit/cli/commands.h"
#include "orbit/cli/iso_time.h"
#include "orbit/work_split.h"

#include <algorithm>
#include <ostream>

namespace orvanta::orbit::cli {

int badArguments(std::ostream &err, const std::string &why)
{
    err << "orvanta-orbit : " << why << "\n" << orbitUsage();
    return kBadArguments;
}

void reportProblems(const std::vector<ElementFileProblem> &problems, std::ostream &err)
{
    for (const ElementFileProblem &problem : problems) {
        err << "orvanta-orbit : ";
        if (!problem.file.empty())
            err << problem.file
                << (problem.line > 0     ? ":" + std::to_string(problem.line)
                    : problem.record > 0 ? ", " + problemPlace(problem)
                                         : std::string())
                << " : ";
        err << problem.reason << "\n";
    }
}

std::unique_ptr<Satellites> readSatellites(const std::string &path, double latitude, double longitude, double height,
                                           std::ostream &err)
{
    auto satellites = Init_Satellites(path, latitude, longitude, height);
    reportProblems(satellites->problems(), err);
    if (satellites->satcount() == 0) {
        err << "orvanta-orbit : " << fillIn(cliText("OrbitCommand", "aucun satellite utilisable dans %1"), {path})
            << "\n";
        return nullptr;
    }
    return satellites;
}

std::optional<std::vector<std::string>> satelliteNames(const Options &options, const Satellites &satellites,
                                                       std::ostream &err, int *status)
{
    if (!options.has("--sat"))
        return satellites.names();
    std::vector<std::string> names;
    for (const std::string &asked : options.all("--sat")) {
        const std::string name = satellites.nameOf(asked);
        if (name.empty()) {
            *status = badArguments(err, fillIn(cliText("OrbitCommand", "satellite absent des éléments : %1"), {asked}));
            return std::nullopt;
        }
        if (std::find(names.begin(), names.end(), name) == names.end())
            names.push_back(name);
    }
    return names;
}

std::optional<JulianDate> instantOption(const Options &options, const std::string &key, const char *form,
                                        std::ostream &err, int *status)
{
    const auto instant = parseIsoInstant(options.text(key));
    if (!instant)
        *status = badArguments(err, fillIn(cliText("OrbitCommand", "%1 : instant attendu sous la forme %2, pas « %3 »"),
                                           {key, form, options.text(key)}));
    return instant;
}

std::optional<unsigned> threadsOption(Options &options)
{
    constexpr long kMostThreads = 256;
    const auto threads = options.wholeNumber("--threads", long(availableCores()), 1, kMostThreads);
    return threads ? std::optional<unsigned>(unsigned(*threads)) : std::nullopt;
}

} // namespace orvanta::orbit::cli
