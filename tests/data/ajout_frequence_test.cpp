#include "data/ajout_frequence_window.h"
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
using test::control;

const QString cfg = QStringLiteral("Frequences.cfg");
const QStringList threeRecords = {"AO-51          ", "145.800", "Mode B", "SO-50", "436.795", "Mode B",
                                  "FO-29", "435.850", "Mode C"};

class AddFrequencyDialog : public ::testing::Test {
protected:
    test::StationFolder folder;
    test::FakeTrackingTimer timer;
    test::RecordingMessageBoxes messages;
    FrequencyFileReport report{messages};
    AjoutFrequenceWindow dialog{folder.path(), timer, messages, report};

    QLineEdit *frequency() { return control<QLineEdit>(dialog, "F_Sat"); }
    QPushButton *save() { return control<QPushButton>(dialog, "Enregistrement"); }
    void type(const QString &text)
    {
        QTest::keyClicks(frequency(), text);
        QTest::keyClick(frequency(), Qt::Key_Return);
    }
};

TEST_F(AddFrequencyDialog, AppendsTheNewRecordLast)
{
    folder.writeLines(cfg, threeRecords);
    EXPECT_EQ(dialog.proposeFor("XW-2"), NewSatellite::Missing);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.windowTitle(), "Ajout Frequence");
    EXPECT_FALSE(timer.active);
    EXPECT_EQ(control<QLineEdit>(dialog, "Nom_Sat")->text(), "XW-2");
    EXPECT_FALSE(control<QLineEdit>(dialog, "Nom_Sat")->isEnabled());
    EXPECT_TRUE(control<QRadioButton>(dialog, "Sel_Mode_1")->isChecked());
    EXPECT_FALSE(save()->isEnabled());

    QTest::keyClicks(frequency(), "145.8");
    click(dialog, "Enregistrement");
    EXPECT_TRUE(dialog.isVisible()); // a disabled button does nothing
    QTest::keyClick(frequency(), Qt::Key_Return);
    EXPECT_TRUE(save()->isEnabled());
    EXPECT_EQ(dialog.focusWidget(), save());
    EXPECT_EQ(frequency()->text(), "145.8");

    click(dialog, "Sel_Mode_2");
    click(dialog, "Enregistrement");
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_TRUE(timer.active);
    EXPECT_FALSE(save()->isEnabled());
    EXPECT_EQ(folder.lines(cfg), threeRecords + QStringList({"XW-2", "145.8", "Mode B"}));
    EXPECT_EQ(folder.read(cfg).count("\r\n"), 12);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(AddFrequencyDialog, CapitalisesLettersAndKeepsOtherCharacters)
{
    dialog.proposeFor("XW-2");
    QTest::keyClicks(frequency(), "abc,z1.#");
    EXPECT_EQ(frequency()->text(), "ABC,Z1.#");
}

TEST_F(AddFrequencyDialog, RefusesAnEmptyOrMalformedFrequency)
{
    folder.writeLines(cfg, threeRecords);
    const QByteArray before = folder.read(cfg);
    dialog.proposeFor("XW-2");
    const struct {
        const char *typed;
        const char *message;
    } cases[] = {
        {"", "Entrez la frequence du satellite"},
        {"145,8", "La frequence doit etre un nombre en MHz, avec un point pour les decimales (par exemple "
                  "145.800)"},
        {"abc", "La frequence doit etre un nombre en MHz, avec un point pour les decimales (par exemple "
                "145.800)"},
        {"1234567.8901", "La frequence ne doit pas depasser 10 caracteres"},
    };
    for (const auto &c : cases) {
        messages.shown.clear();
        frequency()->clear();
        type(c.typed);
        click(dialog, "Enregistrement");
        EXPECT_EQ(messages.texts(), QStringList{c.message}) << c.typed;
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_FALSE(timer.active);
        EXPECT_EQ(folder.read(cfg), before);
    }
}

TEST_F(AddFrequencyDialog, EnterOnTheButtonPressesItEachTime)
{
    folder.writeLines(cfg, threeRecords);
    dialog.proposeFor("XW-2");
    type("145,8");
    ASSERT_EQ(dialog.focusWidget(), save());
    QTest::keyClick(save(), Qt::Key_Return);
    EXPECT_EQ(messages.shown.size(), 1u); // refused: the dialog stays for a correction
    EXPECT_TRUE(dialog.isVisible());
    frequency()->clear();
    type("145.8");
    QTest::keyClick(save(), Qt::Key_Return);
    EXPECT_FALSE(dialog.isVisible());

    dialog.proposeFor("XW-3");
    type("435.1");
    QTest::keyClick(save(), Qt::Key_Enter);
    EXPECT_FALSE(dialog.isVisible());
    const QStringList lines = folder.lines(cfg);
    ASSERT_EQ(lines.size(), threeRecords.size() + 6);
    EXPECT_EQ(lines[9], "XW-2");
    EXPECT_EQ(lines[12], "XW-3");
}

TEST_F(AddFrequencyDialog, CloseBoxIsRefused)
{
    dialog.proposeFor("XW-2");
    dialog.close();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(messages.texts(), QStringList{"Utilisez la touche Enregistrement"});
}

TEST_F(AddFrequencyDialog, StaysClosedForAKnownOrUnfitSatellite)
{
    folder.writeLines(cfg, threeRecords);
    EXPECT_EQ(dialog.proposeFor("SO-50"), NewSatellite::Known);
    EXPECT_EQ(dialog.proposeFor("BAD,NAME"), NewSatellite::Blocked);
    EXPECT_EQ(messages.texts(), QStringList{"BAD,NAME ne peut pas etre ajoute a Frequences.cfg :\r\n"
                                            "Le nom du satellite ne doit pas contenir de virgule"});
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(timer.stops, 0);
}

TEST_F(AddFrequencyDialog, TwoHundredAndFirstRecordIsRefused)
{
    QStringList full;
    for (int i = 1; i <= 200; ++i)
        full << QStringLiteral("SAT-%1").arg(i) << "145.8" << "Mode B";
    folder.writeLines(cfg, full.mid(0, 597));
    ASSERT_EQ(dialog.proposeFor("XW-2"), NewSatellite::Missing);

    // The file filled up while the dialog waited.
    folder.writeLines(cfg, full);
    const QByteArray before = folder.read(cfg);
    type("145.8");
    click(dialog, "Enregistrement");
    EXPECT_EQ(messages.texts(),
              QStringList{"La table des frequences est pleine (200 satellites) : XW-2 ne peut pas y etre ajoute."});
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_TRUE(timer.active);
    EXPECT_EQ(folder.read(cfg), before);

    messages.shown.clear();
    EXPECT_EQ(dialog.proposeFor("XW-3"), NewSatellite::Blocked);
    EXPECT_EQ(messages.shown.size(), 1u);
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(AddFrequencyDialog, FailedWriteKeepsTheOldFile)
{
    folder.writeLines(cfg, threeRecords);
    const QByteArray before = folder.read(cfg);
    dialog.proposeFor("XW-2");
    type("145.8");
    {
        test::FileSizeLimit limit;
        click(dialog, "Enregistrement");
    }
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.shown[0].text.startsWith("Le fichier Frequences.cfg n'a pas pu etre enregistre ("));
    EXPECT_EQ(folder.read(cfg), before);
}

} // namespace
} // namespace orvanta
