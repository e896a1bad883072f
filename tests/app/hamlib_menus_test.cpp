#include "tracking/hamlib_menus.h"
#include "app/main_menus.h"
#include "receiver/hamlib_rig.h"
#include "receiver/hamlib_setup.h"
#include "rotor/hamlib_rotator.h"
#include "support/fakes.h"

#include <QAction>
#include <QMainWindow>
#include <QMenuBar>

#include <gtest/gtest.h>

namespace orvanta {
namespace {

class HamlibMenusTest : public ::testing::Test {
protected:
    HamlibMenusTest()
    {
        built = buildMainMenus(*window.menuBar());
        config.Recepteur = QStringLiteral("AR5000");
        config.Interface_Rotor = QStringLiteral("GS232");
        store.save(kApplication, kSetupSection, QStringLiteral("Hamlib Modele Rotor"), QStringLiteral("603"));
        store.save(kApplication, kSetupSection, QStringLiteral("Hamlib Peripherique Rotor"), QStringLiteral("/dev/ttyUSB1"));
        store.save(kApplication, kSetupSection, QStringLiteral("Hamlib Vitesse Rotor"), QStringLiteral("9600"));
        action("Mnu_GS232")->setChecked(true);
        action("Mnu_Fodtrack")->setChecked(false);
    }

    QAction *action(const char *name) { return window.findChild<QAction *>(QLatin1String(name)); }
    QString stored(const char *key) { return store.get(kApplication, kSetupSection, QLatin1String(key), QString()); }

    QMainWindow window;
    MainMenus built;
    ConfigStation config;
    test::MemorySettingsStore store;
    test::RecordingMessageBoxes messages;
    HamlibReceiver receiver{messages};
    HamlibRotor rotor{messages};
    int titles = 0;
};

TEST_F(HamlibMenusTest, OkDrivesTheHamlibRadioMovesTheMarkAndStoresItsSettings)
{
    HamlibMenus menus(window, built.devices, config, store, receiver, rotor, [this] { ++titles; });
    EXPECT_EQ(rotor.device(), (HamlibDevice{603, QStringLiteral("/dev/ttyUSB1"), 9600})) << "stored settings applied";
    EXPECT_EQ(rotor.caption(), QStringLiteral("Hamlib Yaesu GS-232B"));

    HamlibKind asked{};
    menus.setAsk([&](HamlibSetup &setup) -> std::optional<HamlibDevice> {
        asked = setup.kind();
        EXPECT_GT(setup.shown().size(), 200u) << "Hamlib's radios";
        return HamlibDevice{2, QStringLiteral("shack:4532"), 0};
    });
    action("Mnu_Hamlib_Recepteur")->trigger();

    EXPECT_EQ(asked, HamlibKind::Receiver);
    EXPECT_EQ(config.Recepteur, kHamlibDeviceName);
    EXPECT_EQ(config.Interface_Rotor, QStringLiteral("GS232"));
    EXPECT_TRUE(action("Mnu_Hamlib_Recepteur")->isChecked());
    EXPECT_FALSE(action("Mnu_AR5000")->isChecked());
    EXPECT_TRUE(action("Mnu_GS232")->isChecked()) << "the rotor menu is left alone";
    EXPECT_EQ(stored("Hamlib Modele Recepteur"), QStringLiteral("2"));
    EXPECT_EQ(stored("Hamlib Peripherique Recepteur"), QStringLiteral("shack:4532"));
    EXPECT_EQ(stored("Hamlib Vitesse Recepteur"), QStringLiteral("0"));
    EXPECT_EQ(receiver.device(), (HamlibDevice{2, QStringLiteral("shack:4532"), 0}));
    EXPECT_EQ(receiver.caption(), QStringLiteral("Hamlib NET rigctl"));
    EXPECT_EQ(titles, 1);
}

TEST_F(HamlibMenusTest, CancelLeavesTheRotorAsItWas)
{
    HamlibMenus menus(window, built.devices, config, store, receiver, rotor, [this] { ++titles; });
    HamlibDevice offered;
    menus.setAsk([&](HamlibSetup &setup) -> std::optional<HamlibDevice> {
        offered = setup.device();
        return std::nullopt;
    });
    action("Mnu_Hamlib_Rotor")->trigger();

    EXPECT_EQ(offered, (HamlibDevice{603, QStringLiteral("/dev/ttyUSB1"), 9600})) << "the dialog starts from the stored rotor";
    EXPECT_EQ(config.Interface_Rotor, QStringLiteral("GS232"));
    EXPECT_FALSE(action("Mnu_Hamlib_Rotor")->isChecked());
    EXPECT_TRUE(action("Mnu_GS232")->isChecked());
    EXPECT_EQ(titles, 0);

    menus.setAsk([](HamlibSetup &) -> std::optional<HamlibDevice> { return HamlibDevice{2, "localhost:4533", 0}; });
    action("Mnu_Hamlib_Rotor")->trigger();
    EXPECT_EQ(config.Interface_Rotor, kHamlibDeviceName);
    EXPECT_TRUE(action("Mnu_Hamlib_Rotor")->isChecked());
    EXPECT_FALSE(action("Mnu_GS232")->isChecked());
    EXPECT_FALSE(action("Mnu_Fodtrack")->isChecked());
    EXPECT_EQ(stored("Hamlib Modele Rotor"), QStringLiteral("2"));
    EXPECT_TRUE(messages.shown.empty());
}

} // namespace
} // namespace orvanta
