#include "orbit/pass_schedule.h"
#include "orbit/satellites.h"
#include "orbit/utc_time.h"
#include "synthetic_catalogue.h"

#include <benchmark/benchmark.h>

#include <stdexcept>

namespace {

using namespace orvanta;

constexpr int kScheduledSatellites = 50;

// The schedule window's work for a week of 50 satellites, by a component
// just created (reading the files is not timed): every pass with its
// azimuths and sunlight.
void weekScheduleOfFiftySatellites(benchmark::State &state)
{
    const std::string path = bench::syntheticCatalogue(kScheduledSatellites);
    std::vector<std::string> names;
    for (int i = 0; i < kScheduledSatellites; ++i)
        names.push_back(bench::syntheticName(i));
    const orbit::JulianDate start = orbit::julianFromCalendar({2026, 6, 27, 0, 0, 0});
    std::size_t passes = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto satellites = orbit::Init_Satellites(path, 48.85, 2.35, 35);
        if (satellites->satcount() != kScheduledSatellites)
            throw std::runtime_error("synthetic catalogue incomplete");
        state.ResumeTiming();
        passes = orbit::passSchedule(*satellites, names, start, 7, 0, 0).size();
        state.PauseTiming();
        satellites.reset();
        state.ResumeTiming();
    }
    state.counters["passes"] = double(passes);
}
BENCHMARK(weekScheduleOfFiftySatellites)->Unit(benchmark::kMillisecond);

} // namespace
