// One correction cycle of a transponder's two links, as the station's own
// timer runs it on the window's thread: the range rate from the component,
// both links through the Doppler shift, and the step check before sending.

#include "bench_application.h"
#include "orbit/satellites.h"
#include "platform/message_boxes.h"
#include "platform/settings_store.h"
#include "transponder/dial_watch.h"
#include "transponder/hamlib_satellite_work.h"
#include "transponder/transponder_entries.h"
#include "transponder/satellite_link.h"
#include "transponder/transponder_tuning.h"

#include <QDateTime>

#include <cmath>
#include <QMap>

#include <benchmark/benchmark.h>

namespace {

using namespace orvanta;
using bench::NoStore;

class SilentRadio final : public SatelliteRadio {
public:
    int sent = 0;
    bool start(const Transponder &, qint64, qint64) override
    {
        ++sent;
        return true;
    }
    void move(const LinkAt &at, double period) override
    {
        if (at(Link::Downlink, 0, period) || at(Link::Uplink, 0, period))
            ++sent;
    }
    void stop() override { ++sent; }
};

// FO-29's inverting transponder followed from the demo station.
struct Fo29Tuning {
    std::unique_ptr<orbit::Satellites> component =
        orbit::Init_Satellites(ORVANTA_SOURCE_DIR "/demo", 48.85, 2.35, 35);
    NoStore store;
    TransponderTuning tuning{store, [] {
        TransponderTable table;
        table.entries = {{24278, "Mode JA", 145900000, 146000000, 435800000, 435900000, true, "LSB", "USB", 0, true}};
        return table;
    }};
    Fo29Tuning() { tuning.follow(24278, QStringLiteral("JAS-2 (FO-29)")); }
};

void BM_TwoLinkCorrectionCycle(benchmark::State &state)
{
    Fo29Tuning fo29;
    TransponderTuning &tuning = fo29.tuning;
    SilentRadio radio;
    SatelliteLink link(radio);
    QDateTime instant = QDateTime::fromString(QStringLiteral("2026-06-27T10:00:00Z"), Qt::ISODate);
    const LinksAhead ahead = [&](double seconds) {
        return tuning.linksAt(rangeRateAt(fo29.component.get(), tuning.satelliteName(),
                                          instant.addMSecs(std::llround(seconds * 1000))));
    };
    for (auto _ : state) {
        instant = instant.addMSecs(500);
        tuning.setRangeRate(rangeRateAt(fo29.component.get(), tuning.satelliteName(), instant));
        // The next correction's delay from both links' Doppler rate, as the station's timer takes it.
        const std::optional<TwoLinks> now = tuning.links();
        const std::optional<TwoLinks> later = ahead(1);
        const double period = correctionSeconds(std::abs(later->downlinkAtRadio - now->downlinkAtRadio), 0.5);
        link.cycle(tuning.transponder(), ahead, period);
    }
    if (radio.sent == 0)
        state.SkipWithError("nothing was sent");
}
BENCHMARK(BM_TwoLinkCorrectionCycle)->Unit(benchmark::kMicrosecond);

class SilentBoxes final : public MessageBoxes {
public:
    void information(const QString &, const QString &, Icon) override {}
    bool question(const QString &, const QString &) override { return false; }
};

// The same cycle through the Hamlib radio: its share on the window's thread,
// the radio's exchanges being left to its worker (here one that finds
// nothing listening and tries again on its own).
void BM_HamlibTwoLinkCorrectionCycle(benchmark::State &state)
{
    Fo29Tuning fo29;
    TransponderTuning &tuning = fo29.tuning;
    SilentBoxes boxes;
    HamlibReceiver rig(boxes);
    rig.setDevice({2, QStringLiteral("127.0.0.1:9"), 0});
    QObject window;
    HamlibSatelliteWork work(window, {}, fo29.store, rig);
    QDateTime instant = QDateTime::fromString(QStringLiteral("2026-06-27T10:00:00Z"), Qt::ISODate);
    const LinksAhead ahead = [&](double seconds) {
        return tuning.linksAt(rangeRateAt(fo29.component.get(), tuning.satelliteName(),
                                          instant.addMSecs(std::llround(seconds * 1000))));
    };
    for (auto _ : state) {
        instant = instant.addMSecs(500);
        tuning.setRangeRate(rangeRateAt(fo29.component.get(), tuning.satelliteName(), instant));
        const std::optional<TwoLinks> now = tuning.links();
        const std::optional<TwoLinks> later = ahead(1);
        const double period = correctionSeconds(std::abs(later->downlinkAtRadio - now->downlinkAtRadio), 0.5);
        // With the running estimate of the radio's latency from its readings.
        work.cycle(&tuning, ahead, period);
    }
}
BENCHMARK(BM_HamlibTwoLinkCorrectionCycle)->Unit(benchmark::kMicrosecond);

// What each cycle adds once the radio's readings come back: the running
// estimate of its latency, the downlink kept in the history and the reading
// told from our own corrections, with the history full.
void BM_DialReadingAndLatencyEstimate(benchmark::State &state)
{
    DialWatch dial(SatelliteLink::kFt847StepHz);
    CommandLatency latency;
    qint64 now = 0;
    qint64 hertz = 435860000;
    for (auto _ : state) {
        now += 190;
        hertz -= 12;
        latency.measured(0.004 + 0.001 * double(now % 3));
        dial.sent(hertz, now + qint64(latency.seconds() * 1000));
        benchmark::DoNotOptimize(dial.turned(double(hertz + 10), now + 5, 100));
    }
}
BENCHMARK(BM_DialReadingAndLatencyEstimate)->Unit(benchmark::kMicrosecond);

} // namespace
