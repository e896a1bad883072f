#include "support/fakes.h"
#include "tracking/station_clock.h"

#include <QMap>

#include <gtest/gtest.h>

namespace orvanta {
namespace {

class StationClockTest : public ::testing::Test {
protected:
    test::FakeClock clock;
    QMap<QString, QString> boxes;
    StationClock station{clock, [this](const QString &time, const QString &date) {
                             boxes["Time_UTC"] = time;
                             boxes["Date"] = date;
                         }};

    void at(int y, int mo, int d, int h, int mi, int s, int ms = 0)
    {
        clock.now = QDateTime(QDate(y, mo, d), QTime(h, mi, s, ms), Qt::UTC);
    }
};

TEST_F(StationClockTest, TimeHasNoLeadingZerosAndTheBoxesHaveThem)
{
    at(2026, 12, 6, 0, 0, 5);
    station.Lire_Heure_UTC();
    EXPECT_EQ(station.Heure_UTC(), "0:0:5");
    EXPECT_EQ(station.Date_UTC(), "06/12/26");
    EXPECT_EQ(boxes["Time_UTC"], "00:00:05");
    EXPECT_EQ(boxes["Date"], "06/12/26");

    at(2026, 12, 6, 9, 5, 3);
    station.Lire_Heure_UTC();
    EXPECT_EQ(station.Heure_UTC(), "9:5:3");
    EXPECT_EQ(boxes["Time_UTC"], "09:05:03");
}

TEST_F(StationClockTest, AroundMidnightTimeAndDateComeFromOneReading)
{
    at(2026, 12, 31, 23, 59, 59, 999);
    station.Lire_Heure_UTC();
    EXPECT_EQ(clock.readings, 1);
    EXPECT_EQ(station.Heure_UTC(), "23:59:59");
    EXPECT_EQ(station.Date_UTC(), "31/12/26");
    EXPECT_EQ(station.Maintenant_UTC(), QDateTime(QDate(2026, 12, 31), QTime(23, 59, 59), Qt::UTC));

    at(2027, 1, 1, 0, 0, 0, 1);
    station.Lire_Heure_UTC();
    EXPECT_EQ(station.Heure_UTC(), "0:0:0");
    EXPECT_EQ(station.Date_UTC(), "01/01/27");
    EXPECT_EQ(station.Maintenant_UTC(), QDateTime(QDate(2027, 1, 1), QTime(0, 0, 0), Qt::UTC));
}

TEST_F(StationClockTest, AClockGivenInAnotherZoneIsShownInUtc)
{
    clock.now = QDateTime(QDate(2026, 6, 27), QTime(2, 30, 0), Qt::OffsetFromUTC, 3 * 3600);
    station.Lire_Heure_UTC();
    EXPECT_EQ(station.Heure_UTC(), "23:30:0");
    EXPECT_EQ(station.Date_UTC(), "26/06/26");
}

} // namespace
} // namespace orvanta
