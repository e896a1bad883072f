// The assembled station driving Hamlib's dummy radio and rotator through
// rigctld and rotctld, as a shack's shared radio would be reached.

#include "hamlib/hamlib_device.h"
#include "platform/ini_settings_store.h"
#include "station_harness.h"
#include "support/hamlib_daemon.h"

#include <QAction>
#include <QDir>
#include <QElapsedTimer>
#include <QThread>

#include <gtest/gtest.h>

namespace orvanta {
namespace {

constexpr int kNetModel = 2; // "NET rigctl" and "NET rotctl"

// Lets the device threads catch up, until the daemon's answer is the one wanted.
bool waitFor(const std::function<bool()> &done, int ms = 3000)
{
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < ms) {
        QCoreApplication::processEvents();
        if (done())
            return true;
        QThread::msleep(20);
    }
    return done();
}

qint64 hertz(const QString &megahertz)
{
    return qRound64(megahertz.toDouble() * 1e6);
}

bool shown(test::StationHarness &h, const char *label)
{
    const auto *widget = h.window().findChild<QWidget *>(QLatin1String(label));
    return widget && widget->isVisibleTo(&h.window());
}

TEST(HamlibStation, APassThroughRigctldAndRotctldWithTheDaemonStoppedAndBack)
{
    test::HamlibDaemon rig(QStringLiteral("rigctld"), {"-m", "1"});
    test::HamlibDaemon rot(QStringLiteral("rotctld"), {"-m", "1"});
    ASSERT_TRUE(rig.start());
    ASSERT_TRUE(rot.start());

    test::StationHarness h;
    h.setup("Recepteur", "Hamlib");
    h.setup("Interface Rotor", "Hamlib");
    saveHamlibDevice(h.store, HamlibKind::Receiver, {kNetModel, rig.address(), 0});
    saveHamlibDevice(h.store, HamlibKind::Rotor, {kNetModel, rot.address(), 0});
    h.bank(1, {"ISS (ZARYA)"});
    h.at("2026-06-27T01:36:00Z");
    h.start();
    h.click("Tracking_2");
    h.click("Doppler_1");
    h.click("Prog_RX_2");

    h.tickAt("2026-06-27T01:36:00Z");
    EXPECT_TRUE(waitFor([&] { return rig.ask("m", 2).value(0) == "FM"; })) << rig.ask("m", 2).join(' ').toStdString();
    const qint64 first = hertz(h.text("Freq_Sel")); // already corrected
    EXPECT_NE(first, 145'800'000);
    EXPECT_TRUE(waitFor([&] { return rig.ask("f", 1).value(0).toLongLong() == first; }));

    for (const char *t : {"2026-06-27T01:36:05Z", "2026-06-27T01:36:10Z"}) {
        h.tickAt(t);
        const qint64 wanted = hertz(h.text("Freq_Sel"));
        EXPECT_NE(wanted, 145'800'000);
        EXPECT_TRUE(waitFor([&] { return rig.ask("f", 1).value(0).toLongLong() == wanted; }))
            << t << " " << rig.ask("f", 1).join(' ').toStdString();
    }
    const QStringList position = rot.ask("p", 2);
    ASSERT_EQ(position.size(), 2);
    EXPECT_GE(position[0].toDouble(), -180.0);
    EXPECT_LE(position[0].toDouble(), 450.0);
    EXPECT_GE(position[1].toDouble(), 0.0);
    EXPECT_LE(position[1].toDouble(), 90.0);

    // What the dummies report reaches the window: the frequency the radio is
    // on, and where the rotor had got to when the next position went out.
    const QString radio = QStringLiteral("Radio : %1 MHz").arg(rig.ask("f", 1).value(0).toDouble() / 1e6, 0, 'f', 5);
    EXPECT_TRUE(waitFor([&] { return h.text("Lecture_Radio") == radio; })) << h.text("Lecture_Radio").toStdString();
    // The dummy turns 6 degrees a second, and only while it is read; stopped,
    // it holds still for the comparison.
    ASSERT_TRUE(waitFor([&] {
        const QStringList p = rot.ask("p", 2);
        return std::abs(p.value(0).toDouble()) + std::abs(p.value(1).toDouble()) >= 3;
    }));
    rot.ask("S", 1);
    const QStringList stopped = rot.ask("p", 2);
    ASSERT_EQ(stopped.size(), 2);
    h.tick(); // the same position again, read before it goes
    const QString rotor = QStringLiteral("Rotor : %1° / %2°")
                              .arg(qRound(stopped[0].toDouble()))
                              .arg(qRound(stopped[1].toDouble()));
    EXPECT_TRUE(waitFor([&] { return h.text("Lecture_Rotor") == rotor; })) << h.text("Lecture_Rotor").toStdString();
    EXPECT_TRUE(shown(h, "Lecture_Rotor") && shown(h, "Lecture_Radio"));

    // The radio's daemon goes away mid-pass: one message, ticks stay quick.
    rig.stop();
    const auto before = h.messages.shown.size();
    qint64 slowest = 0;
    QDateTime t = h.clock.now;
    const auto tickTimed = [&] {
        t = t.addSecs(5);
        h.clock.now = t;
        QElapsedTimer tick;
        tick.start();
        h.tick();
        slowest = std::max(slowest, tick.elapsed());
    };
    for (int i = 0; i < 20 && h.messages.shown.size() == before; ++i) {
        tickTimed();
        waitFor([&] { return h.messages.shown.size() > before; }, 500);
    }
    for (int i = 0; i < 3; ++i)
        tickTimed();
    EXPECT_EQ(h.messages.shown.size(), before + 1) << h.messages.texts().join('\n').toStdString();
    EXPECT_FALSE(shown(h, "Lecture_Radio")) << "a silent radio's last frequency stays on";
    EXPECT_TRUE(shown(h, "Lecture_Rotor"));

    // Back again: control returns by itself at the next ticks, and the operator is told.
    ASSERT_TRUE(rig.start());
    bool followed = false;
    for (int i = 0; i < 40 && !followed; ++i) {
        tickTimed();
        const qint64 wanted = hertz(h.text("Freq_Sel"));
        followed = waitFor([&] { return rig.ask("f", 1).value(0).toLongLong() == wanted; }, 500);
    }
    EXPECT_TRUE(followed);
    waitFor([&] { return h.messages.shown.size() == before + 2; }, 2000);
    EXPECT_EQ(h.messages.shown.size(), before + 2) << h.messages.texts().join('\n').toStdString();
    // The ticks only hand the frequency to the radio's thread; a second
    // leaves room for a loaded machine or a sanitizer build.
    EXPECT_LT(slowest, 1000);

    // Another rotor chosen: the Hamlib one's reading goes.
    h.window().findChild<QAction *>(QStringLiteral("Mnu_GS232"))->trigger();
    h.tick();
    EXPECT_FALSE(shown(h, "Lecture_Rotor"));
}

// The demo station as a new user starts it: its own folder and settings
// file, Hamlib's dummy radio and rotator in-process, and not one message from
// the start to the end of a followed pass.
TEST(HamlibStation, TheDemoStationFollowsAPassOnHamlibsDummiesWithoutAMessage)
{
    const QDir demo(QStringLiteral(ORVANTA_SOURCE_DIR "/demo"));
    QTemporaryDir home;
    ASSERT_TRUE(QFile::copy(demo.filePath("Orvanta.ini"), home.filePath("Orvanta.ini")));
    QFile::setPermissions(home.filePath("Orvanta.ini"), QFile::ReadOwner | QFile::WriteOwner);
    test::RecordingMessageBoxes fileMessages;
    IniSettingsStore settings(home.filePath("Orvanta.ini"), fileMessages);
    EXPECT_EQ(loadHamlibDevice(settings, HamlibKind::Receiver), (HamlibDevice{1, {}, 0}));
    EXPECT_EQ(loadHamlibDevice(settings, HamlibKind::Rotor), (HamlibDevice{1, {}, 0}));

    test::StationHarness h;
    for (const QString &name : demo.entryList(QDir::Files)) {
        QFile::remove(h.folder.filePath(name));
        QFile::copy(demo.filePath(name), h.folder.filePath(name));
    }
    h.at("2026-06-27T01:36:00Z");
    h.station = std::make_unique<Station>(StationPlatform{settings, h.messages, h.clock, h.waiter, h.receiverLine,
                                                          h.rotorLine, h.port, h.sound, h.help, h.folder.path()});
    h.station->start();
    h.settle();
    h.click("Tracking_2");
    h.click("Doppler_1");
    h.click("Prog_RX_2");
    QDateTime t = h.clock.now;
    for (int i = 0; i < 12; ++i) {
        t = t.addSecs(5);
        h.tickAt(t.toString(Qt::ISODate));
        waitFor([] { return false; }, 50);
    }
    EXPECT_FALSE(h.text("Freq_Sel").isEmpty());
    const QString radio = QStringLiteral("Radio : %1 MHz").arg(h.text("Freq_Sel").toDouble(), 0, 'f', 5);
    EXPECT_TRUE(waitFor([&] { return h.text("Lecture_Radio") == radio; })) << h.text("Lecture_Radio").toStdString();
    // The dummy rotor turns 6 degrees a second, and only when read: read
    // before each position, it is seen leaving its park toward the pass.
    EXPECT_TRUE(waitFor([&] {
        h.tick();
        return h.text("Lecture_Rotor").startsWith(QStringLiteral("Rotor : "))
               && h.text("Lecture_Rotor") != QStringLiteral("Rotor : 0° / 0°");
    })) << h.text("Lecture_Rotor").toStdString();
    EXPECT_TRUE(h.messages.shown.empty()) << h.messages.texts().join('\n').toStdString();
    EXPECT_TRUE(fileMessages.shown.empty()) << fileMessages.texts().join('\n').toStdString();
    EXPECT_TRUE(h.rotorLine.writes.isEmpty());
}

} // namespace
} // namespace orvanta
