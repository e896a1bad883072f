#include "data/element_download.h"
#include "data/element_update.h"
#include "loopback_http_server.h"
#include "orbit/element_files.h"
#include "orbit/satellites.h"
#include "station_folder.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QDir>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace orvanta {
namespace {

using Outcome = ElementFileResult::Outcome;
using test::LoopbackHttpServer;

// Lines first to last (1-based) of the June 2026 amateur element file, CR LF ended.
QByteArray demoLines(int first, int last)
{
    QFile file(QStringLiteral(ORVANTA_SOURCE_DIR "/tests/orbit/data/amateur-2026-06.txt"));
    file.open(QIODevice::ReadOnly);
    const QList<QByteArray> lines = file.readAll().split('\n');
    QByteArray text;
    for (int i = first; i <= last; ++i)
        text += lines[i - 1].trimmed() + "\r\n";
    return text;
}

const QByteArray kOldSets = demoLines(1, 6); // AO-7 and AO-10
const QByteArray kNewSets = demoLines(7, 12); // UO-11 and LO-19

DownloadLimits quickLimits()
{
    DownloadLimits limits;
    limits.connectTimeoutMs = 400;
    limits.totalTimeoutMs = 600;
    limits.maxRedirects = 3;
    return limits;
}

// Runs the jobs to the end; the test fails when the run does not finish.
QList<ElementFileResult> download(const QList<ElementDownloadJob> &jobs, DownloadLimits limits = quickLimits())
{
    ElementDownloader downloader(limits);
    QSignalSpy finished(&downloader, &ElementDownloader::finished);
    downloader.start(jobs);
    EXPECT_TRUE(finished.wait(10'000));
    EXPECT_EQ(finished.count(), 1);
    return downloader.results();
}

std::vector<std::string> setNames(const QString &folder)
{
    std::vector<std::string> names;
    for (const orbit::ElementSet &set : orbit::readElementFiles(folder.toStdString()).sets)
        names.push_back(set.name);
    return names;
}

TEST(ElementBody, OnlyACompleteElementFileIsSound)
{
    const ElementBodyCheck good = checkElementBody(kNewSets, "text/plain; charset=utf-8");
    EXPECT_EQ(good.outcome, Outcome::Replaced);
    EXPECT_EQ(good.setCount, 2);
    EXPECT_EQ(checkElementBody(demoLines(2, 3), "text/plain").setCount, 1) << "two-line form without names";

    EXPECT_EQ(checkElementBody("", "text/plain").outcome, Outcome::Empty);
    EXPECT_EQ(checkElementBody(" \r\n\r\n", "text/plain").outcome, Outcome::Empty);
    EXPECT_EQ(checkElementBody("Service unavailable\r\n", "text/html; charset=utf-8").outcome, Outcome::Html);
    EXPECT_EQ(checkElementBody(kNewSets, "text/html").outcome, Outcome::Replaced) << "a wrong label only";
    EXPECT_EQ(checkElementBody("\r\n<!DOCTYPE html><title>Maintenance</title>", "text/plain").outcome, Outcome::Html);

    // Cut in the middle of a line, after a name line, between lines 1 and 2.
    const QList<QByteArray> cuts = {kNewSets.left(kNewSets.size() - 10), kNewSets + "AO-91\r\n",
                                    kNewSets + demoLines(13, 14)};
    for (const QByteArray &cut : cuts) {
        const ElementBodyCheck check = checkElementBody(cut, "text/plain");
        EXPECT_EQ(check.outcome, Outcome::BadContent) << cut.toStdString();
        EXPECT_TRUE(check.problem.startsWith("contenu refusé à la ligne ")) << check.problem.toStdString();
    }
    QByteArray badChecksum = kNewSets;
    badChecksum[badChecksum.indexOf("\r\n2 ") - 1] = badChecksum[badChecksum.indexOf("\r\n2 ") - 1] == '0' ? '1' : '0';
    const ElementBodyCheck checksum = checkElementBody(badChecksum, "text/plain");
    EXPECT_EQ(checksum.outcome, Outcome::BadContent);
    EXPECT_TRUE(checksum.problem.contains("somme de contrôle")) << checksum.problem.toStdString();

    const ElementBodyCheck text = checkElementBody("No GP data found\r\n", "text/plain");
    EXPECT_EQ(text.outcome, Outcome::BadContent);
}

// CelesTrak's OMM downloads go through the same reader: a record that does
// not read keeps the old file, and the place is its line or its object.
TEST(ElementBody, OmmDownloadsAreCheckedRecordByRecord)
{
    const auto source = [](const char *name) {
        QFile file(QStringLiteral(ORVANTA_SOURCE_DIR "/tests/orbit/data/") + name);
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    };
    for (const char *name : {"omm/amateur-2026-06.csv", "omm/amateur-2026-06.json", "omm/amateur-2026-06.xml"}) {
        const ElementBodyCheck check = checkElementBody(source(name), "text/plain");
        EXPECT_EQ(check.outcome, Outcome::Replaced) << name;
        EXPECT_EQ(check.setCount, 14) << name;
    }
    const ElementBodyCheck fields = checkElementBody(source("bad/omm-bad-fields.csv"), "text/csv");
    EXPECT_EQ(fields.outcome, Outcome::BadContent);
    EXPECT_EQ(fields.problem, "contenu refusé à la ligne 3 (« ZERO » : NORAD_CAT_ID 0 hors limites (1 à 999999999)) "
                              "et 6 autres problèmes");
    const ElementBodyCheck cut = checkElementBody(source("bad/omm-truncated.json"), "application/json");
    EXPECT_EQ(cut.outcome, Outcome::BadContent);
    EXPECT_EQ(cut.problem, "contenu refusé à l'objet 3 (objet inachevé : JSON tronqué ou illisible à l'octet 1301)");
}

TEST(ElementDownload, GoodFileReplacesTheOldOneAndIsReadNext)
{
    LoopbackHttpServer server;
    server.route("/amateur", LoopbackHttpServer::response(200, "OK", kNewSets));
    test::StationFolder folder;
    folder.write("Amateur.txt", kOldSets);
    {
        QFile old(folder.file("Amateur.txt"));
        old.open(QIODevice::ReadWrite);
        old.setFileTime(QDateTime::currentDateTimeUtc().addDays(-40), QFileDevice::FileModificationTime);
    }
    EXPECT_EQ(setNames(folder.path()), (std::vector<std::string>{"OSCAR 7 (AO-7)", "PHASE 3B (AO-10)"}));

    const QDateTime before = QDateTime::currentDateTimeUtc().addSecs(-1);
    const auto results = download({{"Amateur.txt", server.url("/amateur"), folder.file("Amateur.txt")}});
    ASSERT_EQ(results.size(), 1);
    EXPECT_EQ(results[0].outcome, Outcome::Replaced);
    EXPECT_EQ(results[0].setCount, 2);
    EXPECT_EQ(results[0].message, "mis à jour, 2 jeux d'éléments (" + server.url("/amateur") + ")");

    EXPECT_EQ(folder.read("Amateur.txt"), kNewSets);
    EXPECT_GE(QFileInfo(folder.file("Amateur.txt")).lastModified().toUTC(), before) << "dated from the download";
    EXPECT_EQ(setNames(folder.path()), (std::vector<std::string>{"UOSAT 2 (UO-11)", "LUSAT (LO-19)"}));
    const auto satellites = orbit::Init_Satellites(folder.path().toStdString(), 48, 2, 100);
    EXPECT_EQ(satellites->names(), (std::vector<std::string>{"UOSAT 2 (UO-11)", "LUSAT (LO-19)"}));
}

// Every way a download can go wrong leaves its old file byte for byte and
// says what went wrong, with the address.
TEST(ElementDownload, FailuresKeepTheOldFileAndSayWhy)
{
    LoopbackHttpServer server;
    server.route("/missing", LoopbackHttpServer::response(404, "Not Found", "no such group"));
    server.route("/html", LoopbackHttpServer::response(200, "OK", "<html><body>Hello</body></html>", "text/html"));
    server.route("/truncated", LoopbackHttpServer::halfResponse(kNewSets));
    server.route("/empty", LoopbackHttpServer::response(200, "OK", ""));
    server.route("/stall", "", LoopbackHttpServer::Then::Stall);
    server.route("/loop", LoopbackHttpServer::redirect("/loop"), LoopbackHttpServer::Then::Stall);
    server.route("/to-ftp", LoopbackHttpServer::redirect("ftp://127.0.0.1/Amateur.txt"), LoopbackHttpServer::Then::Stall);
    server.route("/bad", LoopbackHttpServer::response(200, "OK", kNewSets + "garbage\r\n"));

    struct Case {
        QString address;
        Outcome outcome;
        QString says;
    };
    const QList<Case> cases = {
        {server.url("/missing"), Outcome::HttpError, "erreur HTTP 404 Not Found"},
        {server.url("/html"), Outcome::Html, "page HTML reçue au lieu d'un fichier d'éléments"},
        {server.url("/truncated"), Outcome::Truncated, "réponse tronquée"},
        {server.url("/empty"), Outcome::Empty, "réponse vide"},
        {server.url("/stall"), Outcome::TimedOut, "téléchargement inachevé après 1 s"},
        {server.url("/loop"), Outcome::TooManyRedirects, "plus de 3 redirections"},
        {server.url("/to-ftp"), Outcome::RefusedAddress, "redirection refusée vers ftp://127.0.0.1/Amateur.txt"},
        {server.url("/bad"), Outcome::BadContent, "contenu refusé à la ligne 7 (ligne isolée, sans jeu d'éléments)"},
        {"ftp://127.0.0.1/Amateur.txt", Outcome::RefusedAddress, "seules les adresses http:// et https://"},
        {"file:///etc/passwd", Outcome::RefusedAddress, "seules les adresses http:// et https://"},
        {"celestrak.org/NORAD/elements/gp.php", Outcome::RefusedAddress, "seules les adresses http:// et https://"},
        {"http://127.0.0.1:1/closed", Outcome::NetworkError, "connexion refusée par le serveur"},
    };
    test::StationFolder folder;
    QList<ElementDownloadJob> jobs;
    for (int i = 0; i < cases.size(); ++i) {
        const QString name = QStringLiteral("File%1.txt").arg(i);
        folder.write(name, kOldSets);
        jobs << ElementDownloadJob{name, cases[i].address, folder.file(name)};
    }
    const auto results = download(jobs);
    ASSERT_EQ(results.size(), cases.size());
    for (int i = 0; i < cases.size(); ++i) {
        SCOPED_TRACE(cases[i].address.toStdString());
        EXPECT_EQ(results[i].outcome, cases[i].outcome) << results[i].message.toStdString();
        EXPECT_TRUE(results[i].message.startsWith(cases[i].address + " : ")) << results[i].message.toStdString();
        EXPECT_TRUE(results[i].message.contains(cases[i].says)) << results[i].message.toStdString();
        EXPECT_EQ(folder.read(jobs[i].fileName), kOldSets);
    }
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files).size(), cases.size()) << "no temporary file left";
}

TEST(ElementDownload, TooBigAnswerIsStopped)
{
    LoopbackHttpServer server;
    server.route("/big", LoopbackHttpServer::response(200, "OK", kNewSets.repeated(20)));
    test::StationFolder folder;
    folder.write("Amateur.txt", kOldSets);
    DownloadLimits limits = quickLimits();
    limits.maxBytes = kNewSets.size();
    const auto results = download({{"Amateur.txt", server.url("/big"), folder.file("Amateur.txt")}}, limits);
    ASSERT_EQ(results.size(), 1);
    EXPECT_EQ(results[0].outcome, Outcome::BadContent);
    EXPECT_TRUE(results[0].message.contains("réponse trop grande")) << results[0].message.toStdString();
    EXPECT_EQ(folder.read("Amateur.txt"), kOldSets);
}

TEST(ElementDownload, WriteFailureKeepsTheOldFile)
{
    LoopbackHttpServer server;
    server.route("/amateur", LoopbackHttpServer::response(200, "OK", kNewSets));
    test::StationFolder folder;
    folder.write("Amateur.txt", kOldSets);
    QList<ElementFileResult> results;
    {
        test::FileSizeLimit limit;
        results = download({{"Amateur.txt", server.url("/amateur"), folder.file("Amateur.txt")}});
    }
    ASSERT_EQ(results.size(), 1);
    EXPECT_EQ(results[0].outcome, Outcome::WriteFailed);
    EXPECT_TRUE(results[0].message.startsWith("impossible d'écrire ")) << results[0].message.toStdString();
    EXPECT_EQ(folder.read("Amateur.txt"), kOldSets);
}

TEST(ElementDownload, CancelInMidDownloadKeepsTheOldFiles)
{
    LoopbackHttpServer server;
    server.route("/half", LoopbackHttpServer::halfResponse(kNewSets), LoopbackHttpServer::Then::Stall);
    server.route("/amateur", LoopbackHttpServer::response(200, "OK", kNewSets));
    test::StationFolder folder;
    folder.write("Amateur.txt", kOldSets);
    folder.write("Weather.txt", kOldSets);

    ElementDownloader downloader(DownloadLimits{});
    QSignalSpy finished(&downloader, &ElementDownloader::finished);
    QSignalSpy progress(&downloader, &ElementDownloader::progress);
    downloader.start({{"Amateur.txt", server.url("/half"), folder.file("Amateur.txt")},
                      {"Weather.txt", server.url("/amateur"), folder.file("Weather.txt")}});
    EXPECT_TRUE(downloader.isRunning());
    while (progress.isEmpty() || progress.last().at(1).toLongLong() < kNewSets.size() / 2)
        ASSERT_TRUE(progress.wait(5000));
    EXPECT_EQ(progress.last().at(2).toLongLong(), kNewSets.size());
    downloader.cancel();
    EXPECT_EQ(finished.count(), 1) << "finished before cancel() returns";
    EXPECT_FALSE(downloader.isRunning());

    const auto results = downloader.results();
    ASSERT_EQ(results.size(), 2);
    EXPECT_EQ(results[0].outcome, Outcome::Cancelled);
    EXPECT_EQ(results[1].outcome, Outcome::Cancelled);
    EXPECT_EQ(results[0].message, "annulé, fichier inchangé");
    QTest::qWait(100);
    EXPECT_EQ(finished.count(), 1);
    EXPECT_EQ(folder.read("Amateur.txt"), kOldSets);
    EXPECT_EQ(folder.read("Weather.txt"), kOldSets);
}

TEST(ElementUpdate, DisappearedSatellitesInOneMessage)
{
    EXPECT_EQ(disappearedSatellitesMessage({"AO-7", "ISS"}, {"ISS", "AO-7", "SO-50"}), QString());
    EXPECT_EQ(disappearedSatellitesMessage({"ISS", "AO-7"}, {"ISS"}),
              "Ce satellite ne figure plus dans les fichiers d'éléments :\r\nAO-7");
    EXPECT_EQ(disappearedSatellitesMessage({"NOAA 19", "AO-7", "ISS"}, {"ISS"}),
              "Ces 2 satellites ne figurent plus dans les fichiers d'éléments :\r\nAO-7\r\nNOAA 19");
}

} // namespace
} // namespace orvanta
