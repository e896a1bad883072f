#include "orbit/pass_track.h"
#include "sky/sky_feed.h"
#include "sky/sky_view.h"
#include "bench_application.h"
#include "orbit/pass_list.h"
#include "orbit/satellites.h"
#include "orbit/utc_time.h"

#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <stdexcept>

namespace {

using namespace orvanta;

constexpr double kMinElevation = 0.1;
constexpr int kWidth = 480, kHeight = 520;

std::unique_ptr<orbit::Satellites> demoSatellites()
{
    return orbit::Init_Satellites(std::string(ORVANTA_SOURCE_DIR) + "/demo", 48, 2, 100);
}

// The demo station at 07:05 UTC on 27 June 2026: AO-7 tracked, FO-29 awaited.
orbit::JulianDate passInstant()
{
    return orbit::julianFromCalendar({2026, 6, 27, 7, 5, 0});
}

// The tick's lists at an instant, and its scene input.
SkyTick tickAt(orbit::Satellites &satellites, const orbit::JulianDate &now)
{
    orbit::PassBoard board;
    const double nowOle = orbit::oleFromJulian(now);
    for (const std::string &name : satellites.names())
        board.add(satellites.passes(name, now, 1, kMinElevation, 0), orbit::wholeSecondsFromOle(nowOle));
    if (board.visibleLines().empty() || board.comingLines().empty())
        throw std::runtime_error("the demo station has no pass in progress at the benchmark's instant");
    SkyTick tick;
    tick.nowOle = nowOle;
    tick.minElevationDeg = kMinElevation;
    tick.trackedPass = board.visible().front().pass;
    tick.awaitedPass = board.coming().front().pass;
    orbit::SatelliteLook look;
    satellites.lookAt("OSCAR 7 (AO-7)", now, kMinElevation, look);
    tick.trackedLook = look;
    tick.trackedDownlinkMHz = 145.9775;
    tick.rotor = SkyPoint{192, 41};
    return tick;
}

// One paint of the view with the tracked and the awaited pass, the
// satellite, the rotor and the info line, at the size of the docs picture.
void paintSkyTwoTracks(benchmark::State &state)
{
    bench::ensureApplication();
    auto satellites = demoSatellites();
    SkyFeed feed;
    const SkyScene scene = feed.scene(*satellites, tickAt(*satellites, passInstant()));
    if (!scene.tracked || !scene.awaited)
        throw std::runtime_error("both tracks expected");
    QImage image(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter painter(&image);
        paintSky(painter, kWidth, kHeight, scene);
    }
    state.counters["track_samples"] = double(scene.tracked->samples.size() + scene.awaited->samples.size());
}
BENCHMARK(paintSkyTwoTracks)->Unit(benchmark::kMicrosecond);

// The same paint with nothing but the plot's grid, for comparison.
void paintSkyGridOnly(benchmark::State &state)
{
    bench::ensureApplication();
    const SkyScene scene{{}, {}, {}, {}, {}, QStringLiteral("Aucun satellite visible"), kMinElevation, {}, true, {}};
    QImage image(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter painter(&image);
        paintSky(painter, kWidth, kHeight, scene);
    }
}
BENCHMARK(paintSkyGridOnly)->Unit(benchmark::kMicrosecond);

// The sky view's share of a tick once the passes' tracks are held: both
// lines traced back to their passes, the tracks looked up, the info line made.
void skySceneTick(benchmark::State &state)
{
    auto satellites = demoSatellites();
    SkyFeed feed;
    const SkyTick tick = tickAt(*satellites, passInstant());
    feed.scene(*satellites, tick);
    for (auto _ : state)
        benchmark::DoNotOptimize(feed.scene(*satellites, tick));
}
BENCHMARK(skySceneTick)->Unit(benchmark::kMicrosecond);

// The one-off work when a new pass comes to the view: its whole track.
void passTrackOnce(benchmark::State &state)
{
    auto satellites = demoSatellites();
    const auto passes = satellites->passes("OSCAR 7 (AO-7)", passInstant(), 1.0, kMinElevation, 0);
    if (passes.empty())
        throw std::runtime_error("AO-7 pass missing");
    std::size_t samples = 0;
    for (auto _ : state) {
        const PassTrack track = computePassTrack(*satellites, passes.front());
        samples = track.samples.size();
        benchmark::DoNotOptimize(track.samples.data());
    }
    state.counters["samples"] = double(samples);
}
BENCHMARK(passTrackOnce)->Unit(benchmark::kMicrosecond);

} // namespace
