// The configuration menus and dialogs as they sit in the assembled station.

#include "station_harness.h"

#include "orbit/pass_list.h"
#include "orbit/utc_time.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>

namespace orvanta {
namespace {

QAction *entry(test::StationHarness &h, const char *name)
{
    return h.window().findChild<QAction *>(name);
}

TEST(StationDialogs, RotorMenusOpenTheRotorLineAndRenameTheStation)
{
    test::StationHarness h;
    h.start();
    EXPECT_FALSE(h.rotorLine.open);
    entry(h, "Mnu_GS232")->trigger();
    EXPECT_TRUE(h.rotorLine.open);
    EXPECT_EQ(h.station->config().Interface_Rotor, "GS232");
    EXPECT_EQ(h.text("Titre"), "Poursuite satellite avec interface GS232 et RX AR5000");
    EXPECT_FALSE(entry(h, "Mnu_Calibration")->isEnabled());
    entry(h, "Mnu_Fodtrack")->trigger();
    EXPECT_FALSE(h.rotorLine.open);
    EXPECT_TRUE(entry(h, "Mnu_Calibration")->isEnabled());

    entry(h, "Mnu_Com1_V9600")->trigger();
    EXPECT_EQ(h.receiverLine.settings, "9600,n,8,1");
}

TEST(StationDialogs, ManualPointingHoldsTheRotorAndFollowsTheTick)
{
    test::StationHarness h;
    h.setup("Interface Rotor", "GS232");
    h.bank(1, {"ISS (ZARYA)"});
    h.at("2026-06-27T01:36:00Z");
    h.start();
    h.click("Tracking_2");
    h.click("Pour_Man");
    auto *window = h.window().findChild<QWidget *>("Poursuite_Man");
    ASSERT_TRUE(window && window->isVisible());
    EXPECT_TRUE(h.station->tracking().state().Pointage_Manuel);

    h.rotorLine.writes.clear();
    h.tickAt("2026-06-27T01:36:05Z");
    EXPECT_TRUE(h.rotorLine.writes.isEmpty());
    EXPECT_EQ(window->findChild<QLineEdit *>("Azimut_Man")->text(), h.text("Azimut_Sel"));
    EXPECT_EQ(window->findChild<QLineEdit *>("Site_Man")->text(), h.text("Site_Sel"));

    auto *az = window->findChild<QLineEdit *>("Az_Man");
    auto *el = window->findChild<QLineEdit *>("Si_Man");
    az->clear();
    QTest::keyClicks(az, "45");
    el->clear();
    QTest::keyClicks(el, "7");
    ASSERT_FALSE(h.rotorLine.writes.isEmpty());
    EXPECT_EQ(h.rotorLine.writes.back(), "W045 007\r");

    window->close();
    EXPECT_FALSE(h.station->tracking().state().Pointage_Manuel);
    h.rotorLine.writes.clear();
    h.tickAt("2026-06-27T01:36:10Z");
    EXPECT_EQ(h.rotorLine.writes.size(), 1);
}

TEST(StationDialogs, ASouthernWesternStationIsUsedByTheNextPrediction)
{
    test::StationHarness h;
    h.start();
    entry(h, "Mnu_Observateur")->trigger();
    auto *observateur = h.window().findChild<QWidget *>("Observateur");
    ASSERT_TRUE(observateur && observateur->isVisible());
    observateur->findChild<QLineEdit *>("Lat_Observateur")->setText("-34.6");
    observateur->findChild<QLineEdit *>("Long_Observateur")->setText("-58.38");
    observateur->close();
    EXPECT_TRUE(h.messages.shown.empty()) << h.messages.texts().join('\n').toStdString();
    EXPECT_NEAR(h.station->component()->ObsLat(), -34.6, 1e-4);
    EXPECT_NEAR(h.station->component()->ObsLon(), -58.38, 1e-4);
    EXPECT_EQ(h.store.get("Orvanta", "Setup", "Latitude Observateur", {}), "-34.6");
}

TEST(StationDialogs, TheAlarmDialogKeepsItsRulesAndTheTickRingsBeforeTheRise)
{
    test::StationHarness h;
    h.bank(1, {"ISS (ZARYA)", "OSCAR 7 (AO-7)"});
    h.at("2026-06-27T12:00:00Z");
    h.start();
    entry(h, "Mnu_Alarmes")->trigger();
    auto *window = h.window().findChild<QWidget *>("Alarmes");
    ASSERT_TRUE(window && window->isVisible());
    const auto box = [window](const char *name) { return window->findChild<QCheckBox *>(name); };
    box("Alarme_Active")->setChecked(true);
    window->findChild<QSpinBox *>("Alarme_Minutes")->setValue(7);
    box("Alarme_Son")->setChecked(true);
    auto *satellite = window->findChild<QComboBox *>("Alarme_Satellite");
    satellite->setCurrentIndex(satellite->findText("OSCAR 7 (AO-7) (7530)"));
    box("Alarme_Regle_Propre")->setChecked(true);
    box("Satellite_Active")->setChecked(false);
    auto *command = window->findChild<QLineEdit *>("Alarme_Commande");
    command->setText("/nonexistent/alarme --fort");
    window->close();
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(h.messages.texts().contains(
        "Le programme « /nonexistent/alarme » de la commande d'alarme est introuvable ou n'est pas exécutable."));
    command->clear();
    window->close();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(h.store.get("Orvanta", "Alarmes", "Minutes Avant AOS", {}), "7");
    EXPECT_EQ(h.store.get("Orvanta", "Alarmes", "Satellites", {}), "7530");
    EXPECT_EQ(h.store.get("Orvanta", "Alarme 7530", "Active", {}), "0");

    // Seven minutes before the ISS rises, the chime, once; AO-7 has a rule of its own and none.
    const auto &coming = h.station->tracking().board().coming();
    const auto iss =
        std::find_if(coming.begin(), coming.end(), [](const auto &p) { return p.pass.catalogNumber == 25544; });
    ASSERT_NE(iss, coming.end());
    const orbit::PredictedPass next = iss->pass;
    const auto at = QDateTime(QDate(1899, 12, 30), QTime(0, 0), Qt::UTC)
                        .addSecs(orbit::wholeSecondsFromJulian(next.aos) - 7 * 60);
    h.sound.played.clear();
    h.tickAt(at.toString(Qt::ISODate));
    h.tickAt(at.addSecs(5).toString(Qt::ISODate));
    EXPECT_EQ(h.sound.played.filter("Alarme_Sat.wav").size(), 1);
}

} // namespace
} // namespace orvanta
