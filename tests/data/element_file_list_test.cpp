#include "data/element_file_list.h"
#include "station_folder.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

namespace orvanta {
namespace {

TEST(ElementFileList, NamesAreReadByFieldsAndSorted)
{
    test::StationFolder folder;
    const QStringList expected = {"Amateur.txt", "Weather.txt"};
    EXPECT_TRUE(readElementFileList(folder.path()).isEmpty());
    folder.write("Elements.cfg", "Weather.txt\r\nAmateur.txt\r\n");
    EXPECT_EQ(readElementFileList(folder.path()), expected);
    folder.write("Elements.cfg", "Amateur.txt,Weather.txt");
    EXPECT_EQ(readElementFileList(folder.path()), expected);
    folder.write("Elements.cfg", " \"Weather.txt\" , Amateur.txt \r\n\r\n");
    EXPECT_EQ(readElementFileList(folder.path()), expected);
    folder.write("Elements.cfg", "");
    EXPECT_TRUE(readElementFileList(folder.path()).isEmpty());
}

TEST(ElementFileList, ElementsMessageTellsWhereElementsComeFrom)
{
    test::RecordingMessageBoxes messages;
    showElementSources(messages);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].title, "Orvanta");
    EXPECT_EQ(messages.shown[0].text, elementSourcesMessage());

    const QStringList lines = elementSourcesMessage().split("\r\n");
    ASSERT_EQ(lines.size(), 6);
    EXPECT_EQ(lines[0], "Les infos Képlériennes ne sont plus disponibles a la NASA sous forme 2Lignes.");
    EXPECT_TRUE(lines[1].endsWith(" récupère les éléments auprès de la"));
    EXPECT_EQ(lines[2], "NASA et les met en forme 2Lignes.");
    EXPECT_TRUE(lines[3].contains("https://celestrak.org/NORAD/elements/"));
    EXPECT_TRUE(lines[4].contains("https://www.space-track.org/auth/createAccount"));
    EXPECT_EQ(lines[5], "pour être autorisé a télécharger les TLE.");
    EXPECT_FALSE(elementSourcesMessage().endsWith("\n"));
}

} // namespace
} // namespace orvanta
