#include "data/frequences_sat_window.h"
#include "data/frequency_file_report.h"
#include "station_folder.h"
#include "support/fakes.h"
#include "window_driver.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace orvanta {
namespace {

using test::click;
using test::clickRow;
using test::control;

const QString cfg = QStringLiteral("Frequences.cfg");

class FrequencyEditorWindow : public ::testing::Test {
protected:
    test::StationFolder folder;
    test::FakeTrackingTimer timer;
    test::RecordingMessageBoxes messages;
    FrequencyFileReport report{messages};
    FrequencesSatWindow editor{folder.path(), timer, messages, report};

    QLineEdit *box(const char *name) { return control<QLineEdit>(editor, name); }
    QRadioButton *mode(int n)
    {
        return control<QRadioButton>(editor, QStringLiteral("ModeDuSat_%1").arg(n).toLatin1().constData());
    }
    QListWidget *list() { return control<QListWidget>(editor, "List1"); }
    void writeFourRecords()
    {
        folder.writeLines(cfg, {"SO-50", "436.795", "Mode B", "AO-51", "145.8", "Mode B", "FO-29", "435.85",
                                "Mode C", "NOAA 19", "137.1", "Mode A"});
    }
};

TEST_F(FrequencyEditorWindow, OpeningRewritesTheFileSortedWithThreeDecimals)
{
    writeFourRecords();
    editor.ouvrir();
    EXPECT_TRUE(editor.isVisible());
    EXPECT_EQ(editor.windowTitle(), "Parametres Satellites");
    EXPECT_FALSE(timer.active);
    EXPECT_EQ(folder.lines(cfg), (QStringList{"AO-51          ", "145.800", "Mode B", "FO-29          ", "435.850",
                                              "Mode C", "NOAA 19        ", "137.100", "Mode A",
                                              "SO-50          ", "436.795", "Mode B"}));
    ASSERT_EQ(list()->count(), 4);
    EXPECT_EQ(list()->item(0)->text(), "AO-51          ,145.8     ,Mode B");
    EXPECT_EQ(list()->currentRow(), -1);
    EXPECT_EQ(box("NomDuSat")->text(), "AO-51          ");
    EXPECT_EQ(box("FreqDuSat")->text(), "145.800");
    EXPECT_TRUE(mode(2)->isChecked());
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(FrequencyEditorWindow, OpeningNeverRoundsAFrequencyAway)
{
    folder.writeLines(cfg, {"AO-51", "145.8255", "Mode B"});
    editor.ouvrir();
    EXPECT_EQ(folder.lines(cfg), (QStringList{"AO-51          ", "145.8255", "Mode B"}));
    EXPECT_EQ(box("FreqDuSat")->text(), "145.8255");
}

TEST_F(FrequencyEditorWindow, SavingWithoutAClickWritesTheShortestForm)
{
    writeFourRecords();
    editor.ouvrir();
    click(editor, "Enregistrer");
    EXPECT_FALSE(editor.isVisible());
    EXPECT_TRUE(timer.active);
    EXPECT_EQ(folder.lines(cfg), (QStringList{"AO-51          ", "145.8     ", "Mode B", "FO-29          ",
                                              "435.85    ", "Mode C", "NOAA 19        ", "137.1     ", "Mode A",
                                              "SO-50          ", "436.795   ", "Mode B"}));
}

TEST_F(FrequencyEditorWindow, SavingTheThirdRecordChangesOnlyIt)
{
    writeFourRecords();
    editor.ouvrir();
    clickRow(editor, "List1", 2);
    EXPECT_EQ(box("NomDuSat")->text(), "NOAA 19        ");
    EXPECT_EQ(box("FreqDuSat")->text(), "137.100");
    EXPECT_TRUE(mode(1)->isChecked());
    mode(2)->click();
    click(editor, "Enregistrer");
    EXPECT_EQ(folder.lines(cfg), (QStringList{"AO-51          ", "145.8     ", "Mode B", "FO-29          ",
                                              "435.85    ", "Mode C", "NOAA 19        ", "137.1     ", "Mode B",
                                              "SO-50          ", "436.795   ", "Mode B"}));
}

TEST_F(FrequencyEditorWindow, SavingKeepsEveryByteOfTheOtherRecords)
{
    // Only blanks around a name carry no meaning; a no-break space or a tab is kept.
    const QString kept = QString::fromLatin1("NOAA 19\xa0");
    folder.writeLines(cfg, {"AO-51", "145.8", "Mode B", kept, "137.1", "Mode A", "ZZ\t", "1", "Mode A"});
    editor.ouvrir();
    const QStringList opened = folder.lines(cfg);
    EXPECT_EQ(opened[3], kept.leftJustified(15));
    EXPECT_EQ(opened[6], QString("ZZ\t").leftJustified(15));
    clickRow(editor, "List1", 0);
    box("FreqDuSat")->setText("145.9");
    click(editor, "Enregistrer");
    const QStringList saved = folder.lines(cfg);
    ASSERT_EQ(saved.size(), 9);
    EXPECT_EQ(saved[1], "145.9     ");
    EXPECT_EQ(saved[3], opened[3]);
    EXPECT_EQ(saved[6], opened[6]);
}

TEST_F(FrequencyEditorWindow, RenamingKeepsTheRecordAndLongNamesStayWhole)
{
    writeFourRecords();
    editor.ouvrir();
    clickRow(editor, "List1", 1);
    box("NomDuSat")->setText("FO-29 (JAS-2)");
    box("FreqDuSat")->setText("435.9");
    click(editor, "Enregistrer");
    QStringList lines = folder.lines(cfg);
    ASSERT_EQ(lines.size(), 12);
    EXPECT_EQ(lines.mid(3, 3), (QStringList{"FO-29 (JAS-2)  ", "435.9     ", "Mode C"}));

    editor.ouvrir();
    clickRow(editor, "List1", 1);
    box("NomDuSat")->setText("TECHSAT 1B (GO-32)");
    click(editor, "Enregistrer");
    EXPECT_EQ(folder.lines(cfg).mid(3, 3), (QStringList{"NOAA 19        ", "137.1     ", "Mode A"}));
    EXPECT_EQ(folder.lines(cfg).mid(9, 3), (QStringList{"TECHSAT 1B (GO-32)", "435.9     ", "Mode C"}));
    editor.ouvrir();
    EXPECT_EQ(list()->item(3)->text(), "TECHSAT 1B (GO-32),435.9     ,Mode C");
}

TEST_F(FrequencyEditorWindow, UnknownModeLeavesThePreviousOption)
{
    folder.writeLines(cfg, {"AO-51", "145.8", "Mode B", "ZZ-1", "145.9", "Mode X"});
    editor.ouvrir();
    clickRow(editor, "List1", 1);
    EXPECT_TRUE(mode(2)->isChecked());
    click(editor, "Enregistrer");
    EXPECT_EQ(folder.lines(cfg).last(), "Mode B");
}

TEST_F(FrequencyEditorWindow, EmptyTableSavesAnEmptyFile)
{
    editor.ouvrir();
    EXPECT_EQ(list()->count(), 0);
    EXPECT_FALSE(QFile::exists(folder.file(cfg))); // nothing to normalise
    box("NomDuSat")->setText("AO-51");
    box("FreqDuSat")->setText("145.8");
    click(editor, "Enregistrer");
    EXPECT_TRUE(QFile::exists(folder.file(cfg)));
    EXPECT_TRUE(folder.read(cfg).isEmpty());
}

TEST_F(FrequencyEditorWindow, CloseBoxDropsTheEditAndRestartsTracking)
{
    writeFourRecords();
    editor.ouvrir();
    const QByteArray opened = folder.read(cfg);
    box("FreqDuSat")->setText("999.9");
    editor.close();
    EXPECT_FALSE(editor.isVisible());
    EXPECT_TRUE(timer.active);
    EXPECT_EQ(timer.stops, 1);
    EXPECT_EQ(timer.starts, 1);
    EXPECT_EQ(folder.read(cfg), opened);
}

TEST_F(FrequencyEditorWindow, RefusesWhatTheFileCannotHold)
{
    writeFourRecords();
    editor.ouvrir();
    const QByteArray opened = folder.read(cfg);
    const struct {
        const char *name;
        const char *frequency;
        const char *message;
    } cases[] = {
        {"  ", "145.8", "Entrez le nom du satellite"},
        {"AO,51", "145.8", "Le nom du satellite ne doit pas contenir de virgule"},
        {"\"AO-51", "145.8", "Le nom du satellite ne doit pas contenir de guillemet"},
        {"AO-51", "", "Entrez la frequence du satellite"},
        {"AO-51", "145,8", "La frequence doit etre un nombre en MHz, avec un point pour les decimales (par "
                           "exemple 145.800)"},
        {"AO-51", "1.2.3", "La frequence doit etre un nombre en MHz, avec un point pour les decimales (par "
                           "exemple 145.800)"},
        {"AO-51", "-145.8", "La frequence doit etre un nombre en MHz, avec un point pour les decimales (par "
                            "exemple 145.800)"},
        {"AO-51", "145.8000001", "La frequence ne doit pas depasser 10 caracteres"},
    };
    for (const auto &c : cases) {
        messages.shown.clear();
        box("NomDuSat")->setText(c.name);
        box("FreqDuSat")->setText(c.frequency);
        click(editor, "Enregistrer");
        EXPECT_EQ(messages.texts(), QStringList{c.message}) << c.name << " " << c.frequency;
        EXPECT_TRUE(editor.isVisible());
        EXPECT_EQ(folder.read(cfg), opened);
    }
    EXPECT_FALSE(timer.active);
}

TEST_F(FrequencyEditorWindow, DamagedFileIsReportedOnceAndNeverRewritten)
{
    folder.writeLines(cfg, {"SO-50", "436.795", "Mode B", "AO-51", "14x.8", "Mode B", "FO-29", "435.85", "Mode C"});
    const QByteArray damaged = folder.read(cfg);
    editor.ouvrir();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.shown[0].text.contains("l'enregistrement 2"));
    EXPECT_EQ(list()->count(), 1);
    EXPECT_EQ(folder.read(cfg), damaged);

    // Saving would drop the records past the damage: the button is off.
    EXPECT_FALSE(control<QPushButton>(editor, "Enregistrer")->isEnabled());
    click(editor, "Enregistrer");
    EXPECT_TRUE(editor.isVisible());
    editor.close();
    editor.ouvrir();
    EXPECT_EQ(messages.shown.size(), 1u) << "the same damage is not told at every opening";
    EXPECT_EQ(folder.read(cfg), damaged);

    folder.writeLines(cfg, {"SO-50", "436.795", "Mode B"});
    editor.close();
    editor.ouvrir();
    EXPECT_TRUE(control<QPushButton>(editor, "Enregistrer")->isEnabled());
}

TEST_F(FrequencyEditorWindow, ClickShowsTheClickedRecordWhenTheFileCouldNotBeSorted)
{
    folder.writeLines(cfg, {"SO-50", "436.795", "Mode B", "AO-51", "145.8", "Mode B", "FO-29", "4x5.85", "Mode C"});
    editor.ouvrir();
    clickRow(editor, "List1", 0);
    EXPECT_EQ(box("NomDuSat")->text(), "AO-51          ");
    EXPECT_EQ(box("FreqDuSat")->text(), "145.800");
    clickRow(editor, "List1", 1);
    EXPECT_EQ(box("NomDuSat")->text(), "SO-50          ");

    // The open could not rewrite the file in the list's order; a later save can.
    folder.writeLines(cfg, {"SO-50", "436.795", "Mode B", "AO-51", "145.8", "Mode B"});
    messages.shown.clear();
    {
        test::FileSizeLimit limit;
        editor.close();
        editor.ouvrir();
    }
    ASSERT_EQ(messages.shown.size(), 1u);
    clickRow(editor, "List1", 0);
    EXPECT_EQ(box("NomDuSat")->text(), "AO-51          ");
    box("FreqDuSat")->setText("145.9");
    click(editor, "Enregistrer");
    EXPECT_EQ(folder.lines(cfg), (QStringList{"AO-51          ", "145.9     ", "Mode B", "SO-50          ",
                                              "436.795   ", "Mode B"}));
}

TEST_F(FrequencyEditorWindow, FailedSaveKeepsTheOldFileAndSaysWhy)
{
    writeFourRecords();
    editor.ouvrir();
    const QByteArray opened = folder.read(cfg);
    box("FreqDuSat")->setText("145.9");
    {
        test::FileSizeLimit limit;
        click(editor, "Enregistrer");
    }
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.shown[0].text.startsWith("Le fichier Frequences.cfg n'a pas pu etre enregistre ("));
    EXPECT_EQ(folder.read(cfg), opened);
    EXPECT_TRUE(editor.isVisible());
}

} // namespace
} // namespace orvanta
