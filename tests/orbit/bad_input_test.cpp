#include "cli_run.h"
#include "orbit/satellites.h"
#include "orbit/text_lines.h"
#include "passes_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>

// Damaged element files and argument sets that a new user may give the
// engine and orvanta-orbit. Each file lies in tests/orbit/data/bad/.
namespace orvanta::orbit {
namespace {

using test::CommandRun;
using test::lines;
using test::run;

std::string bad(const std::string &name)
{
    return test::orbitData("bad/" + name);
}

bool contains(const std::string &text, const std::string &part)
{
    return text.find(part) != std::string::npos;
}

// The acquisition instants of the passes rows, in the CSV's own text.
std::vector<std::string> acquisitions(const std::string &csv)
{
    std::vector<std::string> out;
    const std::vector<std::string> rows = lines(csv);
    for (std::size_t i = 1; i < rows.size(); ++i) {
        const std::size_t comma = rows[i].find(',');
        out.push_back(rows[i].substr(comma + 1, 24));
    }
    return out;
}

std::vector<std::string> passesAt(const std::string &elements, const std::vector<std::string> &more)
{
    std::vector<std::string> arguments{"passes", "--elements", elements, "--lat", "48", "--lon", "2"};
    arguments.insert(arguments.end(), more.begin(), more.end());
    return arguments;
}

TEST(BadInputBounds, VerifyRefusesAStepLostInTheRoundingOfItsTimes)
{
    // Start 1000000 minutes, step 1e-11: adding the step no longer moves the time.
    const CommandRun result = run({"verify", "--elements", bad("verify-step-lost.tle")});
    EXPECT_EQ(result.status, 0);
    EXPECT_TRUE(contains(result.err, "ligne 2 : pas de 1e-11 min trop petit")) << result.err;
    EXPECT_TRUE(result.out.empty()) << result.out.substr(0, 200);
}

TEST(BadInputBounds, PropagateCountsItsStepsOverTheWholeRun)
{
    // Ten million instants are allowed for one satellite, not for the fourteen of the folder.
    const CommandRun folder = run({"propagate", "--elements", test::stationFolder(), "--start", "2026-06-27T00:00:00Z",
                                   "--minutes", "10000", "--step-s", "0.06", "--summary"});
    EXPECT_EQ(folder.status, 2);
    EXPECT_TRUE(contains(folder.err, "14 satellites")) << folder.err;
    EXPECT_TRUE(folder.out.empty());
}

TEST(BadInputDecay, NothingIsPredictedAfterThePerigeeGoesUnderTheSurface)
{
    // The model reports decay at 12:50:20.9 on the first perigee, a dip of a
    // few seconds that samples step over.
    const std::string file = bad("perigee-under-surface.txt");
    const CommandRun passes = run(passesAt(file, {"--start", "2026-06-26T12:00:00Z"}));
    EXPECT_EQ(passes.status, 0);
    for (const std::string &aos : acquisitions(passes.out))
        EXPECT_LT(aos, "2026-06-26T12:50:20.933Z");
    EXPECT_TRUE(contains(passes.err, "UNDERGROUND PERIGEE : orbite terminée le 2026-06-26T12:50:20.933Z")) << passes.err;

    const CommandRun look = run({"look", "--elements", file, "--lat", "48", "--lon", "2", "--time", "2026-06-26T13:10:00Z"});
    EXPECT_EQ(look.status, 1);
    EXPECT_EQ(lines(look.out).size(), 1u);
    EXPECT_TRUE(contains(look.err, "satellite retombé")) << look.err;

    const CommandRun states = run({"propagate", "--elements", file, "--start", "2026-06-26T12:00:00Z", "--minutes", "120",
                                   "--step-s", "1200"});
    EXPECT_EQ(lines(states.out).size(), 1u + 3); // 12:00, 12:20 and 12:40
    EXPECT_TRUE(contains(states.err, "à 2026-06-26T12:50:20.933Z, suite abandonnée")) << states.err;
}

TEST(BadInputDecay, APassInProgressEndsAtTheDecayInstant)
{
    // Seen from under its track, the heavily braked satellite is still 1.3
    // degrees below the horizon when the model loses it.
    const std::string file = bad("large-drag.txt");
    const CommandRun result = run({"passes", "--elements", file, "--lat", "-14", "--lon", "225", "--start",
                                   "2026-06-27T06:00:00Z", "--min-elev", "-5"});
    EXPECT_EQ(result.status, 0);
    const std::vector<std::string> rows = lines(result.out);
    ASSERT_EQ(rows.size(), 2u) << result.out;
    EXPECT_TRUE(rows[1].starts_with("HEAVY DRAG,99912,2026-06-27T09:18:08.207Z,2026-06-27T09:20:33.618Z,")) << rows[1];
    EXPECT_TRUE(contains(result.err, "2026-06-27T09:20:33.618Z")) << result.err;
    EXPECT_TRUE(contains(result.err, "le passage en cours s'arrête à cet instant")) << result.err;

    const auto satellites = Init_Satellites(file, -14, 225, 0);
    const std::vector<PredictedPass> passes = satellites->passes("HEAVY DRAG", test::utc(2026, 6, 27, 6, 0, 0), 1, -5, 0);
    ASSERT_EQ(passes.size(), 1u);
    EXPECT_TRUE(passes[0].cutByOrbitEnd);
    const auto end = satellites->orbitEnd("HEAVY DRAG", test::utc(2026, 6, 28, 0, 0, 0));
    ASSERT_TRUE(end.has_value());
    EXPECT_NEAR(passes[0].los.minutesSince(*end) * 60.0, 0.0, 0.001);
    EXPECT_FALSE(satellites->orbitEnd("HEAVY DRAG", test::utc(2026, 6, 27, 9, 0, 0)).has_value());
    SatelliteLook look;
    EXPECT_TRUE(satellites->lookAt("HEAVY DRAG", end->plusMinutes(-0.01), 0, look));
    EXPECT_FALSE(satellites->lookAt("HEAVY DRAG", end->plusMinutes(10), 0, look));
    EXPECT_TRUE(satellites->passes("HEAVY DRAG", end->plusMinutes(1), 1, -5, 0).empty());
}

TEST(BadInputFailures, ASatelliteThatCannotBeComputedIsNamedAndTheStatusSaysSo)
{
    const std::string station = test::stationFolder();
    for (const char *start : {"9999-01-01T00:00:00Z", "0001-01-01T00:00:00Z"}) {
        const CommandRun result = run(passesAt(station, {"--start", start, "--sat", "ISS (ZARYA)", "--sat", "AQUA"}));
        EXPECT_EQ(result.status, 1) << start;
        EXPECT_EQ(lines(result.out).size(), 1u);
        EXPECT_TRUE(contains(result.err, "ISS (ZARYA) : instant à ")) << result.err;
        EXPECT_TRUE(contains(result.err, "AQUA : instant à ")) << result.err;
    }

    // Decayed before the start: reported, and nothing else was asked.
    const CommandRun decayed =
        run(passesAt(bad("perigee-under-surface.txt"), {"--start", "2026-06-27T00:00:00Z"}));
    EXPECT_EQ(decayed.status, 1);
    EXPECT_TRUE(contains(decayed.err, "UNDERGROUND PERIGEE : orbite terminée le 2026-06-26 12:50:21 UTC")) << decayed.err;

    // One satellite computed is enough for success; the other is still named.
    const CommandRun mixed = run(passesAt(test::orbitData("synthetic-orbits.txt"), {"--start", "2026-06-27T00:00:00Z"}));
    EXPECT_EQ(mixed.status, 0);
    EXPECT_TRUE(contains(mixed.err, "DECAY TEST : orbite terminée le ")) << mixed.err;
}

TEST(BadInputEpochs, FarFromTheEpochWarnsAndBeyondTenYearsRefuses)
{
    const std::string station = test::stationFolder();
    const CommandRun near = run(passesAt(station, {"--start", "2026-07-01T00:00:00Z", "--sat", "ISS (ZARYA)"}));
    EXPECT_TRUE(near.err.empty()) << near.err;
    const CommandRun later = run(passesAt(station, {"--start", "2026-08-15T00:00:00Z", "--sat", "ISS (ZARYA)"}));
    EXPECT_EQ(later.status, 0);
    EXPECT_GT(lines(later.out).size(), 3u);
    EXPECT_TRUE(contains(later.err, "ISS (ZARYA) : éléments à plus de 30 jours")) << later.err;

    // A mistyped epoch (2006) and elements dated 30 years ahead.
    for (const char *file : {"epoch-mistyped.txt", "epoch-in-the-future.txt"}) {
        const CommandRun look = run({"look", "--elements", bad(file), "--lat", "48", "--lon", "2", "--time",
                                     "2026-06-27T00:00:00Z"});
        EXPECT_EQ(look.status, 1) << file;
        EXPECT_EQ(lines(look.out).size(), 1u) << look.out;
        EXPECT_TRUE(contains(look.err, "ans : prédiction refusée")) << look.err;
        EXPECT_EQ(run(passesAt(bad(file), {"--start", "2026-06-27T00:00:00Z"})).status, 1) << file;
    }

    const auto satellites = Init_Satellites(station, 48.85, 2.35, 35);
    const std::vector<std::string> names{"ISS (ZARYA)", "AQUA", "NO SUCH SAT"};
    EXPECT_TRUE(satellites->farFromEpoch(names, test::utc(2026, 7, 1, 0, 0, 0)).empty());
    EXPECT_EQ(satellites->farFromEpoch(names, test::utc(2026, 8, 15, 0, 0, 0)),
              (std::vector<std::string>{"ISS (ZARYA)", "AQUA"}));
    EXPECT_EQ(satellites->farFromEpoch(names, test::utc(2026, 6, 20, 0, 0, 0), 5),
              (std::vector<std::string>{"ISS (ZARYA)", "AQUA"}));
    const JulianDate decadeLater = test::utc(2036, 7, 1, 0, 0, 0);
    EXPECT_TRUE(satellites->passes("ISS (ZARYA)", decadeLater, 1, 0, 0).empty());
    EXPECT_TRUE(contains(satellites->refusal("ISS (ZARYA)", decadeLater), "plus de 10 ans"));
    SatelliteLook look;
    EXPECT_FALSE(satellites->lookAt("ISS (ZARYA)", decadeLater, 0, look));
    EXPECT_TRUE(satellites->refusal("ISS (ZARYA)", test::utc(2026, 8, 15, 0, 0, 0), 1).empty());
}

TEST(BadInputFiles, ByteOrderMarkAndEveryKindOfLineEnd)
{
    EXPECT_EQ(textLines("\xEF\xBB\xBF" "a\r\nb\rc\n\rd\ne\r\r\n"),
              (std::vector<std::string>{"a", "b", "c", "d", "e", ""}));
    EXPECT_EQ(textLines("a\n\nb"), (std::vector<std::string>{"a", "", "b"}));

    const ElementCatalogue marked = readElementFiles(bad("byte-order-mark.txt"));
    ASSERT_EQ(marked.sets.size(), 1u);
    EXPECT_EQ(marked.sets[0].name, "ISS (ZARYA)");
    for (const char *file : {"cr-line-ends.txt", "lf-cr-line-ends.txt"}) {
        const ElementCatalogue catalogue = readElementFiles(bad(file));
        EXPECT_TRUE(catalogue.problems.empty()) << file;
        ASSERT_EQ(catalogue.sets.size(), 2u) << file;
        EXPECT_EQ(catalogue.sets[1].name, "OSCAR 7 (AO-7)");
    }
}

TEST(BadInputSmallPoints, RepeatedSatControlCharactersFoldersAndMinimumElevation)
{
    const std::string station = test::stationFolder();
    const std::vector<std::string> once{"--start", "2026-06-27T00:00:00Z", "--sat", "AQUA"};
    const CommandRun single = run(passesAt(station, once));
    const CommandRun twice = run(passesAt(station, {"--start", "2026-06-27T00:00:00Z", "--sat", "AQUA", "--sat", "AQUA"}));
    EXPECT_EQ(twice.out, single.out);

    const CommandRun escaped = run({"look", "--elements", bad("control-characters.txt"), "--lat", "48", "--lon", "2",
                                    "--time", "2026-06-27T00:00:00Z"});
    EXPECT_EQ(escaped.status, 0);
    EXPECT_TRUE(contains(escaped.out, "\nISS [31m (ZARYA),")) << escaped.out;
    EXPECT_TRUE(std::none_of(escaped.out.begin(), escaped.out.end(),
                             [](char c) { return c != '\n' && static_cast<unsigned char>(c) < 0x20; }));

    const CommandRun folder = run({"verify", "--elements", test::orbitData("bad")});
    EXPECT_EQ(folder.status, 1);
    EXPECT_TRUE(contains(folder.err, "dossier")) << folder.err;

    for (const char *outside : {"-91", "90.5", "-1e9"}) {
        const CommandRun refused = run(passesAt(station, {"--start", "2026-06-27T00:00:00Z", "--min-elev", outside}));
        EXPECT_EQ(refused.status, 2) << outside;
    }
    // From a mountain the satellite is seen below the horizontal plane: longer passes.
    const CommandRun below = run(passesAt(station, {"--start", "2026-06-27T00:00:00Z", "--sat", "AQUA", "--min-elev", "-3"}));
    EXPECT_EQ(below.status, 0);
    const std::vector<std::string> horizon = acquisitions(single.out), lower = acquisitions(below.out);
    ASSERT_FALSE(horizon.empty());
    ASSERT_GT(lower.size(), horizon.size());
    EXPECT_LT(lower[0], horizon[0]);
}

std::vector<std::string> reasons(const ElementCatalogue &catalogue)
{
    std::vector<std::string> out;
    for (const ElementFileProblem &problem : catalogue.problems)
        out.push_back(problemPlace(problem) + " : " + problem.reason);
    return out;
}

TEST(BadInputOmm, EachBadRecordIsNamedWithItsFieldAndTheGoodOnesCount)
{
    const ElementCatalogue fields = readElementFiles(bad("omm-bad-fields.csv"));
    ASSERT_EQ(fields.sets.size(), 2u);
    EXPECT_EQ(fields.sets[1].catalogId, 100005);
    EXPECT_EQ(reasons(fields),
              (std::vector<std::string>{
                  "ligne 3 : « ZERO » : NORAD_CAT_ID 0 hors limites (1 à 999999999)",
                  "ligne 4 : « NEGATIVE » : NORAD_CAT_ID -5 hors limites (1 à 999999999)",
                  "ligne 5 : « TEN DIGITS » : NORAD_CAT_ID 1234567890 hors limites (1 à 999999999)",
                  "ligne 6 : « NOT A DATE » : EPOCH illisible (« 26 juin 2026 »)",
                  "ligne 7 : « FEBRUARY 30 » : EPOCH illisible (« 2026-02-30T00:00:00 »)",
                  "ligne 8 : « NAN MOTION » : MEAN_MOTION non fini",
                  "ligne 9 : « INFINITE DRAG » : BSTAR non fini",
              }));
    EXPECT_EQ(fields.problems[0].file, bad("omm-bad-fields.csv"));

    const ElementCatalogue truncated = readElementFiles(bad("omm-truncated.json"));
    EXPECT_EQ(truncated.sets.size(), 2u);
    ASSERT_EQ(truncated.problems.size(), 1u);
    EXPECT_EQ(truncated.problems[0].record, 3);
    EXPECT_EQ(truncated.problems[0].reason, "objet inachevé : JSON tronqué ou illisible à l'octet 1301");

    const ElementCatalogue header = readElementFiles(bad("omm-no-mean-motion.csv"));
    EXPECT_TRUE(header.sets.empty());
    EXPECT_EQ(reasons(header), std::vector<std::string>{"ligne 1 : en-tête CSV sans MEAN_MOTION : fichier ignoré"});

    const ElementCatalogue notOmm = readElementFiles(bad("omm-not-omm.xml"));
    EXPECT_TRUE(notOmm.sets.empty());
    EXPECT_EQ(reasons(notOmm),
              std::vector<std::string>{" : document JSON ou XML qui ne nomme aucun champ OMM : pas des éléments"});

    // The command line names the file and the record too, in every command.
    const std::string truncatedJson = bad("omm-truncated.json");
    for (const std::vector<std::string> &command : std::vector<std::vector<std::string>>{
             {"look", "--elements", truncatedJson, "--lat", "48", "--lon", "2", "--time", "2026-06-27T00:00:00Z"},
             {"track", "--elements", truncatedJson, "--sat", "7530", "--start", "2026-06-27T00:00:00Z", "--minutes",
              "1", "--step-s", "60"}}) {
        const CommandRun listed = run(command);
        EXPECT_TRUE(contains(listed.err, truncatedJson + ", objet 3 : objet inachevé")) << listed.err;
    }
}

// A 200 MB file is refused by its size before anything is read; the file is
// sparse, so the test writes nothing to the disk.
TEST(BadInputOmm, AHugeFileIsRefusedByItsSize)
{
    std::string pattern = (std::filesystem::temp_directory_path() / "orvanta-huge-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    const std::filesystem::path folder = pattern;
    const std::filesystem::path huge = folder / "catalogue.json";
    std::ofstream(huge) << "[";
    std::filesystem::resize_file(huge, 200ull * 1024 * 1024);
    const ElementCatalogue catalogue = readElementFiles(folder.string());
    std::filesystem::remove_all(folder);
    ASSERT_EQ(catalogue.problems.size(), 1u);
    EXPECT_EQ(catalogue.problems[0].reason,
              "fichier de 200 Mo, trop grand pour un fichier d'éléments (64 Mo au plus) : non lu");
}

} // namespace
} // namespace orvanta::orbit
