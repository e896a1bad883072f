#include "station_harness.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace orvanta {
namespace {

using test::StationHarness;

QStringList keys(const test::MemorySettingsStore &store, const QString &section)
{
    QStringList out;
    for (const auto &entry : store.section("Orvanta", section))
        out << entry.key + "=" + entry.value;
    out.sort();
    return out;
}

void doubleClick(MainWindow &window, const QString &list, int row)
{
    auto *widget = window.findChild<QListWidget *>(list);
    emit widget->itemDoubleClicked(widget->item(row));
}

TEST(Banks, StartUpLoadsBankOneAndListsEverySatelliteOfTheComponent)
{
    StationHarness h;
    h.bank(1, {"ISS (ZARYA)", "OSCAR 7 (AO-7)", "NOT IN THE FILES"});
    h.store.save("Orvanta", "Banque1", "Satellite 4", "ignored past the count");
    h.start();
    const int all = h.station->component()->satcount();
    ASSERT_GT(all, 10);
    const QStringList selected = h.lines("Sat_Select");
    EXPECT_EQ(selected, (QStringList{"ISS (ZARYA)", "NOT IN THE FILES", "OSCAR 7 (AO-7)"}));
    // Every satellite is either available or selected: none is lost, the last one included.
    EXPECT_EQ(h.lines("ListeSat").size(), all - 2);
    const QString last = QString::fromStdString(h.station->component()->names().back());
    EXPECT_TRUE(h.lines("ListeSat").contains(last) || selected.contains(last));
    QStringList sorted = h.lines("ListeSat");
    std::sort(sorted.begin(), sorted.end(), [](const QString &a, const QString &b) {
        return QString::compare(a, b, Qt::CaseInsensitive) < 0;
    });
    EXPECT_EQ(h.lines("ListeSat"), sorted);
    EXPECT_EQ(h.window().findChild<QListWidget *>("ListeSat")->currentRow(), 0);
}

TEST(Banks, SavedShrunkAndReloadedWithExactKeys)
{
    StationHarness h;
    h.bank(2, {"A", "B", "C", "D", "E"});
    h.start();
    h.click("Bank_2");
    EXPECT_EQ(h.lines("Sat_Select").size(), 5);

    doubleClick(h.window(), "Sat_Select", 4);
    doubleClick(h.window(), "Sat_Select", 3);
    doubleClick(h.window(), "Sat_Select", 2);
    h.click("Enregistrer");
    EXPECT_EQ(keys(h.store, "Banque2"), (QStringList{"Nombre de Satellites=2", "Satellite 1=A", "Satellite 2=B"}));
    EXPECT_EQ(h.station->config().Nb_Sat_Banque2, 2.0f);

    h.click("Bank_1");
    EXPECT_TRUE(h.lines("Sat_Select").isEmpty());
    h.click("Bank_2");
    EXPECT_EQ(h.lines("Sat_Select"), (QStringList{"A", "B"}));

    // An empty selection saved, then loaded.
    doubleClick(h.window(), "Sat_Select", 0);
    doubleClick(h.window(), "Sat_Select", 0);
    h.click("Enregistrer");
    EXPECT_EQ(keys(h.store, "Banque2"), QStringList{"Nombre de Satellites=0"});
    h.click("Bank_2");
    EXPECT_TRUE(h.lines("Sat_Select").isEmpty());
    // The list comes again from the component: names of no satellite are gone.
    EXPECT_EQ(h.lines("ListeSat").size(), h.station->component()->satcount());
}

TEST(Banks, ABankClickTreatsTheNextSatelliteAsNew)
{
    StationHarness h;
    h.start();
    // Nothing in view at the first tick, then programming on and off: neither flag is left.
    h.click("Prog_RX_2");
    h.click("Prog_RX_1");
    ASSERT_FALSE(h.station->tracking().state().Nouveau_Sat || h.station->tracking().state().Sat_Suivi);
    h.window().findChild<QLineEdit *>("Sat_Sel")->setText("X");
    h.click("Bank_3");
    EXPECT_TRUE(h.station->tracking().state().Nouveau_Sat);
    EXPECT_TRUE(h.station->tracking().state().Sat_Suivi);
    EXPECT_EQ(h.text("Sat_Sel"), "");
}

TEST(Banks, PickingASatelliteWithAFrequencyOpensNoDialog)
{
    StationHarness h;
    h.start();
    const int row = h.lines("ListeSat").indexOf("ISS (ZARYA)");
    ASSERT_GE(row, 0);
    doubleClick(h.window(), "ListeSat", row);
    EXPECT_EQ(h.lines("Sat_Select"), QStringList{"ISS (ZARYA)"});
    EXPECT_FALSE(h.lines("ListeSat").contains("ISS (ZARYA)"));
    EXPECT_FALSE(h.window().findChild<QWidget *>("Ajout_Frequence")->isVisible());
    EXPECT_TRUE(h.window().timer1().isActive());
}

// A full catalogue holds thousands of objects: the filter box keeps the rows
// that match a name or a catalogue number, and a row is still the banks' row.
TEST(Banks, TheFilterMatchesANameOrACatalogueNumberAsYouType)
{
    StationHarness h;
    h.start();
    auto *list = h.window().findChild<QListWidget *>("ListeSat");
    auto *filter = h.window().findChild<QLineEdit *>("Filtre_Sat");
    ASSERT_NE(filter, nullptr);
    const auto shown = [list] {
        QStringList out;
        for (int row = 0; row < list->count(); ++row) {
            if (!list->item(row)->isHidden())
                out << list->item(row)->text();
        }
        return out;
    };
    QTest::keyClicks(filter, "255");
    EXPECT_EQ(shown(), QStringList{"ISS (ZARYA)"});
    filter->setText("  ao- ");
    EXPECT_EQ(shown(), (QStringList{"EYESAT A (AO-27)", "OSCAR 7 (AO-7)", "PHASE 3B (AO-10)"}));
    filter->setText("07530");
    EXPECT_TRUE(shown().isEmpty()) << "numbers are matched as numbers";
    filter->setText("7530");
    EXPECT_EQ(shown(), QStringList{"OSCAR 7 (AO-7)"});

    const int row = h.lines("ListeSat").indexOf("OSCAR 7 (AO-7)");
    EXPECT_EQ(list->item(row)->toolTip(), "n° 7530");
    doubleClick(h.window(), "ListeSat", row);
    EXPECT_EQ(h.lines("Sat_Select"), QStringList{"OSCAR 7 (AO-7)"});
    EXPECT_EQ(h.window().findChild<QListWidget *>("Sat_Select")->item(0)->toolTip(), "n° 7530");
    EXPECT_TRUE(shown().isEmpty()) << "the filter stays on after the lists change";
    filter->clear();
    EXPECT_EQ(shown().size(), h.station->component()->satcount() - 1);
    list->setCurrentRow(2);
    filter->setText(list->item(2)->text());
    filter->clear();
    EXPECT_EQ(list->currentRow(), 2) << "the chosen satellite stays chosen";
}

TEST(Banks, PickingASatelliteWithoutFrequencyOpensTheAddDialogWithTheTimerStopped)
{
    StationHarness h;
    h.start();
    const int row = h.lines("ListeSat").indexOf("JAS-2 (FO-29)");
    ASSERT_GE(row, 0);
    doubleClick(h.window(), "ListeSat", row);
    EXPECT_EQ(h.lines("Sat_Select"), QStringList{"JAS-2 (FO-29)"});
    auto *dialog = h.window().findChild<QWidget *>("Ajout_Frequence");
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(h.window().timer1().isActive());
    EXPECT_EQ(dialog->findChild<QLineEdit *>("Nom_Sat")->text(), "JAS-2 (FO-29)");
}

} // namespace
} // namespace orvanta
