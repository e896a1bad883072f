#include "orbit/element_set.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace orvanta::orbit {
namespace {

const std::string kIssLine1 = "1 25544U 98067A   26177.67101756  .00008101  00000+0  15268-3 0  9990";
const std::string kIssLine2 = "2 25544  51.6322 253.1475 0004299 235.1263 124.9322 15.49442433573225";

// Writes the checksum into column 69 of a line whose first 68 columns are given.
std::string withChecksum(std::string line)
{
    line.resize(68, ' ');
    int sum = 0;
    for (char c : line)
        sum += (c >= '0' && c <= '9') ? c - '0' : (c == '-' ? 1 : 0);
    return line + char('0' + sum % 10);
}

std::string withColumns(std::string line, std::size_t firstColumn, const std::string &text)
{
    line.replace(firstColumn - 1, text.size(), text);
    return withChecksum(line);
}

std::string refusal(const std::string &line1, const std::string &line2)
{
    std::string reason;
    const auto set = parseElementSet("", line1, line2, &reason);
    EXPECT_FALSE(set.has_value()) << line1 << "\n" << line2;
    EXPECT_FALSE(reason.empty());
    return reason;
}

TEST(ElementSet, ReadsEveryFieldOfAThreeLineSet)
{
    std::string reason;
    const auto set = parseElementSet("ISS (ZARYA)             ", kIssLine1, kIssLine2, &reason);
    ASSERT_TRUE(set.has_value()) << reason;
    EXPECT_EQ(set->name, "ISS (ZARYA)");
    EXPECT_EQ(set->catalogNumber, "25544");
    EXPECT_EQ(set->epoch.day, 2461217.5); // 2026 January 0.0 is JD 2461040.5
    EXPECT_DOUBLE_EQ(set->epoch.fraction, 0.67101756);
    EXPECT_DOUBLE_EQ(set->meanMotionDot, 0.00008101);
    EXPECT_EQ(set->meanMotionDdot, 0.0);
    EXPECT_DOUBLE_EQ(set->bstar, 1.5268e-4);
    EXPECT_DOUBLE_EQ(set->inclinationDeg, 51.6322);
    EXPECT_DOUBLE_EQ(set->raanDeg, 253.1475);
    EXPECT_DOUBLE_EQ(set->eccentricity, 0.0004299);
    EXPECT_DOUBLE_EQ(set->argPerigeeDeg, 235.1263);
    EXPECT_DOUBLE_EQ(set->meanAnomalyDeg, 124.9322);
    EXPECT_DOUBLE_EQ(set->meanMotionRevPerDay, 15.49442433);
    EXPECT_EQ(set->revolutionNumber, 57322);
}

TEST(ElementSet, ImpliedDecimalFieldsAndCenturies)
{
    std::string reason;
    const auto old = parseElementSet("", "1 88888U          80275.98708465  .00073094  13844-3  66816-4 0    87",
                                     "2 88888  72.8435 115.9689 0086731  52.6988 110.5714 16.05824518  1058", &reason);
    ASSERT_TRUE(old.has_value()) << reason;
    EXPECT_DOUBLE_EQ(old->meanMotionDdot, 1.3844e-4);
    EXPECT_DOUBLE_EQ(old->bstar, 6.6816e-5);
    EXPECT_EQ(old->epoch.day, 2444238.5 + 275.0); // 1980 January 0.0
    EXPECT_EQ(old->name, "88888");

    const auto negative = parseElementSet("", "1 16925U 86065D   06151.67415771  .02550794 -30915-6  18784-3 0  4486",
                                          "2 16925  62.0906 295.0239 5596327 245.1593  47.9690  4.88511875148616", &reason);
    ASSERT_TRUE(negative.has_value()) << reason;
    EXPECT_DOUBLE_EQ(negative->meanMotionDdot, -3.0915e-7);
    const auto negativeDrag = parseElementSet("", withColumns(kIssLine1, 54, "-11606-4"), kIssLine2, &reason);
    ASSERT_TRUE(negativeDrag.has_value()) << reason;
    EXPECT_DOUBLE_EQ(negativeDrag->bstar, -1.1606e-5);

    // Two-digit years: 57 to 99 are 1957 to 1999, 00 to 56 are 2000 to 2056.
    const auto in1957 = parseElementSet("", withColumns(kIssLine1, 19, "57001.50000000"), kIssLine2, &reason);
    const auto in2056 = parseElementSet("", withColumns(kIssLine1, 19, "56001.50000000"), kIssLine2, &reason);
    ASSERT_TRUE(in1957 && in2056) << reason;
    EXPECT_EQ(in1957->epoch.day, 2435839.5); // 1957 January 1
    EXPECT_EQ(in2056->epoch.day, 2471998.5); // 2056 January 1
    EXPECT_EQ(in2056->epoch.fraction, 0.5);
}

TEST(ElementSet, ChecksumsCountMinusSignsAsOne)
{
    const std::string line1 = "1 04632U 70093B   04031.91070959 -.00000084  00000-0  10000-3 0  9955";
    const std::string line2 = "2 04632  11.4628 273.1101 1450506 207.6000 143.9350  1.20231981 44145";
    std::string reason;
    EXPECT_TRUE(parseElementSet("", line1, line2, &reason).has_value()) << reason;

    std::string plusSign = line1;
    plusSign[33] = '+'; // same value, but the sum loses the one its minus sign counted
    EXPECT_NE(refusal(plusSign, line2).find("ligne 1 : somme de contrôle fausse (5 lu, 4 calculé)"), std::string::npos);
    std::string wrongDigit = line2;
    wrongDigit[68] = '6';
    EXPECT_NE(refusal(line1, wrongDigit).find("ligne 2 : somme de contrôle"), std::string::npos);
    // Ignored on request, as for the hand-made verification sets.
    EXPECT_TRUE(parseElementSet("", line1, wrongDigit, &reason, ChecksumPolicy::Ignore).has_value());
}

TEST(ElementSet, LengthsAndLineEnds)
{
    std::string reason;
    EXPECT_TRUE(parseElementSet("", kIssLine1 + "\r", kIssLine2 + "   \r\n", &reason).has_value()) << reason;
    EXPECT_NE(refusal(kIssLine1.substr(0, 68), kIssLine2).find("68 colonnes au lieu de 69"), std::string::npos);
    EXPECT_NE(refusal(kIssLine1, kIssLine2 + "0").find("ligne 2 : 70 colonnes"), std::string::npos);
    EXPECT_NE(refusal("", "").find("ligne 1"), std::string::npos);
}

TEST(ElementSet, LineNumbersAndCatalogueNumbersMustAgree)
{
    EXPECT_NE(refusal(kIssLine2, kIssLine1).find("ne commence pas par « 1 »"), std::string::npos);
    EXPECT_NE(refusal(kIssLine1, withColumns(kIssLine2, 3, "25545")).find("numéros de catalogue différents"),
              std::string::npos);
    EXPECT_NE(refusal(withColumns(kIssLine1, 3, "     "), withColumns(kIssLine2, 3, "     ")).find("catalogue absent"),
              std::string::npos);
}

TEST(ElementSet, UnreadableOrImpossibleFieldsAreNamed)
{
    EXPECT_NE(refusal(kIssLine1, withColumns(kIssLine2, 9, " 51.6A22")).find("colonnes 9-16 : inclinaison"),
              std::string::npos);
    EXPECT_NE(refusal(kIssLine1, withColumns(kIssLine2, 9, "181.0000")).find("inclinaison illisible (hors de 0 à 180)"),
              std::string::npos);
    EXPECT_NE(refusal(kIssLine1, withColumns(kIssLine2, 27, "-004299")).find("excentricité"), std::string::npos);
    EXPECT_NE(refusal(kIssLine1, withColumns(kIssLine2, 53, " 0.00000000")).find("mouvement moyen nul"),
              std::string::npos);
    EXPECT_NE(refusal(withColumns(kIssLine1, 19, "26367.5"), kIssLine2).find("jour de l'époque"), std::string::npos);
    EXPECT_NE(refusal(withColumns(kIssLine1, 19, "26000.5"), kIssLine2).find("jour de l'époque"), std::string::npos);
    EXPECT_NE(refusal(withColumns(kIssLine1, 54, " 1526803"), kIssLine2).find("coefficient de freinage"),
              std::string::npos);
    EXPECT_NE(refusal(withColumns(kIssLine1, 45, " 000-0-0"), kIssLine2).find("dérivée seconde"), std::string::npos);
    EXPECT_NE(refusal(withColumns(kIssLine1, 34, " .000x8101"), kIssLine2).find("dérivée du mouvement moyen"),
              std::string::npos);
}

TEST(ElementSet, NamesAreTrimmedAndLoseCommasAndQuotes)
{
    EXPECT_EQ(cleanSatelliteName("  SO-50, \"SaudiSat\"  \r"), "SO-50   SaudiSat");
    EXPECT_EQ(cleanSatelliteName("0 ISS (ZARYA)"), "ISS (ZARYA)");
    EXPECT_EQ(cleanSatelliteName("\"\""), "");
    std::string reason;
    const auto unnamed = parseElementSet("   ", kIssLine1, kIssLine2, &reason);
    ASSERT_TRUE(unnamed.has_value());
    EXPECT_EQ(unnamed->name, "25544");
}

TEST(ElementSet, MangledLinesAreRefusedWithAReasonAndNeverCrash)
{
    std::mt19937 random(20260626);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<std::size_t> column(0, 68);
    int refused = 0;
    for (int trial = 0; trial < 4000; ++trial) {
        std::string line1 = kIssLine1;
        std::string line2 = kIssLine2;
        std::string &target = trial % 2 ? line1 : line2;
        for (int changes = 1 + trial % 3; changes > 0; --changes)
            target[column(random)] = char(byte(random));
        if (trial % 7 == 0)
            target.resize(column(random));
        if (trial % 11 == 0)
            target = std::string(column(random) + 1, char(byte(random)));
        std::string reason;
        const auto set = parseElementSet(std::string(1, char(byte(random))), line1, line2, &reason);
        if (!set) {
            ++refused;
            EXPECT_FALSE(reason.empty());
        } else {
            EXPECT_TRUE(set->eccentricity >= 0.0 && set->eccentricity < 1.0);
            EXPECT_GT(set->meanMotionRevPerDay, 0.0);
        }
    }
    EXPECT_GT(refused, 3000);
}

TEST(JulianDate, KeepsMillisecondsNearPresentDates)
{
    const JulianDate start{2461217.5, 0.67101756};
    const JulianDate later = start.plusMinutes(1.0 / 60000.0);
    EXPECT_NEAR(later.minutesSince(start), 1.0 / 60000.0, 1e-12);
    EXPECT_NEAR(start.minutesSince(later), -1.0 / 60000.0, 1e-12);
}

TEST(JulianDate, PlusMinutesKeepsTheFractionWithinOneDay)
{
    const JulianDate evening{2461217.5, 0.9};
    const JulianDate nextMorning = evening.plusMinutes(288.0);
    EXPECT_EQ(nextMorning.day, 2461218.5);
    EXPECT_NEAR(nextMorning.fraction, 0.1, 1e-12);

    const JulianDate morning{2461217.5, 0.1};
    const JulianDate eveningBefore = morning.plusMinutes(-288.0);
    EXPECT_EQ(eveningBefore.day, 2461216.5);
    EXPECT_NEAR(eveningBefore.fraction, 0.9, 1e-12);

    const JulianDate midnight{2461217.5, 0.0};
    const JulianDate justBefore = midnight.plusMinutes(-1e-13);
    EXPECT_GE(justBefore.fraction, 0.0);
    EXPECT_LT(justBefore.fraction, 1.0);
    EXPECT_NEAR(justBefore.minutesSince(midnight), -1e-13, 1e-12);

    const JulianDate yearEarlier = evening.plusMinutes(-1440.0 * 365.25);
    EXPECT_NEAR(evening.minutesSince(yearEarlier), 1440.0 * 365.25, 1e-6);
    EXPECT_GE(yearEarlier.fraction, 0.0);
    EXPECT_LT(yearEarlier.fraction, 1.0);
}

} // namespace
} // namespace orvanta::orbit
