#include "orbit/element_files.h"
#include "orbit/sgp4.h"

#include <gtest/gtest.h>

#include <cmath>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace orvanta::orbit {
namespace {

namespace fs = std::filesystem;

const std::string kAo7 = "OSCAR 7 (AO-7)          \n"
                         "1 07530U 74089B   26177.95096363 -.00000030  00000+0  10246-3 0  9996\n"
                         "2 07530 101.9899 191.2993 0012643 112.0577 277.1703 12.53698219361741\n";
const std::string kIssLines = "1 25544U 98067A   26177.67101756  .00008101  00000+0  15268-3 0  9990\n"
                              "2 25544  51.6322 253.1475 0004299 235.1263 124.9322 15.49442433573225\n";
// The same satellite a day earlier (epoch 26176.67101756).
const std::string kIssLinesDayBefore = "1 25544U 98067A   26176.67101756  .00008101  00000+0  15268-3 0  9999\n"
                                       "2 25544  51.6322 253.1475 0004299 235.1263 124.9322 15.49442433573225\n";

// A fresh folder removed with its files at the end of each test.
class ElementFolder : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "orvanta-elements-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        folder = pattern;
    }
    void TearDown() override { fs::remove_all(folder); }

    std::string write(const std::string &name, const std::string &text)
    {
        const fs::path path = folder / name;
        std::ofstream(path, std::ios::binary) << text;
        return path.string();
    }

    fs::path folder;
};

std::vector<std::string> namesOf(const ElementCatalogue &catalogue)
{
    std::vector<std::string> names;
    for (const ElementSet &set : catalogue.sets)
        names.push_back(set.name);
    return names;
}

TEST(ElementText, ThreeLineAndBareTwoLineFormsWithAnyLineEnds)
{
    std::string crlf;
    for (char c : kAo7 + "\n" + kIssLines) {
        if (c == '\n')
            crlf += '\r';
        crlf += c;
    }
    ElementCatalogue catalogue;
    readElementText(crlf, "mixed.txt", catalogue);
    EXPECT_EQ(namesOf(catalogue), (std::vector<std::string>{"OSCAR 7 (AO-7)", "25544"}));
    EXPECT_TRUE(catalogue.problems.empty());
}

TEST(ElementText, ABadSetIsSkippedWithItsLineAndTheNextOneIsRead)
{
    std::string broken = kAo7;
    broken.replace(broken.find("9996"), 4, "9997");
    ElementCatalogue catalogue;
    readElementText("\n" + broken + "ISS (ZARYA)\n" + kIssLines, "amsat.txt", catalogue);
    EXPECT_EQ(namesOf(catalogue), std::vector<std::string>{"ISS (ZARYA)"});
    ASSERT_EQ(catalogue.problems.size(), 1u);
    EXPECT_EQ(catalogue.problems[0].file, "amsat.txt");
    EXPECT_EQ(catalogue.problems[0].line, 2);
    EXPECT_EQ(catalogue.problems[0].reason,
              "« OSCAR 7 (AO-7) » : ligne 1 : somme de contrôle fausse (7 lu, 6 calculé)");
}

TEST(ElementText, TruncatedSetsAndStrayLines)
{
    ElementCatalogue catalogue;
    readElementText("Liste du 26 juin\nreçue par courriel\n" + kAo7 +
                        "2 25544  51.6322 253.1475 0004299 235.1263 124.9322 15.49442433573225\n" + kIssLines +
                        "NO-44\n1 25544U 98067A   26177.67101756",
                    "cut.txt", catalogue);
    EXPECT_EQ(namesOf(catalogue), (std::vector<std::string>{"OSCAR 7 (AO-7)", "25544"}));
    ASSERT_EQ(catalogue.problems.size(), 3u);
    EXPECT_EQ(catalogue.problems[0].line, 1);
    EXPECT_EQ(catalogue.problems[0].reason, "lignes 1 à 2 : pas un jeu d'éléments");
    EXPECT_EQ(catalogue.problems[1].line, 6);
    EXPECT_EQ(catalogue.problems[1].reason, "ligne 2 sans ligne 1");
    EXPECT_EQ(catalogue.problems[2].line, 10);
    EXPECT_EQ(catalogue.problems[2].reason, "ligne 1 sans ligne 2");
}

TEST(ElementText, EmptyTextOrBinaryJunkGivesNoSetAndNoCrash)
{
    ElementCatalogue catalogue;
    readElementText("", "empty.txt", catalogue);
    readElementText("\n\r\n   \n", "blank.txt", catalogue);
    EXPECT_TRUE(catalogue.sets.empty());
    EXPECT_TRUE(catalogue.problems.empty());

    std::string junk;
    for (int i = 0; i < 5000; ++i)
        junk += char((i * 7919) % 256);
    readElementText(junk, "image.txt", catalogue);
    EXPECT_TRUE(catalogue.sets.empty());
    ASSERT_EQ(catalogue.problems.size(), 1u);
    EXPECT_EQ(catalogue.problems[0].reason, "pas un fichier texte");
}

TEST_F(ElementFolder, EveryTxtFileOfAFolderAndTheNewerEpochOfARepeatedName)
{
    write("a-newer.txt", "ISS\n" + kIssLines);
    write("b-older.TXT", "ISS\n" + kIssLinesDayBefore + kAo7);
    write("notes.cfg", kAo7 + "FO-29\n" + kIssLines);
    write("empty.txt", "");
    const ElementCatalogue catalogue = readElementFiles(folder.string());
    EXPECT_TRUE(catalogue.problems.empty());
    ASSERT_EQ(namesOf(catalogue), (std::vector<std::string>{"ISS", "OSCAR 7 (AO-7)"}));
    EXPECT_EQ(catalogue.sets[0].epoch.day, 2461217.5);

    // The order of the files does not decide: the newer set wins either way.
    write("0-older.txt", "ISS\n" + kIssLinesDayBefore);
    EXPECT_EQ(readElementFiles(folder.string()).sets[0].epoch.day, 2461217.5);
}

TEST_F(ElementFolder, ASetTheModelRefusesIsReportedAndKeepsTheOlderSet)
{
    // The same satellite a day later, with its perigee under the surface at
    // the epoch: it reads well, but the model cannot start from it.
    write("a-older.txt", "ISS\n" + kIssLinesDayBefore);
    write("b-newer.txt", "\nISS\n1 25544U 98067A   26177.67101756  .00008101  00000+0  15268-3 0  9990\n"
                         "2 25544  51.6322 253.1475 0704299 235.1263   0.0000 15.49442433573229\n");
    const ElementCatalogue catalogue = readElementFiles(folder.string());
    ASSERT_EQ(catalogue.sets.size(), 1u);
    EXPECT_EQ(catalogue.sets[0].epoch.day, 2461216.5);
    ASSERT_EQ(catalogue.problems.size(), 1u);
    EXPECT_EQ(catalogue.problems[0].file, (folder / "b-newer.txt").string());
    EXPECT_EQ(catalogue.problems[0].line, 2);
    EXPECT_EQ(catalogue.problems[0].reason,
              "« ISS » : orbite refusée par le modèle : satellite retombé (sous la surface de la Terre)");
}

TEST_F(ElementFolder, OneFileAndMissingPaths)
{
    const std::string file = write("amateur.txt", kAo7 + "ISS\n" + kIssLines);
    EXPECT_EQ(readElementFiles(file).sets.size(), 2u);

    const ElementCatalogue missing = readElementFiles((folder / "absent.txt").string());
    EXPECT_TRUE(missing.sets.empty());
    ASSERT_EQ(missing.problems.size(), 1u);
    EXPECT_EQ(missing.problems[0].reason, "fichier ou dossier introuvable");

    std::string binary = kAo7;
    binary[10] = '\0';
    write("broken.txt", binary);
    const ElementCatalogue withBinary = readElementFiles(folder.string());
    EXPECT_EQ(withBinary.sets.size(), 2u);
    ASSERT_EQ(withBinary.problems.size(), 1u);
    EXPECT_EQ(withBinary.problems[0].file, (folder / "broken.txt").string());
}

TEST(ElementFiles, TheAmateurCatalogueReadsWhole)
{
    const ElementCatalogue catalogue =
        readElementFiles(std::string(ORVANTA_SOURCE_DIR) + "/tests/orbit/data/amateur-2026-06.txt");
    EXPECT_EQ(catalogue.sets.size(), 14u);
    EXPECT_TRUE(catalogue.problems.empty());
}

std::string sourceData(const std::string &name)
{
    return std::string(ORVANTA_SOURCE_DIR) + "/tests/orbit/data/" + name;
}

std::string textOf(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The same fourteen sets as two-line text and in the three OMM encodings:
// the same objects, and positions within a metre a week from the epoch.
TEST(OmmFiles, EachEncodingPredictsAsTheTwoLineForm)
{
    const ElementCatalogue twoLine = readElementFiles(sourceData("amateur-2026-06.txt"));
    ASSERT_EQ(twoLine.sets.size(), 14u);
    for (const char *encoding : {"csv", "json", "xml"}) {
        SCOPED_TRACE(encoding);
        const ElementCatalogue omm = readElementFiles(sourceData(std::string("omm/amateur-2026-06.") + encoding));
        EXPECT_TRUE(omm.problems.empty());
        ASSERT_EQ(namesOf(omm), namesOf(twoLine));
        for (std::size_t i = 0; i < omm.sets.size(); ++i) {
            const ElementSet &a = twoLine.sets[i];
            const ElementSet &b = omm.sets[i];
            EXPECT_EQ(b.catalogId, a.catalogId);
            EXPECT_EQ(b.catalogNumber, a.catalogNumber);
            EXPECT_EQ(b.revolutionNumber, a.revolutionNumber);
            EXPECT_LT(std::fabs(b.epoch.minutesSince(a.epoch)), 1e-6);
            for (double minutes : {0.0, 1440.0, 7 * 1440.0}) {
                TemeState pa, pb;
                ASSERT_EQ(Sgp4Propagator(a).propagate(minutes, pa), Sgp4Propagator(b).propagate(minutes, pb));
                EXPECT_NEAR(pb.position_km.x, pa.position_km.x, 1e-3) << a.name << " at " << minutes;
                EXPECT_NEAR(pb.position_km.y, pa.position_km.y, 1e-3) << a.name << " at " << minutes;
                EXPECT_NEAR(pb.position_km.z, pa.position_km.z, 1e-3) << a.name << " at " << minutes;
            }
        }
    }
}

TEST(OmmFiles, AlphaFiveCatalogueNumbersAndNineDigitOnes)
{
    ElementCatalogue catalogue;
    readElementText("ISS COPY\n1 T0002U 98067A   26177.67101756  .00008101  00000+0  15268-3 0  9992\n"
                    "2 T0002  51.6322 253.1475 0004299 235.1263 124.9322 15.49442433573227\n",
                    "alpha5.txt", catalogue);
    ASSERT_EQ(catalogue.sets.size(), 1u);
    EXPECT_EQ(catalogue.sets[0].catalogId, 270002);
    EXPECT_EQ(readCatalogNumber("A0000"), 100000);
    EXPECT_EQ(readCatalogNumber("J9999"), 189999);
    EXPECT_EQ(readCatalogNumber("Z9999"), 339999);
    EXPECT_EQ(readCatalogNumber(" 7530"), 7530);
    EXPECT_FALSE(readCatalogNumber("I0001"));
    EXPECT_FALSE(readCatalogNumber("O0001"));
    EXPECT_FALSE(readCatalogNumber("a0001"));

    const std::string header = "OBJECT_NAME,EPOCH,MEAN_MOTION,ECCENTRICITY,INCLINATION,RA_OF_ASC_NODE,"
                               "ARG_OF_PERICENTER,MEAN_ANOMALY,NORAD_CAT_ID\n";
    ElementCatalogue big;
    readElementText(header + "\"NEW, SAT\",2026-06-26T12:00:00Z,15.2,0.001,97.5,10,20,30,999999999\n", "big.csv", big);
    ASSERT_EQ(big.sets.size(), 1u);
    EXPECT_EQ(big.sets[0].catalogId, 999999999);
    EXPECT_EQ(big.sets[0].name, "NEW  SAT");
    EXPECT_TRUE(big.problems.empty());
}

TEST_F(ElementFolder, OmmBesideTwoLineOneSatellitePerNumberAndSharedNamesToldApart)
{
    write("a.txt", "ISS\n" + kIssLinesDayBefore + kAo7);
    // The same ISS a day later, and two rocket bodies of one name.
    write("b.csv", "OBJECT_NAME,EPOCH,MEAN_MOTION,ECCENTRICITY,INCLINATION,RA_OF_ASC_NODE,ARG_OF_PERICENTER,"
                   "MEAN_ANOMALY,NORAD_CAT_ID,BSTAR\r\n"
                   "ISS (ZARYA),2026-06-26T16:06:15.917184,15.49442433,0.0004299,51.6322,253.1475,235.1263,124.9322,"
                   "25544,0.00015268\r\n"
                   "SL-8 R/B,2026-06-26T00:00:00,14.2,0.002,74,10,20,30,12345,0\r\n"
                   "SL-8 R/B,2026-06-26T00:00:00,14.3,0.002,83,10,20,30,123456,0\r\n");
    write("other.json", "{\"window\": [1, 2], \"theme\": \"dark\"}");
    write("other.xml", "<?xml version=\"1.0\"?><settings><a>1</a></settings>");
    write("other.csv", "date,temperature\n2026-06-26,21.5\n");
    const ElementCatalogue catalogue = readElementFiles(folder.string());
    EXPECT_TRUE(catalogue.problems.empty());
    EXPECT_EQ(namesOf(catalogue),
              (std::vector<std::string>{"ISS (ZARYA)", "OSCAR 7 (AO-7)", "SL-8 R/B #12345", "SL-8 R/B #123456"}));
    EXPECT_EQ(catalogue.sets[0].epoch.day, 2461217.5);

    // Given by itself, a document that is not OMM is refused, naming the file.
    const ElementCatalogue alone = readElementFiles((folder / "other.xml").string());
    ASSERT_EQ(alone.problems.size(), 1u);
    EXPECT_EQ(alone.problems[0].file, (folder / "other.xml").string());
    EXPECT_EQ(alone.problems[0].reason, "document JSON ou XML qui ne nomme aucun champ OMM : pas des éléments");
}

} // namespace
} // namespace orvanta::orbit
