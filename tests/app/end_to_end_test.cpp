// The program as a user starts it: its own main path, a real station folder,
// a real settings file naming pseudo-terminals as the receiver and rotor
// lines, clicks on the switches, and the bytes that reach the far ends.

#include "app/orvanta_main.h"
#include "app/station.h"
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

// What orvanta-orbit says of the ISS at each second of the run.
std::map<QString, Look> looksFromTheCommandLine(const QString &folder, const QDateTime &from, int seconds)
{
    std::map<QString, Look> looks;
    for (int s = 0; s <= seconds; ++s) {
        const QString instant = from.addSecs(s).toString("yyyy-MM-ddTHH:mm:ss.000Z");
        QProcess orbit;
        orbit.start(QStringLiteral(ORVANTA_BINARY_DIR "/src/app/orvanta-orbit"),
                    {"look", "--elements", folder + "/Amateur.txt", "--lat", "48", "--lon", "2", "--alt", "100",
                     "--time", instant, "--sat", "ISS (ZARYA)"});
        orbit.waitForFinished();
        const QStringList row = QString::fromUtf8(orbit.readAllStandardOutput()).split('\n').value(1).split(',');
        if (row.size() >= 6)
            looks[instant.left(19)] = {row[2].toDouble(), row[3].toDouble(), row[5].toDouble()};
    }
    return looks;
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

TEST(EndToEnd, APassFromTheFirstClickToTheLastByte)
{
    test::PtyPair receiver;
    test::PtyPair rotor;
    QTemporaryDir station;
    QTemporaryDir home;
    QFile::copy(QStringLiteral(ORVANTA_SOURCE_DIR "/tests/orbit/data/amateur-2026-06.txt"),
                station.filePath("Amateur.txt"));
    QFile elements(station.filePath("Elements.cfg"));
    elements.open(QIODevice::WriteOnly);
    elements.write("Amateur.txt\r\n");
    elements.close();
    QFile frequencies(station.filePath("Frequences.cfg"));
    frequencies.open(QIODevice::WriteOnly);
    frequencies.write("ISS (ZARYA)\r\n145.8\r\nMode B\r\n");
    frequencies.close();
    const QString settingsPath = home.filePath("Orvanta.ini");
    QFile settings(settingsPath);
    settings.open(QIODevice::WriteOnly);
    settings.write(QStringLiteral("[Setup]\nLongitude Observateur=2\nLatitude Observateur=48\nAltitude Observateur=100\n"
                                  "Minimum Elevation=0\nRepetition Mesure=1\nRecepteur=AR5000\nInterface Rotor=GS232\n"
                                  "Park Azimut 0=270\nPark Site 0=0\n"
                                  "Peripherique Ligne Recepteur=%1\nPeripherique Ligne Rotor=%2\n"
                                  "[Banque1]\nNombre de Satellites=1\nSatellite 1=ISS (ZARYA)\n")
                       .arg(receiver.slavePath(), rotor.slavePath())
                       .toUtf8());
    settings.close();

    const QDateTime start(QDate(2026, 6, 27), QTime(1, 38, 0), Qt::UTC);
    constexpr int kRunMs = 6500;
    test::RecordingParallelPort port;
    QStringList boxes;
    QTimer answers;
    QObject::connect(&answers, &QTimer::timeout, [&] { answerBoxes(boxes); });
    answers.start(50);

    MainHooks hooks;
    hooks.parallelPort = &port;
    hooks.started = [&](Station &s) {
        for (const char *button : {"Tracking_2", "Doppler_1", "Prog_RX_2"})
            s.window().findChild<QAbstractButton *>(button)->click();
        QTimer::singleShot(kRunMs, &s.window(), [&s] { s.window().close(); });
    };
    const int status = runOrvanta(*qApp,
                                  {"orvanta", "--station", station.path(), "--settings", settingsPath, "--start-time",
                                   start.toString(Qt::ISODate)},
                                  hooks);
    answers.stop();
    EXPECT_EQ(status, 0);
    EXPECT_EQ(boxes, QStringList{"Voulez vous parquer les antennes?"});
    EXPECT_FALSE(port.writes.empty()); // the start-up park on the FodTrack port

    const std::map<QString, Look> looks = looksFromTheCommandLine(station.path(), start, kRunMs / 1000 + 2);
    ASSERT_FALSE(looks.empty());

    // Receiver: the set-up, the uncorrected frequency, then corrected ones, "EX" last.
    const QList<QByteArray> rx = receiver.readAll(1000).split('\n');
    ASSERT_GE(rx.size(), 10);
    EXPECT_EQ(rx.front(), "VA\r");
    const int first = rx.indexOf("RF145.8000\r");
    ASSERT_GT(first, 0);
    int corrected = 0;
    for (int i = first + 1; i < rx.size(); ++i) {
        if (!rx[i].startsWith("RF"))
            continue;
        const double mhz = rx[i].mid(2).trimmed().toDouble();
        bool agrees = false;
        for (const auto &[instant, look] : looks)
            agrees |= std::abs(mhz - 145.8 * (1 - look.rangeRate / 299792.458)) < 0.00006;
        EXPECT_TRUE(agrees) << rx[i].toStdString();
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

} // namespace
} // namespace orvanta
