#include "data/element_file_list.h"
#include "data/frequency_file.h"
#include "orbit/satellites.h"

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

    EXPECT_EQ(readElementFileList(kDemo), QStringList{"Amateur.txt"});

    const auto satellites = orbit::Init_Satellites(kDemo.toStdString(), 48, 2, 100);
    const QString names = QString::fromStdString(satellites->satnames());
    for (const FrequencyRecord &record : scan.fields)
        EXPECT_TRUE(names.split(',').contains(record.name)) << record.name.toStdString();
}

} // namespace
} // namespace orvanta
