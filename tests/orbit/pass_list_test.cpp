#include "orbit/pass_entry.h"
#include "orbit/pass_list.h"
#include "orbit/utc_time.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace orvanta::orbit {
namespace {

std::int64_t at(int day, int hour, int minute, int second)
{
    return daysSinceOleOrigin(2026, 6, day) * 86400 + hour * 3600 + minute * 60 + second;
}

struct Lists {
    std::vector<std::string> visible;
    std::vector<std::string> coming;
};

Lists classify(const std::string &passList, std::int64_t now)
{
    PassBoard board;
    EXPECT_EQ(board.Traite_Passages(passList, now), 0);
    return {board.visibleLines(), board.comingLines()};
}

const std::string kSat1 = "27/06/26 123456 N 123 45 600 SAT-1 ";
const std::string kSat1Line = "  12:34:56      12:44:56     45      N     SAT-1";

TEST(PassList, EntryDecodedIntoTheFixedColumnLine)
{
    const auto fields = Decode_Passage(kSat1);
    ASSERT_TRUE(fields.has_value());
    EXPECT_EQ(fields->Pass_AOS, "12:34:56");
    EXPECT_EQ(fields->Pass_LOS, "12:44:56");
    EXPECT_EQ(fields->Pass_ElMax, "45");
    EXPECT_EQ(fields->Pass_Dir, "N");
    EXPECT_EQ(fields->Pass_Duree, "600");
    EXPECT_EQ(fields->Pass_Nom, "SAT-1");
    EXPECT_EQ(passDisplayLine(*fields), kSat1Line);
    EXPECT_EQ(kSat1Line.find("SAT-1"), 43u);
    EXPECT_EQ(std::count(kSat1Line.begin(), kSat1Line.end(), ' '), 24);
}

TEST(PassList, InProgressOnlyStrictlyBetweenAcquisitionAndLoss)
{
    Lists at1240 = classify(kSat1, at(27, 12, 40, 0));
    EXPECT_EQ(at1240.visible, std::vector<std::string>{kSat1Line});
    EXPECT_TRUE(at1240.coming.empty());

    Lists at1230 = classify(kSat1, at(27, 12, 30, 0));
    EXPECT_TRUE(at1230.visible.empty());
    EXPECT_EQ(at1230.coming, std::vector<std::string>{kSat1Line});

    Lists atAos = classify(kSat1, at(27, 12, 34, 56));
    EXPECT_TRUE(atAos.visible.empty());
    EXPECT_EQ(atAos.coming.size(), 1u);

    Lists atLos = classify(kSat1, at(27, 12, 44, 56));
    EXPECT_TRUE(atLos.visible.empty());
    EXPECT_TRUE(atLos.coming.empty());
}

TEST(PassList, PassOverMidnightStaysInProgressWithItsRealLoss)
{
    const std::string late = "27/06/26 235500 S 10 30.2 600 LATE SAT ";
    const auto fields = Decode_Passage(late);
    ASSERT_TRUE(fields.has_value());
    EXPECT_EQ(fields->Pass_LOS, "00:05:00");
    const std::string line = "  23:55:00      00:05:00     30      S     LATE SAT";

    EXPECT_EQ(classify(late, at(27, 23, 58, 0)).visible, std::vector<std::string>{line});
    // Seen just after midnight it is still in progress, not a pass to come.
    Lists afterMidnight = classify(late, at(28, 0, 2, 0));
    EXPECT_EQ(afterMidnight.visible, std::vector<std::string>{line});
    EXPECT_TRUE(afterMidnight.coming.empty());
    EXPECT_TRUE(classify(late, at(28, 0, 5, 0)).visible.empty());
}

TEST(PassList, TomorrowsEarlyPassesAreComingAndListedAfterTonightsOnes)
{
    const std::string tonight = "27/06/26 235000 N 10 12 300 B-SAT ";
    const std::string tomorrow = "28/06/26 001000 N 10 12 300 A-SAT ";
    const std::string yesterday = "26/06/26 235000 N 10 12 300 C-SAT ";
    const Lists lists = classify(tomorrow + "," + yesterday + "," + tonight, at(27, 23, 0, 0));
    EXPECT_TRUE(lists.visible.empty());
    ASSERT_EQ(lists.coming.size(), 2u);
    EXPECT_EQ(lists.coming[0].substr(0, 10), "  23:50:00");
    EXPECT_EQ(lists.coming[1].substr(0, 10), "  00:10:00");
}

TEST(PassList, ListsOrderedByAcquisitionThenLossThenText)
{
    PassBoard board;
    const std::int64_t now = at(27, 12, 0, 0);
    board.Traite_Passages("27/06/26 130000 N 10 20 600 ZED ,27/06/26 130000 N 10 20 300 YOU ", now);
    board.Traite_Passages("27/06/26 130000 N 10 20 300 ALPHA ,27/06/26 125000 N 10 20 300 LAST ", now);
    const std::vector<std::string> coming = board.comingLines();
    ASSERT_EQ(coming.size(), 4u);
    EXPECT_NE(coming[0].find("LAST"), std::string::npos);
    EXPECT_NE(coming[1].find("ALPHA"), std::string::npos);
    EXPECT_NE(coming[2].find("YOU"), std::string::npos);
    EXPECT_NE(coming[3].find("ZED"), std::string::npos);
    board.clear();
    EXPECT_TRUE(board.comingLines().empty());
}

TEST(PassList, ElevationRoundedHalfToEvenOnTwoDigits)
{
    const auto elevation = [](const std::string &value) {
        return Decode_Passage("27/06/26 123456 N 1 " + value + " 60 X ")->Pass_ElMax;
    };
    EXPECT_EQ(elevation("7.4"), "07");
    EXPECT_EQ(elevation("90"), "90");
    EXPECT_EQ(elevation("44.5"), "44");
    EXPECT_EQ(elevation("45.5"), "46");
    EXPECT_EQ(elevation("0.2"), "00");
}

TEST(PassList, NameKeepsItsBlanksAndLosesOnlyTheFinalCharacter)
{
    const auto fields = Decode_Passage("27/06/26 123456 S 1 20 60 OSCAR 7 (AO-7)*");
    ASSERT_TRUE(fields.has_value());
    EXPECT_EQ(fields->Pass_Nom, "OSCAR 7 (AO-7)");
}

TEST(PassList, EntriesOutOfFormatAreLeftOutAndCounted)
{
    PassBoard board;
    const std::int64_t now = at(27, 12, 0, 0);
    EXPECT_EQ(board.Traite_Passages("", now), 0);
    const std::string broken = "27/06/26 12x456 N 1 20 60 A ,"      // not a time
                               "27/06/26 123456 N 1 20 B ,"         // a field missing
                               ",27/13/26 123456 N 1 20 60 C ,"     // empty entry, no 13th month
                               "27/06/26 123456 N 1 high 60 D ,"    // elevation not a number
                               "27/06/26 123456 N 1 1e308 60 H ,"   // elevation beyond the zenith
                               "27/06/26 123456 N 1 -90.5 60 I ,"
                               "27/06/26 123456 N 1 20 -60 E ,"     // negative duration
                               "27/06/26 123456 N 1 20 60  ,"       // no name
                               "short,"
                               "27/06/26 123456 N 1 20 60 GOOD ";
    EXPECT_EQ(board.Traite_Passages(broken, now), 10);
    EXPECT_EQ(board.comingLines().size(), 1u);
}

TEST(PassList, TimeTextsAndSecondsOfTheDay)
{
    EXPECT_EQ(Heure_Vers_Secondes("5:3:9"), 18189.0f);
    EXPECT_EQ(Heure_Vers_Secondes("05:03:09"), 18189.0f);
    EXPECT_EQ(Heure_Vers_Secondes("0:0:5"), 5.0f);
    EXPECT_EQ(Heure_Vers_Secondes("12:30"), 45000.0f);
    EXPECT_FALSE(Heure_Vers_Secondes("24:00:00").has_value());
    EXPECT_FALSE(Heure_Vers_Secondes("12:60:00").has_value());
    EXPECT_FALSE(Heure_Vers_Secondes("12:00:00:00").has_value());
    EXPECT_FALSE(Heure_Vers_Secondes("1a:00:00").has_value());
    EXPECT_FALSE(Heure_Vers_Secondes("").has_value());
    EXPECT_EQ(Secondes_Vers_Heure(18189), "05:03:09");
    EXPECT_EQ(Secondes_Vers_Heure(0), "00:00:00");
    EXPECT_EQ(Secondes_Vers_Heure(86399), "23:59:59");
}

TEST(PassList, ComponentEntriesReadBackExactly)
{
    PassEntry entry;
    entry.aosSecond = at(28, 0, 1, 2);
    entry.direction = 'S';
    entry.aosAzimuthDeg = 359;
    entry.maxElevationDeg = 12.345;
    entry.durationSeconds = 487;
    entry.name = "TERRA   EOS AM-1";
    const std::string text = formatPassEntry(entry);
    EXPECT_EQ(text, "28/06/26 000102 S 359 12.35 487 TERRA   EOS AM-1 ");
    const auto fields = Decode_Passage(text);
    ASSERT_TRUE(fields.has_value());
    EXPECT_EQ(fields->aosSecond, entry.aosSecond);
    EXPECT_EQ(fields->losSecond, entry.aosSecond + 487);
    EXPECT_EQ(fields->Pass_Nom, entry.name);
    EXPECT_EQ(fields->Pass_Dir, "S");
}

} // namespace
} // namespace orvanta::orbit
