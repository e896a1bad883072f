// The log of contacts with 100,000 of them: "already worked" while a call is
// typed, the Journal window opening, and the export of them all.

#include "bench_application.h"
#include "logbook/adif_transfer.h"
#include "logbook/journal_work.h"
#include "logbook/log_store.h"
#include "platform/message_boxes.h"
#include "platform/settings_store.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

using namespace orvanta;
using bench::NoStore;

constexpr int kContacts = 100'000;

class NoBoxes final : public MessageBoxes {
public:
    void information(const QString &, const QString &, Icon) override {}
    bool question(const QString &, const QString &) override { return false; }
};

struct StillStation final : LogStation {
    StationFacts facts() const override
    {
        return {QDateTime(QDate(2026, 6, 27), QTime(7, 12, 3), Qt::UTC), 24278, "JAS-2 (FO-29)", "V/U", 145951230,
                435848770, "USB", "JN18eu"};
    }
};

// One log of 100,000 contacts for every benchmark, made once: a few hundred
// stations worked again and again over ten years on a dozen satellites.
struct FullLog {
    QTemporaryDir dir;
    QString path = dir.filePath("journal.sqlite");

    FullLog()
    {
        const char *satellites[] = {"AO-7", "FO-29", "SO-50", "AO-91", "ISS", "IO-117", "RS-44", "AO-27"};
        std::vector<Contact> contacts;
        contacts.reserve(kContacts);
        const QDateTime start(QDate(2016, 1, 1), QTime(0, 0), Qt::UTC);
        for (int k = 0; k < kContacts; ++k) {
            Contact c;
            c.instant = start.addSecs(qint64(k) * 3000);
            c.call = QStringLiteral("F%1AB%2").arg(k % 10).arg(QChar('A' + (k / 10) % 26));
            c.call += QChar('A' + (k / 260) % 26);
            c.satName = QString::fromLatin1(satellites[k % 8]);
            c.satMode = "V/U";
            c.uplinkHz = 145'900'000 + k % 100'000;
            c.downlinkHz = 435'800'000 + k % 100'000;
            c.band = "2m";
            c.bandRx = "70cm";
            c.mode = "SSB";
            c.submode = "USB";
            c.rstSent = c.rstRcvd = "59";
            c.grid = QStringLiteral("JN%1%2").arg(k % 10).arg((k / 10) % 10);
            c.myGrid = "JN18eu";
            c.stationCallsign = "F6XYZ";
            c.comment = "merci pour le contact";
            contacts.push_back(c);
        }
        LogStore store(path);
        int duplicates = 0;
        store.addNew(contacts, &duplicates);
    }
};

FullLog &fullLog()
{
    static FullLog log;
    return log;
}

void BM_AlreadyWorkedWhileTyping(benchmark::State &state)
{
    LogStore store(fullLog().path);
    for (auto _ : state)
        benchmark::DoNotOptimize(store.worked("F4ABQC", "JN42", "FO-29"));
}
BENCHMARK(BM_AlreadyWorkedWhileTyping)->Unit(benchmark::kMillisecond);

void BM_JournalWindowOpening(benchmark::State &state)
{
    bench::ensureApplication();
    const QString path = fullLog().path;
    NoStore settings;
    NoBoxes boxes;
    StillStation station;
    QTemporaryDir folder;
    for (auto _ : state) {
        QMainWindow main;
        JournalWork work({main, nullptr, settings, boxes, station, folder.path(), path});
        work.open();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_JournalWindowOpening)->Unit(benchmark::kMillisecond);

void BM_ExportAllContacts(benchmark::State &state)
{
    LogStore store(fullLog().path);
    QTemporaryDir dir;
    for (auto _ : state) {
        const TransferOutcome outcome =
            exportContacts(store, {}, dir.filePath("all.adi"), QDateTime::currentDateTimeUtc());
        if (outcome.contacts != kContacts)
            state.SkipWithError("not every contact exported");
    }
}
BENCHMARK(BM_ExportAllContacts)->Unit(benchmark::kMillisecond);

} // namespace
