// The assembled station: one tick through the main window (lists filled,
// fields written) and the start-up to the first filled lists.

#include "bench_station.h"
#include "platform/interface_language.h"

#include <QListWidget>

#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>
#include <optional>
#include <stdexcept>

namespace {

using namespace orvanta;

using bench::BenchStation;

// One tick every five simulated seconds through the assembled window.
void stationTick(benchmark::State &state)
{
    BenchStation bench;
    bench.start();
    auto &tracking = bench.station->tracking();
    tracking.setRotorTracking(true);
    tracking.setDopplerCorrection(true);
    tracking.setReceiverProgramming(true);
    bench.tick();
    double slowest = 0;
    long visible = 0;
    auto *list = bench.station->window().findChild<QListWidget *>("Sat_Visibles");
    for (auto _ : state) {
        bench.clock.now = bench.clock.now.addSecs(5);
        const auto before = std::chrono::steady_clock::now();
        bench.tick();
        slowest = std::max(slowest,
                           std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - before).count());
        visible += list->count();
    }
    state.counters["slowest_ms"] = slowest;
    state.counters["visible_per_tick"] = double(visible) / double(state.iterations());
}
BENCHMARK(stationTick)->Unit(benchmark::kMillisecond)->MinTime(5.0);

// From the configuration to the first tick's filled lists, in French
// (english:0) and in English (english:1), the translation's loading
// included, side by side: English should stay within 5% of French.
void stationStartUp(benchmark::State &state)
{
    const InterfaceLanguage language = state.range(0) ? InterfaceLanguage::English : InterfaceLanguage::French;
    for (auto _ : state) {
        state.PauseTiming();
        auto bench = std::make_unique<BenchStation>();
        std::optional<InterfaceTranslations> translations;
        state.ResumeTiming();
        translations.emplace(language);
        bench->start();
        bench->tick();
        state.PauseTiming();
        if (bench->station->window().findChild<QListWidget *>("Detail_Pass")->count() == 0)
            throw std::runtime_error("no pass listed after start-up");
        bench.reset();
        translations.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(stationStartUp)->ArgName("english")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace
