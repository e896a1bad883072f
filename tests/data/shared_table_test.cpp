#include "data/ajout_frequence_window.h"
#include "data/frequences_sat_window.h"
#include "data/frequency_file_report.h"
#include "data/shared_tracking_timer.h"
#include "station_folder.h"
#include "support/fakes.h"
#include "window_driver.h"

#include <QLineEdit>

namespace orvanta {
namespace {

using test::click;
using test::clickRow;
using test::control;

const QString cfg = QStringLiteral("Frequences.cfg");

// The frequency editor and the add dialog are both open at times, each from
// its own menu or list; whatever the order, every record must reach the file
// exactly once.
class EditorAndAddDialog : public ::testing::Test {
protected:
    test::StationFolder folder;
    test::FakeTrackingTimer timer;
    SharedTrackingTimer shared{timer};
    test::RecordingMessageBoxes messages;
    FrequencyFileReport report{messages};
    FrequencesSatWindow editor{folder.path(), shared, messages, report};
    AjoutFrequenceWindow dialog{folder.path(), shared, messages, report};

    void SetUp() override
    {
        folder.writeLines(cfg, {"SO-50", "436.795", "Mode B", "AO-51", "145.8", "Mode B", "FO-29", "435.85",
                                "Mode C"});
    }
    void addXw2()
    {
        QTest::keyClicks(control<QLineEdit>(dialog, "F_Sat"), "145.825");
        QTest::keyClick(control<QLineEdit>(dialog, "F_Sat"), Qt::Key_Return);
        click(dialog, "Sel_Mode_4");
        click(dialog, "Enregistrement");
    }
    void editSecondFrequency()
    {
        clickRow(editor, "List1", 1); // FO-29 once sorted
        control<QLineEdit>(editor, "FreqDuSat")->setText("435.9");
        click(editor, "Enregistrer");
    }
};

const QStringList sortedWithEditAndXw2 = {"AO-51          ", "145.8     ", "Mode B", "FO-29          ",
                                          "435.9     ",       "Mode C",     "SO-50          ", "436.795   ",
                                          "Mode B",          "XW-2           ", "145.825   ", "Mode D"};

TEST_F(EditorAndAddDialog, OneAfterTheOther)
{
    ASSERT_EQ(dialog.proposeFor("XW-2"), NewSatellite::Missing);
    addXw2();
    EXPECT_EQ(folder.lines(cfg).mid(9), (QStringList{"XW-2", "145.825", "Mode D"}));

    editor.ouvrir();
    editSecondFrequency();
    EXPECT_EQ(folder.lines(cfg), sortedWithEditAndXw2);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_TRUE(timer.active);
}

TEST_F(EditorAndAddDialog, AddSavedWhileTheEditorIsOpen)
{
    editor.ouvrir();
    ASSERT_EQ(dialog.proposeFor("XW-2"), NewSatellite::Missing);
    addXw2();
    EXPECT_EQ(folder.lines(cfg),
              (QStringList{"AO-51          ", "145.800", "Mode B", "FO-29          ", "435.850", "Mode C",
                           "SO-50          ", "436.795", "Mode B", "XW-2", "145.825", "Mode D"}));
    EXPECT_FALSE(timer.active); // the editor is still open
    EXPECT_EQ(timer.stops, 1);

    editSecondFrequency();
    EXPECT_EQ(folder.lines(cfg), sortedWithEditAndXw2);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_TRUE(timer.active);
}

TEST_F(EditorAndAddDialog, EditorSavedWhileTheAddDialogWaits)
{
    ASSERT_EQ(dialog.proposeFor("XW-2"), NewSatellite::Missing);
    editor.ouvrir();
    editSecondFrequency();
    addXw2();
    EXPECT_EQ(folder.lines(cfg),
              (QStringList{"AO-51          ", "145.8", "Mode B", "FO-29          ", "435.9", "Mode C",
                           "SO-50          ", "436.795", "Mode B", "XW-2", "145.825", "Mode D"}));
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(EditorAndAddDialog, EditorOpenedOnAnEmptyTableKeepsTheAddedRecord)
{
    folder.write(cfg, {});
    editor.ouvrir();
    ASSERT_EQ(dialog.proposeFor("XW-2"), NewSatellite::Missing);
    addXw2();
    click(editor, "Enregistrer");
    EXPECT_EQ(folder.lines(cfg), (QStringList{"XW-2           ", "145.825   ", "Mode D"}));
}

TEST_F(EditorAndAddDialog, EditorRefusesWhenItsRecordWasChangedElsewhere)
{
    editor.ouvrir();
    clickRow(editor, "List1", 1);
    FrequencesSatWindow other{folder.path(), shared, messages, report};
    other.ouvrir();
    clickRow(other, "List1", 1);
    control<QLineEdit>(other, "FreqDuSat")->setText("435.7");
    click(other, "Enregistrer");
    const QByteArray saved = folder.read(cfg);

    control<QLineEdit>(editor, "FreqDuSat")->setText("435.9");
    click(editor, "Enregistrer");
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.shown[0].text.contains("a change depuis l'ouverture"));
    EXPECT_EQ(folder.read(cfg), saved);
    EXPECT_TRUE(editor.isVisible());
}

} // namespace
} // namespace orvanta
