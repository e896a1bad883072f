#include "app/revision_history.h"
#include "config/configuration.h"
#include "station_harness.h"

#include <QAction>
#include <QFile>

#include <gtest/gtest.h>

namespace orvanta {
namespace {

using test::StationHarness;

void age(StationHarness &h, const QString &file, int days)
{
    QFile f(h.folder.filePath(file));
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    ASSERT_TRUE(f.setFileTime(h.clock.now.addDays(-days).addSecs(-60), QFileDevice::FileModificationTime));
}

TEST(StartUp, WarnsAboutListedElementFilesMoreThanThirtyDaysOld)
{
    StationHarness h;
    h.writeFile("Elements.cfg", "AMATEUR.TXT\r\nWeather.txt\r\nAbsent.txt\r\n");
    QFile::copy(h.folder.filePath("Amateur.txt"), h.folder.filePath("Weather.txt"));
    QFile::copy(h.folder.filePath("Amateur.txt"), h.folder.filePath("Unlisted.txt"));
    age(h, "Amateur.txt", 31);
    age(h, "Weather.txt", 29);
    age(h, "Unlisted.txt", 90);
    h.bank(1, {"ISS (ZARYA)"});
    QStringList comingWhileShown;
    h.messages.whileShown = [&] { comingWhileShown = h.lines("Detail_Pass"); };
    h.start();
    EXPECT_EQ(h.messages.texts(),
              QStringList{"Le fichier Amateur.txt est vieux de plus de 30 jours, il doit etre mis a jour"});
    EXPECT_FALSE(comingWhileShown.isEmpty()) << "the first tick came before the message";
    EXPECT_EQ(h.station->Liste_Fichiers(), (QStringList{"AMATEUR.TXT", "Absent.txt", "Weather.txt"}));
}

// Objects catalogued since July 2026 have six-digit numbers and come only as
// OMM: a folder holding nothing else lists and predicts them, objects sharing
// a name each under its number, and another program's JSON is passed over.
TEST(StartUp, AFolderOfSixDigitObjectsInOmmJsonShowsTheirPasses)
{
    StationHarness h;
    QFile::remove(h.folder.filePath("Amateur.txt"));
    QFile::copy(QStringLiteral(ORVANTA_SOURCE_DIR "/tests/orbit/data/omm/six-digits/new-objects.json"),
                h.folder.filePath("New.json"));
    h.writeFile("Elements.cfg", "New.json\r\n");
    h.writeFile("Layout.json", "{\"theme\": \"dark\"}");
    h.bank(1, {"NEWSAT #123456", "NEWSAT #123457"});
    h.at("2026-06-27T00:00:00Z");
    age(h, "New.json", 31);
    h.start();
    EXPECT_EQ(h.messages.texts(),
              QStringList{"Le fichier New.json est vieux de plus de 30 jours, il doit etre mis a jour"});
    EXPECT_EQ(h.lines("ListeSat"), QStringList{"ALPHA FIVE"});
    EXPECT_EQ(h.lines("Sat_Select"), (QStringList{"NEWSAT #123456", "NEWSAT #123457"}));
    h.tick();
    const QString passes = (h.lines("Sat_Visibles") + h.lines("Detail_Pass")).join('\n');
    EXPECT_TRUE(passes.contains("NEWSAT #123456")) << passes.toStdString();
    EXPECT_TRUE(passes.contains("NEWSAT #123457")) << passes.toStdString();
}

TEST(StartUp, AMissingElementListIsAnEmptyList)
{
    StationHarness h;
    QFile::remove(h.folder.filePath("Elements.cfg"));
    age(h, "Amateur.txt", 100);
    h.start();
    EXPECT_TRUE(h.station->Liste_Fichiers().isEmpty());
    EXPECT_TRUE(h.messages.shown.empty());
    EXPECT_FALSE(h.lines("ListeSat").isEmpty());
}

TEST(StartUp, NoElementFileGivesOneMessageAndEmptyLists)
{
    StationHarness h;
    QFile::remove(h.folder.filePath("Amateur.txt"));
    h.bank(1, {"ISS (ZARYA)"});
    h.start();
    ASSERT_EQ(h.messages.shown.size(), 1u);
    EXPECT_TRUE(h.messages.shown[0].text.contains("aucun fichier d'elements")) << h.messages.texts()[0].toStdString();
    EXPECT_TRUE(h.lines("ListeSat").isEmpty());
    h.tick();
    h.tick();
    EXPECT_EQ(h.messages.shown.size(), 1u);
    EXPECT_TRUE(h.lines("Sat_Visibles").isEmpty());
}

TEST(StartUp, DamagedSetsAreReportedOnceAndTheOthersUsed)
{
    StationHarness h;
    QFile elements(h.folder.filePath("Amateur.txt"));
    ASSERT_TRUE(elements.open(QIODevice::Append));
    elements.write("BROKEN\r\n1 99999U 98067A   26177.5 bad line\r\n2 99999 garbage\r\n");
    elements.close();
    h.start();
    h.tick();
    ASSERT_EQ(h.messages.shown.size(), 1u) << h.messages.texts().join('\n').toStdString();
    EXPECT_TRUE(h.messages.shown[0].text.startsWith("Des elements orbitaux n'ont pas pu etre lus :\r\nAmateur.txt, ligne"))
        << h.messages.texts()[0].toStdString();
    EXPECT_TRUE(h.lines("ListeSat").contains("ISS (ZARYA)"));
}

TEST(StartUp, OpensTheLinesLeavesTheParallelPortToTheFodTrackAndNamesTheWindow)
{
    StationHarness h;
    h.store.save("Orvanta", "Setup", "Interface Rotor", "GS232");
    h.store.save("Orvanta", "Setup", "Repetition Mesure", "7");
    h.start();
    EXPECT_EQ(h.window().windowTitle(), "Orvanta Rev 1.3.4");
    EXPECT_TRUE(h.receiverLine.open);
    EXPECT_TRUE(h.rotorLine.open);
    EXPECT_TRUE(h.rotorLine.writes.isEmpty());
    EXPECT_TRUE(h.port.writes.empty()); // no FodTrack park for a GS-232
    EXPECT_EQ(h.window().timer1().interval(), 7000);
    EXPECT_TRUE(h.window().timer1().isActive());
    EXPECT_TRUE(h.window().findChild<QAction *>("Mnu_Calibration")->isEnabled());
    const auto &state = h.station->tracking().state();
    EXPECT_TRUE(state.Nouveau_Sat); // the first tick found nothing in view: the next satellite is new
    EXPECT_FALSE(state.Prog_RX_Actif || state.Tracking_Actif || state.Doppler_Actif || state.Pointage_Manuel);
}

TEST(StartUp, TheRotorLineStaysClosedForTheFodTrack)
{
    StationHarness h;
    h.start();
    EXPECT_TRUE(h.receiverLine.open);
    EXPECT_FALSE(h.rotorLine.open);
    EXPECT_FALSE(h.port.writes.empty()); // parked
}

// The demo's Hamlib radio: a user with no serial port gets no message about one.
TEST(StartUp, AHamlibRadioLeavesTheReceiverLineClosed)
{
    StationHarness h;
    h.setup("Recepteur", "Hamlib");
    h.start();
    EXPECT_FALSE(h.receiverLine.open);
}

TEST(Shutdown, YesParksTheRotorAndTheReceiverIsReleased)
{
    StationHarness h;
    h.store.save("Orvanta", "Setup", "Interface Rotor", "GS232");
    h.store.save("Orvanta", "Setup", "Park Azimut 0", "180");
    h.store.save("Orvanta", "Setup", "Park Site 0", "10");
    h.start();
    h.messages.answers = {true};
    h.window().close();
    ASSERT_EQ(h.messages.shown.size(), 1u);
    EXPECT_EQ(h.messages.shown[0].text, "Voulez vous parquer les antennes?");
    EXPECT_EQ(h.messages.shown[0].title, "Parkage");
    EXPECT_TRUE(h.messages.shown[0].isQuestion);
    EXPECT_EQ(h.text("Titre"), "Parkage");
    EXPECT_EQ(h.rotorLine.writes, QList<QByteArray>{"W180 010\r"});
    EXPECT_EQ(h.receiverLine.writes, QList<QByteArray>{"EX\r\n"});
    EXPECT_FALSE(h.receiverLine.open);
    EXPECT_FALSE(h.rotorLine.open);
    EXPECT_TRUE(h.station->ended());
    EXPECT_EQ(h.station->component(), nullptr);
    EXPECT_EQ(h.store.get("Orvanta", "Setup", "Park Azimut 0", {}), "180");
    EXPECT_EQ(h.store.get("Orvanta", "Setup", "Repetition Mesure", {}), "5");

    h.window().close(); // a second close changes nothing
    EXPECT_EQ(h.messages.shown.size(), 1u);
}

TEST(Shutdown, NoLeavesTheRotorButStillReleasesTheReceiver)
{
    StationHarness h;
    h.start();
    const auto portWrites = h.port.writes.size();
    h.messages.answers = {false};
    h.window().close();
    EXPECT_EQ(h.port.writes.size(), portWrites);
    EXPECT_EQ(h.receiverLine.writes, QList<QByteArray>{"EX\r\n"});
    EXPECT_TRUE(h.station->ended());
    EXPECT_FALSE(h.window().timer1().isActive());
    EXPECT_FALSE(h.window().timer2().isActive());
}

TEST(HelpMenu, HistoryAboutAndManual)
{
    StationHarness h;
    h.start();
    h.window().findChild<QAction *>("Mnu_Historique")->trigger();
    ASSERT_EQ(h.messages.shown.size(), 1u);
    const QString history = h.messages.shown[0].text;
    EXPECT_TRUE(history.startsWith("Rev 1.0.0  Creation 10/10/2002\r\n"));
    EXPECT_TRUE(history.endsWith(
        "Rev 1.3.4  Replacement de InpOut32.dll pour XP Suppression mise a jour Parmetres orbitaux 03/4/2006\r\n"));
    EXPECT_EQ(history.count("\r\n"), 10);

    h.window().findChild<QAction *>("Mnu_A_Propos_De")->trigger();
    EXPECT_TRUE(h.messages.shown[1].text.startsWith("Orvanta Rev 1.3.4"));

    h.window().findChild<QAction *>("Mnu_Notice")->trigger();
    EXPECT_EQ(h.help.shown, QStringList{h.folder.filePath("Orvanta.html")});
}

} // namespace
} // namespace orvanta

namespace orvanta {
namespace {

TEST(StartUp, ARefusedObserverGivesOneMessageAndNoPredictionUntilMended)
{
    test::StationHarness h;
    h.setup("Latitude Observateur", "95");
    h.bank(1, {"ISS (ZARYA)"});
    h.at("2026-06-27T01:38:00Z");
    h.start();
    h.tick();
    h.tick();
    ASSERT_EQ(h.messages.shown.size(), 1u) << h.messages.texts().join('\n').toStdString();
    EXPECT_TRUE(h.messages.shown[0].text.contains("latitude 95")) << h.messages.texts()[0].toStdString();
    ASSERT_EQ(h.lines("Sat_Visibles").size(), 1);
    EXPECT_TRUE(h.lines("Sat_Visibles")[0].startsWith("Aucune prediction"));
    EXPECT_EQ(h.text("Sat_Sel"), "");

    h.station->config().Lat_Obs = 48;
    h.station->Init_Satellites();
    h.tick();
    EXPECT_EQ(h.text("Sat_Sel"), "ISS (ZARYA)");
    EXPECT_EQ(h.messages.shown.size(), 1u);
}

TEST(StartUp, ElementsFarFromTheInstantAreNamedOnceNotAtEveryTick)
{
    test::StationHarness h;
    h.bank(1, {"ISS (ZARYA)", "OSCAR 7 (AO-7)"});
    h.at("2026-12-07T12:00:00Z");
    h.start();
    h.tick();
    h.tick();
    ASSERT_EQ(h.messages.shown.size(), 1u) << h.messages.texts().join('\n').toStdString();
    EXPECT_TRUE(h.messages.shown[0].text.contains("ISS (ZARYA)"));
    EXPECT_TRUE(h.messages.shown[0].text.contains("OSCAR 7 (AO-7)"));
}

} // namespace
} // namespace orvanta

namespace orvanta {
namespace {

TEST(StartUp, WhatTheConfigurationReadsShowsInTheAssembledWindow)
{
    test::StationHarness h;
    h.start();
    test::MemorySettingsStore store;
    store.save("Orvanta", "Setup", "Interface Rotor", "GS232");
    store.save("Orvanta", "Setup", "Recepteur", "FT847");
    store.save("Orvanta", "Setup", "Vitesse Transmission Com1", "9600");
    store.save("Orvanta", "Setup", "Adresse Port LPT", "632");
    test::RecordingSerialLine a, b;
    ConfigStation config;
    ConfigContext context{store, h.window(), a, b, nullptr};
    Charge_Config(config, context);
    const auto checked = [&h](const char *entry) { return h.window().findChild<QAction *>(entry)->isChecked(); };
    EXPECT_TRUE(checked("Mnu_GS232"));
    EXPECT_FALSE(checked("Mnu_Fodtrack"));
    EXPECT_TRUE(checked("Mnu_FT847"));
    EXPECT_FALSE(checked("Mnu_AR5000"));
    EXPECT_TRUE(checked("Mnu_Com1_V9600"));
    EXPECT_FALSE(checked("Mnu_Com1_V19200"));
    EXPECT_TRUE(checked("Mnu_Com2_V4800"));
    EXPECT_TRUE(checked("Mnu_LPT_278"));
    EXPECT_FALSE(checked("Mnu_LPT_378"));
    EXPECT_EQ(h.text("Titre"), "Poursuite satellite avec interface GS232 et RX FT847");
}

} // namespace
} // namespace orvanta
