#include "alarms/alarm_command.h"
#include "alarms/alarm_watch.h"
#include "alarms/alarm_work.h"
#include "app/main_window.h"
#include "sky/sky_feed.h"
#include "orbit/horizon_crossing.h"
#include "orbit/pass_list.h"
#include "orbit/utc_time.h"
#include "station_harness.h"
#include "support/fakes.h"
#include "tracking/station_clock.h"

#include <QDBusConnection>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QVariantMap>

#include <gtest/gtest.h>

#include <memory>

namespace orvanta::test {
namespace {

const QDateTime kAos(QDate(2026, 6, 27), QTime(7, 44, 3), Qt::UTC);

std::int64_t second(const QDateTime &instant)
{
    return QDateTime(QDate(1899, 12, 30), QTime(0, 0), Qt::UTC).secsTo(instant);
}

orbit::PredictedPass pass(long number, const std::string &name, const QDateTime &aos, double maxElevation = 40)
{
    orbit::PredictedPass p;
    p.name = name;
    p.catalogNumber = number;
    p.aos = orbit::julianFromOle(double(second(aos)) / orbit::kSecondsPerDay);
    p.los = p.aos.plusMinutes(12);
    p.maxElevationTime = p.aos.plusMinutes(6);
    p.maxElevationDeg = maxElevation;
    p.aosAzimuthDeg = 12.4;
    return p;
}

AlarmSettings alarmsOn(bool atLos = false)
{
    AlarmSettings settings;
    settings.everySatellite.enabled = true;
    settings.everySatellite.atLos = atLos;
    return settings;
}

// What a run of the watch did, as "Fired:summary" texts.
QStringList kinds(const std::vector<AlarmChange> &changes)
{
    static const char *names[] = {"Fired", "Updated", "Withdrawn", "Expired"};
    QStringList out;
    for (const AlarmChange &change : changes)
        out << QLatin1String(names[change.kind]) + QLatin1Char(':') + change.notice.summary;
    return out;
}

TEST(AlarmWatch, CountsDownAcrossAPassAndFiresOnceAtEachEnd)
{
    AlarmWatch watch;
    const std::vector passes{pass(7530, "AO-7", kAos)};
    const AlarmSettings settings = alarmsOn(true);
    const auto at = [&](int secondsFromAos) {
        return kinds(watch.update(second(kAos) + secondsFromAos, passes, settings));
    };
    EXPECT_TRUE(at(-301).isEmpty());
    EXPECT_EQ(at(-300), QStringList{"Fired:AO-7 : AOS dans 5 min"});
    // 4 min 40 s left: never more than is left, as the sky view's 04:40.
    EXPECT_EQ(at(-280), QStringList{"Updated:AO-7 : AOS dans 4 min 30 s"});
    EXPECT_EQ(countdownText(280), "04:40");
    EXPECT_TRUE(at(-275).isEmpty()); // the same step of the countdown
    EXPECT_EQ(at(-31), QStringList{"Updated:AO-7 : AOS dans 30 s"});
    EXPECT_EQ(at(-10), QStringList{"Updated:AO-7 : AOS dans moins de 30 s"});
    EXPECT_EQ(at(0), QStringList{"Updated:AO-7 : AOS, le passage commence"});
    EXPECT_EQ(at(60), QStringList{"Expired:AO-7 : AOS, le passage commence"});
    EXPECT_TRUE(at(300).isEmpty());
    EXPECT_EQ(at(12 * 60 + 2), QStringList{"Fired:AO-7 : LOS, fin du passage"});
    EXPECT_EQ(at(12 * 60 + 62), QStringList{"Expired:AO-7 : LOS, fin du passage"});
    EXPECT_TRUE(at(-200).isEmpty()); // a clock set back fires nothing again

    const AlarmNotice notice = alarmNotice({7530, second(kAos)}, passes[0], second(kAos) - 60);
    EXPECT_EQ(notice.body, "AOS 07:44:03 TU, site max 40°, azimut AOS 12°, LOS 07:56:03 TU");
    EXPECT_TRUE(alarmEnvironment(notice).contains("ORVANTA_AOS=2026-06-27T07:44:03Z"));
    EXPECT_TRUE(alarmEnvironment(notice).contains("ORVANTA_AOS_AZIMUTH=12.4"));
}

TEST(AlarmWatch, AJumpPastAcquisitionFiresNothingStale)
{
    const std::vector passes{pass(7530, "AO-7", kAos)};
    AlarmWatch counting;
    counting.update(second(kAos) - 200, passes, alarmsOn(true));
    // Resumed in the middle of the pass, then after it: the countdown goes, nothing fires.
    EXPECT_EQ(kinds(counting.update(second(kAos) + 400, passes, alarmsOn(true))),
              QStringList{"Withdrawn:AO-7 : AOS dans 3 min"});
    EXPECT_TRUE(counting.update(second(kAos) + 3600, {}, alarmsOn(true)).empty());
    EXPECT_TRUE(counting.shown().empty());

    AlarmWatch rehearsal; // started after the pass had risen
    EXPECT_TRUE(rehearsal.update(second(kAos) + 400, passes, alarmsOn()).empty());
}

TEST(AlarmWatch, APassCutShortEndsItsCountdownAndItsLossAlarm)
{
    const std::vector passes{pass(7530, "AO-7", kAos), pass(25544, "ISS", kAos.addSecs(120))};
    AlarmWatch watch;
    EXPECT_EQ(watch.update(second(kAos) - 100, passes, alarmsOn(true)).size(), 2u);
    // ISS leaves the selection; AO-7's pass is predicted again a few seconds off.
    std::vector<orbit::PredictedPass> left{pass(7530, "AO-7", kAos.addSecs(3))};
    EXPECT_EQ(kinds(watch.update(second(kAos) - 95, left, alarmsOn(true))),
              (QStringList{"Updated:AO-7 : AOS dans 1 min 30 s", "Withdrawn:ISS : AOS dans 3 min 30 s"}));
    EXPECT_TRUE(watch.shown().front().body.startsWith("AOS 07:44:06 TU"));
    EXPECT_TRUE(watch.update(second(kAos) + 300, {}, alarmsOn(true)).size() == 1); // AO-7's last word expires
    EXPECT_TRUE(watch.update(second(kAos) + 13 * 60, {}, alarmsOn(true)).empty()); // no loss for a pass cut short
}

TEST(AlarmWatch, ASatelliteRuleOfItsOwnOverridesTheElevationLimit)
{
    AlarmSettings settings = alarmsOn();
    settings.everySatellite.minimumMaxElevationDeg = 30;
    AlarmRule iss = settings.everySatellite;
    iss.minimumMaxElevationDeg.reset();
    iss.minutesBeforeAos = 10;
    settings.bySatellite[25544] = iss;
    const std::vector passes{pass(7530, "AO-7", kAos, 20), pass(25544, "ISS", kAos, 20)};
    AlarmWatch watch;
    EXPECT_EQ(kinds(watch.update(second(kAos) - 600, passes, settings)), QStringList{"Fired:ISS : AOS dans 10 min"});
    EXPECT_TRUE(watch.update(second(kAos) - 60, passes, settings).size() == 1); // ISS counts down, AO-7 stays too low

    MemorySettingsStore store;
    settings.command = QStringLiteral("/usr/bin/logger -t orvanta \"passage proche\"");
    settings.everySatellite.minimumMaxElevationDeg = 12.5;
    saveAlarmSettings(store, settings);
    EXPECT_EQ(store.get("Orvanta", "Alarmes", "Site Max Minimum", {}), "12.5");
    EXPECT_EQ(loadAlarmSettings(store), settings);
    settings.bySatellite.clear();
    saveAlarmSettings(store, settings);
    EXPECT_TRUE(store.section("Orvanta", "Alarme 25544").empty());
    EXPECT_EQ(loadAlarmSettings(store), settings);
}

// A notification service for the tests, recording what it is asked.
class RecordingNotifications : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    struct Call {
        quint32 replacesId;
        QString summary;
        qint32 timeout;
        quint32 id;
    };
    std::vector<Call> calls;
    std::vector<quint32> closed;

public slots:
    quint32 Notify(const QString &, quint32 replacesId, const QString &, const QString &summary, const QString &,
                   const QStringList &, const QVariantMap &, qint32 timeout)
    {
        const quint32 id = replacesId ? replacesId : quint32(100 + calls.size());
        calls.push_back({replacesId, summary, timeout, id});
        return id;
    }
    void CloseNotification(quint32 id) { closed.push_back(id); }
};

// A session bus of the test's own: dbus-daemon, ended with the test.
class PrivateBus {
public:
    PrivateBus()
    {
        daemon_.start("dbus-daemon", {"--session", "--nofork", "--nopidfile", "--print-address=1"});
        if (daemon_.waitForReadyRead(10000))
            address_ = QString::fromUtf8(daemon_.readLine()).trimmed();
    }
    ~PrivateBus()
    {
        for (const QString &name : names_)
            QDBusConnection::disconnectFromBus(name);
        daemon_.kill();
        daemon_.waitForFinished();
    }
    QDBusConnection connect()
    {
        names_ << QStringLiteral("alarm-test-%1").arg(++count_);
        return QDBusConnection::connectToBus(address_, names_.last());
    }

private:
    QProcess daemon_;
    QString address_;
    QStringList names_;
    static inline int count_ = 0;
};

struct AlarmStation {
    MemorySettingsStore store;
    RecordingMessageBoxes messages;
    FakeClock clock;
    RecordingSoundPlayer sound;
    QTemporaryDir folder;
    MainWindow window;
    QStringList told;
    std::unique_ptr<AlarmWork> work;

    explicit AlarmStation(QDBusConnection bus, const AlarmSettings &settings = alarmsOn())
    {
        saveAlarmSettings(store, settings);
        work = std::make_unique<AlarmWork>(
            AlarmWork::Links{window, window.menus().configuration, window.alarmBanner(), store, messages, clock, sound, folder.path(),
                             [this](const QString &text) { told << text; }, {}},
            std::move(bus));
        work->setParent(nullptr);
    }
    void predictAt(const QDateTime &now, const std::vector<orbit::PredictedPass> &passes)
    {
        clock.now = now;
        orbit::PassBoard board;
        board.add(passes, second(now));
        work->predicted(board);
    }
    QLabel &banner() { return *window.findChild<QLabel *>("Bandeau_Alarme"); }
};

TEST(AlarmNotifications, TheCountdownReplacesOneNotificationOverThePrivateBus)
{
    PrivateBus bus;
    QDBusConnection serviceSide = bus.connect();
    ASSERT_TRUE(serviceSide.isConnected());
    RecordingNotifications service;
    ASSERT_TRUE(
        serviceSide.registerObject("/org/freedesktop/Notifications", &service, QDBusConnection::ExportAllSlots));
    ASSERT_TRUE(serviceSide.registerService("org.freedesktop.Notifications"));

    AlarmSettings settings = alarmsOn();
    settings.chime = true;
    AlarmStation station(bus.connect(), settings);
    const std::vector passes{pass(7530, "AO-7", kAos)};
    station.predictAt(kAos.addSecs(-300), passes);
    // Two steps of the countdown before the first answer can come: only the latest goes, as a replacement.
    station.clock.now = kAos.addSecs(-270);
    station.work->check();
    station.clock.now = kAos.addSecs(-240);
    station.work->check();
    ASSERT_TRUE(QTest::qWaitFor([&] { return service.calls.size() >= 2; }, 5000));
    QTest::qWait(100);
    station.predictAt(kAos, passes);
    ASSERT_TRUE(QTest::qWaitFor([&] { return service.calls.size() >= 3; }, 5000));
    QTest::qWait(100);

    ASSERT_EQ(service.calls.size(), 3u);
    EXPECT_EQ(service.calls[0].replacesId, 0u);
    EXPECT_EQ(service.calls[0].summary, "AO-7 : AOS dans 5 min");
    EXPECT_EQ(service.calls[0].timeout, 0); // a countdown stays up
    for (std::size_t i = 1; i < 3; ++i)
        EXPECT_EQ(service.calls[i].replacesId, service.calls[0].id);
    EXPECT_EQ(service.calls[1].summary, "AO-7 : AOS dans 4 min");
    EXPECT_EQ(service.calls[2].timeout, -1);
    EXPECT_FALSE(station.banner().isVisibleTo(&station.window));
    EXPECT_EQ(station.sound.played, QStringList{QDir(station.folder.path()).filePath("Alarme_Sat.wav")});
    EXPECT_TRUE(station.told.isEmpty());

    // The selection changes before the next pass: its countdown leaves the desktop.
    station.predictAt(kAos.addSecs(3600), {pass(7530, "AO-7", kAos.addSecs(3800))});
    ASSERT_TRUE(QTest::qWaitFor([&] { return service.calls.size() == 4; }, 5000));
    station.predictAt(kAos.addSecs(3610), {});
    ASSERT_TRUE(QTest::qWaitFor([&] { return service.closed.size() == 1; }, 5000));
    EXPECT_EQ(service.closed[0], service.calls[3].id);
}

TEST(AlarmNotifications, WithNoServiceOnTheBusTheBannerShowsTheAlarmsAndSaysSoOnce)
{
    PrivateBus bus;
    AlarmStation station(bus.connect());
    const auto lines = [&] { return station.banner().text().isEmpty() ? 0 : station.banner().text().count('\n') + 1; };
    station.predictAt(kAos.addSecs(-300), {pass(7530, "AO-7", kAos), pass(25544, "ISS", kAos.addSecs(200))});
    ASSERT_TRUE(QTest::qWaitFor([&] { return lines() == 2; }, 5000)); // the alarm, and why it is here
    station.predictAt(kAos.addSecs(-100), {pass(7530, "AO-7", kAos), pass(25544, "ISS", kAos.addSecs(200))});
    ASSERT_TRUE(QTest::qWaitFor([&] { return lines() == 3; }, 5000));
    EXPECT_TRUE(station.banner().isVisibleTo(&station.window));
    EXPECT_TRUE(station.banner().text().startsWith("AO-7 : AOS dans 1 min 30 s - AOS 07:44:03 TU"));
    EXPECT_TRUE(station.banner().text().contains("ISS : AOS dans 5 min"));
    EXPECT_TRUE(station.banner().text().contains("Aucun service de notifications du bureau ne répond"));
    EXPECT_TRUE(station.told.isEmpty()); // no message box for it

    station.predictAt(kAos.addSecs(-90), {});
    EXPECT_FALSE(station.banner().isVisibleTo(&station.window));
    // Said once: the next alarm on the banner comes alone.
    station.predictAt(kAos.addSecs(3300), {pass(7530, "AO-7", kAos.addSecs(3600))});
    ASSERT_TRUE(QTest::qWaitFor([&] { return lines() == 1; }, 5000));
    QTest::qWait(100);
    EXPECT_EQ(lines(), 1);
}

TEST(AlarmCommandTest, TheCommandGetsThePassInItsEnvironmentAndNoShellSeesTheName)
{
    QTemporaryDir folder;
    QStringList reported;
    AlarmCommand command(folder.path(), [&](const QString &text) { reported << text; });
    orbit::PredictedPass injected = pass(99999, "$(touch x)", kAos);
    const AlarmNotice notice = alarmNotice({99999, second(kAos)}, injected, second(kAos) - 300);
    command.run("sh -c \"env > env.txt\" \"$(touch y)\"", alarmEnvironment(notice));
    const QString written = QDir(folder.path()).filePath("env.txt");
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFile(written).size() > 0; }, 5000));
    QTest::qWait(200);
    QFile file(written);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(file.readAll()).split('\n');
    for (const char *entry : {"ORVANTA_EVENT=AOS", "ORVANTA_NORAD=99999", "ORVANTA_NAME=$(touch x)",
                                 "ORVANTA_AOS=2026-06-27T07:44:03Z", "ORVANTA_LOS=2026-06-27T07:56:03Z",
                                 "ORVANTA_MAX_ELEVATION=40.0", "ORVANTA_AOS_AZIMUTH=12.4"})
        EXPECT_TRUE(lines.contains(QString::fromUtf8(entry))) << entry;
    EXPECT_FALSE(QFile::exists(QDir(folder.path()).filePath("x")));
    EXPECT_FALSE(QFile::exists(QDir(folder.path()).filePath("y")));
    EXPECT_TRUE(reported.isEmpty());

    // Failures: told once per command, again once it changes.
    command.run("false", {});
    command.run("false", {});
    command.run("/nonexistent/alarme", {});
    ASSERT_TRUE(QTest::qWaitFor([&] { return reported.size() == 2; }, 5000));
    QTest::qWait(300);
    ASSERT_EQ(reported.size(), 2);
    EXPECT_TRUE(reported.filter("« false » a échoué (code de sortie 1)").size() == 1);
    EXPECT_TRUE(reported.filter("« /nonexistent/alarme » n'a pas pu être lancée").size() == 1);
}

} // namespace
} // namespace orvanta::test

#include "alarms_test.moc"

namespace orvanta::test {
namespace {

// LO-19 rises at 07:38:43 behind a 20-degree wall to the north. With
// "Horizon Station" its alarm counts down, after the geometric rise, to
// when it clears the wall; without, the pass is under way and has none.
TEST(AlarmNotifications, AtTheStationsHorizonTheAlarmCountsDownToWhereThePassClearsIt)
{
    StationHarness demo; // its folder holds the demo's elements
    const auto satellites = orbit::Init_Satellites(demo.folder.path().toStdString(), 48.85, 2.35, 35);
    const QDateTime afterRise(QDate(2026, 6, 27), QTime(7, 39, 30), Qt::UTC);
    const std::vector<orbit::PredictedPass> predicted =
        satellites->passes("LUSAT (LO-19)", julianToTheSecond(afterRise.addSecs(-600)), 0.05, 0, 0);
    ASSERT_FALSE(predicted.empty());
    const orbit::HorizonMask wall({{300, 20}, {310, 20}, {60, 20}, {70, 0}, {290, 0}});
    const auto inSight = orbit::horizonWindow(*satellites, predicted.front(), wall);
    ASSERT_TRUE(inSight);
    orbit::PassBoard board;
    board.add(predicted, second(afterRise));

    PrivateBus bus;
    for (const bool atHorizon : {true, false}) {
        AlarmSettings settings = alarmsOn();
        settings.atStationHorizon = atHorizon;
        AlarmStation station(bus.connect(), settings);
        station.work->setHorizon(wall);
        station.clock.now = afterRise;
        station.work->predicted(board, satellites.get());
        if (atHorizon) {
            ASSERT_TRUE(QTest::qWaitFor([&] { return station.banner().text().startsWith("LUSAT (LO-19) : AOS dans"); },
                                        5000))
                << station.banner().text().toStdString();
            EXPECT_TRUE(station.banner().text().contains("AOS " + timeText(inSight->clears).left(5)))
                << station.banner().text().toStdString();
        } else {
            QTest::qWait(200);
            EXPECT_FALSE(station.banner().text().contains("LUSAT")) << station.banner().text().toStdString();
        }
    }
}

} // namespace
} // namespace orvanta::test
