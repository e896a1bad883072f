#include "data/element_file_list.h"
#include "data/element_update.h"
#include "data/frequency_file.h"
#include "data/transponder_table.h"
#include "orbit/satellites.h"

#include <QFileInfo>
#include <QUrl>
#include <QUrlQuery>

#include <gtest/gtest.h>

namespace orvanta {
namespace {

const QString kDemo = QStringLiteral(ORVANTA_SOURCE_DIR "/demo");

// The station a new user starts on: every file sound, and every satellite of
// the frequency table known to the element files.
TEST(DemoStation, FilesAreSoundAndAgree)
{
    const FrequencyFileScan scan = scanFrequencyFile(kDemo);
    ASSERT_TRUE(scan.found);
    EXPECT_TRUE(scan.problem.isEmpty()) << scan.problem.toStdString();
    EXPECT_EQ(scan.fields.size(), 11u);

    EXPECT_EQ(readElementFileList(kDemo),
              (QStringList{"Amateur.csv", "Cubesat.csv", "Noaa.csv", "Stations.csv", "Weather.csv"}));

    const auto satellites = orbit::Init_Satellites(kDemo.toStdString(), 48, 2, 100);
    const QString names = QString::fromStdString(satellites->satnames());
    for (const FrequencyRecord &record : scan.fields)
        EXPECT_TRUE(names.split(',').contains(record.name)) << record.name.toStdString();
}

// The hand-written transponder table: sound, and about satellites of the demo.
TEST(DemoStation, TransponderTableIsSoundAndAboutItsSatellites)
{
    const TransponderTable table = loadTransponders(kDemo);
    EXPECT_TRUE(table.problems.isEmpty()) << table.problems.join('\n').toStdString();
    EXPECT_EQ(table.entries.size(), 6u);
    EXPECT_EQ(table.imported, 0);
    const auto satellites = orbit::Init_Satellites(kDemo.toStdString(), 48, 2, 100);
    for (const Transponder &entry : table.entries)
        EXPECT_FALSE(satellites->nameOf(std::to_string(entry.catalogNumber)).empty()) << entry.catalogNumber;
}

// Every file the demo station keeps current has a CelesTrak group in the
// OMM CSV form as its source, which carries six-digit catalogue numbers too;
// the transponder import comes from SatNOGS DB's transmitters list, the
// satellites' statuses from its satellites list.
TEST(DemoStation, EveryElementFileHasASource)
{
    const ElementUpdatePlan plan = planElementUpdate(kDemo);
    EXPECT_TRUE(plan.problems.isEmpty()) << plan.problems.join('\n').toStdString();
    QStringList names;
    for (const ElementDownloadJob &job : plan.jobs) {
        if (job.content == ElementDownloadJob::Content::Transmitters) {
            EXPECT_EQ(job.address, "https://db.satnogs.org/api/transmitters/?format=json");
            EXPECT_EQ(QFileInfo(job.path).fileName(), "Transpondeurs_SatNOGS.cfg");
            continue;
        }
        if (job.content == ElementDownloadJob::Content::Statuses) {
            EXPECT_EQ(job.address, "https://db.satnogs.org/api/satellites/?format=json");
            EXPECT_EQ(QFileInfo(job.path).fileName(), "Statuts_SatNOGS.cfg");
            continue;
        }
        names << job.fileName;
        const QUrl address(job.address);
        EXPECT_EQ(address.toString(QUrl::RemoveQuery), "https://celestrak.org/NORAD/elements/gp.php");
        const QUrlQuery query(address);
        EXPECT_FALSE(query.queryItemValue("GROUP").isEmpty()) << job.address.toStdString();
        EXPECT_EQ(query.queryItemValue("FORMAT"), "csv") << job.address.toStdString();
    }
    names.sort();
    EXPECT_EQ(names, readElementFileList(kDemo));
}

} // namespace
} // namespace orvanta
