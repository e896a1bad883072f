#include "orbit/element_files.h"
#include "orbit/pass_list.h"
#include "orbit/pass_search.h"
#include "orbit/satellites.h"
#include "orbit/utc_time.h"
#include "synthetic_catalogue.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <stdexcept>

namespace {

using namespace orvanta;

constexpr int kCatalogueSize = 1000;
constexpr int kSelectedSatellites = 100;
constexpr double kTickSeconds = 5.0;
constexpr double kLatitude = 48.85, kLongitude = 2.35, kHeight = 35;

double startOle()
{
    return orbit::oleFromJulian(orbit::julianFromCalendar({2026, 6, 27, 0, 0, 0}));
}

// The 24-hour pass search of the whole catalogue by a component just
// created, so nothing is known yet (reading the files is not timed).
void passSearchCatalogueDay(benchmark::State &state)
{
    const std::string path = bench::syntheticCatalogue(kCatalogueSize);
    long passes = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto satellites = orbit::Init_Satellites(path, kLatitude, kLongitude, kHeight);
        if (satellites->satcount() != kCatalogueSize)
            throw std::runtime_error("synthetic catalogue incomplete");
        state.ResumeTiming();
        for (int i = 0; i < kCatalogueSize; ++i) {
            const std::string text = satellites->PassListForPeriod(bench::syntheticName(i), startOle(), 0, 1, 0);
            passes += text.empty() ? 0 : 1 + long(std::count(text.begin(), text.end(), ','));
        }
        state.PauseTiming();
        satellites.reset();
        state.ResumeTiming();
    }
    state.counters["passes_per_day"] = double(passes) / double(state.iterations());
}
BENCHMARK(passSearchCatalogueDay)->Unit(benchmark::kMillisecond);

// One run of the tracking cycle's orbital work: a day of passes for each
// selected satellite, both lists filled, and the followed satellite's position.
void runTick(orbit::Satellites &satellites, orbit::PassBoard &board, double now)
{
    board.clear();
    const std::int64_t nowSecond = orbit::wholeSecondsFromOle(now);
    for (int i = 0; i < kSelectedSatellites; ++i)
        board.Traite_Passages(satellites.PassListForPeriod(bench::syntheticName(i), now, 0, 1, 0), nowSecond);
    orbit::SatelliteLook look;
    benchmark::DoNotOptimize(satellites.IsVisible(bench::syntheticName(0), satellites.datetimetojt(now), 0, look));
    benchmark::DoNotOptimize(board.visibleLines());
    benchmark::DoNotOptimize(board.comingLines());
}

// Ticks every five seconds, the passes found by earlier ticks being kept;
// now and then a tick searches the next stretch of time, hence the slowest.
void trackingTick(benchmark::State &state)
{
    auto satellites = orbit::Init_Satellites(bench::syntheticCatalogue(kCatalogueSize), kLatitude, kLongitude, kHeight);
    orbit::PassBoard board;
    double now = startOle();
    runTick(*satellites, board, now);
    double slowest = 0;
    for (auto _ : state) {
        now += kTickSeconds / 86400.0;
        const auto before = std::chrono::steady_clock::now();
        runTick(*satellites, board, now);
        slowest = std::max(slowest, std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - before).count());
    }
    state.counters["slowest_us"] = slowest;
    state.counters["simulated_hours"] = double(state.iterations()) * kTickSeconds / 3600.0;
}
BENCHMARK(trackingTick)->Unit(benchmark::kMicrosecond)->MinTime(10.0);

// The first tick after the component is created, when every day of passes is still to find.
void firstTrackingTick(benchmark::State &state)
{
    const std::string path = bench::syntheticCatalogue(kCatalogueSize);
    orbit::PassBoard board;
    for (auto _ : state) {
        state.PauseTiming();
        auto satellites = orbit::Init_Satellites(path, kLatitude, kLongitude, kHeight);
        state.ResumeTiming();
        runTick(*satellites, board, startOle());
        state.PauseTiming();
        satellites.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(firstTrackingTick)->Unit(benchmark::kMillisecond);

// A day's search for one satellite, without the component: a low orbit and a
// twelve-hour eccentric one.
void passSearchOneDay(benchmark::State &state, const std::string &name)
{
    const orbit::ElementCatalogue catalogue =
        orbit::readElementFiles(std::string(ORVANTA_SOURCE_DIR) + "/tests/orbit/data/amateur-2026-06.txt");
    const auto set = std::find_if(catalogue.sets.begin(), catalogue.sets.end(),
                                  [&](const orbit::ElementSet &s) { return s.name == name; });
    if (set == catalogue.sets.end())
        throw std::runtime_error(name + " missing from the June 2026 amateur sets");
    const orbit::Sgp4Propagator satellite(*set);
    const orbit::Observer observer(kLatitude, kLongitude, kHeight);
    const orbit::PassFinder finder(satellite, observer, 0.0);
    const double from = orbit::julianFromOle(startOle()).minutesSince(set->epoch) * 60.0;
    for (auto _ : state)
        benchmark::DoNotOptimize(finder.find(from, from + 86400.0));
}
BENCHMARK_CAPTURE(passSearchOneDay, iss, std::string("ISS (ZARYA)"))->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(passSearchOneDay, ao10, std::string("PHASE 3B (AO-10)"))->Unit(benchmark::kMicrosecond);

} // namespace
