// The automatic element update as the window thread lives it: one round
// fetched from a loopback HTTP server, a catalogue of realistic size checked
// and written, then the station's component built again from it. A
// zero-interval timer beats all along; the longest gap between two beats is
// the longest the round held the event loop, so the longest a tick due then
// would have waited: in wall time, and in the window thread's own
// processor time, which the load of other programs does not swell.

#include "bench_station.h"
#include "data/auto_element_update.h"
#include "data/loopback_http_server.h"
#include "synthetic_catalogue.h"

#include <QCoreApplication>
#include <QFile>
#include <QThread>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <stdexcept>

#include <time.h>

namespace {

using namespace orvanta;
using Clock = std::chrono::steady_clock;

double millisecondsBetween(Clock::time_point from, Clock::time_point to)
{
    return std::chrono::duration<double, std::milli>(to - from).count();
}

// The window thread's own processor time: on a loaded machine the wall
// clock also counts the time other programs had the processor.
double threadMilliseconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

// The catalogue without its last set's three lines.
QByteArray withoutLastSet(const QByteArray &catalogue)
{
    qsizetype end = catalogue.size() - 1; // its last line's break
    for (int line = 0; line < 3; ++line)
        end = catalogue.lastIndexOf('\n', end - 1);
    return catalogue.left(end + 1);
}

void elementUpdateRound(benchmark::State &state)
{
    const int size = int(state.range(0));
    // With names changed, every other round's catalogue lacks its last set.
    const bool namesChange = state.range(1) != 0;
    bench::BenchStation bench(size, 10);
    QFile catalogue(QString::fromStdString(bench::syntheticCatalogue(size)));
    if (!catalogue.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read the synthetic catalogue");
    const QByteArray whole = catalogue.readAll();
    const QByteArray lessOne = withoutLastSet(whole);
    test::LoopbackHttpServer server;
    server.route("/catalogue.txt", test::LoopbackHttpServer::response(200, "OK", whole));
    QFile sources(bench.folder.filePath("Sources.cfg"));
    sources.open(QIODevice::WriteOnly);
    sources.write(("Catalogue.txt=" + server.url("/catalogue.txt") + "\r\n").toLatin1());
    sources.close();
    QFile list(bench.folder.filePath("Elements.cfg"));
    list.open(QIODevice::WriteOnly);
    list.write("Catalogue.txt\r\n");
    list.close();
    bench.start();
    AutoElementUpdate &update = bench.station->elements().automaticUpdate();
    update.setOn(true); // the first round, at once, is the start-up's
    const orbit::Satellites *first = bench.station->component();
    while (update.running() || bench.station->component() == first)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);

    double stall = 0;
    double stallWork = 0;
    double round = 0;
    int rounds = 0;
    for (auto _ : state) {
        // The next round is due 12 hours on, once no pass is being taken up.
        if (namesChange)
            server.route("/catalogue.txt",
                         test::LoopbackHttpServer::response(200, "OK", rounds % 2 == 0 ? lessOne : whole));
        const int before = update.runs();
        bench.clock.now = bench.clock.now.addSecs(13 * 3600);
        for (int minutes = 0; update.runs() == before; ++minutes) {
            if (minutes > 24 * 60)
                throw std::runtime_error("the automatic update never ran");
            bench.clock.now = bench.clock.now.addSecs(60);
            bench.tick();
            update.check();
        }
        Clock::time_point last = Clock::now();
        const Clock::time_point start = last;
        double lastWork = threadMilliseconds();
        double longest = 0;
        double longestWork = 0;
        QTimer beat;
        beat.setInterval(0);
        QObject::connect(&beat, &QTimer::timeout, [&] {
            const Clock::time_point now = Clock::now();
            const double work = threadMilliseconds();
            longest = std::max(longest, millisecondsBetween(last, now));
            longestWork = std::max(longestWork, work - lastWork);
            last = now;
            lastWork = work;
        });
        beat.start();
        // The round ends when the new component is in place.
        const orbit::Satellites *old = bench.station->component();
        while (update.running() || bench.station->component() == old) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            if (millisecondsBetween(start, Clock::now()) > 60'000)
                throw std::runtime_error("the new elements never came into use");
        }
        beat.stop();
        longest = std::max(longest, millisecondsBetween(last, Clock::now()));
        stall = std::max(stall, longest);
        stallWork = std::max(stallWork, longestWork);
        round += millisecondsBetween(start, Clock::now());
        ++rounds;
    }
    state.counters["longest_stall_ms"] = stall;
    state.counters["longest_window_work_ms"] = stallWork;
    state.counters["round_ms"] = round / rounds;
}
BENCHMARK(elementUpdateRound)
    ->ArgNames({"satellites", "names_change"})
    ->Args({1000, 0})
    ->Args({10000, 0})
    ->Args({10000, 1})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);

} // namespace
