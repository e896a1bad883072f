#include "app/main_menus.h"
#include "config/config_view.h"
#include "config/configuration.h"
#include "config/device_menus.h"
#include "platform/qt_serial_line.h"
#include "support/fakes.h"
#include "support/pty.h"

#include <QAction>
#include <QMainWindow>
#include <QMenuBar>

#include <gtest/gtest.h>

namespace orvanta {
namespace {

class TitleView final : public ConfigView {
public:
    QString title;
    void showTitle(const QString &text) override { title = text; }
    void showDeviceMarks(const DeviceMarks &) override {}
};

// The main window's menu bar with the configuration handlers, as the
// station assembles them, on in-memory lines.
class DeviceMenusTest : public ::testing::Test {
protected:
    DeviceMenusTest()
    {
        const MainMenus built = buildMainMenus(*window.menuBar());
        config.Recepteur = "AR5000";
        config.Interface_Rotor = "Fodtrack";
        config.Vitesse_Com1 = 19200;
        config.Vitesse_Com2 = 4800;
        config.Adresse_LPT = 888;
        receiver.settings = "19200,n,8,1";
        rotor.settings = "4800,n,8,1";
        DeviceMenuOpeners openers;
        openers.observateur = [this] { opened << "Observateur"; };
        openers.parametres = [this] { opened << "Parametres"; };
        openers.frequencesSat = [this] { opened << "Frequences_Sat"; };
        openers.calibration = [this] { opened << "Calibration"; };
        openers.peripheriques = [this] { opened << "Peripheriques"; };
        menus = new DeviceMenus(window, built.devices, config, receiver, rotor, view, openers);
    }

    QAction *entry(const QString &name) { return window.findChild<QAction *>(name); }
    void choose(const QString &name) { entry(name)->trigger(); }
    // The checked entries among the given ones.
    QStringList checked(const QStringList &names)
    {
        QStringList out;
        for (const QString &name : names)
            if (entry(name)->isChecked())
                out << name;
        return out;
    }
    QStringList speeds(const QString &prefix)
    {
        QStringList names;
        for (const char *speed : {"1200", "2400", "4800", "9600", "19200"})
            names << prefix + speed;
        return checked(names);
    }

    QMainWindow window;
    ConfigStation config;
    test::RecordingSerialLine receiver;
    test::RecordingSerialLine rotor;
    TitleView view;
    QStringList opened;
    DeviceMenus *menus = nullptr;
};

TEST_F(DeviceMenusTest, ParallelPortAddressMovesItsCheckMarkAndIsSaved)
{
    choose("Mnu_LPT_278");
    EXPECT_EQ(config.Adresse_LPT, 632);
    EXPECT_EQ(checked({"Mnu_LPT_378", "Mnu_LPT_278"}), QStringList{"Mnu_LPT_278"});
    test::MemorySettingsStore store;
    Sauve_Config(config, store);
    EXPECT_EQ(store.get("Orvanta", "Setup", "Adresse Port LPT", {}), "632");

    choose("Mnu_LPT_378");
    choose("Mnu_LPT_378"); // a second click leaves it checked
    EXPECT_EQ(config.Adresse_LPT, 888);
    EXPECT_EQ(checked({"Mnu_LPT_378", "Mnu_LPT_278"}), QStringList{"Mnu_LPT_378"});
}

TEST_F(DeviceMenusTest, EachSpeedSubmenuDrivesItsOwnLine)
{
    choose("Mnu_Com1_V9600");
    EXPECT_EQ(receiver.settings, "9600,n,8,1");
    EXPECT_EQ(config.Vitesse_Com1, 9600);
    EXPECT_EQ(speeds("Mnu_Com1_V"), QStringList{"Mnu_Com1_V9600"});
    EXPECT_EQ(rotor.settings, "4800,n,8,1");
    EXPECT_EQ(config.Vitesse_Com2, 4800);
    EXPECT_EQ(speeds("Mnu_Com2_V"), QStringList{"Mnu_Com2_V4800"});

    choose("Mnu_Com2_V1200");
    EXPECT_EQ(rotor.settings, "1200,n,8,1");
    EXPECT_EQ(config.Vitesse_Com2, 1200);
    EXPECT_EQ(speeds("Mnu_Com2_V"), QStringList{"Mnu_Com2_V1200"});
    EXPECT_EQ(receiver.settings, "9600,n,8,1");

    for (const char *speed : {"1200", "2400", "4800", "19200"}) {
        choose(QStringLiteral("Mnu_Com1_V") + speed);
        EXPECT_EQ(receiver.settings, QStringLiteral("%1,n,8,1").arg(speed));
        EXPECT_EQ(config.Vitesse_Com1, QString(speed).toFloat());
        EXPECT_EQ(speeds("Mnu_Com1_V"), QStringList{QStringLiteral("Mnu_Com1_V") + speed});
    }
}

TEST_F(DeviceMenusTest, RotorInterfaceOpensAndClosesTheRotorLineAndTheCalibration)
{
    choose("Mnu_GS232");
    EXPECT_TRUE(rotor.open);
    EXPECT_FALSE(entry("Mnu_Calibration")->isEnabled());
    EXPECT_EQ(checked({"Mnu_Fodtrack", "Mnu_GS232"}), QStringList{"Mnu_GS232"});
    EXPECT_EQ(config.Interface_Rotor, "GS232");
    EXPECT_EQ(view.title, "Poursuite satellite avec interface GS232 et RX AR5000");

    choose("Mnu_GS232");
    EXPECT_TRUE(rotor.open);
    EXPECT_EQ(checked({"Mnu_Fodtrack", "Mnu_GS232"}), QStringList{"Mnu_GS232"});

    choose("Mnu_Fodtrack");
    EXPECT_FALSE(rotor.open);
    EXPECT_TRUE(entry("Mnu_Calibration")->isEnabled());
    EXPECT_EQ(checked({"Mnu_Fodtrack", "Mnu_GS232"}), QStringList{"Mnu_Fodtrack"});
    EXPECT_EQ(config.Interface_Rotor, "Fodtrack");
    EXPECT_EQ(view.title, "Poursuite satellite avec interface Fodtrack et RX AR5000");
    EXPECT_FALSE(receiver.open); // the receiver line is not the menu's business
}

TEST_F(DeviceMenusTest, TheReceiverEntriesSwitchBetweenTheAr5000AndTheFt847)
{
    const QStringList receivers{"Mnu_AR5000", "Mnu_FT847", "Mnu_Hamlib_Recepteur"};
    // A Hamlib radio has a line of its own; the AR5000 and the FT-847 need the receiver line.
    choose("Mnu_Hamlib_Recepteur");
    EXPECT_FALSE(receiver.open);
    choose("Mnu_FT847");
    EXPECT_TRUE(receiver.open);
    EXPECT_EQ(config.Recepteur, "FT847");
    EXPECT_EQ(checked(receivers), QStringList{"Mnu_FT847"});
    EXPECT_EQ(entry("Mnu_FT847")->text(), "FT 847");
    EXPECT_EQ(view.title, "Poursuite satellite avec interface Fodtrack et RX FT847");

    choose("Mnu_AR5000");
    EXPECT_EQ(config.Recepteur, "AR5000");
    EXPECT_EQ(checked(receivers), QStringList{"Mnu_AR5000"});
    EXPECT_EQ(view.title, "Poursuite satellite avec interface Fodtrack et RX AR5000");
}

TEST_F(DeviceMenusTest, DialogEntriesOpenTheirWindows)
{
    for (const char *name : {"Mnu_Observateur", "Mnu_Parametres", "Mnu_Frequence_Sat", "Mnu_Calibration",
                             "Mnu_Peripheriques"})
        choose(name);
    EXPECT_EQ(opened, QStringList({"Observateur", "Parametres", "Frequences_Sat", "Calibration", "Peripheriques"}));
}

// The speed reaches an open receiver line at once, as the terminal sees it.
TEST(DeviceMenusOnALine, ASpeedChosenOnAnOpenLineAppliesAtOnce)
{
    test::PtyPair pty;
    test::RecordingMessageBoxes messages;
    QtSerialLine receiver(pty.slavePath(), QStringLiteral("19200,n,8,1"), messages);
    receiver.setPortOpen(true);
    ASSERT_TRUE(receiver.PortOpen());
    ASSERT_EQ(pty.baud(), 19200);
    test::RecordingSerialLine rotor;
    QMainWindow window;
    const MainMenus built = buildMainMenus(*window.menuBar());
    ConfigStation config;
    NoConfigView view;
    DeviceMenus menus(window, built.devices, config, receiver, rotor, view, {});

    window.findChild<QAction *>("Mnu_Com1_V9600")->trigger();
    EXPECT_EQ(pty.baud(), 9600);
    EXPECT_EQ(pty.dataBits(), 8);
    EXPECT_EQ(pty.stopBits(), 1);
    EXPECT_FALSE(pty.parityEnabled());
    receiver.Output("VA\r\n");
    EXPECT_EQ(pty.readAll(), QByteArray("VA\r\n"));
    EXPECT_EQ(rotor.settings, "9600,n,8,1"); // untouched: still its design settings
}

} // namespace
} // namespace orvanta
