// LO-19's north-crossing pass of the demo (rising at 07:38:43 in the north,
// 36° at 07:44, setting in the south-west) rehearsed on a GS-232 with an
// overlap, against a simulated controller on a pseudo-terminal that turns at
// 3°/s in azimuth and 1.5°/s in elevation and says where it is.

#include "app/station.h"
#include "tracking/station_clock.h"
#include "gs232_simulator.h"
#include "orbit/horizon_mask.h"
#include "orbit/utc_time.h"
#include "platform/qt_serial_line.h"
#include "station_harness.h"

#include <QRegularExpression>
#include <QThread>

#include <gtest/gtest.h>

#include <cmath>
#include <iostream>
#include <numbers>

namespace orvanta {
namespace {

constexpr double kDegrees = 180.0 / std::numbers::pi;
const QDateTime kStart = QDateTime::fromString("2026-06-27T07:38:00Z", Qt::ISODate);
const QDateTime kEnd = QDateTime::fromString("2026-06-27T07:53:00Z", Qt::ISODate);
const QDateTime kCulmination = QDateTime::fromString("2026-06-27T07:44:00Z", Qt::ISODate);

double angleBetween(double az1, double el1, double az2, double el2)
{
    const double c = std::cos(el1 / kDegrees) * std::cos(el2 / kDegrees) * std::cos((az1 - az2) / kDegrees) +
                     std::sin(el1 / kDegrees) * std::sin(el2 / kDegrees);
    return std::acos(std::clamp(c, -1.0, 1.0)) * kDegrees;
}

struct Rehearsal {
    test::PtyPair pty;
    test::StationHarness h;
    std::unique_ptr<QtSerialLine> line;
    test::Gs232Simulator rotor{pty, 3, 1.5};
    // Every second: how far the simulated antenna is from the satellite.
    std::vector<std::pair<QDateTime, double>> errors;

    explicit Rehearsal(bool lead, const QByteArray &horizon = {})
    {
        h.writeFile("Frequences.cfg", "LUSAT (LO-19)\r\n437.125\r\nMode B\r\n");
        if (!horizon.isEmpty())
            h.writeFile("Horizon.cfg", horizon);
        h.setup("Interface Rotor", "GS232");
        h.setup("Minimum Elevation", "0");
        h.store.save("Orvanta", "Rotor", "GS232 Azimut Max", "450");
        h.store.save("Orvanta", "Rotor", "GS232 Lecture Position", "1");
        h.store.save("Orvanta", "Rotor", "Avance", lead ? "1" : "0");
        h.store.save("Orvanta", "Rotor", "GS232 Vitesse Azimut", "3");
        h.store.save("Orvanta", "Rotor", "GS232 Vitesse Site", "1.5");
        h.bank(1, {"LUSAT (LO-19)"});
        line = std::make_unique<QtSerialLine>(pty.slavePath(), QStringLiteral("4800,n,8,1"), h.messages);
        h.clock.now = kStart;
        h.station = std::make_unique<Station>(StationPlatform{h.store, h.messages, h.clock, h.waiter, h.receiverLine,
                                                              *line, h.port, h.sound, h.help, h.folder.path()});
        h.station->start();
        h.settle();
        h.click("Tracking_2");
    }

    static double seconds(const QDateTime &t) { return double(kStart.secsTo(t)); }

    // Ticks every 5 s; the controller answers each "C2" before the next tick.
    void run(const std::function<void(const QDateTime &)> &beforeTick = {})
    {
        for (QDateTime t = kStart; t <= kEnd; t = t.addSecs(5)) {
            if (beforeTick)
                beforeTick(t);
            h.clock.now = t;
            h.tick();
            rotor.serve(seconds(t));
            for (int i = 0; i < 10; ++i) {
                QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
                QThread::msleep(1);
            }
            for (int s = 0; s < 5; ++s) {
                const QDateTime at = t.addSecs(s);
                orbit::SatelliteLook look;
                ASSERT_TRUE(h.station->component()->lookAt("LUSAT (LO-19)", julianToTheSecond(at), -90, look));
                const auto antenna = rotor.at(seconds(at));
                errors.emplace_back(at, angleBetween(antenna.azimuthDeg, antenna.elevationDeg,
                                                     look.azimuthRad * kDegrees, look.elevationRad * kDegrees));
            }
        }
    }

    // The mean error over each tick's interval within two minutes of the culmination.
    std::vector<double> nearCulmination() const
    {
        std::vector<double> means;
        for (std::size_t i = 0; i + 5 <= errors.size(); i += 5) {
            if (std::abs(errors[i].first.secsTo(kCulmination)) > 120)
                continue;
            double sum = 0;
            for (std::size_t k = i; k < i + 5; ++k)
                sum += errors[k].second;
            means.push_back(sum / 5);
        }
        return means;
    }
};

TEST(RotorLead, TheLeadingAntennaIsNeverFartherNearCulmination)
{
    Rehearsal plain(false);
    plain.run();
    Rehearsal led(true);
    led.run();
    const std::vector<double> without = plain.nearCulmination();
    const std::vector<double> with = led.nearCulmination();
    ASSERT_EQ(without.size(), with.size());
    ASSERT_GE(with.size(), 40u);
    double worstWithout = 0, worstWith = 0, sumWithout = 0, sumWith = 0;
    for (std::size_t i = 0; i < with.size(); ++i) {
        // Never worse; equal only where both sent the same whole degrees.
        EXPECT_LE(with[i], without[i]) << "interval " << i;
        worstWithout = std::max(worstWithout, without[i]);
        worstWith = std::max(worstWith, with[i]);
        sumWithout += without[i];
        sumWith += with[i];
    }
    EXPECT_LT(sumWith, sumWithout);
    EXPECT_LT(worstWith, worstWithout);
    // For the README's table.
    std::cout << "pointing error near culmination, mean / worst interval: without lead " << sumWithout / without.size()
              << " / " << worstWithout << " deg, with lead " << sumWith / with.size() << " / " << worstWith
              << " deg\n";
    EXPECT_TRUE(led.h.messages.texts().filter("ne suit pas").isEmpty()) << led.h.messages.texts().join('\n').toStdString();
}

// A 20° wall to the north, where LO-19 rises: the antenna waits on the wall
// where the satellite will clear it and no command goes below it.
TEST(RotorLead, NoCommandGoesBelowTheStationsHorizon)
{
    const QByteArray wall = "# a wall to the north\r\n280 0\r\n300 20\r\n60;20\r\n80\t0\r\n";
    for (const bool lead : {false, true}) {
        Rehearsal r(lead, wall);
        r.run();
        const orbit::HorizonMask mask({{280, 0}, {300, 20}, {60, 20}, {80, 0}});
        ASSERT_GT(r.rotor.commands.size(), 100);
        for (const QByteArray &command : r.rotor.commands) {
            const double az = command.mid(1, 3).toDouble();
            const double el = command.mid(5, 3).toDouble();
            EXPECT_GE(el, mask.minimumElevationDeg(az)) << command.constData() << (lead ? " lead" : "");
        }
        EXPECT_GE(r.rotor.commands.front().mid(5, 3).toInt(), 20) << "waits on the wall";
        EXPECT_TRUE(r.h.messages.texts().isEmpty()) << r.h.messages.texts().join('\n').toStdString();
    }
}

// The brake trips at 07:45: the operator is told once, with where the
// rotor is and where it should be, and the commands go on.
TEST(RotorLead, ARotorThatStopsIsReportedOnce)
{
    Rehearsal r(true);
    const QDateTime trip = QDateTime::fromString("2026-06-27T07:45:00Z", Qt::ISODate);
    qsizetype sentBefore = 0;
    r.run([&](const QDateTime &t) {
        if (t == trip) {
            r.rotor.stop(Rehearsal::seconds(t));
            sentBefore = r.rotor.commands.size();
        }
    });
    const QStringList said = r.h.messages.texts().filter("ne suit pas");
    ASSERT_EQ(said.size(), 1) << r.h.messages.texts().join('\n').toStdString();
    EXPECT_TRUE(QRegularExpression("^Le rotor ne suit pas : il est à \\d+° / \\d+° et devrait être à \\d+° / \\d+°\\.$")
                    .match(said.front())
                    .hasMatch())
        << said.front().toStdString();
    EXPECT_GE(r.rotor.commands.size() - sentBefore, trip.secsTo(kEnd) / 5) << "tracking goes on";
}

} // namespace
} // namespace orvanta
