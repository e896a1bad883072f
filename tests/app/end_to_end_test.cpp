// The program as a user starts it: its own main path, a real station folder,
// a real settings file naming pseudo-terminals as the receiver and rotor
// lines, clicks on the switches, and the bytes that reach the far ends.

#include "app/orvanta_main.h"
#include "app/station.h"
#include "station_harness.h"
#include "platform/qt_serial_line.h"
#include "platform/text_numbers.h"
#include "support/fakes.h"
#include "support/pty.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <cmath>
#include <map>

namespace orvanta {
namespace {

struct Look {
    double azimuth, elevation, rangeRate;
};

struct Observer {
    QString latitude, longitude, altitude, minimumElevation;
};

// What orvanta-orbit says of a satellite at each second of the run.
std::map<QString, Look> looksFromTheCommandLine(const QString &folder, const QString &satellite, const Observer &at,
                                                const QDateTime &from, int seconds)
{
    std::map<QString, Look> looks;
    for (int s = 0; s <= seconds; ++s) {
        const QString instant = from.addSecs(s).toString("yyyy-MM-ddTHH:mm:ss.000Z");
        QProcess orbit;
        orbit.start(QStringLiteral(ORVANTA_BINARY_DIR "/src/app/orvanta-orbit"),
                    {"look", "--elements", folder + "/Amateur.txt", "--lat", at.latitude, "--lon", at.longitude,
                     "--alt", at.altitude, "--time", instant, "--sat", satellite});
        orbit.waitForFinished();
        const QStringList row = QString::fromUtf8(orbit.readAllStandardOutput()).split('\n').value(1).split(',');
        if (row.size() >= 6)
            looks[instant.left(19)] = {row[2].toDouble(), row[3].toDouble(), row[5].toDouble()};
    }
    return looks;
}

// Whether a commanded frequency is the Doppler-corrected downlink at one of the instants.
bool correctedAtSomeInstant(double mhz, double downlink, const std::map<QString, Look> &looks)
{
    for (const auto &[instant, look] : looks)
        if (std::abs(mhz - downlink * (1 - look.rangeRate / 299792.458)) < 0.00006)
            return true;
    return false;
}

// Answers every box as a user would: Yes to the park question, OK to the rest.
void answerBoxes(QStringList &seen)
{
    if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
        seen << box->text();
        if (QAbstractButton *yes = box->button(QMessageBox::Yes))
            yes->click();
        else
            box->accept();
    }
}

// A station folder with the demo's elements, a settings file naming the two
// pseudo-terminals, and the program run from a start instant with the given
// switches clicked, closed after a while.
struct Rehearsal {
    test::PtyPair receiver;
    test::PtyPair rotor;
    QTemporaryDir station;
    QTemporaryDir home;
    QString settingsPath = home.filePath("Orvanta.ini");
    test::RecordingParallelPort port;
    QStringList boxes;

    Rehearsal(const QByteArray &frequencies, const Observer &at, const QString &bank)
    {
        QFile::copy(QStringLiteral(ORVANTA_SOURCE_DIR "/tests/orbit/data/amateur-2026-06.txt"),
                    station.filePath("Amateur.txt"));
        write(station.filePath("Elements.cfg"), "Amateur.txt\r\n");
        write(station.filePath("Frequences.cfg"), frequencies);
        write(settingsPath,
              QStringLiteral("[Setup]\nLongitude Observateur=%3\nLatitude Observateur=%4\nAltitude Observateur=%5\n"
                             "Minimum Elevation=%6\nRepetition Mesure=1\nRecepteur=AR5000\nInterface Rotor=GS232\n"
                             "Park Azimut 0=270\nPark Site 0=0\n"
                             "Peripherique Ligne Recepteur=%1\nPeripherique Ligne Rotor=%2\n")
                      .arg(receiver.slavePath(), rotor.slavePath(), at.longitude, at.latitude, at.altitude,
                           at.minimumElevation)
                      .toUtf8()
                  + bank.toUtf8());
    }

    static void write(const QString &path, const QByteArray &bytes)
    {
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
    }

    int run(const QDateTime &start, int runMs, const std::vector<const char *> &switches)
    {
        QTimer answers;
        QObject::connect(&answers, &QTimer::timeout, [&] { answerBoxes(boxes); });
        answers.start(50);
        MainHooks hooks;
        hooks.parallelPort = &port;
        hooks.started = [&](Station &s) {
            for (const char *button : switches)
                s.window().findChild<QAbstractButton *>(button)->click();
            QTimer::singleShot(runMs, &s.window(), [&s] { s.window().close(); });
        };
        const int status = runOrvanta(*qApp,
                                      {"orvanta", "--station", station.path(), "--settings", settingsPath,
                                       "--start-time", start.toString(Qt::ISODate)},
                                      hooks);
        answers.stop();
        return status;
    }
};

TEST(EndToEnd, APassFromTheFirstClickToTheLastByte)
{
    const Observer at{"48", "2", "100", "0"};
    Rehearsal r("ISS (ZARYA)\r\n145.8\r\nMode B\r\n", at, "[Banque1]\nNombre de Satellites=1\nSatellite 1=ISS (ZARYA)\n");
    test::PtyPair &receiver = r.receiver;
    test::PtyPair &rotor = r.rotor;
    const QString settingsPath = r.settingsPath;

    const QDateTime start(QDate(2026, 6, 27), QTime(1, 38, 0), Qt::UTC);
    constexpr int kRunMs = 6500;
    EXPECT_EQ(r.run(start, kRunMs, {"Tracking_2", "Doppler_1", "Prog_RX_2"}), 0);
    EXPECT_EQ(r.boxes, QStringList{"Voulez vous parquer les antennes?"});
    EXPECT_TRUE(r.port.writes.empty()); // a GS-232 station leaves the parallel port alone

    const std::map<QString, Look> looks =
        looksFromTheCommandLine(r.station.path(), "ISS (ZARYA)", at, start, kRunMs / 1000 + 2);
    ASSERT_FALSE(looks.empty());

    // Receiver: the set-up, corrected frequencies from the first one on, "EX" last.
    const QList<QByteArray> rx = receiver.readAll(1000).split('\n');
    ASSERT_GE(rx.size(), 10);
    EXPECT_EQ(rx.front(), "VA\r");
    int corrected = 0;
    for (int i = 0; i < rx.size(); ++i) {
        if (!rx[i].startsWith("RF"))
            continue;
        const double mhz = rx[i].mid(2).trimmed().toDouble();
        EXPECT_TRUE(correctedAtSomeInstant(mhz, 145.8, looks)) << rx[i].toStdString();
        EXPECT_GT(mhz, 145.8); // approaching at 01:38
        ++corrected;
    }
    EXPECT_GE(corrected, 3);
    EXPECT_EQ(rx[rx.size() - 2], "EX\r");

    // Rotor: one command per tick at the whole degrees of the satellite, then the park.
    const QList<QByteArray> commands = rotor.readAll(1000).split('\r');
    ASSERT_GE(commands.size(), 5);
    int pointings = 0;
    for (int i = 0; i + 2 < commands.size(); ++i) {
        const QRegularExpressionMatch m = QRegularExpression("^W(\\d{3}) (\\d{3})$").match(QString::fromLatin1(commands[i]));
        ASSERT_TRUE(m.hasMatch()) << commands[i].toStdString();
        bool agrees = false;
        for (const auto &[instant, look] : looks)
            agrees |= formatFixed(look.azimuth, 0).toInt() == m.captured(1).toInt()
                      && formatFixed(look.elevation, 0).toInt() == m.captured(2).toInt();
        EXPECT_TRUE(agrees) << commands[i].toStdString();
        ++pointings;
    }
    EXPECT_GE(pointings, 3);
    EXPECT_EQ(commands[commands.size() - 2], "W270 000");

    // The configuration written back at close.
    QFile written(settingsPath);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(written.readAll());
    EXPECT_TRUE(text.contains("Repetition Mesure=1")) << text.toStdString();
    EXPECT_TRUE(text.contains("Satellite 1=ISS (ZARYA)"));
}

// AO-7 sets at 09:03:18 as AO-27 is already up: the radio leaves USB for FM
// with AO-27's full set-up, and each satellite's first frequency is corrected.
TEST(EndToEnd, AHandOverGivesTheNewSatelliteItsSetUpAndACorrectedFirstFrequency)
{
    const Observer at{"48.85", "2.35", "35", "0.1"}; // the demo's
    Rehearsal r("OSCAR 7 (AO-7)\r\n145.9775\r\nMode C\r\nEYESAT A (AO-27)\r\n436.795\r\nMode B\r\n", at,
                "[Banque1]\nNombre de Satellites=2\nSatellite 1=OSCAR 7 (AO-7)\nSatellite 2=EYESAT A (AO-27)\n");
    const QDateTime start(QDate(2026, 6, 27), QTime(9, 3, 14), Qt::UTC);
    constexpr int kRunMs = 7000;
    EXPECT_EQ(r.run(start, kRunMs, {"Doppler_1", "Prog_RX_2"}), 0);

    const QList<QByteArray> rx = r.receiver.readAll(1000).split('\n');
    const qsizetype ao7 = rx.indexOf("MD3\r");   // USB
    const qsizetype ao27 = rx.indexOf("MD0\r");  // FM
    ASSERT_GE(ao7, 0);
    ASSERT_GT(ao27, ao7);
    EXPECT_GT(rx.lastIndexOf("VA\r", ao27), ao7); // the whole set-up again
    EXPECT_TRUE(rx.mid(ao27).contains("AN1\r") && rx.mid(ao27).contains("BW3\r"));
    const auto seconds = kRunMs / 1000 + 1;
    const auto ao7Looks = looksFromTheCommandLine(r.station.path(), "OSCAR 7 (AO-7)", at, start, seconds);
    const auto ao27Looks = looksFromTheCommandLine(r.station.path(), "EYESAT A (AO-27)", at, start, seconds);
    int before = 0, after = 0;
    for (qsizetype i = 0; i < rx.size(); ++i) {
        if (!rx[i].startsWith("RF"))
            continue;
        const double mhz = rx[i].mid(2).trimmed().toDouble();
        if (i < ao27) {
            EXPECT_TRUE(correctedAtSomeInstant(mhz, 145.9775, ao7Looks)) << rx[i].toStdString();
            ++before;
        } else {
            EXPECT_TRUE(correctedAtSomeInstant(mhz, 436.795, ao27Looks)) << rx[i].toStdString();
            ++after;
        }
    }
    EXPECT_GE(before, 1);
    EXPECT_GE(after, 2);
    EXPECT_EQ(rx[rx.size() - 2], "EX\r");
}

// LO-19 on the demo crosses north westward at 36 degrees of elevation
// (07:44:03). A 450-degree GS-232 on a pseudo-terminal, with the fake clock
// stepped through the pass: the rotor waits at 372 (12 + 360), follows the
// pass down through 360 to 204 and never moves further between two ticks
// than the satellite itself.
TEST(EndToEnd, ANorthCrossingPassOnA450DegreeRotorNeverUnwinds)
{
    test::PtyPair pty;
    test::StationHarness h;
    h.writeFile("Frequences.cfg", "LUSAT (LO-19)\r\n437.125\r\nMode B\r\n");
    h.setup("Interface Rotor", "GS232");
    h.setup("Minimum Elevation", "0");
    h.store.save("Orvanta", "Rotor", "GS232 Azimut Max", "450");
    h.bank(1, {"LUSAT (LO-19)"});
    QtSerialLine line(pty.slavePath(), QStringLiteral("4800,n,8,1"), h.messages);
    h.at("2026-06-27T07:36:00Z");
    h.station = std::make_unique<Station>(StationPlatform{h.store, h.messages, h.clock, h.waiter, h.receiverLine,
                                                          line, h.port, h.sound, h.help, h.folder.path()});
    h.station->start();
    h.settle();
    ASSERT_TRUE(line.PortOpen());
    h.click("Tracking_2");
    pty.readAll(100);

    // Each tick from the first command on sends one; the bytes are read at the end.
    std::vector<orbit::SatelliteLook> looks;
    int silentTicks = 0;
    for (QDateTime t = QDateTime::fromString("2026-06-27T07:36:00Z", Qt::ISODate);
         t <= QDateTime::fromString("2026-06-27T07:53:25Z", Qt::ISODate); t = t.addSecs(5)) {
        h.clock.now = t;
        h.tick();
        orbit::SatelliteLook look;
        const double ole = double(QDateTime(QDate(1899, 12, 30), QTime(0, 0), Qt::UTC).secsTo(t)) / 86400.0;
        h.station->component()->IsVisible("LUSAT (LO-19)", h.station->component()->datetimetojt(ole), 0, look);
        looks.push_back(look);
        if (t < QDateTime::fromString("2026-06-27T07:36:44Z", Qt::ISODate))
            ++silentTicks;
    }
    QList<QByteArray> sent = pty.readAll(500).split('\r');
    ASSERT_EQ(sent.takeLast(), "");
    struct Step {
        QString command;
        orbit::SatelliteLook look;
    };
    std::vector<Step> steps;
    ASSERT_EQ(std::size_t(sent.size()), looks.size() - std::size_t(silentTicks));
    for (int i = 0; i < sent.size(); ++i)
        steps.push_back({QString::fromLatin1(sent[i] + '\r'), looks[std::size_t(silentTicks + i)]});
    // Nothing until two minutes before the rise at 07:38:43, then the waiting point.
    ASSERT_FALSE(steps.empty());
    EXPECT_EQ(steps.front().command, "W372 000\r");

    double highest = 0;
    int following = 0;
    for (std::size_t i = 1; i < steps.size(); ++i) {
        SCOPED_TRACE(steps[i].command.toStdString());
        const QRegularExpressionMatch m = QRegularExpression("^W(\\d{3}) (\\d{3})\r$").match(steps[i].command);
        const QRegularExpressionMatch p = QRegularExpression("^W(\\d{3}) (\\d{3})\r$").match(steps[i - 1].command);
        ASSERT_TRUE(m.hasMatch() && p.hasMatch());
        const double az = m.captured(1).toDouble();
        highest = std::max(highest, az);
        const double trackStep =
            std::abs(std::remainder(steps[i].look.azimuthRad - steps[i - 1].look.azimuthRad, 2 * M_PI)) * 180 / M_PI;
        EXPECT_LE(std::abs(az - p.captured(1).toDouble()), trackStep + 1.0);
        // The same direction as the satellite's, on the rotor's side of north.
        if (steps[i].look.elevationRad > 0) {
            EXPECT_NEAR(std::remainder(az - steps[i].look.azimuthRad * 180 / M_PI, 360.0), 0.0, 0.51);
            ++following;
        }
    }
    EXPECT_GT(following, 150);
    EXPECT_GT(highest, 360);
    EXPECT_TRUE(h.messages.shown.empty()) << h.messages.texts().join('\n').toStdString();
}

} // namespace
} // namespace orvanta
