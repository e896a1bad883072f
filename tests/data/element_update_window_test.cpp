#include "data/element_update_command.h"
#include "data/element_update_window.h"
#include "loopback_http_server.h"
#include "station_folder.h"
#include "window_driver.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <sstream>

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

} // namespace
} // namespace orvanta
