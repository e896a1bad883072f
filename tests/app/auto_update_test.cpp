// A station left running for a day with the automatic element update on,
// its Sources.cfg pointing at a loopback HTTP server, the clock driven by the test.

#include "app/station.h"
#include "data/auto_element_update.h"
#include "data/loopback_http_server.h"
#include "station_harness.h"

#include <QFile>
#include <QStatusBar>
#include <QThread>

#include <gtest/gtest.h>

namespace orvanta {
namespace {

TEST(AutoElementUpdate, ADayOfRunningUpdatesOnScheduleInTheBackground)
{
    test::LoopbackHttpServer server;
    QFile elements(QStringLiteral(ORVANTA_SOURCE_DIR "/tests/orbit/data/amateur-2026-06.txt"));
    ASSERT_TRUE(elements.open(QIODevice::ReadOnly));
    server.route("/amateur.txt", test::LoopbackHttpServer::response(200, "OK", elements.readAll()));

    test::StationHarness h;
    h.writeFile("Sources.cfg", ("Amateur.txt=" + server.url("/amateur.txt")).toLatin1() + "\r\n");
    h.store.save("Orvanta", "Elements", "Mise A Jour Automatique", "1");
    h.bank(1, {"ISS (ZARYA)", "OSCAR 7 (AO-7)"});
    h.at("2026-06-27T07:00:00Z");
    h.start();

    AutoElementUpdate &update = h.station->elements().automaticUpdate();
    const auto downloaded = [&] {
        for (int i = 0; i < 500 && update.running(); ++i) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
            QThread::msleep(2);
        }
        return !update.running() &&
               h.window().statusBar()->currentMessage().startsWith("Éléments mis à jour automatiquement");
    };
    std::vector<QDateTime> runs;
    ASSERT_EQ(update.runs(), 1) << "at start-up";
    runs.push_back(h.clock.now);
    ASSERT_TRUE(downloaded()) << h.window().statusBar()->currentMessage().toStdString();
    for (QDateTime t = h.clock.now.addSecs(600); t <= QDateTime::fromString("2026-06-28T07:30:00Z", Qt::ISODate);
         t = t.addSecs(600)) {
        h.clock.now = t;
        h.tick();
        update.check();
        if (update.runs() == int(runs.size()))
            continue;
        runs.push_back(t);
        // The download runs from the event loop: the check returned at once and the ticks go on.
        EXPECT_TRUE(update.running());
        h.tick();
        ASSERT_TRUE(downloaded()) << h.window().statusBar()->currentMessage().toStdString();
    }
    // At start-up, about 12 h later (later still if a pass was being taken
    // up), and 12 h after that.
    ASSERT_EQ(runs.size(), 3u);
    EXPECT_EQ(runs[0], QDateTime::fromString("2026-06-27T07:00:00Z", Qt::ISODate));
    for (std::size_t i = 1; i < runs.size(); ++i) {
        EXPECT_GE(runs[i - 1].secsTo(runs[i]), 12 * 3600);
        EXPECT_LE(runs[i - 1].secsTo(runs[i]), 12 * 3600 + 600);
    }
    EXPECT_TRUE(h.messages.texts().isEmpty()) << h.messages.texts().join('\n').toStdString();
}

} // namespace
} // namespace orvanta
