#include "orbit/cli/commands.h"

#include "orbit/cli/cli_text.h"
#include "orbit/cli/command_support.h"
#include "orbit/cli/iso_time.h"
#include "orbit/cli/map_commands.h"
#include "orbit/cli/options.h"
#include "orbit/batch_propagator.h"
#include "orbit/element_files.h"
#include "orbit/horizon_text.h"
#include "orbit/orbit_end.h"
#include "orbit/satellites.h"
#include "orbit/schedule_export.h"
#include "orbit/text_format.h"
#include "orbit/utc_time.h"
#include "orbit/verification.h"
#include "orbit/work_split.h"
#include "orvanta_version.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <fstream>
#include <numbers>
#include <ostream>
#include <sstream>

namespace orvanta::orbit::cli {

namespace {

constexpr double kMostPropagationsPerRun = 1e8;
constexpr double kDoubtfulDaysFromEpoch = 30;
// Rows of states held in memory at once when threads share the work.
constexpr double kMostBufferedRows = 2e5;

// The limits of passes a station starts with ("Minimum Elevation", "Passage
// Minimum" of a settings file that has none).
constexpr double kStationMinElevationDeg = 0.1;
constexpr double kStationMinPassSeconds = 100;

// The system clock's instant, to the second: when a file is written.
JulianDate nowUtc()
{
    const auto seconds =
        std::chrono::duration_cast<std::chrono::seconds>(std::chrono::system_clock::now().time_since_epoch()).count();
    const JulianDate unixOrigin = julianFromCalendar({1970, 1, 1, 0, 0, 0});
    return unixOrigin.plusMinutes(double(seconds) / 60.0);
}

// The station options common to passes and look.
struct Station {
    double latitude = 0, longitude = 0, height = 0;
};

std::optional<Station> readStation(Options &options)
{
    const auto latitude = options.number("--lat", 0, -90, 90);
    const auto longitude = options.number("--lon", 0, -180, 360);
    const auto height = options.number("--alt", 0, -1000, 100000);
    if (!latitude || !longitude || !height)
        return std::nullopt;
    return Station{*latitude, *longitude, *height};
}

// The elements read, the station set and the satellites named by --sat (or all of them).
struct Selection {
    std::unique_ptr<Satellites> satellites;
    std::vector<std::string> names;
};

// Nothing, after saying why, when no satellite can be used; *status is then the exit status.
std::optional<Selection> selectSatellites(const Options &options, const Station &station, std::ostream &err,
                                          int *status)
{
    Selection selection{readSatellites(options.text("--elements"), station.latitude, station.longitude,
                                       station.height, err),
                        {}};
    if (!selection.satellites) {
        *status = kFailed;
        return std::nullopt;
    }
    auto names = satelliteNames(options, *selection.satellites, err, status);
    if (!names)
        return std::nullopt;
    selection.names = std::move(*names);
    return selection;
}

// Satellites whose elements are far from the instant asked: computed, with a word of warning.
void warnFarFromEpoch(const Satellites &satellites, const std::vector<std::string> &names, const JulianDate &instant,
                      std::ostream &err)
{
    for (const std::string &name : satellites.farFromEpoch(names, instant, kDoubtfulDaysFromEpoch))
        err << "orvanta-orbit : "
            << fillIn(cliText("OrbitCommand", "%1 : éléments à plus de %2 jours de l'instant demandé, prédiction peu sûre"),
                      {name, shortestText(kDoubtfulDaysFromEpoch)})
            << '\n';
}

// The station's horizon from --horizon FILE, written as Horizon.cfg: the
// lines that cannot be used are said and left out, the others kept. None
// when the file cannot be read.
std::optional<HorizonMask> horizonOption(const Options &options, std::ostream &err, int *status)
{
    if (!options.has("--horizon"))
        return HorizonMask();
    const std::string path = options.text("--horizon");
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    if (!file) {
        *status = badArguments(err, fillIn(cliText("OrbitCommand", "--horizon : %1 ne peut pas être lu"), {path}));
        return std::nullopt;
    }
    HorizonText read = readHorizonText(text.str());
    for (const HorizonLineProblem &problem : read.problems) {
        const std::string why =
            problem.kind == HorizonLineProblem::Kind::NotTwoNumbers
                ? cliText("OrbitCommand", "« %1 » n'est pas deux nombres, l'azimut et le site minimum")
            : problem.kind == HorizonLineProblem::Kind::AzimuthOutOfRange
                ? cliText("OrbitCommand", "l'azimut %1 est hors de 0 à 360°")
                : cliText("OrbitCommand", "le site %1 est hors de 0 à 90°");
        err << "orvanta-orbit : "
            << fillIn(cliText("OrbitCommand", "%1, ligne %2 : %3"),
                      {path, std::to_string(problem.line), fillIn(why, {problem.text})})
            << "\n";
    }
    return std::move(read.mask);
}

int passesCommand(const std::vector<std::string> &arguments, std::ostream &out, std::ostream &err)
{
    Options options(arguments, {{"--elements", "--lat", "--lon", "--start"},
                                {"--alt", "--days", "--min-elev", "--min-duration", "--format", "--threads",
                                 "--horizon"},
                                {"--sat"},
                                {}});
    const auto station = options.ok() ? readStation(options) : std::nullopt;
    const std::string format = options.ok() && options.has("--format") ? options.text("--format") : "csv";
    if (format != "csv" && format != "ics")
        return badArguments(err,
                            fillIn(cliText("OrbitCommand", "--format : csv ou ics attendu, pas « %1 »"), {format}));
    const auto days = options.number("--days", 1, 0, 366);
    // By default the limits a station starts with, as its planning window uses.
    const auto minElevation = options.number("--min-elev", kStationMinElevationDeg, -90, 90);
    const auto minDuration = options.number("--min-duration", kStationMinPassSeconds, 0, 1e9);
    const auto threads = threadsOption(options);
    if (!options.ok())
        return badArguments(err, options.error());
    int status = 0;
    const auto start = instantOption(options, "--start", "YYYY-MM-DDTHH:MM:SSZ", err, &status);
    if (!start)
        return status;
    const auto horizon = horizonOption(options, err, &status);
    if (!horizon)
        return status;
    const auto selection = selectSatellites(options, *station, err, &status);
    if (!selection)
        return status;

    Satellites &satellites = *selection->satellites;
    const JulianDate stop = start->plusMinutes(*days * JulianDate::kMinutesPerDay);
    warnFarFromEpoch(satellites, selection->names, *start, err);
    // Each satellite is searched and its passes described whole by one
    // thread; they and its words are then taken in the order of the names,
    // as one thread would give them.
    struct Outcome {
        bool computed = false;
        std::vector<ScheduledPass> passes;
        std::string messages;
    };
    std::vector<Outcome> outcomes(selection->names.size());
    // The texts are looked up once, before the threads share the work.
    const std::string orbitEnded =
        cliText("OrbitCommand", "%1 : orbite terminée le %2 (satellite retombé), rien n'est prédit après%3");
    const std::string passCut = cliText("OrbitCommand", " ; le passage en cours s'arrête à cet instant");
    forEachItem(outcomes.size(), *threads, [&](std::size_t i) {
        const std::string &name = selection->names[i];
        Outcome &outcome = outcomes[i];
        if (const std::string refusal = satellites.refusal(name, *start, *days); !refusal.empty()) {
            outcome.messages = "orvanta-orbit : " + name + " : " + refusal + "\n";
            return;
        }
        outcome.computed = true;
        const std::vector<PredictedPass> passes = satellites.passes(name, *start, *days, *minElevation, *minDuration);
        if (const auto end = satellites.orbitEnd(name, stop)) {
            const bool cut = !passes.empty() && passes.back().cutByOrbitEnd;
            outcome.messages = "orvanta-orbit : "
                               + fillIn(orbitEnded, {name, isoInstantText(*end), cut ? passCut : std::string()}) + "\n";
        }
        for (const PredictedPass &pass : passes)
            outcome.passes.push_back(scheduledPass(satellites, pass, *horizon));
    });
    std::vector<ScheduledPass> schedule;
    std::size_t computed = 0;
    for (Outcome &outcome : outcomes) {
        err << outcome.messages;
        computed += outcome.computed ? 1 : 0;
        schedule.insert(schedule.end(), std::make_move_iterator(outcome.passes.begin()),
                        std::make_move_iterator(outcome.passes.end()));
    }
    std::stable_sort(schedule.begin(), schedule.end(), [](const ScheduledPass &a, const ScheduledPass &b) {
        const double gap = a.aos.minutesSince(b.aos);
        return gap != 0 ? gap < 0 : a.name < b.name;
    });
    if (format == "ics")
        out << scheduleIcs(schedule, scheduleStation(station->latitude, station->longitude), nowUtc());
    else
        out << scheduleCsv(schedule);
    return computed > 0 ? 0 : kFailed;
}

int lookCommand(const std::vector<std::string> &arguments, std::ostream &out, std::ostream &err)
{
    Options options(arguments, {{"--elements", "--lat", "--lon", "--time"}, {"--alt"}, {"--sat"}, {}});
    const auto station = options.ok() ? readStation(options) : std::nullopt;
    if (!options.ok())
        return badArguments(err, options.error());
    int status = 0;
    const auto time = instantOption(options, "--time", "YYYY-MM-DDTHH:MM:SS.sssZ", err, &status);
    if (!time)
        return status;
    const auto selection = selectSatellites(options, *station, err, &status);
    if (!selection)
        return status;

    constexpr double kRadToDeg = 180.0 / std::numbers::pi;
    const Satellites &satellites = *selection->satellites;
    warnFarFromEpoch(satellites, selection->names, *time, err);
    out << "satellite,time,azimuth,elevation,range_km,range_rate_km_s,catalog_number\n";
    std::size_t computed = 0;
    for (const std::string &name : selection->names) {
        SatelliteLook look;
        if (!satellites.lookAt(name, *time, 0.0, look)) {
            const std::string refusal = satellites.refusal(name, *time);
            err << "orvanta-orbit : " << name << " : "
                << (refusal.empty() ? cliText("OrbitCommand", "orbite impossible à calculer à cet instant") : refusal)
                << "\n";
            continue;
        }
        ++computed;
        out << name << ',' << isoInstantText(*time) << ',' << fixedText(look.azimuthRad * kRadToDeg, 4) << ','
            << fixedText(look.elevationRad * kRadToDeg, 4) << ',' << fixedText(look.rangeKm, 3) << ','
            << fixedText(look.rangeRateKmS, 6) << ',' << satellites.catalogNumber(name) << '\n';
    }
    return computed > 0 ? 0 : kFailed;
}

int verifyCommand(const std::vector<std::string> &arguments, std::ostream &out, std::ostream &err)
{
    Options options(arguments, {{"--elements"}, {}, {}, {}});
    if (!options.ok())
        return badArguments(err, options.error());
    return runVerification(options.text("--elements"), out, err);
}

struct Timing {
    long count = 0;
    double nanoseconds = 0;
};

// Only the propagations are timed, from the first to the last on every
// thread (wall time), each satellite's run up to its first error. A run
// goes through the batch engine a stretch of instants at a time.
Timing timePropagations(const std::vector<ElementSet> &sets, const JulianDate &start, double stepSeconds, long steps,
                        unsigned threads)
{
    constexpr long kInstantsPerBatch = 2048;
    std::vector<Sgp4Propagator> propagators(sets.begin(), sets.end());
    std::vector<long> counts(sets.size());
    const auto before = std::chrono::steady_clock::now();
    forEachItem(sets.size(), threads, [&](std::size_t i) {
        const double offset = start.minutesSince(sets[i].epoch);
        const std::size_t most = std::size_t(std::min(steps + 1, kInstantsPerBatch));
        std::vector<double> minutes(most);
        std::vector<TemeState> states(most);
        std::vector<PropagationError> errors(most);
        long done = 0;
        while (done <= steps) {
            const std::size_t count = std::size_t(std::min(steps + 1 - done, kInstantsPerBatch));
            for (std::size_t k = 0; k < count; ++k)
                minutes[k] = offset + (done + long(k)) * stepSeconds / 60.0;
            BatchPropagator::propagateTimes(propagators[i], {minutes.data(), count}, {states.data(), count},
                                            {errors.data(), count});
            const auto failed = std::find_if(errors.begin(), errors.begin() + long(count),
                                             [](PropagationError error) { return error != PropagationError::None; });
            done += failed - errors.begin() + (failed != errors.begin() + long(count) ? 1 : 0);
            if (failed != errors.begin() + long(count))
                break;
        }
        counts[i] = done;
    });
    Timing timing;
    timing.nanoseconds = std::chrono::duration<double, std::nano>(std::chrono::steady_clock::now() - before).count();
    for (const long count : counts)
        timing.count += count;
    return timing;
}

// One satellite's states, up to the end of its orbit (decay) or the model's
// first error. False when not one state could be given.
bool printStates(const ElementSet &set, const JulianDate &start, double stepSeconds, long steps, std::ostream &out,
                 std::ostream &err)
{
    const Sgp4Propagator propagator(set);
    OrbitEnd orbitEnd;
    const double offset = start.minutesSince(set.epoch);
    const double farthest = std::max(std::fabs(offset), std::fabs(offset + steps * stepSeconds / 60.0));
    if (!(farthest <= Satellites::kRefusedYearsFromEpoch * 365.25 * JulianDate::kMinutesPerDay)) {
        err << "orvanta-orbit : "
            << fillIn(cliText("OrbitCommand", "%1 : instants à plus de %2 ans des éléments, suite refusée"),
                      {set.name, shortestText(Satellites::kRefusedYearsFromEpoch)})
            << "\n";
        return false;
    }
    if (farthest > kDoubtfulDaysFromEpoch * JulianDate::kMinutesPerDay)
        err << "orvanta-orbit : "
            << fillIn(cliText("OrbitCommand",
                              "%1 : éléments à plus de %2 jours des instants demandés, prédiction peu sûre"),
                      {set.name, shortestText(kDoubtfulDaysFromEpoch)})
            << "\n";
    for (long k = 0; k <= steps; ++k) {
        const double minutes = offset + k * stepSeconds / 60.0;
        TemeState state;
        PropagationError error = PropagationError::None;
        JulianDate at = start.plusMinutes(k * stepSeconds / 60.0);
        if (const auto end = minutes > 0.0 ? orbitEnd.within(propagator, minutes) : std::nullopt) {
            error = end->error;
            at = set.epoch.plusMinutes(end->firstFailed);
        } else {
            error = propagator.propagate(minutes, state);
        }
        if (error != PropagationError::None) {
            err << "orvanta-orbit : "
                << fillIn(cliText("OrbitCommand", "%1 : %2 (erreur %3 du modèle) à %4, suite abandonnée"),
                          {set.name, propagationErrorText(error), std::to_string(int(error)), isoInstantText(at)})
                << "\n";
            return k > 0;
        }
        const Vec3 &r = state.position_km, &v = state.velocity_km_s;
        out << set.name << ',' << isoInstantText(at) << ',' << fixedText(r.x, 8) << ',' << fixedText(r.y, 8) << ','
            << fixedText(r.z, 8) << ',' << fixedText(v.x, 9) << ',' << fixedText(v.y, 9) << ',' << fixedText(v.z, 9)
            << ',' << set.catalogId << '\n';
    }
    return true;
}

int propagateCommand(const std::vector<std::string> &arguments, std::ostream &out, std::ostream &err)
{
    Options options(arguments, {{"--elements", "--start", "--minutes", "--step-s"}, {"--threads"}, {}, {"--summary"}});
    const auto minutes = options.number("--minutes", 0, 0, 1e7);
    const auto step = options.number("--step-s", 0, 1e-3, 1e9);
    const auto threads = threadsOption(options);
    if (!options.ok())
        return badArguments(err, options.error());
    int status = 0;
    const auto start = instantOption(options, "--start", "YYYY-MM-DDTHH:MM:SSZ", err, &status);
    if (!start)
        return status;
    const double steps = std::floor(*minutes * 60.0 / *step + 1e-9);
    if (steps + 1 > kMostPropagationsPerRun)
        return badArguments(err, fillIn(cliText("OrbitCommand", "trop de pas : --minutes / --step-s dépasse %1"),
                                        {shortestText(kMostPropagationsPerRun)}));

    const ElementCatalogue catalogue = readElementFiles(options.text("--elements"));
    reportProblems(catalogue.problems, err);
    if (catalogue.sets.empty()) {
        err << "orvanta-orbit : "
            << fillIn(cliText("OrbitCommand", "aucun satellite utilisable dans %1"), {options.text("--elements")})
            << "\n";
        return kFailed;
    }
    // The bound holds for the whole command, whatever the number of satellites.
    if ((steps + 1) * double(catalogue.sets.size()) > kMostPropagationsPerRun)
        return badArguments(
            err,
            fillIn(
                cliText("OrbitCommand",
                        "trop de propagations : %1 satellites × %2 instants dépasse %3 pour la commande entière"),
                {std::to_string(catalogue.sets.size()), plainText(steps + 1), shortestText(kMostPropagationsPerRun)}));

    if (options.has("--summary")) {
        const auto [count, nanoseconds] = timePropagations(catalogue.sets, *start, *step, long(steps), *threads);
        out << "propagations " << count << " ns_per_propagation " << fixedText(count ? nanoseconds / count : 0.0, 1)
            << '\n';
        return 0;
    }
    out << "satellite,time,x_km,y_km,z_km,vx_km_s,vy_km_s,vz_km_s,catalog_number\n";
    const std::vector<ElementSet> &sets = catalogue.sets;
    std::size_t computed = 0;
    if (*threads == 1 || steps + 1 > kMostBufferedRows) {
        for (const ElementSet &set : sets)
            computed += printStates(set, *start, *step, long(steps), out, err) ? 1 : 0;
        return computed > 0 ? 0 : kFailed;
    }
    // The threads write a batch of satellites into texts of their own, then
    // the batch is written in the order of the sets.
    const std::size_t batch = std::max<std::size_t>(1, std::size_t(kMostBufferedRows / (steps + 1)));
    for (std::size_t first = 0; first < sets.size(); first += batch) {
        const std::size_t count = std::min(batch, sets.size() - first);
        std::vector<std::ostringstream> rows(count), words(count);
        std::vector<char> gave(count, 0);
        forEachItem(count, *threads, [&](std::size_t i) {
            gave[i] = printStates(sets[first + i], *start, *step, long(steps), rows[i], words[i]);
        });
        for (std::size_t i = 0; i < count; ++i) {
            out << rows[i].view();
            err << words[i].view();
            computed += gave[i] ? 1 : 0;
        }
    }
    return computed > 0 ? 0 : kFailed;
}

} // namespace

std::string orbitUsage()
{
    return cliText(
        "OrbitCommand",
        "usage :\n"
        "  orvanta-orbit passes --elements PATH --lat DEG --lon DEG [--alt M] --start YYYY-MM-DDTHH:MM:SSZ\n"
        "                       [--days N] [--min-elev DEG] [--min-duration S] [--sat NOM|NUMERO]... [--format "
        "csv|ics]\n"
        "                       [--threads N] [--horizon FICHIER]\n"
        "  orvanta-orbit look --elements PATH --lat DEG --lon DEG [--alt M] --time YYYY-MM-DDTHH:MM:SS.sssZ\n"
        "                     [--sat NOM|NUMERO]...\n"
        "  orvanta-orbit verify --elements FILE\n"
        "  orvanta-orbit propagate --elements PATH --start ISO --minutes M --step-s S [--summary] [--threads N]\n"
        "  orvanta-orbit track --elements PATH --sat NOM|NUMERO --start ISO --minutes M --step-s S\n"
        "  orvanta-orbit mutual --elements PATH (--lat DEG --lon DEG [--alt M] | --locator LOC)\n"
        "                       --locator2 LOC --start ISO [--days N] [--min-elev DEG] [--sat NOM|NUMERO]...\n"
        "  orvanta-orbit --version\n"
        "  orvanta-orbit --help\n"
        "  orvanta-orbit update --station DIR\n"
        "PATH : un fichier d'éléments, deux lignes ou OMM (CSV, JSON, XML), reconnu à son contenu,\n"
        "       ou un dossier (ses fichiers \"*.txt\", \"*.csv\", \"*.json\", \"*.xml\").\n"
        "--sat : le nom d'un satellite ou son numéro de catalogue.\n"
        "--threads : les fils de calcul qui se partagent les satellites (par défaut, un par cœur).\n"
        "update télécharge les fichiers d'éléments qui ont une source dans DIR/Sources.cfg,\n"
        "une ligne par fichier ; statut 0 : tous mis à jour, 1 : au moins un fichier\n"
        "gardé tel quel ou une source inutilisable, 2 : arguments incorrects.\n");
}

int runOrbitCommand(const std::vector<std::string> &arguments, std::ostream &out, std::ostream &err)
{
    if (arguments.empty())
        return badArguments(err, cliText("OrbitCommand", "commande absente"));
    const std::string &command = arguments.front();
    if (command == "--version" && arguments.size() == 1) {
        out << "orvanta-orbit " ORVANTA_VERSION "\n";
        return 0;
    }
    if ((command == "--help" || command == "-h") && arguments.size() == 1) {
        out << orbitUsage();
        return 0;
    }
    const std::vector<std::string> rest(arguments.begin() + 1, arguments.end());
    if (command == "passes")
        return passesCommand(rest, out, err);
    if (command == "look")
        return lookCommand(rest, out, err);
    if (command == "verify")
        return verifyCommand(rest, out, err);
    if (command == "propagate")
        return propagateCommand(rest, out, err);
    if (command == "track")
        return trackCommand(rest, out, err);
    if (command == "mutual")
        return mutualCommand(rest, out, err);
    return badArguments(err, fillIn(cliText("OrbitCommand", "commande inconnue : %1"), {command}));
}

} // namespace orvanta::orbit::cli
