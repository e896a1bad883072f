#include "platform/text_numbers.h"
#include "support/french_locale.h"

#include <gtest/gtest.h>

namespace orvanta {
namespace {

TEST(TextNumbers, CharacterCheckAcceptsOnlyDigitsAndPoints)
{
    EXPECT_TRUE(Verif_Numerique(""));
    EXPECT_TRUE(Verif_Numerique("12.5"));
    EXPECT_TRUE(Verif_Numerique("1.2.3"));
    EXPECT_TRUE(Verif_Numerique("."));
    EXPECT_FALSE(Verif_Numerique("-1.5"));
    EXPECT_FALSE(Verif_Numerique("2,35"));
    EXPECT_FALSE(Verif_Numerique(" 12"));
    EXPECT_FALSE(Verif_Numerique("12a"));
}

TEST(TextNumbers, LeadingNumberStopsAtTheFirstForeignCharacter)
{
    EXPECT_EQ(leadingNumber(""), 0);
    EXPECT_EQ(leadingNumber("1.2.3"), 1.2);
    EXPECT_EQ(leadingNumber("400x"), 400);
    EXPECT_EQ(leadingNumber(" -12.5"), -12.5);
    EXPECT_EQ(leadingNumber("."), 0);
    EXPECT_EQ(leadingNumber(".5"), 0.5);
    EXPECT_EQ(leadingNumber("abc"), 0);
    EXPECT_EQ(leadingNumber("128."), 128);
}

TEST(TextNumbers, ParseNumberWantsExactlyOneNumber)
{
    EXPECT_EQ(parseNumber("128."), 128.0);
    EXPECT_EQ(parseNumber(" 435.8 "), 435.8);
    EXPECT_EQ(parseNumber("-5"), -5.0);
    EXPECT_EQ(parseNumber(".5"), 0.5);
    for (const char *bad : {"", " ", ".", "-", "1.2.3", "12a", "1e3", "2,35", "nan", "inf", "--1"})
        EXPECT_FALSE(parseNumber(bad).has_value()) << bad;
}

TEST(TextNumbers, ShortestSinglePrecisionText)
{
    EXPECT_EQ(shortestText(270.0f), "270");
    EXPECT_EQ(shortestText(0.1f), "0.1");
    EXPECT_EQ(shortestText(48.85f), "48.85");
    EXPECT_EQ(shortestText(-1.5f), "-1.5");
    EXPECT_EQ(shortestText(0.0f), "0");
    EXPECT_EQ(shortestText(19200.0f), "19200");
    EXPECT_EQ(shortestText(0.00001f), "0.00001");
    EXPECT_EQ(shortestText(123456789.0f), "123456800"); // seven significant digits, no exponent
}

TEST(TextNumbers, SingleValuesSurviveTheirText)
{
    for (float v : {0.1f, 48.85f, 2.35f, 0.69f, 1e-6f, 3.141593f, 250.2f, 359.99f, -179.5f})
        EXPECT_EQ(static_cast<float>(*parseNumber(shortestText(v))), v) << v;
}

TEST(TextNumbers, ShortestDoubleText)
{
    EXPECT_EQ(shortestText(145.800), "145.8");
    EXPECT_EQ(shortestText(437.025), "437.025");
    EXPECT_EQ(shortestText(1e21), "1000000000000000000000");
}

TEST(TextNumbers, FixedFormatsRoundHalvesAwayFromZero)
{
    EXPECT_EQ(formatFixed(145.8, 3), "145.800");
    EXPECT_EQ(formatFixed(145.8, 3, false), "145.800");
    EXPECT_EQ(formatFixed(0.5, 3, false), ".500");
    EXPECT_EQ(formatFixed(359.6, 0), "360");
    EXPECT_EQ(formatFixed(2.5, 0), "3");
    EXPECT_EQ(formatFixed(-2.5, 0), "-3");
    EXPECT_EQ(formatFixed(-0.4, 0), "0");
    EXPECT_EQ(formatFixed(145.82567, 4), "145.8257");
    EXPECT_EQ(formatFixed(145.798542, 4), "145.7985");
    EXPECT_EQ(formatFixed(2.675, 2), "2.68");
    EXPECT_EQ(formatFixed(9.9996, 3), "10.000");
    EXPECT_EQ(formatFixed(0.0004, 3), "0.000");
    EXPECT_EQ(roundHalfAway(0.694, 2), 0.69);
    EXPECT_EQ(roundHalfAway(0.625, 2), 0.63);
}

TEST(TextNumbers, DeviceRoundingSendsHalvesToEven)
{
    EXPECT_EQ(roundHalfEven(122.5), 122);
    EXPECT_EQ(roundHalfEven(123.5), 124);
    EXPECT_EQ(roundHalfEven(12.5), 12);
    EXPECT_EQ(roundHalfEven(-2.5), -2);
    EXPECT_EQ(roundHalfEven(248.4), 248);
}

TEST(TextNumbers, DefaultTextShowsRoundingNoise)
{
    EXPECT_EQ(defaultNumberText(-1.5), "-1.5");
    EXPECT_EQ(defaultNumberText((145.7985 - 145.8) * 1000), "-1.50000000002137");
    EXPECT_EQ(defaultNumberText(3.6), "3.6");
}

// Under a French locale the C library reads and writes "," for the point;
// numbers in files, settings and commands must not follow it.
TEST(TextNumbers, AFrenchLocaleChangesNoNumberText)
{
    const test::FrenchLocale french;
    EXPECT_EQ(shortestText(0.69f), "0.69");
    EXPECT_EQ(shortestText(48.85f), "48.85");
    EXPECT_EQ(defaultNumberText(-1.50000000002137), "-1.50000000002137");
    EXPECT_EQ(roundHalfAway(2.675, 2), 2.68);
    EXPECT_EQ(roundHalfAway(103.5), 104);
    EXPECT_EQ(parseNumber("145.8"), 145.8);
    EXPECT_EQ(formatFixed(145.8, 3), "145.800");
}

TEST(TextNumbers, ClockFormat)
{
    EXPECT_EQ(formatHms(5), "00:00:05");
    EXPECT_EQ(formatHms(9 * 3600 + 5 * 60 + 3), "09:05:03");
    EXPECT_EQ(formatHms(86399), "23:59:59");
}

} // namespace
} // namespace orvanta
