#include "app/satellite_list_marks.h"

#include <QCoreApplication>
#include <QListWidget>

#include <gtest/gtest.h>

namespace orvanta {
namespace {

// A catalogue's list is marked a slice at a time; the operator's current row
// stays, and a new marking (other lookups) restarts from the top.
TEST(SatelliteListMarks, ALargeListIsMarkedOverSeveralTurnsAndOnlyWhereSomethingChanged)
{
    QListWidget list;
    const int rows = SatelliteListMarks::kRowsPerTurn * 2 + 600;
    for (int i = 0; i < rows; ++i)
        list.addItem(QString::number(i + 1));
    list.setCurrentRow(1500);
    SatelliteListMarks marks({&list}, nullptr);
    const auto numberOf = [](const QString &name) { return name.toLong(); };
    const auto dead = [](long number) { return number == 2500 ? SatelliteStatus::Dead : SatelliteStatus::Alive; };
    int numbersChanged = 0;
    const auto counted = [&] { ++numbersChanged; };

    marks.mark(numberOf, dead, Qt::gray, false, counted);
    EXPECT_EQ(list.item(0)->toolTip(), "n° 1");
    EXPECT_TRUE(list.item(rows - 1)->toolTip().isEmpty()) << "the rest waits for the next turns";
    EXPECT_TRUE(marks.busy());
    while (marks.busy())
        QCoreApplication::processEvents();
    EXPECT_EQ(list.item(rows - 1)->toolTip(), QString("n° %1").arg(rows));
    EXPECT_EQ(list.item(2499)->toolTip(), "n° 2500, hors service selon SatNOGS DB");
    EXPECT_NE(list.item(2499)->foreground(), list.item(2498)->foreground());
    EXPECT_EQ(numbersChanged, 1);

    // Same numbers, one status back in service: that item alone is written.
    list.item(10)->setToolTip("left alone");
    marks.mark(numberOf, dead, Qt::gray, false, counted);
    marks.mark(numberOf, [](long) { return SatelliteStatus::Alive; }, Qt::gray, true, counted);
    EXPECT_FALSE(marks.busy());
    EXPECT_EQ(list.item(10)->toolTip(), "left alone");
    EXPECT_EQ(list.item(2499)->toolTip(), "n° 2500");
    EXPECT_EQ(list.item(2499)->foreground(), list.item(2498)->foreground());
    EXPECT_EQ(numbersChanged, 1);
    EXPECT_EQ(list.currentRow(), 1500);

    // A number that changed under the same name is told once all is marked.
    marks.mark([](const QString &name) { return name.toLong() + (name == "7" ? 100 : 0); },
               [](long) { return SatelliteStatus::Alive; }, Qt::gray, true, counted);
    EXPECT_EQ(list.item(6)->data(Qt::UserRole).toLongLong(), 107);
    EXPECT_EQ(numbersChanged, 2);
}

} // namespace
} // namespace orvanta
