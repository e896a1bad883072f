#include "data/field_reader.h"
#include "data/frequency_addition.h"
#include "data/frequency_editor.h"
#include "data/frequency_file.h"
#include "data/frequency_file_report.h"
#include "data/frequency_loader.h"
#include "station_folder.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace orvanta {
namespace {

const QString cfg = QStringLiteral("Frequences.cfg");

QStringList fieldsOf(const QString &text)
{
    QStringList out;
    FieldReader reader(text);
    while (!reader.atEnd())
        out << reader.next().text;
    return out;
}

TEST(FieldReader, SplitsAtCommasAndLineEndsAndHonoursQuotes)
{
    EXPECT_EQ(fieldsOf(QStringLiteral("  AO-51     \r\n145.800\r\nMode B\r\n")),
              (QStringList{"AO-51", "145.800", "Mode B"}));
    EXPECT_EQ(fieldsOf(QStringLiteral("Amateur.txt,Weather.txt\nLast.txt\rEnd.txt")),
              (QStringList{"Amateur.txt", "Weather.txt", "Last.txt", "End.txt"}));
    EXPECT_EQ(fieldsOf(QStringLiteral("\"A, B \" tail,C\r\n\r\nD")), (QStringList{"A, B ", "C", "", "D"}));

    LineReader lines(QStringLiteral("  AO-51  \r\n\r\n145.8"));
    EXPECT_EQ(lines.next(), QStringLiteral("  AO-51  "));
    EXPECT_EQ(lines.next(), QString());
    EXPECT_EQ(lines.next(), QStringLiteral("145.8"));
    EXPECT_TRUE(lines.atEnd());
}

TEST(FrequencySlots, RecordsGoInAndComeOutUnchangedUpToTheLastSlot)
{
    std::vector<FrequencyRecord> records;
    for (int i = 1; i <= 201; ++i)
        records.push_back({QStringLiteral("SAT-%1").arg(i), QStringLiteral(" 145.%1 ").arg(i), "Mode C"});
    FrequencyTable table;
    fillSlots(table, records);
    EXPECT_EQ(table.Index_Freq, 201);
    EXPECT_EQ(slotRecords(table, 201), std::vector<FrequencyRecord>(records.begin(), records.begin() + 200));

    fillSlots(table, {{"AO-7", "29.502", "Mode C"}});
    EXPECT_EQ(table.Index_Freq, 2);
    EXPECT_EQ(slotRecords(table, 2),
              (std::vector<FrequencyRecord>{{"AO-7", "29.502", "Mode C"}, records[1]})) << "later slots stay";
}

// The records sort as their items stand in the list, even a name longer
// than its column, whose item puts a blank where the others have a comma.
TEST(FrequencySlots, RecordsSortInTheListsOrder)
{
    const FrequencyRecord longer = slotForm({"ABCDEFGHIJKLMNO X", "145.8", "Mode B"});
    const FrequencyRecord full = slotForm({"ABCDEFGHIJKLMNO", "145.8", "Mode B"});
    const FrequencyRecord ao51 = slotForm({"AO-51", "145.8", "Mode B"});
    const FrequencyRecord ao7 = slotForm({"AO-7", "29.502", "Mode C"});
    std::vector<FrequencyRecord> records{ao7, full, ao51, longer};
    std::stable_sort(records.begin(), records.end(), listedBefore);
    EXPECT_EQ(records, (std::vector<FrequencyRecord>{longer, full, ao51, ao7}));
    EXPECT_EQ(listItem(ao7), "AO-7           ,29.502    ,Mode C");
}

class FrequencyFile : public ::testing::Test {
protected:
    test::StationFolder folder;
    FrequencyTable table;
    test::RecordingMessageBoxes messages;
    FrequencyFileReport report{messages};

    std::optional<double> lookup(const QString &name, QString *mode = nullptr)
    {
        std::optional<double> frequency;
        QString found = QStringLiteral("untouched");
        Cherche_Frequence(folder.path(), name, frequency, found);
        if (mode)
            *mode = found;
        return frequency;
    }
    FrequencyLookup lookupResult(const QString &name)
    {
        std::optional<double> frequency;
        QString mode;
        return Cherche_Frequence(folder.path(), name, frequency, mode);
    }
};

TEST_F(FrequencyFile, LookupIsExactAndTheFirstRecordWins)
{
    folder.writeLines(cfg, {"AO-51          ", "145.800", "Mode B", "SO-50", "436.795", "Mode B", "AO-51",
                            "435.300", "Mode C", "EMPTY", "", "Mode A"});
    QString mode;
    EXPECT_EQ(lookup("SO-50", &mode), 436.795);
    EXPECT_EQ(mode, "Mode B");
    EXPECT_EQ(lookup("AO-51", &mode), 145.8); // padded name line, first of two
    EXPECT_EQ(mode, "Mode B");

    EXPECT_FALSE(lookup("so-50", &mode));
    EXPECT_EQ(mode, "untouched");
    EXPECT_FALSE(lookup("EMPTY", &mode)); // an empty frequency line reads as no frequency
    EXPECT_EQ(mode, "Mode A");

    std::optional<double> kept = 1.5;
    Cherche_Frequence(folder.path(), "NONE", kept, mode);
    EXPECT_EQ(kept, 1.5);
}

TEST_F(FrequencyFile, MissingFileIsAnEmptyTable)
{
    EXPECT_FALSE(lookup("AO-51"));
    const FrequencyLoad load = Charge_Frequences(table, folder.path());
    EXPECT_TRUE(load.items.isEmpty());
    EXPECT_TRUE(load.problem.isEmpty());
    EXPECT_EQ(table.Index_Freq, 1);
    EXPECT_EQ(loadTableUnlessKnown(table, folder.path(), "AO-51", messages, report), NewSatellite::Missing);
    EXPECT_EQ(table.Nb_Freq, 0);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(FrequencyFile, LoaderPadsToTheListColumns)
{
    folder.writeLines(cfg, {"AO-51", "145.800", "Mode B"});
    table.Freq_Noms[2] = "LEFT OVER";
    const FrequencyLoad load = Charge_Frequences(table, folder.path());
    ASSERT_EQ(load.items.size(), 1);
    EXPECT_EQ(load.items[0], "AO-51          ,145.8     ,Mode B");
    EXPECT_EQ(load.items[0].size(), 33);
    EXPECT_EQ(table.Freq_Noms[1], "AO-51          ");
    EXPECT_EQ(table.Freq_Valeurs[1], "145.8     ");
    EXPECT_EQ(table.Freq_Modes[1], "Mode B");
    EXPECT_EQ(table.Index_Freq, 2);
    EXPECT_EQ(table.Freq_Noms[2], "LEFT OVER");

    folder.writeLines(cfg, {"TECHSAT 1B (GO-32)", "435.225", "Mode B", "AO-7", "29.502", "Mode C"});
    EXPECT_EQ(Charge_Frequences(table, folder.path()).items,
              (QStringList{"AO-7           ,29.502    ,Mode C", "TECHSAT 1B (GO-32),435.225   ,Mode B"}));

    folder.write(cfg, {});
    EXPECT_TRUE(Charge_Frequences(table, folder.path()).items.isEmpty());
    EXPECT_EQ(table.Index_Freq, 1);
}

TEST_F(FrequencyFile, DamagedFileIsReadAsFarAsItIsSound)
{
    const QStringList good = {"AO-51", "145.8", "Mode B", "SO-50", "436.795", "Mode B"};
    const struct {
        QStringList tail;
        const char *why;
    } cases[] = {
        {{"FO-29", "435.850"}, "est incomplet"},
        {{"FO-29", "435,850", "Mode C"}, "contient une virgule a la ligne 8"},
        {{"FO-29", "4x5.850", "Mode C"}, "n'est pas un nombre : \"4x5.850\""},
        {{"\"FO-29", "435.850", "Mode C"}, "commence par un guillemet a la ligne 7"},
    };
    for (const auto &c : cases) {
        folder.writeLines(cfg, good + c.tail);
        const FrequencyLoad load = Charge_Frequences(table, folder.path());
        EXPECT_EQ(load.items.size(), 2) << c.why;
        EXPECT_TRUE(load.problem.contains("l'enregistrement 3 (lignes 7 a 9)")) << load.problem.toStdString();
        EXPECT_TRUE(load.problem.contains(c.why)) << load.problem.toStdString();
        EXPECT_EQ(lookup("SO-50"), 436.795);
        EXPECT_FALSE(lookup("FO-29"));
        EXPECT_EQ(loadTableUnlessKnown(table, folder.path(), "SO-50", messages, report), NewSatellite::Known);
        messages.shown.clear();
        EXPECT_EQ(loadTableUnlessKnown(table, folder.path(), "XW-2", messages, report), NewSatellite::Blocked);
        EXPECT_EQ(loadTableUnlessKnown(table, folder.path(), "XW-2", messages, report), NewSatellite::Blocked);
        EXPECT_EQ(messages.texts(), QStringList{load.problem}) << "told once, not at every pick";
        messages.shown.clear();
    }
}

// The tracking tick must not ask the operator to add a frequency that the
// file may hold past a damaged record.
TEST_F(FrequencyFile, LookupTellsANameMissingFromOneHiddenByDamage)
{
    EXPECT_EQ(lookupResult("AO-51"), FrequencyLookup::NotFound) << "no file";
    folder.writeLines(cfg, {"AO-51", "145.8", "Mode B", "SO-50", "436.795", "Mode B"});
    EXPECT_EQ(lookupResult("SO-50"), FrequencyLookup::Found);
    EXPECT_EQ(lookupResult("XW-2"), FrequencyLookup::NotFound);

    folder.writeLines(cfg, {"AO-51", "145.8", "Mode B", "SO-50", "43x.795", "Mode B", "FO-29", "435.85", "Mode C"});
    QString mode;
    EXPECT_EQ(lookup("AO-51", &mode), 145.8);
    EXPECT_EQ(lookupResult("AO-51"), FrequencyLookup::Found) << "before the damage";
    EXPECT_EQ(lookupResult("FO-29"), FrequencyLookup::Damaged) << "past the damage";
    EXPECT_EQ(lookupResult("XW-2"), FrequencyLookup::Damaged);

    QFile::remove(folder.file(cfg));
    QDir(folder.path()).mkdir(cfg);
    EXPECT_EQ(lookupResult("AO-51"), FrequencyLookup::Damaged) << "unreadable";
    EXPECT_TRUE(messages.shown.empty()) << "the lookup itself says nothing";
}

// The editor, the add dialog, the picks and the lookups meet the same damage
// over and over: the operator hears of it once, and again when the file changes.
TEST_F(FrequencyFile, ADamagedFileIsToldOnceUntilItChanges)
{
    const QStringList damagedAt2 = {"AO-51", "145.8", "Mode B", "SO-50", "43x.795", "Mode B"};
    folder.writeLines(cfg, damagedAt2);
    FrequencyEditor editor(folder.path(), messages, report);
    FrequencyAddition addition(folder.path(), messages, report);
    editor.open();
    EXPECT_FALSE(editor.canSave());
    editor.open();
    EXPECT_FALSE(editor.save("AO-51", "145.9", 2));
    EXPECT_EQ(addition.prepare("XW-2"), NewSatellite::Blocked);
    EXPECT_EQ(loadTableUnlessKnown(table, folder.path(), "XW-2", messages, report), NewSatellite::Blocked);
    report.check(folder.path());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.shown[0].text.contains("l'enregistrement 2 (lignes 4 a 6)"));

    folder.writeLines(cfg, {"AO-51", "145.8", "Mode B", "SO-50", "436.795"});
    report.check(folder.path());
    report.check(folder.path());
    ASSERT_EQ(messages.shown.size(), 2u) << "the file changed";
    EXPECT_TRUE(messages.shown[1].text.contains("l'enregistrement 2 (lignes 4 a 6) est incomplet"));

    folder.writeLines(cfg, {"AO-51", "145.8", "Mode B"});
    editor.open();
    EXPECT_TRUE(editor.canSave());
    folder.writeLines(cfg, damagedAt2);
    EXPECT_EQ(addition.prepare("XW-2"), NewSatellite::Blocked);
    EXPECT_EQ(messages.shown.size(), 3u) << "damaged again after it was mended";
}

TEST_F(FrequencyFile, LineReaderLoadStopsAtTheNameOrFillsTheTable)
{
    folder.writeLines(cfg, {"AO-51          ", "145.800", "Mode B", "SO-50", " 436.795 ", "Mode B", "FO-29",
                            "435.850", "Mode C"});
    table.Nb_Freq = 7;
    EXPECT_EQ(loadTableUnlessKnown(table, folder.path(), "FO-29", messages, report), NewSatellite::Known);
    EXPECT_EQ(table.Nb_Freq, 7);

    EXPECT_EQ(loadTableUnlessKnown(table, folder.path(), "XW-2", messages, report), NewSatellite::Missing);
    EXPECT_EQ(table.Nb_Freq, 3);
    EXPECT_EQ(table.Index_Freq, 4);
    EXPECT_EQ(table.Freq_Noms[1], "AO-51          "); // lines are kept as read
    EXPECT_EQ(table.Freq_Valeurs[2], " 436.795 ");
}

TEST_F(FrequencyFile, KnownMeansTheLookupFindsIt)
{
    // A tab is part of the name for the lookup, so the satellite still needs a record.
    folder.writeLines(cfg, {"AO-51\t", "145.800", "Mode B"});
    EXPECT_FALSE(lookup("AO-51"));
    EXPECT_EQ(loadTableUnlessKnown(table, folder.path(), "AO-51", messages, report), NewSatellite::Missing);

    // A record past the table's last slot is still found.
    QStringList lines;
    for (int i = 1; i <= 230; ++i)
        lines << QStringLiteral("SAT-%1").arg(i) << "145.8" << "Mode B";
    folder.writeLines(cfg, lines);
    EXPECT_EQ(lookup("SAT-220"), 145.8);
    messages.shown.clear();
    EXPECT_EQ(loadTableUnlessKnown(table, folder.path(), "SAT-220", messages, report), NewSatellite::Known);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(FrequencyFile, AddedRecordTakesTheFirstFreeSlot)
{
    folder.writeLines(cfg, {"AO-51", "145.800", "Mode B", "SO-50", "436.795 ", "Mode B", "FO-29", "435.850",
                            "Mode C"});
    FrequencyAddition addition(folder.path(), messages, report);
    ASSERT_EQ(addition.prepare("XW-2"), NewSatellite::Missing);
    EXPECT_EQ(addition.table().Index_Freq, 4);
    EXPECT_EQ(addition.save("XW-2", "145.825", 3), FrequencyAddition::Outcome::Saved);
    EXPECT_EQ(addition.table().Nb_Freq, 4);
    EXPECT_EQ(addition.table().Freq_Noms[4], "XW-2");
    EXPECT_EQ(folder.lines(cfg).size(), 12);
    EXPECT_EQ(folder.lines(cfg)[4], "436.795"); // frequency lines are written trimmed
}

TEST_F(FrequencyFile, UnreadableFileIsReportedAndNeverReplaced)
{
    QDir(folder.path()).mkdir(cfg);
    const FrequencyLoad load = Charge_Frequences(table, folder.path());
    EXPECT_TRUE(load.problem.startsWith("Le fichier Frequences.cfg ne peut pas etre lu ("));
    EXPECT_FALSE(lookup("AO-51"));
    EXPECT_EQ(loadTableUnlessKnown(table, folder.path(), "AO-51", messages, report), NewSatellite::Blocked);
    EXPECT_EQ(messages.texts(), QStringList{load.problem});
    EXPECT_FALSE(writeFrequencyFile(folder.path(), {}, nullptr));
    EXPECT_TRUE(QFileInfo(folder.file(cfg)).isDir());
}

TEST_F(FrequencyFile, TableHoldsAtMostTwoHundredRecords)
{
    QStringList lines;
    for (int i = 1; i <= 201; ++i)
        lines << QStringLiteral("SAT-%1").arg(i) << "145.8" << "Mode B";
    folder.writeLines(cfg, lines);
    const FrequencyLoad load = Charge_Frequences(table, folder.path());
    EXPECT_EQ(load.items.size(), 200);
    EXPECT_TRUE(load.problem.contains("plus de 200"));
    EXPECT_EQ(loadTableUnlessKnown(table, folder.path(), "XW-2", messages, report), NewSatellite::Blocked);

    folder.writeLines(cfg, lines.mid(0, 600));
    EXPECT_TRUE(Charge_Frequences(table, folder.path()).problem.isEmpty());
    messages.shown.clear();
    EXPECT_EQ(loadTableUnlessKnown(table, folder.path(), "XW-2", messages, report), NewSatellite::Blocked);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.shown[0].text.contains("pleine"));
}

TEST_F(FrequencyFile, WriteKeepsEveryByteAndCrLf)
{
    const QString name = QString::fromLatin1("M\xc9T\xc9OR-M2");
    ASSERT_TRUE(writeFrequencyFile(folder.path(), {{name, "137.100", "Mode A"}}, nullptr));
    EXPECT_EQ(folder.read(cfg), QByteArray("M\xc9T\xc9OR-M2\r\n137.100\r\nMode A\r\n"));
    Charge_Frequences(table, folder.path());
    EXPECT_EQ(table.Freq_Noms[1].trimmed(), name);
}

TEST_F(FrequencyFile, FailedWriteLeavesTheOldFileWhole)
{
    folder.writeLines(cfg, {"AO-51", "145.800", "Mode B"});
    const QByteArray before = folder.read(cfg);
    QString error;
    {
        test::FileSizeLimit limit;
        EXPECT_FALSE(writeFrequencyFile(folder.path(), {{"SO-50", "436.795", "Mode B"}}, &error));
    }
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(folder.read(cfg), before);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{cfg});
}

} // namespace
} // namespace orvanta
