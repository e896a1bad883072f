#include "config/config_view.h"
#include "config/configuration.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

namespace orvanta {
namespace {

class RecordingConfigView final : public ConfigView {
public:
    QString title;
    DeviceMarks marks;
    void showTitle(const QString &text) override { title = text; }
    void showDeviceMarks(const DeviceMarks &shown) override { marks = shown; }
};

class ConfigurationTest : public ::testing::Test {
protected:
    test::MemorySettingsStore store;
    RecordingConfigView view;
    test::RecordingSerialLine receiverLine;
    test::RecordingSerialLine rotorLine;
    test::RecordingMessageBoxes messages;
    ConfigStation config;

    void SetUp() override
    {
        receiverLine.settings = "9600,n,8,1";
        rotorLine.settings = "19200,n,8,1";
    }
    void load()
    {
        ConfigContext context{store, view, receiverLine, rotorLine, &messages};
        Charge_Config(config, context);
    }
    void stored(const QString &key, const QString &value) { store.save("Orvanta", "Setup", key, value); }
};

TEST_F(ConfigurationTest, AnEmptyStoreGivesTheDefaults)
{
    load();
    EXPECT_EQ(config.Long_Obs, 2.0f);
    EXPECT_EQ(config.Lat_Obs, 48.0f);
    EXPECT_EQ(config.Alt_Obs, 100.0f);
    EXPECT_EQ(config.Elev_Min, 0.1f);
    EXPECT_EQ(config.Repetition, 5.0f);
    EXPECT_EQ(config.Passage_Min, 100.0f);
    EXPECT_EQ(config.Park_Azimut, 270.0f);
    EXPECT_EQ(config.Park_Site, 0.0f);
    EXPECT_EQ(config.Azimut_Seul, 0.0f);
    EXPECT_EQ(config.Cal_Azimut_0, 0.0f);
    EXPECT_EQ(config.Cal_Azimut_360, 250.0f);
    EXPECT_EQ(config.Cal_Site_0, 0.0f);
    EXPECT_EQ(config.Cal_Site_90, 250.0f);
    EXPECT_EQ(config.Nb_Sat_Banque1, 0.0f);
    EXPECT_EQ(config.Nb_Sat_Banque2, 0.0f);
    EXPECT_EQ(config.Nb_Sat_Banque3, 0.0f);
    EXPECT_EQ(config.Recepteur, "AR5000");
    EXPECT_EQ(config.Interface_Rotor, "Fodtrack");
    EXPECT_EQ(config.Vitesse_Com1, 19200.0f);
    EXPECT_EQ(config.Vitesse_Com2, 4800.0f);
    EXPECT_EQ(config.Adresse_LPT, 888.0f);

    EXPECT_EQ(view.title, "Poursuite satellite avec interface Fodtrack et RX AR5000");
    EXPECT_EQ(receiverLine.settings, "19200,n,8,1");
    EXPECT_EQ(rotorLine.settings, "4800,n,8,1");
    EXPECT_EQ(view.marks.receiverSpeed, 19200);
    EXPECT_EQ(view.marks.rotorSpeed, 4800);
    EXPECT_EQ(view.marks.parallelAddress, 888);
    EXPECT_EQ(view.marks.receiver, ReceiverKind::Ar5000);
    EXPECT_EQ(view.marks.rotor, RotorKind::Fodtrack);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_TRUE(store.section("Orvanta", "Setup").empty()); // loading writes nothing
}

TEST_F(ConfigurationTest, SaveWritesEveryValueInOrderAndLoadReadsItBackWhateverTheCase)
{
    load();
    config.Long_Obs = 48.85f;
    config.Elev_Min = 0.1f;
    Sauve_Config(config, store);

    const auto entries = store.section("Orvanta", "Setup");
    const QStringList expected{"Longitude observateur", "Latitude Observateur", "Altitude Observateur",
                               "Minimum Elevation", "Repetition Mesure", "Passage Minimum",
                               "Vitesse Transmission Com1", "Vitesse Transmission Com2", "Cal Azimut 0",
                               "Cal Azimut 360", "Cal Site 0", "Cal Site 90", "Azimut_Seul", "Park Azimut 0",
                               "Park Site 0", "Adresse Port LPT", "Recepteur", "Interface Rotor",
                               kReceiverDeviceKey, kRotorDeviceKey, kParallelDeviceKey};
    ASSERT_EQ(entries.size(), static_cast<std::size_t>(expected.size()));
    for (int i = 0; i < expected.size(); ++i)
        EXPECT_EQ(entries[i].key, expected[i]);
    EXPECT_EQ(entries[0].value, "48.85");
    EXPECT_EQ(entries[3].value, "0.1");
    EXPECT_EQ(entries[6].value, "19200");
    EXPECT_EQ(entries[13].value, "270");
    EXPECT_EQ(entries[18].value, "/dev/ttyS0");
    EXPECT_EQ(entries[19].value, "/dev/ttyS1");
    EXPECT_EQ(entries[20].value, "/dev/parport0");
    EXPECT_TRUE(store.section("Orvanta", "Banque1").empty());

    ConfigStation again;
    ConfigContext context{store, view, receiverLine, rotorLine, &messages};
    Charge_Config(again, context);
    EXPECT_EQ(again.Long_Obs, 48.85f);
}

TEST_F(ConfigurationTest, OnlyOneSelectsTheAzimuthOnlyRotor)
{
    stored("Azimut_Seul", "0.5");
    load();
    EXPECT_NE(config.Azimut_Seul, 1.0f);
    stored("Azimut_Seul", "1");
    load();
    EXPECT_EQ(config.Azimut_Seul, 1.0f);
}

TEST_F(ConfigurationTest, DeviceChoicesOutsideTheMenusLeaveTheDesignedState)
{
    stored("Recepteur", "FT847");
    stored("Interface Rotor", "GS232");
    stored("Vitesse Transmission Com1", "38400");
    stored("Adresse Port LPT", "956");
    load();
    EXPECT_EQ(view.title, "Poursuite satellite avec interface GS232 et RX FT847");
    EXPECT_EQ(view.marks.receiver, ReceiverKind::Ft847); // the marks follow the stored receiver
    EXPECT_EQ(view.marks.rotor, RotorKind::Gs232);
    EXPECT_EQ(config.Vitesse_Com1, 38400.0f);
    EXPECT_EQ(receiverLine.settings, "9600,n,8,1");
    EXPECT_EQ(view.marks.receiverSpeed, 0); // no entry: the marks stay
    EXPECT_EQ(view.marks.parallelAddress, 0);
    EXPECT_EQ(config.Adresse_LPT, 956.0f);

    Sauve_Config(config, store);
    EXPECT_EQ(store.get("Orvanta", "Setup", "Vitesse Transmission Com1", ""), "38400");
    EXPECT_EQ(store.get("Orvanta", "Setup", "Recepteur", ""), "FT847");
}

TEST_F(ConfigurationTest, MenuSpeedsAndPortAddressFollowTheStore)
{
    stored("Vitesse Transmission Com1", "9600");
    stored("Vitesse Transmission Com2", "1200");
    stored("Adresse Port LPT", "632");
    load();
    EXPECT_EQ(receiverLine.settings, "9600,n,8,1");
    EXPECT_EQ(rotorLine.settings, "1200,n,8,1");
    EXPECT_EQ(view.marks.receiverSpeed, 9600);
    EXPECT_EQ(view.marks.rotorSpeed, 1200);
    EXPECT_EQ(view.marks.parallelAddress, 632);
}

TEST_F(ConfigurationTest, AStoredNumberThatIsNotANumberGivesTheDefaultAndSaysSo)
{
    stored("Latitude Observateur", "quarante-huit");
    stored("Repetition Mesure", "");
    store.save("Orvanta", "Banque2", "Nombre de Satellites", "3");
    load();
    EXPECT_EQ(config.Lat_Obs, 48.0f);
    EXPECT_EQ(config.Repetition, 5.0f);
    EXPECT_EQ(config.Nb_Sat_Banque2, 3.0f);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.shown[0].text.contains("quarante-huit"));
    EXPECT_TRUE(messages.shown[0].text.contains("Repetition Mesure"));
}

// Beyond single precision a value would load as infinity, reach the drivers
// and the timer as such, and be saved back as 0.
TEST_F(ConfigurationTest, AStoredNumberTooLargeForSinglePrecisionGivesTheDefault)
{
    const QString huge = "4" + QString(38, '0');
    stored("Repetition Mesure", huge);
    stored("Adresse Port LPT", "-" + huge);
    stored("Cal Azimut 360", "340282300000000000000000000000000000000"); // the largest single
    load();
    EXPECT_EQ(config.Repetition, 5.0f);
    EXPECT_EQ(config.Adresse_LPT, 888.0f);
    EXPECT_EQ(config.Cal_Azimut_360, 3.402823e38f);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.shown[0].text.contains("Repetition Mesure"));
    EXPECT_TRUE(messages.shown[0].text.contains("Adresse Port LPT"));
    EXPECT_FALSE(messages.shown[0].text.contains("Cal Azimut 360"));
}

TEST_F(ConfigurationTest, TheSerialDevicesCanBeChosenInTheStore)
{
    EXPECT_EQ(receiverDevice(store), "/dev/ttyS0");
    EXPECT_EQ(rotorDevice(store), "/dev/ttyS1");
    stored("Peripherique ligne recepteur", "/dev/ttyUSB0");
    EXPECT_EQ(receiverDevice(store), "/dev/ttyUSB0");
    load();
    Sauve_Config(config, store);
    EXPECT_EQ(receiverDevice(store), "/dev/ttyUSB0");
}

} // namespace
} // namespace orvanta
