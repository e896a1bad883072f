#include "passes/pass_planner.h"
#include "passes/planning_window.h"
#include "station_harness.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace orvanta {
namespace {

using test::StationHarness;

QString cell(QTableWidget *table, int row, int column)
{
    return table->item(row, column) ? table->item(row, column)->text() : QString();
}

TEST(Planning, TheSelectionsPassesSortedFilteredAndExportedWhileTheTickGoesOn)
{
    StationHarness h;
    h.setup("Minimum Elevation", "0");
    h.bank(1, {"ISS (ZARYA)", "OSCAR 7 (AO-7)"});
    h.at("2026-06-27T01:00:00Z");
    h.start();

    auto *open = h.window().findChild<QAction *>("Mnu_Planning");
    ASSERT_NE(open, nullptr);
    open->trigger();
    auto *window = h.window().findChild<PlanningWindow *>("Planning_Passages");
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->isModal());
    auto *state = window->findChild<QLabel *>("Planning_Etat");
    // The tick runs while the schedule is computed on its own thread.
    h.tickAt("2026-06-27T01:00:05Z");
    EXPECT_FALSE(h.lines("Detail_Pass").isEmpty());
    ASSERT_TRUE(QTest::qWaitFor([&] { return state->text().endsWith("passages") && !state->text().startsWith("Calcul"); },
                                10000))
        << state->text().toStdString();

    auto *table = window->findChild<QTableWidget *>("Planning_Table");
    const int all = table->rowCount();
    ASSERT_GT(all, 10); // two days of two satellites
    EXPECT_EQ(state->text(), QStringLiteral("%1 passages").arg(all));
    EXPECT_EQ(cell(table, 0, 1).left(5), "27/06");
    QStringList satellites;
    auto *satellite = window->findChild<QComboBox *>("Planning_Satellite");
    for (int i = 0; i < satellite->count(); ++i)
        satellites << satellite->itemText(i);
    EXPECT_EQ(satellites, (QStringList{"Tous", "ISS (ZARYA)", "OSCAR 7 (AO-7)"}));

    // Sorted by the highest elevation, as numbers: 9.5 before 10.2.
    table->sortItems(3, Qt::AscendingOrder);
    for (int r = 1; r < table->rowCount(); ++r)
        EXPECT_LE(cell(table, r - 1, 3).chopped(1).toDouble(), cell(table, r, 3).chopped(1).toDouble());

    window->findChild<QSpinBox *>("Planning_Site_Min")->setValue(30);
    ASSERT_GT(table->rowCount(), 0);
    EXPECT_LT(table->rowCount(), all);
    for (int r = 0; r < table->rowCount(); ++r)
        EXPECT_GE(cell(table, r, 3).chopped(1).toDouble(), 30.0);
    satellite->setCurrentText("ISS (ZARYA)");
    const int issHigh = table->rowCount();
    ASSERT_GT(issHigh, 0);
    for (int r = 0; r < issHigh; ++r)
        EXPECT_EQ(cell(table, r, 0), "ISS (ZARYA)");

    // The rows shown, exported.
    const QString ics = h.folder.filePath("planning.ics");
    const QString csv = h.folder.filePath("planning.csv");
    window->askPath = [&](const QString &, const QString &filter) { return filter.contains("ics") ? ics : csv; };
    window->findChild<QPushButton *>("Planning_Export_ICS")->click();
    window->findChild<QPushButton *>("Planning_Export_CSV")->click();
    QFile calendar(ics);
    ASSERT_TRUE(calendar.open(QIODevice::ReadOnly));
    const QByteArray events = calendar.readAll();
    EXPECT_TRUE(events.startsWith("BEGIN:VCALENDAR\r\n"));
    EXPECT_EQ(events.count("BEGIN:VEVENT\r\n"), issHigh);
    EXPECT_EQ(events.count("UID:25544-r"), issHigh);
    QFile table2(csv);
    ASSERT_TRUE(table2.open(QIODevice::ReadOnly));
    EXPECT_EQ(table2.readAll().count('\n'), issHigh + 1);
    EXPECT_TRUE(h.messages.shown.empty()) << h.messages.texts().join('\n').toStdString();

    // A folder that cannot be written: said, and nothing else lost.
    window->askPath = [](const QString &, const QString &) { return QStringLiteral("/nonexistent/folder/p.ics"); };
    window->findChild<QPushButton *>("Planning_Export_ICS")->click();
    ASSERT_EQ(h.messages.shown.size(), 1u);
    EXPECT_TRUE(h.messages.shown[0].text.startsWith("Le planning n'a pas pu etre ecrit"));
    window->close();
}

} // namespace
} // namespace orvanta
