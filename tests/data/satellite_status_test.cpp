#include "data/satellite_status.h"
#include "data/satnogs_import.h"
#include "data/satnogs_satellites.h"
#include "station_folder.h"

#include <QFile>

#include <gtest/gtest.h>

namespace orvanta {
namespace {

constexpr char kSatellites[] = R"([
 {"sat_id":"AAAA-1","norad_cat_id":7530,"name":"AO-7","status":"alive","decayed":null},
 {"sat_id":"AAAA-2","norad_cat_id":20442,"name":"LO-19","status":"dead"},
 {"sat_id":"AAAA-3","norad_cat_id":23439,"name":"RS-15","status":"re-entered","decayed":"2020-01-01T00:00:00Z"},
 {"sat_id":"AAAA-4","norad_cat_id":null,"name":"Not yet","status":"future"},
 {"sat_id":"AAAA-5","norad_cat_id":22825,"name":"AO-27","status":"sleeping"},
 {"sat_id":"AAAA-6","norad_cat_id":24278,"name":"FO-29","status":"dead"},
 {"sat_id":"AAAA-7","norad_cat_id":24278,"name":"FO-29 bis","status":"alive"},
 {"sat_id":"AAAA-8","norad_cat_id":25397,"name":"GO-32","status":7}
])";

TEST(SatelliteStatus, TheSatellitesListGivesTheStatusesAndDoubtLeavesASatelliteAlive)
{
    test::StationFolder folder;
    folder.write("satellites.json", kSatellites);
    const SatnogsImport done = importSatnogsFile(folder.path(), folder.file("satellites.json"));
    EXPECT_TRUE(done.done);
    EXPECT_TRUE(done.statuses);
    EXPECT_EQ(done.message, "Statuts_SatNOGS.cfg mis à jour, statut de 6 satellites dont 1 hors service et 1 rentrés "
                            "dans l'atmosphère (données SatNOGS DB, licence CC BY-SA 4.0).");
    EXPECT_FALSE(QFile::exists(folder.file("Transpondeurs_SatNOGS.cfg")));

    const SatelliteStatuses statuses = loadSatelliteStatuses(folder.path());
    EXPECT_EQ(statuses.of(20442), SatelliteStatus::Dead);
    EXPECT_EQ(statuses.of(23439), SatelliteStatus::ReEntered);
    // A status not known, not a word, a number named alive once, a number not named: alive.
    for (const long alive : {7530L, 22825L, 25397L, 24278L, 25544L})
        EXPECT_EQ(statuses.of(alive), SatelliteStatus::Alive) << alive;

    // A document that is not the satellites list leaves the file as it was.
    const QByteArray kept = folder.read("Statuts_SatNOGS.cfg");
    const std::pair<QByteArray, QString> bad[] = {
        {R"([{"sat_id":"A","norad_cat_id":1,"status":"dead"},{"uuid":"u","downlink_low":1}])",
         "ce n'est pas une liste de satellites SatNOGS DB (l'élément 2 n'est pas un satellite)"},
        {R"([{"sat_id":"A","norad_cat_id":null,"status":"future"}])",
         "aucun de ses satellites n'a de numéro de catalogue"},
    };
    for (const auto &[bytes, why] : bad) {
        const StatusReplacement refused = replaceSatnogsStatusFile(folder.file("Statuts_SatNOGS.cfg"), bytes);
        EXPECT_EQ(refused.outcome, StatusReplacement::Outcome::NotTheList);
        EXPECT_EQ(refused.problem, why);
        EXPECT_EQ(folder.read("Statuts_SatNOGS.cfg"), kept);
    }
    const ElementDownloadJob job{"Satellites.json", "http://127.0.0.1/s", folder.file("Statuts_SatNOGS.cfg"),
                                 ElementDownloadJob::Content::Statuses};
    EXPECT_FALSE(installSatellitesDownload(job, "<html>busy</html>").replaced());
    EXPECT_TRUE(installSatellitesDownload(job, "[]").message.endsWith("Statuts_SatNOGS.cfg n'a pas été modifié"));
    EXPECT_EQ(folder.read("Statuts_SatNOGS.cfg"), kept);
    EXPECT_TRUE(installSatellitesDownload(job, kSatellites).replaced());

    // A hand-damaged file: what can be read counts, the rest is taken as alive.
    folder.writeLines("Statuts_SatNOGS.cfg",
                      {"# numero;statut", "7530;DEAD ", "20442;zombie", "abc;dead", "24278", "25544;re-entered;x",
                       "23439 ; re-entered"});
    const SatelliteStatuses edited = loadSatelliteStatuses(folder.path());
    EXPECT_EQ(edited.of(7530), SatelliteStatus::Dead);
    EXPECT_EQ(edited.of(23439), SatelliteStatus::ReEntered);
    EXPECT_EQ(edited.notAlive().size(), 2);
}

} // namespace
} // namespace orvanta
