#include "data/element_update_command.h"
#include "data/element_update_window.h"
#include "data/transponder_table.h"
#include "loopback_http_server.h"
#include "station_folder.h"
#include "window_driver.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <sstream>
#include <utility>

namespace orvanta {
namespace {

using test::LoopbackHttpServer;

const QByteArray kOld = "OSCAR 7 (AO-7)\r\n"
                        "1 07530U 74089B   26177.95096363 -.00000030  00000+0  10246-3 0  9996\r\n"
                        "2 07530 101.9899 191.2993 0012643 112.0577 277.1703 12.53698219361741\r\n";
const QByteArray kNew = "UOSAT 2 (UO-11)\r\n"
                        "1 14781U 84021B   26177.88662513  .00001206  00000+0  12818-3 0  9999\r\n"
                        "2 14781  97.8061 143.3531 0008474 142.5122 217.6689 14.90806409258571\r\n";

// A station keeping Amateur.txt and Weather.txt, both with sources on the server.
struct Station {
    LoopbackHttpServer server;
    test::StationFolder folder;

    Station(const QByteArray &amateurPath, const QByteArray &weatherPath)
    {
        server.route("/good", LoopbackHttpServer::response(200, "OK", kNew));
        server.route("/half", LoopbackHttpServer::halfResponse(kNew), LoopbackHttpServer::Then::Stall);
        folder.writeLines("Elements.cfg", {"Amateur.txt", "Weather.txt"});
        folder.writeLines("Sources.cfg", {"Amateur.txt=" + server.url(amateurPath),
                                          "Weather.txt=" + server.url(weatherPath)});
        folder.write("Amateur.txt", kOld);
        folder.write("Weather.txt", kOld);
    }
};

QString text(QWidget &window, const char *label)
{
    return test::control<QLabel>(window, label)->text();
}

TEST(ElementUpdateWindow, ShowsEachFileAndReportsTheReplacedOnes)
{
    Station station("/good", "/missing");
    ElementUpdateWindow window(station.folder.path());
    EXPECT_EQ(window.windowTitle(), "Mise a jour des elements");
    QSignalSpy finished(&window, &ElementUpdateWindow::finished);
    window.show();
    ASSERT_TRUE(window.start());
    EXPECT_EQ(text(window, "Fichier_1"), "Amateur.txt");
    EXPECT_EQ(text(window, "Fichier_2"), "Weather.txt");
    EXPECT_TRUE(test::control<QPushButton>(window, "Annuler")->isEnabled());

    ASSERT_TRUE(finished.wait(5000));
    EXPECT_EQ(finished.count(), 1);
    EXPECT_EQ(finished.first().first().toStringList(), QStringList{"Amateur.txt"});
    EXPECT_TRUE(text(window, "Resultat_1").startsWith("mis à jour, 1 jeu d'éléments"));
    EXPECT_EQ(text(window, "Resultat_2"), station.server.url("/missing") + " : erreur HTTP 404 Not Found");
    auto *bar = test::control<QProgressBar>(window, "Progression_1");
    EXPECT_EQ(bar->value(), bar->maximum());
    EXPECT_FALSE(test::control<QPushButton>(window, "Annuler")->isEnabled());
    EXPECT_FALSE(test::control<QLabel>(window, "Problemes")->isVisible());
    EXPECT_EQ(station.folder.read("Amateur.txt"), kNew);
    EXPECT_EQ(station.folder.read("Weather.txt"), kOld);

    // Each result shows whole inside the window, wrapped to its width.
    QCoreApplication::processEvents();
    for (const char *name : {"Resultat_1", "Resultat_2"}) {
        const QLabel *label = test::control<QLabel>(window, name);
        EXPECT_GE(label->height(), label->heightForWidth(label->width())) << name;
        EXPECT_TRUE(window.rect().contains(QRect(label->mapTo(&window, QPoint()), label->size()))) << name;
    }
    EXPECT_GE(window.width(), 500);
}

TEST(ElementUpdateWindow, AnnulerAndClosingStopTheRunAndKeepTheOldFiles)
{
    for (const bool byClosing : {false, true}) {
        SCOPED_TRACE(byClosing ? "closing" : "Annuler");
        Station station("/half", "/good");
        ElementUpdateWindow window(station.folder.path());
        QSignalSpy finished(&window, &ElementUpdateWindow::finished);
        window.show();
        ASSERT_TRUE(window.start());
        auto *bar = test::control<QProgressBar>(window, "Progression_1");
        ASSERT_TRUE(QTest::qWaitFor([bar] { return bar->value() > 0; }, 5000)) << "half the file came";
        if (byClosing)
            window.close();
        else
            test::click(window, "Annuler");
        ASSERT_EQ(finished.count(), 1);
        EXPECT_EQ(finished.first().first().toStringList(), QStringList());
        EXPECT_EQ(text(window, "Resultat_1"), "annulé, fichier inchangé");
        EXPECT_EQ(text(window, "Resultat_2"), "annulé, fichier inchangé");
        EXPECT_EQ(station.folder.read("Amateur.txt"), kOld);
        EXPECT_EQ(station.folder.read("Weather.txt"), kOld);
    }
}

TEST(ElementUpdateWindow, SaysWhyWhenNothingCanBeDownloaded)
{
    test::StationFolder folder;
    ElementUpdateWindow window(folder.path());
    QSignalSpy finished(&window, &ElementUpdateWindow::finished);
    window.show();
    EXPECT_FALSE(window.start());
    EXPECT_TRUE(test::control<QLabel>(window, "Problemes")->isVisible());
    EXPECT_TRUE(text(window, "Problemes").startsWith("Sources.cfg absent"));
    EXPECT_FALSE(test::control<QPushButton>(window, "Annuler")->isEnabled());
    EXPECT_EQ(finished.count(), 0);
}

struct CommandRun {
    int status = 0;
    std::string out;
    std::string err;
};

CommandRun update(const std::vector<std::string> &arguments)
{
    std::ostringstream out, err;
    const int status = runElementUpdateCommand(arguments, out, err);
    return {status, out.str(), err.str()};
}

TEST(ElementUpdateCommand, OneLinePerFileAndSuccessOnlyWhenAllWereReplaced)
{
    Station some("/good", "/missing");
    const CommandRun partly = update({"--station", some.folder.path().toStdString()});
    EXPECT_EQ(partly.status, 1);
    EXPECT_EQ(partly.out, "Amateur.txt : mis à jour, 1 jeu d'éléments (" + some.server.url("/good").toStdString() +
                              ")\nWeather.txt : " + some.server.url("/missing").toStdString() +
                              " : erreur HTTP 404 Not Found\n");
    EXPECT_EQ(partly.err, "");
    EXPECT_EQ(some.folder.read("Weather.txt"), kOld);

    Station all("/good", "/good");
    const CommandRun done = update({"--station", all.folder.path().toStdString()});
    EXPECT_EQ(done.status, 0) << done.err;
    EXPECT_EQ(all.folder.read("Amateur.txt"), kNew);
    EXPECT_EQ(all.folder.read("Weather.txt"), kNew);

    // A source Elements.cfg does not name: the others are updated, the status says it.
    all.folder.writeLines("Sources.cfg", {"Amateur.txt=" + all.server.url("/good"), "Goes.txt=" + all.server.url("/good")});
    const CommandRun unlisted = update({"--station", all.folder.path().toStdString()});
    EXPECT_EQ(unlisted.status, 1);
    EXPECT_EQ(unlisted.err, "orvanta-orbit : Sources.cfg : Goes.txt n'est pas nommé dans Elements.cfg, il n'est pas "
                            "téléchargé\n");

    test::StationFolder empty;
    const CommandRun nothing = update({"--station", empty.path().toStdString()});
    EXPECT_EQ(nothing.status, 1);
    EXPECT_EQ(nothing.out, "");
    EXPECT_NE(nothing.err.find("Sources.cfg absent"), std::string::npos);

    EXPECT_EQ(update({"--station", empty.path().toStdString() + "/none"}).status, 1);
    for (const auto &arguments : std::vector<std::vector<std::string>>{{}, {"--station"}, {"--elements", "x"}}) {
        const CommandRun bad = update(arguments);
        EXPECT_EQ(bad.status, 2);
        EXPECT_NE(bad.err.find("orvanta-orbit update --station DIR"), std::string::npos);
    }
}

// The SatNOGS DB list rides along with the elements, from the window and the
// command line alike; only a sound list replaces the import, and the
// operator's own entry of the same name still wins.
TEST(ElementUpdate, TransmittersListReplacesTheImportOnlyWhenSound)
{
    const QByteArray list = R"([{"uuid":"a1","description":"Mode JA","alive":true,"type":"Transponder",
        "uplink_low":145900000,"uplink_high":146000000,"downlink_low":435800000,"downlink_high":435900000,
        "mode":"USB","uplink_mode":"LSB","invert":true,"baud":null,"norad_cat_id":24278,"status":"active"},
       {"uuid":"a2","description":"Beacon","alive":true,"type":"Transmitter","uplink_low":null,"uplink_high":null,
        "downlink_low":435795000,"downlink_high":null,"mode":"CW","uplink_mode":null,"invert":false,"baud":null,
        "norad_cat_id":24278,"status":"active"},
       {"uuid":"a3","description":"Not yet","alive":true,"downlink_low":436000000,"norad_cat_id":null}])";
    Station station("/good", "/good");
    station.server.route("/transmitters", LoopbackHttpServer::response(200, "OK", list, "application/json"));
    station.server.route("/html", LoopbackHttpServer::response(200, "OK", "<html>Maintenance</html>", "text/html"));
    station.server.route("/object", LoopbackHttpServer::response(200, "OK", R"({"detail":"Throttled"})"));
    const auto sources = [&](const QByteArray &path) {
        station.folder.writeLines("Sources.cfg", {"Amateur.txt=" + station.server.url("/good"),
                                                  "transpondeurs.json=" + station.server.url(path)});
    };
    Transponder mine{24278, "Mode JA", 145900000, 146000000, 435800000, 435900000, true, "LSB", "USB", 0, true};
    mine.downlinkLow += 10; // the operator's own correction
    station.folder.writeLines("Transpondeurs.cfg", {transponderLine(mine)});

    sources("/transmitters");
    ElementUpdateWindow window(station.folder.path());
    QSignalSpy finished(&window, &ElementUpdateWindow::finished);
    ASSERT_TRUE(window.start());
    EXPECT_EQ(text(window, "Fichier_2"), "transpondeurs.json");
    ASSERT_TRUE(finished.wait(5000));
    EXPECT_EQ(finished.first().first().toStringList(), (QStringList{"Amateur.txt", "transpondeurs.json"}));
    EXPECT_EQ(text(window, "Resultat_2"), "Transpondeurs_SatNOGS.cfg mis à jour, 2 émetteurs de 1 satellites, "
                                          "1 laissés de côté (données SatNOGS DB, licence CC BY-SA 4.0 ; " +
                                              station.server.url("/transmitters") + ")");
    const TransponderTable table = loadTransponders(station.folder.path());
    ASSERT_EQ(table.entries.size(), 2u);
    EXPECT_EQ(table.entries[0], mine);
    EXPECT_EQ(table.entries[1].name, "Beacon");
    EXPECT_EQ(table.imported, 1);
    const QByteArray kept = station.folder.read("Transpondeurs_SatNOGS.cfg");
    EXPECT_TRUE(kept.startsWith("# Emetteurs importes de SatNOGS DB")) << "the licence travels with the data";

    const std::pair<QByteArray, QString> refused[] = {
        {"/html", "page HTML reçue au lieu de la liste d'émetteurs SatNOGS DB"},
        {"/object", "ce n'est pas une liste d'émetteurs SatNOGS DB (le document n'est pas une liste)"},
        {"/missing", "erreur HTTP 404 Not Found"},
    };
    for (const auto &[path, why] : refused) {
        sources(path);
        const CommandRun run = update({"--station", station.folder.path().toStdString()});
        EXPECT_EQ(run.status, 1);
        const QString line = "transpondeurs.json : " + station.server.url(path) + " : " + why;
        EXPECT_NE(run.out.find(line.toStdString()), std::string::npos) << run.out;
        EXPECT_EQ(station.folder.read("Transpondeurs_SatNOGS.cfg"), kept);
    }
}

} // namespace
} // namespace orvanta
