#include "rotor/hamlib_rotator.h"
#include "support/fakes.h"
#include "support/hamlib_daemon.h"
#include "support/pty.h"

#include <QElapsedTimer>
#include <QTest>

#include <gtest/gtest.h>

#include <clocale>
#include <optional>
#include <string>

namespace orvanta {
namespace {

constexpr int kNetRotctl = 2;
constexpr int kGs232b = 603;

HamlibTiming quickTiming()
{
    HamlibTiming timing;
    timing.timeoutMs = 300;
    timing.retry = 0;
    timing.pace.firstRetry = std::chrono::milliseconds(100);
    timing.pace.longestRetry = std::chrono::milliseconds(400);
    return timing;
}

struct Position {
    double azimuth;
    double elevation;
};

// The dummy rotator behind rotctld, limited to azimuth 0 to 20 and
// elevation 0 to 10: it turns about 6 degrees a second, so the tests keep to
// small moves.
class HamlibRotorTest : public ::testing::Test {
protected:
    template <class Call>
    void timed(Call call)
    {
        QElapsedTimer clock;
        clock.start();
        call();
        longestCallMs = std::max<qint64>(longestCallMs, clock.elapsed());
    }

    std::optional<Position> daemonPosition()
    {
        const QStringList reply = daemon.ask(QStringLiteral("p"), 2);
        if (reply.size() != 2)
            return std::nullopt;
        bool azOk = false, elOk = false;
        const Position position{reply[0].toDouble(&azOk), reply[1].toDouble(&elOk)};
        return azOk && elOk ? std::optional(position) : std::nullopt;
    }

    // The daemon's rotator ends at (azimuth, elevation), to a degree.
    bool reaches(double azimuth, double elevation, int timeoutMs = 4000)
    {
        return QTest::qWaitFor(
            [&] {
                const auto p = daemonPosition();
                return p && std::abs(p->azimuth - azimuth) < 1 && std::abs(p->elevation - elevation) < 1;
            },
            timeoutMs);
    }

    bool messagesReach(size_t count, int timeoutMs = 3000)
    {
        return QTest::qWaitFor([&] { return messages.shown.size() >= count; }, timeoutMs);
    }

    test::RecordingMessageBoxes messages;
    test::HamlibDaemon daemon{QStringLiteral("rotctld"),
                              {QStringLiteral("-m"), QStringLiteral("1"), QStringLiteral("-C"),
                               QStringLiteral("min_az=0,max_az=20,min_el=0,max_el=10")}};
    test::PtyPair nobodyReads; // outlives the rotor: a closed pty reads as endless empty replies
    HamlibRotor rotor{messages, quickTiming()};
    qint64 longestCallMs = 0;
};

// The calls only hand the position to the rotator's thread and return; a
// second leaves room for a loaded machine or a sanitizer build.
constexpr qint64 kNeverWaitsMs = 1000;

TEST_F(HamlibRotorTest, FollowsAPassWithinTheLimitsAndComesBackAfterAnOutage)
{
    ASSERT_TRUE(daemon.start());
    rotor.setDevice({kNetRotctl, daemon.address(), 0});

    // Rising: inside the limits, sent as given.
    for (int tick = 1; tick <= 4; ++tick) {
        timed([&] { rotor.point(2 * tick, tick); });
        QTest::qWait(20);
    }
    EXPECT_TRUE(reaches(8, 4));
    EXPECT_TRUE(messages.shown.empty()) << messages.texts().join('\n').toStdString();
    EXPECT_EQ(rotor.range(), (RotorRange{0, 20, false})); // as opened, for planning the passes

    // Past azimuth 20 and elevation 10: the rotor stays at the limits and
    // the operator hears it once.
    for (const Position p : {Position{19, 9}, Position{21, 11}, Position{23, 12}}) {
        timed([&] { rotor.point(p.azimuth, p.elevation); });
        QTest::qWait(20);
    }
    EXPECT_TRUE(messagesReach(1));
    EXPECT_TRUE(reaches(20, 10));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.shown[0].text.contains(QStringLiteral("azimut 0 a 20, elevation 0 a 10")))
        << messages.shown[0].text.toStdString();

    // Back inside, then out again later: told again.
    timed([&] { rotor.point(18, 9); });
    EXPECT_TRUE(reaches(18, 9));
    timed([&] { rotor.point(25, 9); });
    EXPECT_TRUE(messagesReach(2));
    EXPECT_TRUE(reaches(20, 9));

    // The daemon stops mid-pass: one message, the ticks go on unhindered.
    daemon.stop();
    QElapsedTimer outage;
    outage.start();
    int tick = 0;
    while (outage.elapsed() < 1500) {
        timed([&] { rotor.point(15 - tick / 5, 8); });
        ++tick;
        QTest::qWait(50);
    }
    EXPECT_TRUE(messagesReach(3));
    QTest::qWait(200);
    ASSERT_EQ(messages.shown.size(), 3u) << messages.texts().join('\n').toStdString();
    EXPECT_TRUE(messages.shown[2].text.contains(QStringLiteral("ne repond pas")));

    // Restarted: its own rotator starts at 0, 0 and is brought to the latest
    // position by itself.
    ASSERT_TRUE(daemon.start());
    timed([&] { rotor.point(6, 5); });
    EXPECT_TRUE(messagesReach(4));
    EXPECT_TRUE(messages.shown[3].text.contains(QStringLiteral("repond de nouveau")));
    EXPECT_TRUE(reaches(6, 5));
    EXPECT_LT(longestCallMs, kNeverWaitsMs);
}

TEST_F(HamlibRotorTest, AzimuthBeyondTheLimitsTakenATurnFurtherWhenThatReachesIt)
{
    test::HamlibDaemon halfTurns(QStringLiteral("rotctld"),
                                 {QStringLiteral("-m"), QStringLiteral("1"), QStringLiteral("-C"),
                                  QStringLiteral("min_az=-180,max_az=180,min_el=0,max_el=180")});
    ASSERT_TRUE(halfTurns.start());
    rotor.setDevice({kNetRotctl, halfTurns.address(), 0});
    EXPECT_EQ(rotor.range(), RotorRange{}); // not opened yet
    rotor.point(350, 10);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            const QStringList p = halfTurns.ask(QStringLiteral("p"), 2);
            return p.size() == 2 && std::abs(p[0].toDouble() + 10) < 1 && std::abs(p[1].toDouble() - 10) < 1;
        },
        5000));
    EXPECT_TRUE(messages.shown.empty()) << messages.texts().join('\n').toStdString();
    EXPECT_EQ(rotor.range(), (RotorRange{-180, 180, true})); // elevation to 180: it can flip
}

// Hamlib writes and reads its protocol with printf and strtod: under a
// French locale a limit of 20.5 would read as 20 and be sent as "20,5".
TEST_F(HamlibRotorTest, NumbersKeepTheirDecimalsUnderAFrenchLocale)
{
    const std::string before = std::setlocale(LC_NUMERIC, nullptr);
    if (!std::setlocale(LC_NUMERIC, "fr_FR.UTF-8"))
        GTEST_SKIP() << "no French locale on this machine";
    test::HamlibDaemon halfDegree(QStringLiteral("rotctld"),
                                  {QStringLiteral("-m"), QStringLiteral("1"), QStringLiteral("-C"),
                                   QStringLiteral("max_az=7.5,max_el=2.5")});
    const bool started = halfDegree.start();
    rotor.setDevice({kNetRotctl, halfDegree.address(), 0});
    rotor.point(9, 4);
    const bool reached = QTest::qWaitFor(
        [&] {
            const QStringList p = halfDegree.ask(QStringLiteral("p"), 2);
            return p.size() == 2 && std::abs(p[0].toDouble() - 7.5) < 0.01 && std::abs(p[1].toDouble() - 2.5) < 0.01;
        },
        4000);
    std::setlocale(LC_NUMERIC, before.c_str());
    ASSERT_TRUE(started);
    EXPECT_TRUE(reached) << halfDegree.ask(QStringLiteral("p"), 2).join(' ').toStdString();
}

TEST_F(HamlibRotorTest, AnAzimuthOnlyRotatorTurnsWithoutComplaining)
{
    test::HamlibDaemon azimuthOnly(QStringLiteral("rotctld"),
                                   {QStringLiteral("-m"), QStringLiteral("1"), QStringLiteral("-C"),
                                    QStringLiteral("min_el=0,max_el=0")});
    ASSERT_TRUE(azimuthOnly.start());
    rotor.setDevice({kNetRotctl, azimuthOnly.address(), 0});
    rotor.point(6, 35);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            const QStringList p = azimuthOnly.ask(QStringLiteral("p"), 2);
            return p.size() == 2 && std::abs(p[0].toDouble() - 6) < 0.5 && std::abs(p[1].toDouble()) < 0.5;
        },
        4000));
    QTest::qWait(50);
    EXPECT_TRUE(messages.shown.empty()) << messages.texts().join('\n').toStdString();
}

TEST_F(HamlibRotorTest, ParkGoesToTheStationsParkPosition)
{
    ASSERT_TRUE(daemon.start());
    rotor.setDevice({kNetRotctl, daemon.address(), 0});
    rotor.point(6, 6);
    EXPECT_TRUE(reaches(6, 6));
    rotor.park(2, 3);
    EXPECT_TRUE(reaches(2, 3));
}

TEST_F(HamlibRotorTest, SilentOrMissingRotatorGivesOneMessageWithoutBlocking)
{
    for (const QString &port : {QStringLiteral("/dev/orvanta-absent"), nobodyReads.slavePath()}) {
        messages.shown.clear();
        rotor.setDevice({kGs232b, port, 9600});
        timed([&] { rotor.point(100, 20); });
        EXPECT_TRUE(messagesReach(1, 8000)) << port.toStdString();
        for (int i = 0; i < 10; ++i) {
            timed([&] { rotor.point(100 + i, 20); });
            QTest::qWait(50);
        }
        ASSERT_EQ(messages.shown.size(), 1u) << messages.texts().join('\n').toStdString();
        EXPECT_TRUE(messages.shown[0].text.contains(QStringLiteral("ne repond pas")));
        EXPECT_TRUE(messages.shown[0].text.contains(port));
    }
    EXPECT_LT(longestCallMs, kNeverWaitsMs);
}

TEST(HamlibRotatorModels, SortedWithTheNetworkModelAndAReadingBack)
{
    const auto models = hamlibRotatorModels();
    ASSERT_GT(models.size(), 30u);
    for (size_t i = 1; i < models.size(); ++i)
        ASSERT_LE(QString::compare(models[i - 1].maker, models[i].maker, Qt::CaseInsensitive), 0);
    const auto net = std::find_if(models.begin(), models.end(), [](const HamlibModel &m) { return m.id == kNetRotctl; });
    ASSERT_NE(net, models.end());
    EXPECT_EQ(net->name, QStringLiteral("NET rotctl"));
    EXPECT_EQ(net->port, HamlibModel::Port::Network);

    test::HamlibDaemon daemon(QStringLiteral("rotctld"), {QStringLiteral("-m"), QStringLiteral("1")});
    ASSERT_TRUE(daemon.start());
    const auto read = readHamlibRotator({kNetRotctl, daemon.address(), 0}, quickTiming());
    EXPECT_TRUE(read.answered) << read.text.toStdString();
    EXPECT_EQ(read.text, QStringLiteral("azimut 0.0, elevation 0.0"));

    daemon.stop();
    const auto refused = readHamlibRotator({kNetRotctl, daemon.address(), 0}, quickTiming());
    EXPECT_FALSE(refused.answered);
    EXPECT_EQ(refused.text, QStringLiteral("connexion refusée par ") + daemon.address());
}

} // namespace
} // namespace orvanta
