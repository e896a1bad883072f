#include "app/main_window.h"
#include "app/station_clock.h"
#include "app/station_options.h"
#include "config/configuration.h"
#include "support/fakes.h"

#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

namespace orvanta {
namespace {

TEST(MainWindow, ShowsTheLoadedTitleAndTheClock)
{
    MainWindow window;
    test::MemorySettingsStore store;
    test::RecordingSerialLine receiverLine;
    test::RecordingSerialLine rotorLine;
    ConfigStation config;
    ConfigContext context{store, window, receiverLine, rotorLine, nullptr};
    Charge_Config(config, context);
    EXPECT_EQ(window.findChild<QLabel *>("Titre")->text(),
              "Poursuite satellite avec interface Fodtrack et RX AR5000");

    test::FakeClock utc;
    utc.now = QDateTime(QDate(2026, 12, 6), QTime(9, 5, 3), Qt::UTC);
    StationClock clock(utc, [&](const QString &c, const QString &t) { window.setControlText(c, t); });
    window.startClock(clock);
    QTimer *timer2 = window.findChild<QTimer *>("Timer2");
    ASSERT_NE(timer2, nullptr);
    EXPECT_EQ(timer2->interval(), 500);
    QMetaObject::invokeMethod(timer2, "timeout");
    EXPECT_EQ(window.findChild<QLineEdit *>("Time_UTC")->text(), "09:05:03");
    EXPECT_EQ(window.findChild<QLineEdit *>("Date")->text(), "06/12/26");
}

TEST(StationOptions, StationFolderAndSettingsFileFromTheCommandLine)
{
    QTemporaryDir dir;
    QString error;
    const auto options = parseStationOptions({"orvanta", "--station", dir.path(), "--settings", "/tmp/o.ini"}, &error);
    ASSERT_TRUE(options.has_value()) << error.toStdString();
    EXPECT_EQ(options->stationFolder, dir.path());
    EXPECT_EQ(options->settingsFile, "/tmp/o.ini");

    EXPECT_FALSE(parseStationOptions({"orvanta", "--station"}, &error));
    EXPECT_TRUE(error.contains("--station"));
    EXPECT_FALSE(parseStationOptions({"orvanta", "--bogus", "x"}, &error));
    EXPECT_FALSE(parseStationOptions({"orvanta", "--station", dir.filePath("absent")}, &error));
    EXPECT_TRUE(error.contains("absent"));
}

} // namespace
} // namespace orvanta
