#include "orbit/element_files.h"
#include "orbit/sgp4.h"

#include <benchmark/benchmark.h>

#include <stdexcept>
#include <string>

// Nanoseconds per propagation of one initialised satellite, over the minutes
// of one day starting a given time after the epoch of its elements.
namespace {

using orvanta::orbit::ElementSet;
using orvanta::orbit::Sgp4Propagator;
using orvanta::orbit::TemeState;

const std::string kDataDir = std::string(ORVANTA_SOURCE_DIR) + "/tests/orbit/data/";

ElementSet elementsNamed(const std::string &file, const std::string &name)
{
    const auto catalogue = orvanta::orbit::readElementFiles(kDataDir + file);
    for (const ElementSet &set : catalogue.sets) {
        if (set.name == name)
            return set;
    }
    throw std::runtime_error("no element set named " + name + " in " + file);
}

void propagateOverOneDay(benchmark::State &state, const ElementSet &elements, double daysAfterEpoch)
{
    const Sgp4Propagator propagator(elements);
    const double firstMinute = daysAfterEpoch * 1440.0;
    double minute = 0;
    TemeState out;
    for (auto _ : state) {
        benchmark::DoNotOptimize(propagator.propagate(firstMinute + minute, out));
        benchmark::DoNotOptimize(out);
        minute = minute < 1439.0 ? minute + 1.0 : 0.0;
    }
    state.SetItemsProcessed(state.iterations());
}

void nearEarthIss(benchmark::State &state)
{
    propagateOverOneDay(state, elementsNamed("amateur-2026-06.txt", "ISS (ZARYA)"), double(state.range(0)));
}

// AO-10: 12-hour resonant, eccentricity 0.6.
void deepSpaceHalfDayAo10(benchmark::State &state)
{
    propagateOverOneDay(state, elementsNamed("amateur-2026-06.txt", "PHASE 3B (AO-10)"), double(state.range(0)));
}

// XM-3: 24-hour resonant, geostationary with an inclination below 3 degrees.
void deepSpaceOneDayGeo(benchmark::State &state)
{
    std::string reason;
    const auto elements =
        orvanta::orbit::parseElementSet("XM-3", "1 28626U 05008A   06176.46683397 -.00000205  00000-0  10000-3 0  2190",
                                        "2 28626   0.0019 286.9433 0000335  13.7918  55.6504  1.00270176  4891", &reason);
    if (!elements)
        throw std::runtime_error(reason);
    propagateOverOneDay(state, *elements, double(state.range(0)));
}

// Initialisation alone: all per-satellite constant work, including the
// tabulated resonance steps of deep-space resonant orbits.
void initialiseNearEarthIss(benchmark::State &state)
{
    const ElementSet elements = elementsNamed("amateur-2026-06.txt", "ISS (ZARYA)");
    for (auto _ : state)
        benchmark::DoNotOptimize(Sgp4Propagator(elements));
}

void initialiseDeepSpaceHalfDayAo10(benchmark::State &state)
{
    const ElementSet elements = elementsNamed("amateur-2026-06.txt", "PHASE 3B (AO-10)");
    for (auto _ : state)
        benchmark::DoNotOptimize(Sgp4Propagator(elements));
}

} // namespace

BENCHMARK(initialiseNearEarthIss);
BENCHMARK(initialiseDeepSpaceHalfDayAo10);
BENCHMARK(nearEarthIss)->Arg(0)->Arg(3);
BENCHMARK(deepSpaceHalfDayAo10)->Arg(0)->Arg(3);
BENCHMARK(deepSpaceOneDayGeo)->Arg(0)->Arg(3);
