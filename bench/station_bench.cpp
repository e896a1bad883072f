// The assembled station: one tick through the main window (lists filled,
// fields written) and the start-up to the first filled lists.

#include "app/station.h"
#include "bench_application.h"
#include "platform/help_viewer.h"
#include "platform/interface_language.h"
#include "platform/message_boxes.h"
#include "platform/parallel_port.h"
#include "platform/serial_line.h"
#include "platform/settings_store.h"
#include "platform/sound_player.h"
#include "platform/utc_clock.h"
#include "platform/waiter.h"
#include "synthetic_catalogue.h"

#include <QCoreApplication>
#include <QFile>
#include <QListWidget>
#include <QMap>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>
#include <optional>
#include <stdexcept>

namespace {

using namespace orvanta;

constexpr int kCatalogueSize = 1000;
constexpr int kSelectedSatellites = 100;

class MemoryStore final : public SettingsStore {
public:
    QString get(const QString &, const QString &section, const QString &key, const QString &fallback) const override
    {
        return values_.value(section.toLower() + '/' + key.toLower(), fallback);
    }
    void save(const QString &, const QString &section, const QString &key, const QString &value) override
    {
        values_[section.toLower() + '/' + key.toLower()] = value;
    }
    void remove(const QString &, const QString &section, const QString &key) override
    {
        values_.remove(section.toLower() + '/' + key.toLower());
    }

private:
    QMap<QString, QString> values_;
};

class SilentMessages final : public MessageBoxes {
public:
    void information(const QString &, const QString &, Icon) override {}
    bool question(const QString &, const QString &) override { return false; }
};

class OpenLine final : public SerialLine {
public:
    QString Settings() const override { return settings_; }
    bool setSettings(const QString &s) override
    {
        settings_ = s;
        return true;
    }
    bool PortOpen() const override { return open_; }
    void setPortOpen(bool open) override { open_ = open; }
    void Output(const QByteArray &bytes) override { benchmark::DoNotOptimize(bytes.size()); }

private:
    QString settings_;
    bool open_ = false;
};

struct NoPort final : ParallelPort {
    void Out32(int, int) override {}
};
struct NoSound final : SoundPlayer {
    void playAndWait(const QString &) override {}
};
struct NoWait final : Waiter {
    void Attente(double) override { QCoreApplication::processEvents(); }
};
struct NoHelp final : HelpViewer {
    void show(const QString &) override {}
};

class SteppedClock final : public UtcClock {
public:
    QDateTime now = QDateTime(QDate(2026, 6, 27), QTime(0, 0), Qt::UTC);
    QDateTime nowUtc() const override { return now; }
};

// A station folder of a 1,000-satellite catalogue, the first 100 selected in
// bank 1 with their frequencies; tracking, Doppler and the receiver on.
struct BenchStation {
    QTemporaryDir folder;
    MemoryStore store;
    SilentMessages messages;
    SteppedClock clock;
    NoWait waiter;
    OpenLine receiverLine;
    OpenLine rotorLine;
    NoPort port;
    NoSound sound;
    NoHelp help;
    std::unique_ptr<Station> station;

    BenchStation()
    {
        bench::ensureApplication();
        if (!QFile::copy(QString::fromStdString(bench::syntheticCatalogue(kCatalogueSize)), folder.filePath("Catalogue.txt")))
            throw std::runtime_error("cannot copy the synthetic catalogue");
        QFile frequencies(folder.filePath("Frequences.cfg"));
        frequencies.open(QIODevice::WriteOnly);
        store.save("Orvanta", "Banque1", "Nombre de Satellites", QString::number(kSelectedSatellites));
        for (int i = 0; i < kSelectedSatellites; ++i) {
            const QString name = QString::fromStdString(bench::syntheticName(i));
            frequencies.write((name + "\r\n145.8\r\nMode B\r\n").toLatin1());
            store.save("Orvanta", "Banque1", QStringLiteral("Satellite %1").arg(i + 1), name);
        }
        store.save("Orvanta", "Setup", "Interface Rotor", "GS232");
    }

    void start()
    {
        station = std::make_unique<Station>(StationPlatform{store, messages, clock, waiter, receiverLine, rotorLine, port,
                                                            sound, help, folder.path()});
        station->start();
        station->window().timer1().stop();
        station->window().timer2().stop();
    }

    void tick() { QMetaObject::invokeMethod(&station->window().timer1(), "timeout"); }
};

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
