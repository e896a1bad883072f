#include "data/horizon_file.h"
#include "station_folder.h"

#include <QFileInfo>

#include <gtest/gtest.h>

namespace orvanta {
namespace {

TEST(HorizonFile, PointsAreReadAndBadLinesSaidWithTheRestKept)
{
    test::StationFolder folder;
    EXPECT_FALSE(readHorizon(folder.path()).found);
    EXPECT_TRUE(readHorizon(folder.path()).mask.flat());

    const QStringList lines = {
        "# the trees of the garden",
        "0 20",
        "  90\t10   # the roof",
        "180;0",
        "270 ; 5.5",
        "",
        "300",                // 7: one number
        "310 12 4",           // 8: three
        "320 douze",          // 9: not a number
        "361 10",             // 10
        "-1 10",              // 11
        "330 91",             // 12
        "340 -2",             // 13
        "350 12,5",           // 14: a decimal comma
    };
    folder.writeLines("Horizon.cfg", lines);
    const QByteArray before = folder.read("Horizon.cfg");
    const QDateTime changed = QFileInfo(folder.file("Horizon.cfg")).lastModified();

    const HorizonFile file = readHorizon(folder.path());
    EXPECT_TRUE(file.found);
    ASSERT_EQ(file.mask.points().size(), 4u);
    EXPECT_EQ(file.mask.minimumElevationDeg(45), 15);
    EXPECT_EQ(file.mask.minimumElevationDeg(270), 5.5);
    const QStringList problems = {
        "Horizon.cfg, ligne 7 : « 300 » n'est pas deux nombres, l'azimut et le site minimum",
        "Horizon.cfg, ligne 8 : « 310 12 4 » n'est pas deux nombres, l'azimut et le site minimum",
        "Horizon.cfg, ligne 9 : « 320 douze » n'est pas deux nombres, l'azimut et le site minimum",
        "Horizon.cfg, ligne 10 : l'azimut 361 est hors de 0 à 360°",
        "Horizon.cfg, ligne 11 : l'azimut -1 est hors de 0 à 360°",
        "Horizon.cfg, ligne 12 : le site 91 est hors de 0 à 90°",
        "Horizon.cfg, ligne 13 : le site -2 est hors de 0 à 90°",
        "Horizon.cfg, ligne 14 : « 350 12,5 » n'est pas deux nombres, l'azimut et le site minimum",
    };
    EXPECT_EQ(file.problems, problems);
    // The operator's file stays as written.
    EXPECT_EQ(folder.read("Horizon.cfg"), before);
    EXPECT_EQ(QFileInfo(folder.file("Horizon.cfg")).lastModified(), changed);
}

TEST(HorizonFile, ASingleLineIsAMinimumEverywhere)
{
    const HorizonFile file = parseHorizon(QStringLiteral("0 8\n"));
    EXPECT_TRUE(file.problems.isEmpty());
    EXPECT_EQ(file.mask.minimumElevationDeg(200), 8);
}

} // namespace
} // namespace orvanta
