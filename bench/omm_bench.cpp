#include "orbit/element_files.h"
#include "orbit/satellites.h"
#include "orbit/utc_time.h"
#include "synthetic_catalogue.h"

#include <benchmark/benchmark.h>

#include <stdexcept>

// A full public catalogue read in each encoding, and a day of passes of all
// of it from OMM against the same from two-line text.
namespace {

using namespace orvanta;

constexpr int kFullCatalogue = 13000;

std::string catalogueFile(const std::string &format)
{
    return format == "txt" ? bench::syntheticCatalogue(kFullCatalogue)
                           : bench::syntheticOmmCatalogue(kFullCatalogue, format);
}

void readFullCatalogue(benchmark::State &state, const std::string &format)
{
    const std::string path = catalogueFile(format);
    for (auto _ : state) {
        const orbit::ElementCatalogue catalogue = orbit::readElementFiles(path);
        if (catalogue.sets.size() != std::size_t(kFullCatalogue) || !catalogue.problems.empty())
            throw std::runtime_error(path + " not read whole");
        benchmark::DoNotOptimize(catalogue.sets.data());
    }
}
BENCHMARK_CAPTURE(readFullCatalogue, two_line, std::string("txt"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(readFullCatalogue, omm_csv, std::string("csv"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(readFullCatalogue, omm_json, std::string("json"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(readFullCatalogue, omm_xml, std::string("xml"))->Unit(benchmark::kMillisecond);

// Reading the files is not timed; the pass search of every object is.
void passSearchFullCatalogueDay(benchmark::State &state, const std::string &format)
{
    const std::string path = catalogueFile(format);
    const double start = orbit::oleFromJulian(orbit::julianFromCalendar({2026, 6, 27, 0, 0, 0}));
    long passes = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto satellites = orbit::Init_Satellites(path, 48.85, 2.35, 35);
        const std::vector<std::string> names = satellites->names();
        state.ResumeTiming();
        for (const std::string &name : names)
            passes += long(satellites->passes(name, orbit::julianFromOle(start), 1, 0, 0).size());
        state.PauseTiming();
        satellites.reset();
        state.ResumeTiming();
    }
    state.counters["passes_per_day"] = double(passes) / double(state.iterations());
}
BENCHMARK_CAPTURE(passSearchFullCatalogueDay, two_line, std::string("txt"))->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK_CAPTURE(passSearchFullCatalogueDay, omm_csv, std::string("csv"))->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
