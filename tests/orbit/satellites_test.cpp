#include "orbit/pass_entry.h"
#include "orbit/pass_list.h"
#include "orbit/satellites.h"
#include "passes_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace orvanta::orbit {
namespace {

std::unique_ptr<Satellites> parisStation()
{
    return Init_Satellites(test::stationFolder(), 48.85, 2.35, 35);
}

std::vector<std::string> entries(const std::string &passList)
{
    std::vector<std::string> out;
    std::size_t start = 0;
    while (!passList.empty() && start <= passList.size()) {
        const std::size_t comma = std::min(passList.find(',', start), passList.size());
        out.push_back(passList.substr(start, comma - start));
        start = comma + 1;
    }
    return out;
}

bool contains(const std::string &text, const std::string &part)
{
    return text.find(part) != std::string::npos;
}

TEST(Satellites, HoldsEverySatelliteOfTheFolder)
{
    const auto satellites = parisStation();
    EXPECT_TRUE(satellites->problems().empty());
    EXPECT_EQ(satellites->satcount(), 14);
    const std::string names = satellites->satnames();
    EXPECT_EQ(std::count(names.begin(), names.end(), ','), 13);
    EXPECT_TRUE(names.starts_with("OSCAR 7 (AO-7),PHASE 3B (AO-10),"));
    EXPECT_TRUE(names.ends_with(",AQUA"));
    EXPECT_EQ(satellites->datetimetojt(46200.5), 2461219.0);
}

TEST(Satellites, BadElementFilesReachTheComponentAsProblems)
{
    const auto satellites = Init_Satellites(test::orbitData("bad_station"), 48.85, 2.35, 35);
    EXPECT_EQ(satellites->satnames(), "TERRA   EOS AM-1,ISS (ZARYA),OSCAR 7 (AO-7)");
    ASSERT_EQ(satellites->problems().size(), 2u);
    EXPECT_TRUE(satellites->problems()[0].file.ends_with("damaged.txt"));
    EXPECT_EQ(satellites->problems()[0].line, 1);
    EXPECT_TRUE(contains(satellites->problems()[0].reason, "somme de contrôle"));
    EXPECT_EQ(satellites->problems()[1].line, 8);
    EXPECT_FALSE(satellites->PassListForPeriod("TERRA   EOS AM-1", test::oleUtc(2026, 6, 27, 0, 0, 0), 0, 1, 0).empty());
    EXPECT_EQ(satellites->PassListForPeriod("BROKEN HST", test::oleUtc(2026, 6, 27, 0, 0, 0), 0, 1, 0), "");

    const auto nothing = Init_Satellites(test::orbitData("no such folder"), 48.85, 2.35, 35);
    EXPECT_EQ(nothing->satcount(), 0);
    EXPECT_EQ(nothing->satnames(), "");
    ASSERT_EQ(nothing->problems().size(), 1u);
    SatelliteLook look;
    EXPECT_FALSE(nothing->IsVisible("ISS (ZARYA)", 2461219.0, 0, look));
}

TEST(Satellites, StationValuesOutOfRangeAreRefusedAndStopThePredictions)
{
    const auto satellites = parisStation();
    const double start = test::oleUtc(2026, 6, 27, 0, 0, 0);
    const std::string before = satellites->PassListForPeriod("ISS (ZARYA)", start, 0, 1, 0);
    ASSERT_FALSE(before.empty());
    EXPECT_TRUE(satellites->observerValid());
    EXPECT_FALSE(satellites->ObsLat(95));
    EXPECT_FALSE(satellites->ObsLon(-181));
    EXPECT_FALSE(satellites->ObsHeight(std::nan("")));
    EXPECT_EQ(satellites->ObsLat(), 48.85);
    EXPECT_TRUE(satellites->problems().empty());
    EXPECT_FALSE(satellites->observerValid());
    EXPECT_EQ(satellites->observerRefusals(),
              (std::vector<std::string>{"latitude 95 hors limites (-90 à 90)", "longitude -181 hors limites (-180 à 360)",
                                        "altitude non numérique hors limites (-1000 à 100000 m)"}));
    EXPECT_EQ(satellites->PassListForPeriod("ISS (ZARYA)", start, 0, 1, 0), "");
    EXPECT_TRUE(satellites->passes("ISS (ZARYA)", julianFromOle(start), 1, 0, 0).empty());
    SatelliteLook look;
    EXPECT_FALSE(satellites->IsVisible("ISS (ZARYA)", satellites->datetimetojt(start), 0, look));
    EXPECT_TRUE(contains(satellites->refusal("ISS (ZARYA)", julianFromOle(start)), "latitude 95 hors limites"));

    // Each field is valid again once a valid value is set.
    EXPECT_TRUE(satellites->ObsLat(48.85));
    EXPECT_TRUE(satellites->ObsHeight(35));
    EXPECT_EQ(satellites->observerRefusals(), std::vector<std::string>{"longitude -181 hors limites (-180 à 360)"});
    EXPECT_TRUE(satellites->ObsLon(2.35));
    EXPECT_TRUE(satellites->observerValid());
    EXPECT_EQ(satellites->PassListForPeriod("ISS (ZARYA)", start, 0, 1, 0), before);
    EXPECT_TRUE(satellites->IsVisible("ISS (ZARYA)", satellites->datetimetojt(start), 0, look));

    // A refused stored value no longer predicts for latitude 0 without a word.
    const auto refused = Init_Satellites(test::stationFolder(), 95, 2.35, 35);
    EXPECT_FALSE(refused->observerValid());
    EXPECT_EQ(refused->PassListForPeriod("ISS (ZARYA)", start, 0, 1, 0), "");

    // East longitudes up to 360 are the same places as the western ones.
    EXPECT_TRUE(satellites->ObsLon(357.65));
    const std::string east = satellites->PassListForPeriod("ISS (ZARYA)", start, 0, 1, 0);
    EXPECT_TRUE(satellites->ObsLon(-2.35));
    EXPECT_EQ(satellites->PassListForPeriod("ISS (ZARYA)", start, 0, 1, 0), east);
    EXPECT_NE(east, before);
}

TEST(Satellites, PassListTextKeepsTheEntryFormat)
{
    const auto satellites = parisStation();
    const JulianDate start = test::utc(2026, 6, 27, 0, 0, 0);
    const std::string text = satellites->PassListForPeriod("ISS (ZARYA)", oleFromJulian(start), 0, 1, 0);
    const std::vector<PredictedPass> passes = satellites->passes("ISS (ZARYA)", start, 1, 0, 0);
    const std::vector<std::string> split = entries(text);
    ASSERT_EQ(split.size(), passes.size());
    ASSERT_FALSE(passes.empty());
    for (std::size_t i = 0; i < split.size(); ++i) {
        const std::string &entry = split[i];
        SCOPED_TRACE(entry);
        EXPECT_EQ(entry.substr(2, 1) + entry.substr(5, 1) + entry.substr(8, 1) + entry.substr(15, 1) + entry.substr(17, 1),
                  "// " "  ");
        EXPECT_TRUE(entry[16] == 'N' || entry[16] == 'S');
        EXPECT_TRUE(entry.ends_with(" ISS (ZARYA) "));
        const auto fields = Decode_Passage(entry);
        ASSERT_TRUE(fields.has_value());
        EXPECT_EQ(fields->aosSecond, wholeSecondsFromJulian(passes[i].aos));
        EXPECT_EQ(fields->losSecond, wholeSecondsFromJulian(passes[i].los));
        EXPECT_EQ(fields->Pass_Nom, "ISS (ZARYA)");
    }
    EXPECT_EQ(satellites->PassListForPeriod("NO SUCH SAT", oleFromJulian(start), 0, 1, 0), "");
    EXPECT_EQ(satellites->PassListForPeriod("ISS (ZARYA)", oleFromJulian(start), 0, -1, 0), "");
    EXPECT_EQ(satellites->PassListForPeriod("ISS (ZARYA)", oleFromJulian(start), 0, 1, 91), "");
}

TEST(Satellites, PassesShorterThanTheMinimumAreLeftOut)
{
    const auto satellites = parisStation();
    const JulianDate start = test::utc(2026, 6, 27, 0, 0, 0);
    const std::vector<PredictedPass> all = satellites->passes("ISS (ZARYA)", start, 1, 0, 0);
    const std::vector<PredictedPass> longer = satellites->passes("ISS (ZARYA)", start, 1, 0, 600);
    const auto counted = std::count_if(all.begin(), all.end(), [](const PredictedPass &p) { return p.durationSeconds() >= 600; });
    EXPECT_EQ(long(longer.size()), counted);
    EXPECT_LT(longer.size(), all.size());
    EXPECT_GT(longer.size(), 0u);
}

// A real pass that runs over midnight, looked for among the station's satellites.
std::optional<PredictedPass> passOverMidnight(Satellites &satellites)
{
    for (int day = 27; day <= 30; ++day) {
        for (const std::string &name : satellites.names()) {
            for (const PredictedPass &pass : satellites.passes(name, test::utc(2026, 6, day, 23, 0, 0), 0.08, 0, 0)) {
                const JulianDate midnight = test::utc(2026, 6, day + 1, 0, 0, 0);
                if (pass.aos.minutesSince(midnight) < -1 && pass.los.minutesSince(midnight) > 1)
                    return pass;
            }
        }
    }
    return std::nullopt;
}

TEST(Satellites, PassOverMidnightStaysInProgressOnTheBoard)
{
    const auto satellites = parisStation();
    const auto pass = passOverMidnight(*satellites);
    ASSERT_TRUE(pass.has_value());
    const std::int64_t midnight = (wholeSecondsFromJulian(pass->aos) / 86400 + 1) * 86400;
    const double justAfter = double(midnight + 30) / 86400.0;

    PassBoard board;
    board.Traite_Passages(satellites->PassListForPeriod(pass->name, justAfter, 0, 1, 0), wholeSecondsFromOle(justAfter));
    ASSERT_FALSE(board.visibleLines().empty());
    const std::string line = board.visibleLines().front();
    EXPECT_TRUE(line.ends_with(pass->name));
    EXPECT_EQ(line.substr(16, 3), "00:"); // the loss time of day, after midnight
    for (const std::string &coming : board.comingLines())
        EXPECT_NE(coming.substr(0, 26), line.substr(0, 26));
}

TEST(Satellites, SlidingTicksGiveTheAnswersOfAFreshComponent)
{
    const auto ticking = parisStation();
    const double first = test::oleUtc(2026, 6, 27, 21, 0, 0);
    for (int tick = 0; tick < 30 * 12; ++tick) {
        const double now = first + tick * 300.0 / 86400.0 + (tick % 7) / 86400.0;
        const double minElevation = tick % 50 == 25 ? 10.0 : 0.0;
        std::vector<std::string> texts;
        for (const std::string &name : ticking->names())
            texts.push_back(ticking->PassListForPeriod(name, now, 60, 1, minElevation));
        if (tick % 40 != 0 && tick % 50 != 25)
            continue;
        const auto fresh = parisStation();
        for (std::size_t i = 0; i < texts.size(); ++i)
            EXPECT_EQ(texts[i], fresh->PassListForPeriod(fresh->names()[i], now, 60, 1, minElevation)) << tick;
    }
}

TEST(Satellites, IsVisibleFollowsThePass)
{
    const auto satellites = parisStation();
    const std::vector<PredictedPass> passes = satellites->passes("AQUA", test::utc(2026, 6, 27, 0, 0, 0), 1, 0, 0);
    ASSERT_FALSE(passes.empty());
    const PredictedPass &pass = passes.front();
    const auto seenAt = [&](const JulianDate &instant) {
        SatelliteLook look;
        EXPECT_TRUE(satellites->IsVisible("AQUA", instant.day + instant.fraction, 0, look));
        return look;
    };
    const SatelliteLook rising = seenAt(pass.aos.plusMinutes(0.5));
    EXPECT_TRUE(rising.aboveMinimum);
    EXPECT_LT(rising.rangeRateKmS, 0.0);
    EXPECT_NEAR(rising.azimuthRad * 180 / std::numbers::pi, pass.aosAzimuthDeg, 5.0);
    const SatelliteLook highest = seenAt(pass.maxElevationTime);
    EXPECT_NEAR(highest.elevationRad * 180 / std::numbers::pi, pass.maxElevationDeg, 0.01);
    const SatelliteLook setting = seenAt(pass.los.plusMinutes(-0.5));
    EXPECT_GT(setting.rangeRateKmS, 0.0);
    EXPECT_FALSE(seenAt(pass.los.plusMinutes(0.5)).aboveMinimum);

    SatelliteLook untouched;
    untouched.rangeKm = 42;
    EXPECT_FALSE(satellites->IsVisible("NO SUCH SAT", 2461219.0, 0, untouched));
    EXPECT_EQ(untouched.rangeKm, 42);
}

} // namespace
} // namespace orvanta::orbit
