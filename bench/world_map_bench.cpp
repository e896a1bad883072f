#include "map/map_feed.h"
#include "map/world_map.h"
#include "bench_application.h"
#include "orbit/satellites.h"
#include "orbit/utc_time.h"
#include "synthetic_catalogue.h"

#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <stdexcept>

namespace {

using namespace orvanta;

constexpr int kSatellites = 50;
const QSize kMapSize(1600, 800);

orbit::JulianDate mapInstant()
{
    return orbit::julianFromCalendar({2026, 6, 27, 7, 5, 0});
}

// 50 selected satellites, two of them with their tracks and footprints.
MapScene fullScene(MapFeed &feed, const orbit::Satellites &satellites)
{
    MapTick tick{mapInstant(), {}, QString::fromStdString(bench::syntheticName(0)),
                 QString::fromStdString(bench::syntheticName(1)), {48.85, 2.35}};
    for (int i = 0; i < kSatellites; ++i)
        tick.selection << QString::fromStdString(bench::syntheticName(i));
    MapScene scene = feed.scene(satellites, tick);
    if (scene.featured.size() != 2 || scene.satellites.size() + 2 != std::size_t(kSatellites))
        throw std::runtime_error("the map's scene lacks satellites");
    return scene;
}

// A full repaint of the map with the day and night already blended for this minute.
void mapFullRepaint(benchmark::State &state)
{
    bench::ensureApplication();
    auto satellites = orbit::Init_Satellites(bench::syntheticCatalogue(kSatellites), 48.85, 2.35, 35);
    MapFeed feed;
    const MapScene scene = fullScene(feed, *satellites);
    MapBackground background;
    QImage image(kMapSize, QImage::Format_RGB32);
    {
        QPainter painter(&image);
        paintMap(painter, kMapSize, scene, background);
    }
    for (auto _ : state) {
        QPainter painter(&image);
        paintMap(painter, kMapSize, scene, background);
    }
    state.counters["image"] = background.hasImage() ? 1 : 0;
}
BENCHMARK(mapFullRepaint)->Unit(benchmark::kMillisecond);

// The day and night blend, made once a minute.
void mapDayNightBlend(benchmark::State &state)
{
    bench::ensureApplication();
    MapBackground background;
    if (!background.hasImage()) {
        state.SkipWithError("no day image (package xplanet-images)");
        return;
    }
    orbit::JulianDate instant = mapInstant();
    for (auto _ : state) {
        instant = instant.plusMinutes(1);
        benchmark::DoNotOptimize(background.image(kMapSize, instant).constBits());
    }
}
BENCHMARK(mapDayNightBlend)->Unit(benchmark::kMillisecond);

// The map's share of a tick: 50 sub-satellite points and the tracks brought up to date.
void mapSceneTick(benchmark::State &state)
{
    auto satellites = orbit::Init_Satellites(bench::syntheticCatalogue(kSatellites), 48.85, 2.35, 35);
    MapFeed feed;
    fullScene(feed, *satellites);
    for (auto _ : state)
        benchmark::DoNotOptimize(fullScene(feed, *satellites));
}
BENCHMARK(mapSceneTick)->Unit(benchmark::kMicrosecond);

} // namespace
