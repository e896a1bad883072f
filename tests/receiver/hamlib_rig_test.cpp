#include "receiver/hamlib_rig.h"
#include "support/fakes.h"
#include "support/hamlib_daemon.h"
#include "support/pty.h"

#include <QElapsedTimer>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>

namespace orvanta {
namespace {

constexpr int kNetRigctl = 2;
constexpr int kFt817 = 1020;

// Short waits and retries, so that outages play out within a test.
HamlibTiming quickTiming()
{
    HamlibTiming timing;
    timing.timeoutMs = 1000; // an answer slowed by a busy machine is no outage
    timing.retry = 0;
    timing.pace.firstRetry = std::chrono::milliseconds(100);
    timing.pace.longestRetry = std::chrono::milliseconds(400);
    return timing;
}

class HamlibReceiverTest : public ::testing::Test {
protected:
    // Each call as the tick makes it, timed: none may hold the window.
    template <class Call>
    void timed(Call call)
    {
        QElapsedTimer clock;
        clock.start();
        call();
        longestCallMs = std::max<qint64>(longestCallMs, clock.elapsed());
    }

    bool daemonReads(const QString &command, const QString &expected)
    {
        return QTest::qWaitFor([&] { return daemon.ask(command, 1).value(0) == expected; }, 3000);
    }

    bool messagesReach(qsizetype count, int timeoutMs = 3000)
    {
        return QTest::qWaitFor([&] { return messages.shown.size() >= static_cast<size_t>(count); }, timeoutMs);
    }

    test::RecordingMessageBoxes messages;
    test::HamlibDaemon daemon{QStringLiteral("rigctld"), {QStringLiteral("-m"), QStringLiteral("1")}};
    test::PtyPair nobodyReads; // outlives the receiver: a closed pty reads as endless empty replies
    HamlibReceiver receiver{messages, quickTiming()};
    qint64 longestCallMs = 0;
};

TEST_F(HamlibReceiverTest, FollowsAPassThroughRigctldAndComesBackAfterAnOutage)
{
    ASSERT_TRUE(daemon.start());
    receiver.setDevice({kNetRigctl, daemon.address(), 0});

    timed([&] { receiver.takeUp(ReceiverMode::B); });
    timed([&] { receiver.tune(145.8e6); });
    EXPECT_TRUE(daemonReads(QStringLiteral("m"), QStringLiteral("FM")));
    EXPECT_TRUE(daemonReads(QStringLiteral("f"), QStringLiteral("145800000")));

    // Doppler-corrected frequencies, tick after tick; the last one stays.
    for (double frequency : {145803400.0, 145802100.0, 145800700.0, 145799300.0}) {
        timed([&] { receiver.tune(frequency); });
        QTest::qWait(30);
    }
    EXPECT_TRUE(daemonReads(QStringLiteral("f"), QStringLiteral("145799300")));
    EXPECT_TRUE(messages.shown.empty()) << messages.texts().join('\n').toStdString();

    // The daemon stops mid-pass: one message, and the ticks go on unhindered.
    daemon.stop();
    QElapsedTimer outage;
    outage.start();
    int tick = 0;
    while (outage.elapsed() < 1500) {
        timed([&] { receiver.tune(145.79e6 + 100.0 * (80 - tick++)); });
        QTest::qWait(50);
    }
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.shown[0].text.contains(QStringLiteral("ne repond pas"))) << messages.shown[0].text.toStdString();
    EXPECT_TRUE(messages.shown[0].text.contains(daemon.address()));

    // Restarted (with its own defaults): the mode of the take-up and the
    // latest frequency go back by themselves.
    ASSERT_TRUE(daemon.start());
    timed([&] { receiver.tune(145.795e6); });
    EXPECT_TRUE(messagesReach(2));
    EXPECT_TRUE(daemonReads(QStringLiteral("f"), QStringLiteral("145795000")));
    EXPECT_TRUE(daemonReads(QStringLiteral("m"), QStringLiteral("FM")));
    ASSERT_EQ(messages.shown.size(), 2u) << messages.texts().join('\n').toStdString();
    EXPECT_TRUE(messages.shown[1].text.contains(QStringLiteral("repond de nouveau")));
    EXPECT_LT(longestCallMs, 100);
}

TEST_F(HamlibReceiverTest, TakeUpSetsTheModeOfTheSatelliteAndResendsTheFrequency)
{
    ASSERT_TRUE(daemon.start());
    receiver.setDevice({kNetRigctl, daemon.address(), 0});
    receiver.takeUp(ReceiverMode::C);
    receiver.tune(435.9e6);
    EXPECT_TRUE(daemonReads(QStringLiteral("m"), QStringLiteral("USB")));
    EXPECT_TRUE(daemonReads(QStringLiteral("f"), QStringLiteral("435900000")));

    // Retuned by hand on the radio: the next take-up puts it back.
    daemon.ask(QStringLiteral("F 145000000"), 1);
    receiver.takeUp(ReceiverMode::A);
    receiver.tune(435.9e6);
    EXPECT_TRUE(daemonReads(QStringLiteral("m"), QStringLiteral("AM")));
    EXPECT_TRUE(daemonReads(QStringLiteral("f"), QStringLiteral("435900000")));
}

TEST_F(HamlibReceiverTest, FrequencyThatIsNotAPositiveNumberIsRefusedOnce)
{
    ASSERT_TRUE(daemon.start());
    receiver.setDevice({kNetRigctl, daemon.address(), 0});
    receiver.tune(std::nan(""));
    receiver.tune(-145.8e6);
    ASSERT_EQ(messages.texts(),
              QStringList{QStringLiteral("Frequence Hamlib non envoyee : la frequence nan Hz est incorrecte")});
}

TEST_F(HamlibReceiverTest, NoRadioChosenIsToldOnceAndOpensNothing)
{
    receiver.tune(145.8e6);
    receiver.takeUp(ReceiverMode::B);
    EXPECT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.shown[0].text.contains(QStringLiteral("Recepteurs, Hamlib")));
}

// A missing device and a radio that never answers: one message each, the
// calls return at once, and later ticks bring no second message.
TEST_F(HamlibReceiverTest, SilentOrMissingRadioGivesOneMessageWithoutBlocking)
{
    for (const QString &port : {QStringLiteral("/dev/orvanta-absent"), nobodyReads.slavePath()}) {
        messages.shown.clear();
        receiver.setDevice({kFt817, port, 9600});
        timed([&] { receiver.takeUp(ReceiverMode::B); });
        timed([&] { receiver.tune(145.8e6); });
        EXPECT_TRUE(messagesReach(1, 8000)) << port.toStdString();
        for (int i = 0; i < 10; ++i) {
            timed([&] { receiver.tune(145.8e6 + 1000.0 * i); });
            QTest::qWait(50);
        }
        ASSERT_EQ(messages.shown.size(), 1u) << messages.texts().join('\n').toStdString();
        EXPECT_TRUE(messages.shown[0].text.contains(QStringLiteral("Yaesu FT-817")));
        EXPECT_TRUE(messages.shown[0].text.contains(port));
    }
    EXPECT_LT(longestCallMs, 100);
}

// The dummy offers satellite mode: it is turned on, and split with the
// uplink on VFO B.
TEST_F(HamlibReceiverTest, WorksATransponderWithBothLinksAndHandsTheRadioBackInNormalMode)
{
    ASSERT_TRUE(daemon.start());
    receiver.setDevice({kNetRigctl, daemon.address(), 0});
    RigSatelliteWish fm;
    fm.downlinkMode = QStringLiteral("FM");
    fm.uplinkMode = QStringLiteral("FM");
    fm.ctcssHz = 67.0;
    fm.receiveHz = 435797000;
    fm.transmitHz = 145850000;
    timed([&] { receiver.startSatellite(fm); });
    timed([&] { receiver.satelliteCycle(1, true); });
    // Nothing asks the daemon while the radio opens (see HamlibDaemon::start).
    ASSERT_TRUE(QTest::qWaitFor([&] { return receiver.reading().has_value(); }, 5000));
    EXPECT_TRUE(daemonReads(QStringLiteral("u SATMODE"), QStringLiteral("1")));
    EXPECT_EQ(daemon.ask(QStringLiteral("s"), 2), (QStringList{QStringLiteral("1"), QStringLiteral("VFOB")}));
    EXPECT_TRUE(daemonReads(QStringLiteral("f"), QStringLiteral("435797000")));
    EXPECT_TRUE(daemonReads(QStringLiteral("i"), QStringLiteral("145850000")));
    EXPECT_TRUE(daemonReads(QStringLiteral("x"), QStringLiteral("FM")));
    EXPECT_TRUE(daemonReads(QStringLiteral("c"), QStringLiteral("670")));

    // Each link moves alone; the tick's frequencies wait meanwhile.
    timed([&] { receiver.moveSatellite(435796500, std::nullopt); });
    timed([&] { receiver.tune(145.8e6); });
    timed([&] { receiver.moveSatellite(std::nullopt, 145850400); });
    EXPECT_TRUE(daemonReads(QStringLiteral("i"), QStringLiteral("145850400")));
    EXPECT_TRUE(daemonReads(QStringLiteral("f"), QStringLiteral("435796500")));

    // Each cycle's read says what was sent before it.
    timed([&] { receiver.satelliteCycle(7, true); });
    ASSERT_TRUE(QTest::qWaitFor([&] { return receiver.reading() && receiver.reading()->cycle == 7; }, 3000));
    EXPECT_EQ(receiver.reading()->sentHz, 435796500);
    EXPECT_DOUBLE_EQ(receiver.reading()->hertz, 435796500);

    timed([&] { receiver.stopSatellite(); });
    EXPECT_TRUE(daemonReads(QStringLiteral("u SATMODE"), QStringLiteral("0")));
    EXPECT_EQ(daemon.ask(QStringLiteral("s"), 1).value(0), QStringLiteral("0"));
    timed([&] { receiver.tune(145.8e6); });
    EXPECT_TRUE(daemonReads(QStringLiteral("f"), QStringLiteral("145800000")));
    EXPECT_TRUE(messages.shown.empty()) << messages.texts().join('\n').toStdString();
    EXPECT_LT(longestCallMs, 100);
}

// The dummy transmits up to 1.5 GHz: a 2.4 GHz uplink is told once, not
// sent, and the downlink alone is followed.
TEST_F(HamlibReceiverTest, UplinkTheRadioCannotTransmitOnIsToldOnceAndOnlyTheDownlinkFollows)
{
    ASSERT_TRUE(daemon.start());
    receiver.setDevice({kNetRigctl, daemon.address(), 0});
    RigSatelliteWish qo100;
    qo100.downlinkMode = qo100.uplinkMode = QStringLiteral("USB");
    qo100.receiveHz = 1489750000;
    qo100.transmitHz = 2400250000;
    receiver.startSatellite(qo100);
    ASSERT_TRUE(messagesReach(1));
    EXPECT_TRUE(messages.shown[0].text.contains(QStringLiteral("n'émet pas sur 2400.250000 MHz")))
        << messages.shown[0].text.toStdString();
    for (int i = 1; i <= 5; ++i) {
        receiver.moveSatellite(1489750000 - 100 * i, 2400250000 + 100 * i);
        receiver.satelliteCycle(i, true);
        QTest::qWait(30);
    }
    EXPECT_TRUE(daemonReads(QStringLiteral("f"), QStringLiteral("1489749500")));
    EXPECT_EQ(daemon.ask(QStringLiteral("u SATMODE"), 1).value(0), QStringLiteral("0"));
    EXPECT_EQ(daemon.ask(QStringLiteral("s"), 1).value(0), QStringLiteral("0"));
    EXPECT_EQ(messages.shown.size(), 1u) << messages.texts().join('\n').toStdString();
}

TEST(HamlibRigModels, SortedByMakerThenModelWithTheNetworkModel)
{
    const auto models = hamlibRigModels();
    ASSERT_GT(models.size(), 200u);
    for (size_t i = 1; i < models.size(); ++i) {
        const auto &a = models[i - 1];
        const auto &b = models[i];
        const int maker = QString::compare(a.maker, b.maker, Qt::CaseInsensitive);
        ASSERT_TRUE(maker < 0 || (maker == 0 && QString::compare(a.name, b.name, Qt::CaseInsensitive) <= 0))
            << a.text().toStdString() << " before " << b.text().toStdString();
    }
    const auto net = std::find_if(models.begin(), models.end(), [](const HamlibModel &m) { return m.id == kNetRigctl; });
    ASSERT_NE(net, models.end());
    EXPECT_EQ(net->name, QStringLiteral("NET rigctl"));
    EXPECT_EQ(net->port, HamlibModel::Port::Network);
    EXPECT_EQ(hamlibRigName(kFt817), QStringLiteral("Yaesu FT-817"));
}

TEST(HamlibRigReading, ReadsTheFrequencyBackOrSaysWhy)
{
    test::HamlibDaemon daemon(QStringLiteral("rigctld"), {QStringLiteral("-m"), QStringLiteral("1")});
    ASSERT_TRUE(daemon.start());
    daemon.ask(QStringLiteral("F 145825000"), 1);
    const auto read = readHamlibRig({kNetRigctl, daemon.address(), 0}, quickTiming());
    EXPECT_TRUE(read.answered);
    EXPECT_EQ(read.text, QStringLiteral("145.825000 MHz"));

    // Nothing listens on its port any more: said so, with the address.
    daemon.stop();
    const auto refused = readHamlibRig({kNetRigctl, daemon.address(), 0}, quickTiming());
    EXPECT_FALSE(refused.answered);
    EXPECT_EQ(refused.text, QStringLiteral("connexion refusée par ") + daemon.address());
}

} // namespace
} // namespace orvanta
