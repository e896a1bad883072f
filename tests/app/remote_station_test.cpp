// The remote station on the assembled station: a real browser (Debian's
// headless chromium, through chromedriver) logs in, reads the passes and
// switches tracking on, and Hamlib's dummy rotor behind rotctld moves.
#include "hamlib/hamlib_device.h"
#include "remote/remote_passwords.h"
#include "station_harness.h"
#include "support/hamlib_daemon.h"

#include <QElapsedTimer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTest>

#include <gtest/gtest.h>

namespace orvanta {
namespace {

constexpr int kNetModel = 2; // "NET rotctl"
const QString kPassword = QStringLiteral("garde du toit 12");

TEST(RemoteStation, ABrowserSeesTheWindowsPassesSwitchesTrackingOnAndTheRotorMoves)
{
    test::HamlibDaemon rot(QStringLiteral("rotctld"), {"-m", "1"});
    ASSERT_TRUE(rot.start());
    test::StationHarness h;
    h.setup("Interface Rotor", "Hamlib");
    saveHamlibDevice(h.store, HamlibKind::Rotor, {kNetModel, rot.address(), 0});
    h.bank(1, {"ISS (ZARYA)", "OSCAR 7 (AO-7)"});
    saveRemotePasswordHash(h.store, RemoteRole::Operator, *hashRemotePassword(kPassword.toUtf8()));
    h.remote = RemoteListen{QStringLiteral("127.0.0.1"), 0};
    h.at("2026-06-27T01:36:00Z");
    h.start();
    const quint16 port = h.station->remote().server().port();
    ASSERT_NE(port, 0);
    EXPECT_FALSE(h.station->tracking().state().Tracking_Actif);

    // The server answers on this thread: the station keeps ticking while
    // the browser works.
    QProcess page;
    page.start(QStringLiteral("/usr/bin/python3"),
               {QStringLiteral(ORVANTA_SOURCE_DIR "/tests/remote/browser/remote_page.py"), QString::number(port),
                kPassword, QStringLiteral("check")});
    QElapsedTimer sinceTick;
    sinceTick.start();
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            if (sinceTick.elapsed() > 500) {
                h.tick();
                sinceTick.restart();
            }
            return page.state() == QProcess::NotRunning;
        },
        120000));
    const QByteArray said = page.readAllStandardOutput();
    ASSERT_EQ(page.exitCode(), 0) << said.constData() << page.readAllStandardError().constData();

    QStringList rows;
    for (const QByteArray &line : said.split('\n')) {
        const QJsonObject row = QJsonDocument::fromJson(line).object();
        if (!row.isEmpty())
            rows << row["name"].toString() + ' ' + row["aos"].toString() + ' ' + row["los"].toString();
    }
    const QStringList window = h.lines("Sat_Visibles") + h.lines("Detail_Pass");
    ASSERT_FALSE(window.isEmpty());
    ASSERT_EQ(rows.size(), window.size()) << rows.join('\n').toStdString();
    for (int i = 0; i < rows.size(); ++i) {
        const QStringList fields = rows[i].split(' ');
        for (const QString &time : {fields[fields.size() - 2], fields.back()})
            EXPECT_TRUE(window[i].contains(time)) << window[i].toStdString() << " / " << rows[i].toStdString();
    }
    EXPECT_TRUE(said.contains("tracking on"));
    EXPECT_TRUE(h.station->tracking().state().Tracking_Actif);
    EXPECT_EQ(h.window().checkedOption(QStringLiteral("Tracking")), 2);

    // The dummy turns only while it is read, which each new position does.
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            h.tick();
            const QStringList p = rot.ask("p", 2);
            return std::abs(p.value(0).toDouble()) + std::abs(p.value(1).toDouble()) >= 3;
        },
        15000));
}

} // namespace
} // namespace orvanta
