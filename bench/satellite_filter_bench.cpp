#include "app/main_window.h"
#include "bench_application.h"
#include "synthetic_catalogue.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QListWidget>

#include <benchmark/benchmark.h>

// The "A Selectionner" filter over a 12,727-object catalogue: the window's
// thread from the change of the text to the list laid out again.
namespace {

using namespace orvanta;

constexpr int kCatalogueSize = 12727;

struct FilteredWindow {
    MainWindow window;
    QLineEdit *filter = nullptr;

    FilteredWindow()
    {
        QStringList names;
        for (int i = 0; i < kCatalogueSize; ++i)
            names << QString::fromStdString(bench::syntheticName(i));
        window.showSatelliteLists(
            names, {}, [](const QString &name) { return name.mid(6).toLong() + 10000; },
            [](long) { return SatelliteStatus::Alive; });
        window.show();
        filter = window.findChild<QLineEdit *>(QStringLiteral("Filtre_Sat"));
        QCoreApplication::processEvents();
    }

    void type(const QString &text)
    {
        filter->setText(text);
        QCoreApplication::processEvents();
    }
};

// From text to text, the first change untimed.
void filterChange(benchmark::State &state, const QString &from, const QString &to)
{
    bench::ensureApplication();
    FilteredWindow shown;
    for (auto _ : state) {
        state.PauseTiming();
        shown.type(from);
        state.ResumeTiming();
        shown.type(to);
    }
}
BENCHMARK_CAPTURE(filterChange, clear_after_no_match, QStringLiteral("ISS"), QString())
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(filterChange, first_key, QString(), QStringLiteral("7"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(filterChange, next_key, QStringLiteral("7"), QStringLiteral("72"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(filterChange, backspace, QStringLiteral("72"), QStringLiteral("7"))->Unit(benchmark::kMillisecond);

// For comparison in the same run: clearing the same filter the way the list
// was filtered before, a row at a time.
void clearRowByRow(benchmark::State &state)
{
    bench::ensureApplication();
    QListWidget list;
    for (int i = 0; i < kCatalogueSize; ++i)
        list.addItem(QString::fromStdString(bench::syntheticName(i)));
    list.show();
    for (auto _ : state) {
        state.PauseTiming();
        for (int row = 0; row < list.count(); ++row)
            list.item(row)->setHidden(true);
        QCoreApplication::processEvents();
        state.ResumeTiming();
        for (int row = 0; row < list.count(); ++row)
            list.item(row)->setHidden(false);
        QCoreApplication::processEvents();
    }
}
BENCHMARK(clearRowByRow)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
