#include "app/main_menus.h"
#include "app/main_window.h"
#include "app/station_options.h"
#include "config/configuration.h"
#include "tracking/station_clock.h"
#include "station_harness.h"
#include "support/fakes.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <set>

namespace orvanta {
namespace {

TEST(MainWindow, ShowsTheLoadedTitleAndTheClock)
{
    test::StationHarness h;
    h.at("2026-12-06T09:05:02Z");
    h.start();
    EXPECT_EQ(h.text("Titre"), "Poursuite satellite avec interface Fodtrack et RX AR5000");

    h.at("2026-12-06T09:05:03Z");
    QTimer *timer2 = h.window().findChild<QTimer *>("Timer2");
    ASSERT_NE(timer2, nullptr);
    EXPECT_EQ(timer2->interval(), 500);
    EXPECT_TRUE(timer2->isActive());
    QMetaObject::invokeMethod(timer2, "timeout");
    EXPECT_EQ(h.text("Time_UTC"), "09:05:03");
    EXPECT_EQ(h.text("Date"), "06/12/26");
}

TEST(MainWindow, ADopplerValueOfAnotherWidthMovesNoFrame)
{
    MainWindow window;
    window.show();
    const auto frames = [&window] {
        for (int i = 0; i < 3; ++i)
            QCoreApplication::processEvents();
        QList<QRect> geometries;
        for (const QGroupBox *box : window.findChildren<QGroupBox *>())
            geometries << box->geometry();
        return geometries;
    };
    window.showDopplerShift(std::nullopt);
    const QList<QRect> before = frames();
    for (const double shift : {-0.5, -123.4, 12.0}) {
        window.showDopplerShift(shift);
        EXPECT_EQ(frames(), before) << shift;
    }
}

// New elements bring one satellite and drop another: the rows kept keep their
// items, so the operator's row stays on its satellite.
TEST(MainWindow, SatellitesThatComeAndGoLeaveTheOperatorsRow)
{
    MainWindow window;
    auto *list = window.findChild<QListWidget *>("ListeSat");
    const auto numberOf = [](const QString &name) { return long(name.size()); };
    const auto alive = [](long) { return SatelliteStatus::Alive; };
    window.showSatelliteLists({"AO-7", "FO-29", "ISS", "SO-50"}, {"AO-27"}, numberOf, alive);
    list->setCurrentRow(2);
    QListWidgetItem *iss = list->item(2);

    window.showSatelliteLists({"AO-7", "AO-91", "ISS", "SO-50"}, {"AO-27"}, numberOf, alive);
    QStringList shown;
    for (int row = 0; row < list->count(); ++row)
        shown << list->item(row)->text();
    EXPECT_EQ(shown, (QStringList{"AO-7", "AO-91", "ISS", "SO-50"}));
    EXPECT_EQ(list->currentItem(), iss);
    EXPECT_EQ(list->item(1)->toolTip(), "n° 5");
}

TEST(MainMenus, EachMenuBarEntryHasItsOwnMnemonicAndKeepsItsCaption)
{
    QMenuBar bar;
    buildMainMenus(bar);
    QStringList captions;
    std::set<int> keys;
    for (const QAction *action : bar.actions()) {
        const QKeySequence key = QKeySequence::mnemonic(action->text());
        EXPECT_FALSE(key.isEmpty()) << action->text().toStdString();
        if (!key.isEmpty())
            keys.insert(key[0].toCombined());
        captions << QString(action->text()).remove('&');
    }
    EXPECT_EQ(keys.size(), size_t(bar.actions().size()));
    EXPECT_EQ(captions, (QStringList{"Configuration", "Selection", "Satellites", "Elements", "Transpondeurs", "Calibration",
                                     "Ciel", "Carte",
                                     "Aide"}));
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

TEST(StationOptions, HelpPrintsTheUsageWithoutADisplay)
{
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("DISPLAY");
    environment.remove("WAYLAND_DISPLAY");
    environment.remove("QT_QPA_PLATFORM");
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(ORVANTA_BINARY_DIR "/src/app/orvanta"), {"--help"});
    ASSERT_TRUE(program.waitForFinished(10000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0);
    const QString out = QString::fromUtf8(program.readAllStandardOutput());
    EXPECT_TRUE(out.startsWith("usage: orvanta")) << out.toStdString();
    EXPECT_TRUE(out.contains("--station")) << out.toStdString();
}

} // namespace
} // namespace orvanta
