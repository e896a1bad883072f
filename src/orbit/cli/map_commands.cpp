#include "orbit/cli/map_commands.h"

#include "orbit/cli/cli_text.h"
#include "orbit/cli/command_support.h"
#include "orbit/cli/iso_time.h"
#include "orbit/cli/options.h"
#include "orbit/element_files.h"
#include "orbit/ground_point.h"
#include "orbit/locator.h"
#include "orbit/mutual_visibility.h"
#include "orbit/satellites.h"
#include "orbit/text_format.h"

#include <algorithm>
#include <cmath>
#include <ostream>

namespace orvanta::orbit::cli {

namespace {

constexpr double kMostTrackPoints = 1e7;

} // namespace

int trackCommand(const std::vector<std::string> &arguments, std::ostream &out, std::ostream &err)
{
    Options options(arguments, {{"--elements", "--sat", "--start", "--minutes", "--step-s"}, {}, {}, {}});
    const auto minutes = options.number("--minutes", 0, 0, 1e7);
    const auto step = options.number("--step-s", 0, 1e-3, 1e9);
    if (!options.ok())
        return badArguments(err, options.error());
    int status = 0;
    const auto start = instantOption(options, "--start", "YYYY-MM-DDTHH:MM:SSZ", err, &status);
    if (!start)
        return status;
    const double steps = std::floor(*minutes * 60.0 / *step + 1e-9);
    if (steps + 1 > kMostTrackPoints)
        return badArguments(err, fillIn(cliText("OrbitCommand", "trop de pas : --minutes / --step-s dépasse %1"),
                                        {shortestText(kMostTrackPoints)}));

    const std::string path = options.text("--elements");
    // The ground track does not depend on the station.
    const auto satellites = readSatellites(path, 0, 0, 0, err);
    if (!satellites)
        return kFailed;
    const std::string name = satellites->nameOf(options.text("--sat"));
    if (name.empty())
        return badArguments(
            err, fillIn(cliText("OrbitCommand", "satellite absent des éléments : %1"), {options.text("--sat")}));

    out << "time,latitude,longitude,altitude_km,footprint_radius_km,locator\n";
    for (long k = 0; k <= long(steps); ++k) {
        const JulianDate at = start->plusMinutes(double(k) * *step / 60.0);
        TemeState state;
        if (!satellites->stateAt(name, at, state)) {
            const std::string refusal = satellites->refusal(name, at);
            err << "orvanta-orbit : "
                << fillIn(cliText("OrbitCommand", "%1 : %2 à %3, suite abandonnée"),
                          {name, refusal.empty() ? cliText("OrbitCommand", "orbite impossible à calculer") : refusal,
                           isoInstantText(at)})
                << "\n";
            return k > 0 ? 0 : kFailed;
        }
        const SubSatellitePoint point = subSatellitePoint(state, at);
        out << isoInstantText(at) << ',' << fixedText(point.ground.latitudeDeg, 6) << ','
            << fixedText(point.ground.longitudeDeg, 6) << ',' << fixedText(point.altitudeKm, 3) << ','
            << fixedText(footprintRadiusKm(point.altitudeKm), 3) << ','
            << locatorFromPosition(point.ground.latitudeDeg, point.ground.longitudeDeg) << '\n';
    }
    return 0;
}

int mutualCommand(const std::vector<std::string> &arguments, std::ostream &out, std::ostream &err)
{
    Options options(arguments, {{"--elements", "--locator2", "--start"},
                                {"--lat", "--lon", "--alt", "--locator", "--days", "--min-elev"},
                                {"--sat"},
                                {}});
    const auto latitude = options.number("--lat", 0, -90, 90);
    const auto longitude = options.number("--lon", 0, -180, 360);
    const auto height = options.number("--alt", 0, -1000, 100000);
    const auto days = options.number("--days", 1, 0, 366);
    const auto minElevation = options.number("--min-elev", 0, -90, 90);
    if (!options.ok())
        return badArguments(err, options.error());
    const bool byPosition = options.has("--lat") && options.has("--lon");
    if (byPosition == options.has("--locator") || (!byPosition && (options.has("--lat") || options.has("--lon"))))
        return badArguments(
            err, cliText("OrbitCommand", "la première station se donne par --lat et --lon, ou par --locator"));
    std::optional<LocatorSquare> first;
    if (options.has("--locator") && !(first = squareOfLocator(options.text("--locator"))))
        return badArguments(err, fillIn(cliText("OrbitCommand", "%1 : locator attendu (JN18eu), pas « %2 »"),
                                        {"--locator", options.text("--locator")}));
    const auto second = squareOfLocator(options.text("--locator2"));
    if (!second)
        return badArguments(err, fillIn(cliText("OrbitCommand", "%1 : locator attendu (JN18eu), pas « %2 »"),
                                        {"--locator2", options.text("--locator2")}));
    int status = 0;
    const auto start = instantOption(options, "--start", "YYYY-MM-DDTHH:MM:SSZ", err, &status);
    if (!start)
        return status;

    const std::string path = options.text("--elements");
    const auto satellites =
        readSatellites(path, first ? first->centreLatitudeDeg() : *latitude,
                       first ? first->centreLongitudeDeg() : *longitude, *height, err);
    if (!satellites)
        return kFailed;
    const auto names = satelliteNames(options, *satellites, err, &status);
    if (!names)
        return status;

    const Observer other(second->centreLatitudeDeg(), second->centreLongitudeDeg(), 0);
    struct Row {
        std::string name;
        MutualWindow window;
    };
    std::vector<Row> rows;
    std::size_t computed = 0;
    for (const std::string &name : *names) {
        if (const std::string refusal = satellites->refusal(name, *start, *days); !refusal.empty()) {
            err << "orvanta-orbit : " << name << " : " << refusal << "\n";
            continue;
        }
        ++computed;
        for (const PredictedPass &pass : satellites->passes(name, *start, *days, *minElevation, 0))
            for (const MutualWindow &window : mutualWindows(*satellites, pass, other, *minElevation))
                rows.push_back({name, window});
    }
    std::stable_sort(rows.begin(), rows.end(), [](const Row &a, const Row &b) {
        const double gap = a.window.start.minutesSince(b.window.start);
        return gap != 0 ? gap < 0 : a.name < b.name;
    });
    out << "satellite,start,end,duration_s,best_time,elevation_1,elevation_2\n";
    for (const Row &row : rows) {
        const MutualWindow &w = row.window;
        out << row.name << ',' << isoInstantText(w.start) << ',' << isoInstantText(w.end) << ','
            << fixedText(w.durationSeconds(), 2) << ',' << isoInstantText(w.best) << ','
            << fixedText(w.firstElevationDeg, 2) << ',' << fixedText(w.secondElevationDeg, 2) << '\n';
    }
    return computed > 0 ? 0 : kFailed;
}

} // namespace orvanta::orbit::cli
