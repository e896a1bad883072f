#include "config/rotor_settings.h"
#include "hamlib/hamlib_device.h"
#include "orbit/doppler.h"
#include "orbit/utc_time.h"
#include "platform/text_numbers.h"
#include "sky/sky_view.h"
#include "tracking/tracking_cycle.h"
#include "station_harness.h"

#include <QAction>
#include <QTest>
#include <QFile>
#include <QThread>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace orvanta {
namespace {

using test::StationHarness;

constexpr double kC = 299792.458;

// The satellite seen at the clock's instant, from the station's own component.
orbit::SatelliteLook lookNow(StationHarness &h, const QString &name)
{
    orbit::SatelliteLook look;
    const QDateTime origin(QDate(1899, 12, 30), QTime(0, 0), Qt::UTC);
    const double ole = double(origin.secsTo(h.clock.now)) / 86400.0;
    h.station->component()->IsVisible(name.toStdString(), h.station->component()->datetimetojt(ole), 0, look);
    return look;
}

QString gs232For(const QString &az, const QString &el)
{
    return QStringLiteral("W%1 %2\r").arg(az.toInt(), 3, 10, QLatin1Char('0')).arg(el.toInt(), 3, 10, QLatin1Char('0'));
}

class TrackingTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        h.setup("Interface Rotor", "GS232");
        h.setup("Recepteur", "AR5000");
        h.setup("Minimum Elevation", "0");
    }
    void switchAllOn()
    {
        h.click("Tracking_2");
        h.click("Doppler_1");
        h.click("Prog_RX_2");
    }
    StationHarness h;
};

TEST_F(TrackingTest, AWholePassIsFollowedTickByTick)
{
    h.bank(1, {"ISS (ZARYA)"});
    h.at("2026-06-27T01:34:30Z");
    h.start();
    switchAllOn();

    h.tickAt("2026-06-27T01:34:40Z");
    EXPECT_TRUE(h.lines("Sat_Visibles").isEmpty());
    ASSERT_FALSE(h.lines("Detail_Pass").isEmpty());
    EXPECT_TRUE(h.lines("Detail_Pass").front().startsWith("  01:34:54")) << h.lines("Detail_Pass").front().toStdString();
    EXPECT_EQ(h.text("Sat_Att"), "ISS (ZARYA)");
    EXPECT_EQ(h.text("Freq_Att"), "145.800");
    // 14 s before the rise: the GS-232 waits at the acquisition azimuth, on the horizon.
    EXPECT_EQ(h.rotorLine.writes, QList<QByteArray>{"W230 000\r"});
    EXPECT_TRUE(h.receiverLine.writes.isEmpty());

    // Take-up: the sound, the full set-up, and already the corrected frequency.
    h.tickAt("2026-06-27T01:35:00Z");
    EXPECT_EQ(h.text("Sat_Sel"), "ISS (ZARYA)");
    EXPECT_EQ(h.sound.played, QStringList{h.folder.filePath("Nouveau_Sat.wav")});
    ASSERT_FALSE(h.receiverLine.writes.isEmpty());
    EXPECT_EQ(h.receiverLine.writes.front(), "VA\r\n");
    EXPECT_TRUE(h.receiverLine.writes.contains("MD0\r\n")); // mode B: FM
    const QString firstCorrected = formatFixed(145.8 * dopplerFactor(lookNow(h, "ISS (ZARYA)").rangeRateKmS), 4);
    EXPECT_EQ(h.text("Freq_Sel"), firstCorrected);
    EXPECT_EQ(h.receiverLine.writes.back(), "RF" + firstCorrected.toLatin1() + "\r\n");
    EXPECT_NE(h.text("Val_Dop"), "----");

    int ticks = 0;
    bool sawApproach = false, sawRecession = false;
    for (QDateTime t = h.clock.now.addSecs(5); t <= QDateTime::fromString("2026-06-27T01:45:40Z", Qt::ISODate);
         t = t.addSecs(5)) {
        h.receiverLine.writes.clear();
        h.rotorLine.writes.clear();
        h.clock.now = t;
        h.tick();
        ++ticks;
        SCOPED_TRACE(t.toString(Qt::ISODate).toStdString());
        ASSERT_EQ(h.text("Sat_Sel"), "ISS (ZARYA)");
        const orbit::SatelliteLook look = lookNow(h, "ISS (ZARYA)");
        // The radio hears F (1 - v/c) to first order; the old half-shift is 1.4 kHz off.
        const double expected = 145.8 * (1.0 - look.rangeRateKmS / kC);
        const double commanded = h.text("Freq_Sel").toDouble();
        EXPECT_NEAR(commanded, expected, 0.00006);
        EXPECT_EQ(h.text("Freq_Sel").section('.', 1).size(), 4);
        EXPECT_EQ(h.receiverLine.writes, QList<QByteArray>{"RF" + h.text("Freq_Sel").toLatin1() + "\r\n"});
        const QString shift = h.text("Val_Dop");
        EXPECT_TRUE(QRegularExpression("^-?\\d+\\.\\d$").match(shift).hasMatch()) << shift.toStdString();
        EXPECT_NEAR(shift.toDouble(), (commanded - 145.8) * 1000, 0.051);
        sawApproach |= look.rangeRateKmS < -5;
        sawRecession |= look.rangeRateKmS > 5;
        // One rotor command per tick, at the whole degrees shown.
        EXPECT_EQ(h.text("Azimut_Sel"), formatFixed(look.azimuthRad * 180 / 3.1415926535, 0));
        EXPECT_EQ(h.rotorLine.writes, QList<QByteArray>{gs232For(h.text("Azimut_Sel"), h.text("Site_Sel")).toLatin1()});
    }
    EXPECT_GT(ticks, 120);
    EXPECT_TRUE(sawApproach);
    EXPECT_TRUE(sawRecession);
    EXPECT_EQ(h.sound.played.size(), 1);

    // Loss: fields emptied, nothing sent, the next rise is a new satellite.
    h.receiverLine.writes.clear();
    h.rotorLine.writes.clear();
    h.tickAt("2026-06-27T01:46:00Z");
    EXPECT_TRUE(h.lines("Sat_Visibles").isEmpty());
    for (const char *field : {"Sat_Sel", "Freq_Sel", "Azimut_Sel", "Site_Sel"})
        EXPECT_EQ(h.text(field), "") << field;
    EXPECT_EQ(h.text("Val_Dop"), "----");
    // The rotor goes on to where the next pass (03:11:41) rises.
    EXPECT_EQ(h.rotorLine.writes, QList<QByteArray>{"W265 000\r"});
    EXPECT_TRUE(h.receiverLine.writes.isEmpty());
    EXPECT_TRUE(h.station->tracking().state().Nouveau_Sat);
    EXPECT_TRUE(h.messages.shown.empty()) << h.messages.texts().join('\n').toStdString();
}

TEST_F(TrackingTest, TheRotorWaitsAtTheRiseWithinItsTimeAndOnlyWhenAsked)
{
    h.bank(1, {"ISS (ZARYA)"});
    h.at("2026-06-27T01:30:00Z");
    h.start();
    auto *wait = h.window().findChild<QAction *>("Mnu_Attente_Lever");
    ASSERT_TRUE(wait);
    EXPECT_TRUE(wait->isChecked()); // on by default for a GS-232

    // Tracking off: the rotor stays put.
    h.tickAt("2026-06-27T01:33:30Z");
    EXPECT_TRUE(h.rotorLine.writes.isEmpty());
    h.click("Tracking_2");
    // The rise (01:34:54) is 2 min 54 s away: too early.
    h.tickAt("2026-06-27T01:32:00Z");
    EXPECT_TRUE(h.rotorLine.writes.isEmpty());
    h.tickAt("2026-06-27T01:33:00Z");
    EXPECT_EQ(h.rotorLine.writes, QList<QByteArray>{"W230 000\r"});

    // Switched off from the menu: kept in the settings, and no more waiting.
    wait->trigger();
    EXPECT_EQ(h.store.get(QStringLiteral("Orvanta"), QStringLiteral("Rotor"), QStringLiteral("Attente Lever"), {}), "0");
    h.rotorLine.writes.clear();
    h.tickAt("2026-06-27T01:34:00Z");
    EXPECT_TRUE(h.rotorLine.writes.isEmpty());
}

TEST(RotorMenus, TheRangeAndTheWaitingAreRotorSettings)
{
    test::StationHarness fodtrack;
    fodtrack.setup("Interface Rotor", "Fodtrack");
    fodtrack.store.save("Orvanta", "Rotor", "GS232 Azimut Max", "450");
    fodtrack.store.save("Orvanta", "Rotor", "Attente Lever Secondes", "abc");
    fodtrack.start();
    // Off by default for a FodTrack, which has no range beyond its calibration.
    EXPECT_FALSE(fodtrack.window().findChild<QAction *>("Mnu_Attente_Lever")->isChecked());
    EXPECT_TRUE(fodtrack.window().findChild<QAction *>("Mnu_GS232_450")->isChecked());
    EXPECT_FALSE(fodtrack.window().findChild<QAction *>("Mnu_GS232_Retournement")->isChecked());
    const RotorSettings read = loadRotorSettings(fodtrack.store);
    EXPECT_EQ(read.waitSeconds, 120); // unreadable: the default
    EXPECT_TRUE(read.waitsAtRise("Hamlib"));
    EXPECT_FALSE(read.waitsAtRise("Fodtrack"));

    fodtrack.window().findChild<QAction *>("Mnu_GS232_Retournement")->trigger();
    EXPECT_EQ(fodtrack.store.get(QStringLiteral("Orvanta"), QStringLiteral("Rotor"), QStringLiteral("GS232 Retournement"), {}), "1");
    EXPECT_EQ(fodtrack.store.get(QStringLiteral("Orvanta"), QStringLiteral("Rotor"), QStringLiteral("GS232 Azimut Max"), {}), "450");
}

TEST_F(TrackingTest, TheEarlierOfTwoPassesInProgressIsFollowedThenTheOtherWithItsOwnTakeUp)
{
    h.bank(1, {"ISS (ZARYA)", "OSCAR 7 (AO-7)"});
    h.at("2026-06-27T04:50:00Z");
    h.start();
    switchAllOn();
    h.tickAt("2026-06-27T04:50:00Z");
    h.tickAt("2026-06-27T04:59:00Z");
    ASSERT_EQ(h.lines("Sat_Visibles").size(), 2);
    EXPECT_TRUE(h.lines("Sat_Visibles")[0].endsWith("ISS (ZARYA)"));
    EXPECT_EQ(h.text("Sat_Sel"), "ISS (ZARYA)");

    h.receiverLine.writes.clear();
    h.tickAt("2026-06-27T05:00:00Z");
    EXPECT_EQ(h.text("Sat_Sel"), "OSCAR 7 (AO-7)");
    // No empty tick between the two passes, yet the radio leaves FM for USB.
    EXPECT_EQ(h.sound.played.size(), 2);
    ASSERT_FALSE(h.receiverLine.writes.isEmpty());
    EXPECT_EQ(h.receiverLine.writes.front(), "VA\r\n");
    EXPECT_TRUE(h.receiverLine.writes.contains("MD3\r\n"));
    EXPECT_EQ(h.receiverLine.writes.back(), "RF" + h.text("Freq_Sel").toLatin1() + "\r\n");
    EXPECT_TRUE(h.text("Freq_Sel").startsWith("145.97"));
    EXPECT_EQ(h.text("Freq_Sel").section('.', 1).size(), 4);
}

TEST_F(TrackingTest, TheChosenSatelliteIsFollowedUntilItsLossThenTheEarliestPassAgain)
{
    h.writeFile("Frequences.cfg", "OSCAR 7 (AO-7)\r\n145.9775\r\nMode C\r\nJAS-2 (FO-29)\r\n435.85\r\nMode B\r\n");
    h.bank(1, {"JAS-2 (FO-29)", "OSCAR 7 (AO-7)", "PCSAT (NO-44)"});
    h.at("2026-06-27T07:08:00Z");
    h.start();
    switchAllOn();
    h.tickAt("2026-06-27T07:08:00Z");
    ASSERT_EQ(h.lines("Sat_Visibles").size(), 2);
    ASSERT_EQ(h.text("Sat_Sel"), "OSCAR 7 (AO-7)");
    auto *chosen = h.window().findChild<QWidget *>("Suivi_Choisi");
    ASSERT_NE(chosen, nullptr);
    EXPECT_FALSE(chosen->isVisible());

    // A pass to come is refused, saying when it rises.
    const QString coming = h.lines("Detail_Pass").front();
    emit h.window().followLineRequested(coming);
    h.settle();
    EXPECT_TRUE(h.messages.texts().last().endsWith(coming.mid(2, 8) + '.'));
    EXPECT_EQ(h.text("Sat_Sel"), "OSCAR 7 (AO-7)");

    const qsizetype sounds = h.sound.played.size();
    h.receiverLine.writes.clear();
    h.rotorLine.writes.clear();
    // FO-29 shows on the sky view beside AO-7; a click there chooses it.
    auto *sky = h.window().findChild<SkyView *>("Ciel");
    ASSERT_EQ(sky->scene().others.size(), 1u);
    ASSERT_EQ(sky->scene().others.front().name, "JAS-2 (FO-29)");
    emit sky->satelliteClicked(sky->scene().others.front().catalogNumber);
    h.settle();
    EXPECT_EQ(h.text("Sat_Sel"), "JAS-2 (FO-29)");
    EXPECT_TRUE(chosen->isVisible());
    EXPECT_EQ(h.sound.played.size(), sounds + 1);
    EXPECT_EQ(h.receiverLine.writes.front(), "VA\r\n");
    EXPECT_TRUE(h.text("Freq_Sel").startsWith("435.8"));
    ASSERT_FALSE(h.rotorLine.writes.isEmpty());
    EXPECT_EQ(h.rotorLine.writes.back(), gs232For(h.text("Azimut_Sel"), h.text("Site_Sel")).toLatin1());

    h.tickAt("2026-06-27T07:11:00Z"); // AO-7, which rose first, is still up
    EXPECT_EQ(h.text("Sat_Sel"), "JAS-2 (FO-29)");
    h.tickAt("2026-06-27T07:21:40Z");
    EXPECT_EQ(h.text("Sat_Sel"), "");
    EXPECT_FALSE(chosen->isVisible());
    EXPECT_EQ(h.station->tracking().chosen(), 0);
}

TEST_F(TrackingTest, ADeadSatelliteIsGreyedAndFollowedOnlyWhenChosen)
{
    h.writeFile("Frequences.cfg", "OSCAR 7 (AO-7)\r\n145.9775\r\nMode C\r\nJAS-2 (FO-29)\r\n435.85\r\nMode B\r\n");
    h.writeFile("Statuts_SatNOGS.cfg", "7530;dead\r\n25544;re-entered\r\n");
    h.bank(1, {"JAS-2 (FO-29)", "OSCAR 7 (AO-7)", "PCSAT (NO-44)"});
    h.at("2026-06-27T07:08:00Z");
    h.start();
    switchAllOn();
    h.tickAt("2026-06-27T07:08:00Z");
    // AO-7 rose first and its pass is still listed, but FO-29 is followed.
    ASSERT_EQ(h.lines("Sat_Visibles").size(), 2);
    EXPECT_TRUE(h.lines("Sat_Visibles")[0].endsWith("OSCAR 7 (AO-7)"));
    EXPECT_EQ(h.text("Sat_Sel"), "JAS-2 (FO-29)");
    ASSERT_FALSE(h.rotorLine.writes.isEmpty());
    EXPECT_EQ(h.rotorLine.writes.back(), gs232For(h.text("Azimut_Sel"), h.text("Site_Sel")).toLatin1());

    const auto item = [&](const char *list, const QString &name) {
        const QList<QListWidgetItem *> found =
            h.window().findChild<QListWidget *>(list)->findItems(name, Qt::MatchExactly);
        return found.isEmpty() ? nullptr : found.front();
    };
    const QListWidgetItem *iss = item("ListeSat", "ISS (ZARYA)");
    const QListWidgetItem *hst = item("ListeSat", "HST");
    const QListWidgetItem *ao7 = item("Sat_Select", "OSCAR 7 (AO-7)");
    ASSERT_TRUE(iss && hst && ao7);
    EXPECT_EQ(iss->toolTip(), "n° 25544, rentré dans l'atmosphère selon SatNOGS DB");
    EXPECT_EQ(ao7->toolTip(), "n° 7530, hors service selon SatNOGS DB");
    EXPECT_EQ(hst->toolTip(), "n° 20580");
    EXPECT_NE(iss->foreground().color(), hst->foreground().color());

    EXPECT_TRUE(h.station->tracking().chooseToFollow(7530).isEmpty());
    h.tick();
    EXPECT_EQ(h.text("Sat_Sel"), "OSCAR 7 (AO-7)");
    h.station->tracking().followAutomatically();
    h.tick();
    EXPECT_EQ(h.text("Sat_Sel"), "JAS-2 (FO-29)");
}

// Two objects under one name are told apart by their numbers, from the
// files as they are kept (banks and frequencies by the names shown).
TEST_F(TrackingTest, SatellitesSharingANameAreFollowedEachWithItsOwnFrequency)
{
    h.writeFile("Amateur.txt", "TWIN\r\n"
                               "1 07530U 74089B   26177.95096363 -.00000030  00000+0  10246-3 0  9996\r\n"
                               "2 07530 101.9899 191.2993 0012643 112.0577 277.1703 12.53698219361741\r\n"
                               "TWIN\r\n"
                               "1 24278U 96046B   26177.47891755 -.00000015  00000+0  18217-4 0  9996\r\n"
                               "2 24278  98.5232  25.0778 0350900  72.3924 291.5216 13.53274769474421\r\n");
    h.writeFile("Frequences.cfg", "TWIN #24278\r\n435.85\r\nMode B\r\nTWIN #7530\r\n145.9775\r\nMode C\r\n");
    h.bank(1, {"TWIN #24278", "TWIN #7530"});
    h.at("2026-06-27T07:08:00Z");
    h.start();
    h.tickAt("2026-06-27T07:08:00Z");
    EXPECT_EQ(h.lines("Sat_Select"), QStringList({"TWIN #24278", "TWIN #7530"}));
    EXPECT_EQ(h.text("Sat_Sel"), "TWIN #7530");
    EXPECT_EQ(h.text("Freq_Sel"), "145.978");
    emit h.window().followLineRequested(h.lines("Sat_Visibles")[1]);
    h.settle();
    EXPECT_EQ(h.text("Sat_Sel"), "TWIN #24278");
    EXPECT_EQ(h.text("Freq_Sel"), "435.850");
}

TEST_F(TrackingTest, ASatelliteWithoutFrequencyGivesOneMessageNotOnePerTick)
{
    h.bank(1, {"JAS-2 (FO-29)"});
    h.at("2026-06-27T05:25:00Z");
    h.start();
    switchAllOn();
    for (int s = 0; s < 30; s += 5)
        h.tickAt(QStringLiteral("2026-06-27T05:25:%1Z").arg(s, 2, 10, QLatin1Char('0')));
    // The way it names exists: see Banks.PickingASatelliteWithoutFrequencyOpensTheAddDialogWithTheTimerStopped.
    EXPECT_EQ(h.messages.texts(),
              QStringList{"JAS-2 (FO-29) n'a pas de frequence : double-cliquez sur JAS-2 (FO-29) dans la liste "
                          "Selectionnés pour le remettre dans A Selectionner, puis double-cliquez-le dans A "
                          "Selectionner et saisissez sa frequence dans la fenetre Ajout Frequence."});
    EXPECT_TRUE(h.rotorLine.writes.isEmpty());
    EXPECT_TRUE(h.receiverLine.writes.isEmpty());
    EXPECT_EQ(h.text("Azimut_Sel"), "");
}

TEST_F(TrackingTest, AFollowedSatelliteWhoseEntryLeavesTheTableShowsNoStaleFrequency)
{
    h.bank(1, {"ISS (ZARYA)"});
    h.at("2026-06-27T01:36:00Z");
    h.start();
    switchAllOn();
    h.tickAt("2026-06-27T01:36:05Z");
    EXPECT_FALSE(h.text("Freq_Sel").isEmpty());
    h.writeFile("Frequences.cfg", "OSCAR 7 (AO-7)\r\n145.9775\r\nMode C\r\n");
    h.tickAt("2026-06-27T01:36:10Z");
    EXPECT_EQ(h.text("Sat_Sel"), "ISS (ZARYA)");
    for (const char *field : {"Freq_Sel", "Azimut_Sel", "Site_Sel"})
        EXPECT_EQ(h.text(field), "") << field;
    EXPECT_EQ(h.text("Val_Dop"), "----");
}

TEST_F(TrackingTest, TheAwaitedSatelliteWithoutFrequencyShowsNoFrequency)
{
    h.bank(1, {"ISS (ZARYA)", "JAS-2 (FO-29)"});
    h.at("2026-06-27T04:50:00Z");
    h.start();
    h.tickAt("2026-06-27T04:50:00Z");
    EXPECT_EQ(h.text("Sat_Sel"), "ISS (ZARYA)");
    EXPECT_EQ(h.text("Freq_Sel"), "145.800");
    EXPECT_EQ(h.text("Sat_Att"), "JAS-2 (FO-29)");
    EXPECT_EQ(h.text("Freq_Att"), "");
}

TEST_F(TrackingTest, MidnightDuringAPassKeepsTrackingAndTheListsInTheirOrder)
{
    h.bank(1, {"ISS (ZARYA)", "OSCAR 7 (AO-7)", "JAS-2 (FO-29)"});
    h.at("2026-06-26T23:59:50Z");
    h.start();
    switchAllOn();
    for (const char *t : {"2026-06-26T23:59:59Z", "2026-06-27T00:00:04Z", "2026-06-27T00:00:09Z"}) {
        h.tickAt(t);
        SCOPED_TRACE(t);
        EXPECT_EQ(h.text("Sat_Sel"), "ISS (ZARYA)");
        const QStringList coming = h.lines("Detail_Pass");
        ASSERT_GE(coming.size(), 2);
        // The board's order: by acquisition instant, whatever the text order says.
        EXPECT_TRUE(coming.front().contains("ISS (ZARYA)")) << coming.front().toStdString();
    }
    EXPECT_EQ(h.sound.played.size(), 1);
    EXPECT_FALSE(h.rotorLine.writes.isEmpty());
}

TEST_F(TrackingTest, SwitchesSteerTheRotorAndTheReceiver)
{
    h.bank(1, {"ISS (ZARYA)"});
    h.at("2026-06-27T01:36:00Z");
    h.start();

    h.tickAt("2026-06-27T01:36:00Z"); // everything off: shown, nothing sent
    EXPECT_EQ(h.text("Sat_Sel"), "ISS (ZARYA)");
    EXPECT_EQ(h.text("Val_Dop"), "----");
    EXPECT_EQ(h.text("Freq_Sel"), "145.800");
    EXPECT_TRUE(h.rotorLine.writes.isEmpty());
    EXPECT_TRUE(h.receiverLine.writes.isEmpty());
    EXPECT_FALSE(h.station->tracking().state().Nouveau_Sat);

    h.click("Prog_RX_2");
    h.click("Prog_RX_2"); // twice: the set-up comes again
    h.tickAt("2026-06-27T01:36:05Z");
    EXPECT_EQ(h.sound.played.size(), 1);
    EXPECT_EQ(h.receiverLine.writes.front(), "VA\r\n");

    h.click("Tracking_2");
    h.station->tracking().setManualPointing(true); // the manual window holds the rotor
    h.tickAt("2026-06-27T01:36:10Z");
    EXPECT_TRUE(h.rotorLine.writes.isEmpty());
    h.station->tracking().setManualPointing(false);
    h.tickAt("2026-06-27T01:36:15Z");
    EXPECT_EQ(h.rotorLine.writes.size(), 1);

    h.receiverLine.writes.clear();
    h.click("Prog_RX_1");
    EXPECT_EQ(h.receiverLine.writes, QList<QByteArray>{"EX\r\n"});
    h.tickAt("2026-06-27T01:36:20Z");
    EXPECT_EQ(h.receiverLine.writes.size(), 1);
}

TEST_F(TrackingTest, AnFt847IsReleasedByCatOffNeverByEx)
{
    h.setup("Recepteur", "FT847");
    h.bank(1, {"ISS (ZARYA)"});
    h.at("2026-06-27T01:36:00Z");
    h.start();
    h.click("Prog_RX_2");
    h.tickAt("2026-06-27T01:36:00Z");
    ASSERT_FALSE(h.receiverLine.writes.isEmpty());
    const QByteArray catOff("\0\0\0\0\x80", 5);
    h.receiverLine.writes.clear();
    h.click("Prog_RX_1");
    EXPECT_EQ(h.receiverLine.all(), catOff);
    h.receiverLine.writes.clear();
    h.messages.answers = {false};
    h.window().close();
    EXPECT_EQ(h.receiverLine.all(), catOff);
    EXPECT_FALSE(h.receiverLine.open);
}

// The window closed during a pause of a CAT frame: the release waits for the
// frame's end, and the line stays open until it has gone out.
TEST_F(TrackingTest, AnFt847ClosedInTheMiddleOfAFrameIsStillReleased)
{
    h.setup("Recepteur", "FT847");
    h.bank(1, {"ISS (ZARYA)"});
    h.at("2026-06-27T01:36:00Z");
    h.start();
    h.click("Prog_RX_2");
    h.messages.answers = {false};
    h.waiter.duringWait = [&] { h.window().close(); };
    h.tickAt("2026-06-27T01:36:00Z");
    EXPECT_TRUE(h.receiverLine.all().endsWith(QByteArray("\0\0\0\0\x80", 5)));
    EXPECT_FALSE(h.receiverLine.open);
}

TEST_F(TrackingTest, ATickArrivingDuringAWaitIsSkippedNotNested)
{
    h.setup("Interface Rotor", "Fodtrack");
    h.bank(1, {"ISS (ZARYA)"});
    h.at("2026-06-27T01:36:00Z");
    h.start();
    h.click("Tracking_2");
    h.waiter.duringWait = [&] { QMetaObject::invokeMethod(&h.window().timer1(), "timeout"); };
    const auto writesBefore = h.port.writes.size();
    h.tickAt("2026-06-27T01:36:00Z");
    EXPECT_EQ(h.station->tracking().skippedTicks(), 1);
    // One pointing: two axes of a few port writes each, not two pointings.
    const auto writes = h.port.writes.size() - writesBefore;
    h.tickAt("2026-06-27T01:36:05Z");
    EXPECT_EQ(h.port.writes.size() - writesBefore, 2 * writes);
}

// The ticks beat on whole multiples of the period on the station's clock
// (what the pass details count on to tell when the rotor turns): a tick off
// the beat has the next one come on it, if the clock is then there.
TEST_F(TrackingTest, ATickOffTheBeatBringsTheNextOneOntoIt)
{
    h.setup("Repetition Mesure", "1");
    h.bank(1, {"ISS (ZARYA)"});
    h.at("2026-06-27T01:36:00Z");
    h.start();
    h.click("Tracking_2");
    for (const int beatMs : {400, 1010}) {
        h.clock.now = QDateTime::fromString("2026-06-27T01:36:00Z", Qt::ISODate).addMSecs(400);
        h.tick();
        h.rotorLine.writes.clear();
        h.clock.now = h.clock.now.addMSecs(beatMs - 400);
        QTest::qWait(800); // the beat is 620 ms away; the timer, started again, 1000 ms
        EXPECT_EQ(h.rotorLine.writes.size(), beatMs == 1010 ? 1 : 0) << beatMs;
    }
}

// Waits as the real one does: the events that came meanwhile are dispatched.
class DispatchingWaiter final : public Waiter {
public:
    void Attente(double) override
    {
        QThread::msleep(1);
        QCoreApplication::processEvents();
    }
};

// Each message that can come while a pass is worked, told from the middle
// of a tick or of a CAT frame, is shown once in a box that holds nothing: a
// modal one would hold everything the timers do while it waits (4 ticks
// here), and shown from a wait inside a tick, that tick would skip all of
// them. Every tick gives the GS-232 and the FT-847 theirs, unless the
// message is that the radio, or the station, cannot have it.
TEST(TrackingMessages, NoMessageHoldsTheRotorOrTheRadioDuringAPass)
{
    struct Case {
        const char *told;
        std::function<void(test::StationHarness &)> setup;
        bool rotor = true;
        bool radio = true;
    };
    const std::vector<Case> cases{
        {"« /nonexistent/alarme » n'a pas pu être lancée",
         [](test::StationHarness &h) {
             h.store.save("Orvanta", "Alarmes", "Active", "1");
             h.store.save("Orvanta", "Alarmes", "Minutes Avant AOS", "0");
             h.store.save("Orvanta", "Alarmes", "Commande", "/nonexistent/alarme");
         }},
        {"datent de plus de 30 jours",
         [](test::StationHarness &h) {
             QFile file(h.folder.filePath("Amateur.txt"));
             ASSERT_TRUE(file.open(QIODevice::ReadOnly));
             QByteArray elements = file.readAll();
             file.close();
             elements.replace("26177.95096363 -.00000030  00000+0  10246-3 0  9996",
                              "26117.95096363 -.00000030  00000+0  10246-3 0  9990"); // AO-7, 60 days older
             h.writeFile("Amateur.txt", elements);
         }},
        {"Lignes de la table des transpondeurs ignorées",
         [](test::StationHarness &h) {
             h.writeFile("Transpondeurs.cfg", "25544;Mode V/U;145900000;146000000;435800000;4359000000;oui;LSB;USB;;oui\r\n");
         }},
        {"Frequence FT847 non envoyee",
         [](test::StationHarness &h) { h.writeFile("Frequences.cfg", "ISS (ZARYA)\r\n1268.5\r\nMode B\r\n"); },
         true, false},
        {"n'a pas de frequence",
         [](test::StationHarness &h) { h.writeFile("Frequences.cfg", "OSCAR 7 (AO-7)\r\n145.9775\r\nMode C\r\n"); },
         false, false},
        {"ne repond pas",
         [](test::StationHarness &h) {
             h.setup("Interface Rotor", "Hamlib");
             saveHamlibDevice(h.store, HamlibKind::Rotor, {2, "127.0.0.1:1", 0}); // nothing listens there
         },
         false, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.told);
        test::StationHarness h;
        h.setup("Interface Rotor", "GS232");
        h.setup("Recepteur", "FT847");
        h.bank(1, {"ISS (ZARYA)", "OSCAR 7 (AO-7)"});
        c.setup(h);
        h.messages.shown.clear();
        DispatchingWaiter waiter;
        h.at("2026-06-27T01:34:55Z"); // ISS rises at 01:34:54
        h.station = std::make_unique<Station>(StationPlatform{h.store, h.messages, h.clock, waiter, h.receiverLine,
                                                              h.rotorLine, h.port, h.sound, h.help, h.folder.path()});
        h.station->start();
        h.settle();
        for (const char *button : {"Tracking_2", "Doppler_1", "Prog_RX_2"})
            h.click(button);
        h.rotorLine.writes.clear();
        h.receiverLine.writes.clear();

        int ticks = 0;
        const auto tick = [&] {
            h.clock.now = h.clock.now.addSecs(5);
            ++ticks;
            QMetaObject::invokeMethod(&h.window().timer1(), "timeout"); // nothing dispatched between ticks
        };
        h.messages.whileShown = [&] {
            for (int i = 0; i < 4; ++i)
                tick();
        };
        while (h.clock.now < QDateTime::fromString("2026-06-27T01:38:00Z", Qt::ISODate)) {
            tick();
            if (ticks % 6 == 0)
                QTest::qWait(50); // what devices report from their threads comes in
        }
        h.settle();

        EXPECT_EQ(h.messages.modal, 0);
        const QString told = h.messages.texts().join('\n');
        EXPECT_EQ(told.count(QString::fromUtf8(c.told)), 1) << told.toStdString();
        EXPECT_EQ(h.rotorLine.writes.size(), c.rotor ? ticks : 0);
        int frequencies = 0;
        const QByteArray frames = h.receiverLine.all();
        for (qsizetype i = 4; i < frames.size(); i += 5)
            frequencies += frames.at(i) == '\x01';
        EXPECT_EQ(frequencies, c.radio ? ticks : 0);
    }
}

TEST(Doppler, FactorGivesTheFullShift)
{
    // 6 km/s away at 145.8 MHz: the radio must be 2.9 kHz low.
    EXPECT_EQ(formatFixed(145.8 * dopplerFactor(6), 4), "145.7971");
    EXPECT_EQ(formatFixed(435.3 * dopplerFactor(-5), 4), "435.3073");
}

} // namespace
} // namespace orvanta

namespace orvanta {
namespace {

TEST(TrackingViews, TheSkyFollowsTheTickAndAPassLineOpensItsDetails)
{
    test::StationHarness h;
    h.setup("Interface Rotor", "GS232");
    h.bank(1, {"ISS (ZARYA)", "OSCAR 7 (AO-7)"});
    h.at("2026-06-27T01:36:00Z");
    h.start();
    h.click("Tracking_2");
    h.tickAt("2026-06-27T01:36:05Z");
    auto *sky = h.window().findChild<SkyView *>("Ciel");
    ASSERT_NE(sky, nullptr);
    ASSERT_TRUE(sky->scene().satelliteNow.has_value());
    EXPECT_NEAR(sky->scene().satelliteNow->azimuthDeg, h.text("Azimut_Sel").toDouble(), 0.5);
    ASSERT_TRUE(sky->scene().rotor.has_value());
    EXPECT_EQ(sky->scene().rotor->azimuthDeg, h.text("Azimut_Sel").toDouble());

    emit h.window().passLineDoubleClicked(h.lines("Sat_Visibles").front());
    auto *details = h.window().findChild<QWidget *>("Details_Passage");
    ASSERT_NE(details, nullptr);
    EXPECT_TRUE(details->isVisible());
}

} // namespace
} // namespace orvanta
