#include "rotor/pass_pointing.h"

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

using namespace orvanta;

// A 10-minute overhead pass sampled as the tick's tracks are (every 20 s
// and more where it bends), behind a horizon of twelve points.
std::vector<TrackPoint> overheadTrack()
{
    std::vector<TrackPoint> track;
    for (double t = 0; t <= 600; t += 10) {
        const double az = std::fmod(360.0 + 300.0 + 120.0 * std::tanh((t - 300.0) / 70.0), 360.0);
        track.push_back({t, az, 85.0 * std::exp(-std::pow((t - 300.0) / 180.0, 2)) - 4.0});
    }
    return track;
}

orbit::HorizonMask twelvePoints()
{
    std::vector<orbit::HorizonPoint> points;
    for (int i = 0; i < 12; ++i)
        points.push_back({i * 30.0, 5.0 + (i % 4) * 5.0});
    return orbit::HorizonMask(points);
}

// What the tick adds to a command near the culmination: the lead's search
// and the horizon, against the plan alone.
void BM_CommandWithLeadAndHorizon(benchmark::State &state)
{
    const std::vector<TrackPoint> track = overheadTrack();
    const PassPointing pointing(RotorPlan::forTrack(track, {0, 450, false}), track, twelvePoints());
    const PassPointing::Lead lead{{300, 60}, {6, 2.7}, 5};
    double t = 280;
    for (auto _ : state) {
        benchmark::DoNotOptimize(pointing.command(t, 300, 80, lead));
        t = t >= 320 ? 280 : t + 1;
    }
}
BENCHMARK(BM_CommandWithLeadAndHorizon)->Unit(benchmark::kMicrosecond);

void BM_CommandPlanOnly(benchmark::State &state)
{
    const std::vector<TrackPoint> track = overheadTrack();
    const PassPointing pointing(RotorPlan::forTrack(track, {0, 450, false}), track, {});
    double t = 280;
    for (auto _ : state) {
        benchmark::DoNotOptimize(pointing.command(t, 300, 80, std::nullopt));
        t = t >= 320 ? 280 : t + 1;
    }
}
BENCHMARK(BM_CommandPlanOnly)->Unit(benchmark::kMicrosecond);

} // namespace
