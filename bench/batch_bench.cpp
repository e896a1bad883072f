#include "orbit/batch_propagator.h"
#include "orbit/cli/commands.h"
#include "orbit/element_files.h"
#include "orbit/pass_schedule.h"
#include "orbit/satellites.h"
#include "orbit/schedule_export.h"
#include "orbit/utc_time.h"
#include "orbit/sgp4.h"
#include "orbit/work_split.h"
#include "synthetic_catalogue.h"

#include <benchmark/benchmark.h>
#include <hwy/targets.h>

#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

// The batch engine and the threads side by side with the scalar engine, in
// the same run: the 12,727-object catalogue over a day of one-minute steps,
// single satellites over a day, and the whole catalogue's day of passes.
namespace {

using namespace orvanta;

constexpr int kCatalogueSize = 12727;
constexpr int kMinutesPerDay = 1440;

const std::vector<orbit::Sgp4Propagator> &catalogue()
{
    static const std::vector<orbit::Sgp4Propagator> propagators = [] {
        const orbit::ElementCatalogue read = orbit::readElementFiles(bench::syntheticCatalogue(kCatalogueSize));
        if (read.sets.size() != std::size_t(kCatalogueSize))
            throw std::runtime_error("synthetic catalogue incomplete");
        return std::vector<orbit::Sgp4Propagator>(read.sets.begin(), read.sets.end());
    }();
    return propagators;
}

std::vector<double> dayOfMinutes()
{
    std::vector<double> minutes;
    for (int minute = 0; minute <= kMinutesPerDay; ++minute)
        minutes.push_back(minute);
    return minutes;
}

// Every satellite at 1,441 one-minute steps from its epoch, on one core.
void catalogueDayScalar(benchmark::State &state)
{
    const auto &satellites = catalogue();
    orbit::TemeState out;
    for (auto _ : state) {
        for (const orbit::Sgp4Propagator &satellite : satellites) {
            for (int minute = 0; minute <= kMinutesPerDay; ++minute)
                benchmark::DoNotOptimize(satellite.propagate(minute, out));
        }
    }
    state.SetItemsProcessed(state.iterations() * long(satellites.size()) * (kMinutesPerDay + 1));
}
BENCHMARK(catalogueDayScalar)->Unit(benchmark::kMillisecond)->Iterations(1);

// On the widest vectors, then on AVX2 alone (where the processor has wider),
// the width of most of the machines this runs on.
void catalogueDayBatch(benchmark::State &state)
{
    if (state.range(0) != 0)
        hwy::DisableTargets(HWY_AVX3 | HWY_AVX3_DL);
    const auto &satellites = catalogue();
    const std::vector<double> minutes = dayOfMinutes();
    std::vector<orbit::TemeState> states(minutes.size());
    std::vector<orbit::PropagationError> errors(minutes.size());
    for (auto _ : state) {
        for (const orbit::Sgp4Propagator &satellite : satellites)
            orbit::BatchPropagator::propagateTimes(satellite, minutes, states, errors);
        benchmark::DoNotOptimize(states.data());
    }
    state.SetItemsProcessed(state.iterations() * long(satellites.size()) * long(minutes.size()));
    state.SetLabel(orbit::BatchPropagator::vectorTarget());
    hwy::DisableTargets(0);
}
BENCHMARK(catalogueDayBatch)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(1);

// The tick's way: the whole catalogue at one instant, a minute after another.
void catalogueInstantsBatch(benchmark::State &state)
{
    const auto &satellites = catalogue();
    std::vector<const orbit::Sgp4Propagator *> all;
    for (const orbit::Sgp4Propagator &satellite : satellites)
        all.push_back(&satellite);
    const orbit::BatchPropagator batch(all);
    std::vector<double> minutes(all.size());
    std::vector<orbit::TemeState> states(all.size());
    std::vector<orbit::PropagationError> errors(all.size());
    for (auto _ : state) {
        for (int minute = 0; minute <= kMinutesPerDay; minute += 60) {
            std::fill(minutes.begin(), minutes.end(), double(minute));
            batch.propagate(minutes, states, errors);
        }
        benchmark::DoNotOptimize(states.data());
    }
    state.SetItemsProcessed(state.iterations() * long(all.size()) * (kMinutesPerDay / 60 + 1));
}
BENCHMARK(catalogueInstantsBatch)->Unit(benchmark::kMillisecond);

// A set of the demo station's by name, or of the verification file (whose
// lines carry times after the elements) by number.
orbit::ElementSet namedSet(const std::string &file, const std::string &name)
{
    const std::string path = std::string(ORVANTA_SOURCE_DIR) + "/tests/orbit/data/" + file;
    for (const orbit::ElementSet &candidate : orbit::readElementFiles(path).sets) {
        if (candidate.name == name)
            return candidate;
    }
    std::ifstream in(path);
    std::string line1;
    for (std::string line; std::getline(in, line);) {
        if (line.starts_with("1 "))
            line1 = line.substr(0, 69);
        else if (line.starts_with("2 " + name))
            return *orbit::parseElementSet("", line1, line.substr(0, 69), nullptr, orbit::ChecksumPolicy::Ignore);
    }
    throw std::runtime_error("no element set named " + name);
}

// One satellite over a day of minutes, 1,441 propagations per iteration.
void singleDay(benchmark::State &state, const std::string &file, const std::string &name, bool batch)
{
    const orbit::Sgp4Propagator satellite(namedSet(file, name));
    const std::vector<double> minutes = dayOfMinutes();
    std::vector<orbit::TemeState> states(minutes.size());
    std::vector<orbit::PropagationError> errors(minutes.size());
    for (auto _ : state) {
        if (batch) {
            orbit::BatchPropagator::propagateTimes(satellite, minutes, states, errors);
        } else {
            for (std::size_t i = 0; i < minutes.size(); ++i)
                errors[i] = satellite.propagate(minutes[i], states[i]);
        }
        benchmark::DoNotOptimize(states.data());
    }
    state.SetItemsProcessed(state.iterations() * long(minutes.size()));
}
const std::string kDemoSets = "amateur-2026-06.txt";
const std::string kVerificationSets = "SGP4-VER.TLE";
BENCHMARK_CAPTURE(singleDay, iss_scalar, kDemoSets, std::string("ISS (ZARYA)"), false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(singleDay, iss_batch, kDemoSets, std::string("ISS (ZARYA)"), true)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(singleDay, ao10_scalar, kDemoSets, std::string("PHASE 3B (AO-10)"), false)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(singleDay, ao10_batch, kDemoSets, std::string("PHASE 3B (AO-10)"), true)
    ->Unit(benchmark::kMicrosecond);
// Geostationary: the 24-hour resonance and the low inclinations' node.
BENCHMARK_CAPTURE(singleDay, geostationary_scalar, kVerificationSets, std::string("28626"), false)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(singleDay, geostationary_batch, kVerificationSets, std::string("28626"), true)
    ->Unit(benchmark::kMicrosecond);

// `orvanta-orbit passes` over the whole catalogue for a day, reading the
// file included, on one thread and on every core.
void cataloguePassesCommand(benchmark::State &state)
{
    const std::string path = bench::syntheticCatalogue(kCatalogueSize);
    const std::vector<std::string> arguments = {"passes",  "--elements", path, "--lat", "48.85", "--lon", "2.35",
                                                "--start", "2026-06-27T00:00:00Z", "--threads",
                                                std::to_string(state.range(0))};
    std::size_t bytes = 0;
    for (auto _ : state) {
        std::ostringstream out, err;
        if (orbit::cli::runOrbitCommand(arguments, out, err) != 0)
            throw std::runtime_error(err.str());
        bytes = out.str().size();
    }
    state.counters["csv_bytes"] = double(bytes);
    state.counters["threads"] = double(state.range(0));
}
BENCHMARK(cataloguePassesCommand)->Arg(1)->Arg(int(orbit::availableCores()))->Unit(benchmark::kMillisecond)->Iterations(1);

// The parts of that command on one thread whatever the cores: reading and
// initialising the catalogue, and writing the day's passes as CSV.
void cataloguePassesReading(benchmark::State &state)
{
    const std::string path = bench::syntheticCatalogue(kCatalogueSize);
    for (auto _ : state)
        benchmark::DoNotOptimize(orbit::Init_Satellites(path, 48.85, 2.35, 0));
}
BENCHMARK(cataloguePassesReading)->Unit(benchmark::kMillisecond);

void cataloguePassesWriting(benchmark::State &state)
{
    const auto satellites = orbit::Init_Satellites(bench::syntheticCatalogue(kCatalogueSize), 48.85, 2.35, 0);
    const std::vector<orbit::ScheduledPass> schedule = orbit::passSchedule(
        *satellites, satellites->names(), orbit::julianFromCalendar({2026, 6, 27, 0, 0, 0}), 1, 0.1, 100);
    std::size_t bytes = 0;
    for (auto _ : state) {
        bytes = orbit::scheduleCsv(schedule).size();
        benchmark::DoNotOptimize(bytes);
    }
    state.counters["csv_bytes"] = double(bytes);
}
BENCHMARK(cataloguePassesWriting)->Unit(benchmark::kMillisecond);

} // namespace
