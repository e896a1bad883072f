#include "data/element_sources.h"
#include "data/element_update.h"
#include "station_folder.h"

#include <gtest/gtest.h>

namespace orvanta {
namespace {

const QString kAmateur = QStringLiteral("https://celestrak.org/NORAD/elements/gp.php?GROUP=amateur&FORMAT=tle");

TEST(ElementSources, LinesAreTrimmedCommentsSkippedAndBadLinesSaid)
{
    test::StationFolder folder;
    EXPECT_FALSE(readElementSources(folder.path()).found);

    folder.writeLines("Sources.cfg", {
                                         "# amateur groups",
                                         "",
                                         "  Amateur.txt =  " + kAmateur + "  ",
                                         "   # indented comment",
                                         "Weather.txt=http://example.org/a=b#c",
                                         "Cubesat.csv=http://example.org/cubesat",
                                         "no equals sign",
                                         "=http://example.org/x",
                                         "Empty.txt=",
                                         "../Frequences.txt=http://example.org/x",
                                         "Frequences.cfg=http://example.org/x",
                                         "AMATEUR.TXT=http://example.org/again",
                                     });
    const ElementSourcesFile file = readElementSources(folder.path());
    EXPECT_TRUE(file.found);
    const QList<ElementSource> expected = {{"Amateur.txt", kAmateur},
                                           {"Weather.txt", "http://example.org/a=b#c"},
                                           {"Cubesat.csv", "http://example.org/cubesat"}};
    EXPECT_EQ(file.sources, expected);
    const QStringList problems = {
        "Sources.cfg, ligne 7 : « no equals sign » : il manque « = » entre le fichier et l'adresse",
        "Sources.cfg, ligne 8 : nom de fichier absent avant « = »",
        "Sources.cfg, ligne 9 : adresse absente pour Empty.txt",
        "Sources.cfg, ligne 10 : le nom de fichier « ../Frequences.txt » ne doit pas contenir de dossier",
        "Sources.cfg, ligne 11 : le fichier « Frequences.cfg » n'est pas un fichier d'éléments « *.txt », « *.csv », "
        "« *.json » ou « *.xml »",
        "Sources.cfg, ligne 12 : AMATEUR.TXT a déjà une source, cette ligne est ignorée",
    };
    EXPECT_EQ(file.problems, problems);
}

TEST(ElementSources, WrittenSourcesReadBack)
{
    test::StationFolder folder;
    const QList<ElementSource> sources = {{"Amateur.txt", kAmateur}, {"Noaa.txt", "https://example.org/noaa"}};
    QString error;
    ASSERT_TRUE(writeElementSources(folder.path(), sources, &error)) << error.toStdString();
    EXPECT_EQ(folder.lines("Sources.cfg"), (QStringList{"Amateur.txt=" + kAmateur, "Noaa.txt=https://example.org/noaa"}));
    EXPECT_EQ(readElementSources(folder.path()).sources, sources);

    folder.write("Sources.cfg", "kept");
    {
        test::FileSizeLimit limit;
        EXPECT_FALSE(writeElementSources(folder.path(), sources, &error));
    }
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(folder.read("Sources.cfg"), "kept");
}

TEST(ElementUpdatePlan, OnlyFilesOfElementsCfgAreDownloadedOverTheFileOnDisk)
{
    test::StationFolder folder;
    const ElementUpdatePlan none = planElementUpdate(folder.path());
    EXPECT_TRUE(none.jobs.isEmpty());
    EXPECT_EQ(none.problems,
              QStringList{"Sources.cfg absent du dossier de la station : aucun fichier d'éléments n'a de source"});

    folder.writeLines("Elements.cfg", {"Amateur.txt", "weather.txt", "Cubesat.txt"});
    folder.write("AMATEUR.TXT", "old");
    folder.writeLines("Sources.cfg", {"Weather.txt=http://127.0.0.1/weather", "Amateur.txt=http://127.0.0.1/amateur",
                                      "Goes.txt=http://127.0.0.1/goes", "bad line"});
    const ElementUpdatePlan plan = planElementUpdate(folder.path());
    ASSERT_EQ(plan.jobs.size(), 2);
    EXPECT_EQ(plan.jobs[0].fileName, "Weather.txt");
    EXPECT_EQ(plan.jobs[0].path, folder.file("Weather.txt")) << "not on disk yet: the name of Sources.cfg";
    EXPECT_EQ(plan.jobs[1].fileName, "Amateur.txt");
    EXPECT_EQ(plan.jobs[1].address, "http://127.0.0.1/amateur");
    EXPECT_EQ(plan.jobs[1].path, folder.file("AMATEUR.TXT")) << "the file on disk, whatever its case";
    EXPECT_EQ(plan.problems,
              (QStringList{"Sources.cfg, ligne 4 : « bad line » : il manque « = » entre le fichier et l'adresse",
                           "Sources.cfg : Goes.txt n'est pas nommé dans Elements.cfg, il n'est pas téléchargé"}));

    folder.writeLines("Sources.cfg", {"# nothing yet"});
    EXPECT_EQ(planElementUpdate(folder.path()).problems, QStringList{"Sources.cfg ne donne aucune source"});
}

} // namespace
} // namespace orvanta
