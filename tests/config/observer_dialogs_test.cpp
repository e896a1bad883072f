#include "config/acquisition_settings.h"
#include "config/config_station.h"
#include "config/observateur_window.h"
#include "config/observer_settings.h"
#include "config/parametres_window.h"
#include "orbit/satellites.h"
#include "support/fakes.h"

#include <QLineEdit>
#include <QLocale>
#include <QRadioButton>
#include <QTest>

#include <clocale>
#include <gtest/gtest.h>

namespace orvanta {
namespace {

ConfigStation loadedDefaults()
{
    ConfigStation config;
    config.Long_Obs = 2;
    config.Lat_Obs = 48;
    config.Alt_Obs = 100;
    config.Elev_Min = 0.1f;
    config.Repetition = 5;
    config.Passage_Min = 100;
    config.Park_Azimut = 270;
    config.Park_Site = 0;
    return config;
}

class ObserverTest : public ::testing::Test {
protected:
    // The messages of one close request, in order.
    QStringList closeWith(ObserverTexts texts, bool expectAccepted = false)
    {
        messages.shown.clear();
        EXPECT_EQ(settings.close(texts), expectAccepted);
        lastTexts = texts;
        return messages.texts();
    }

    ConfigStation config = loadedDefaults();
    test::MemorySettingsStore store;
    test::RecordingMessageBoxes messages;
    int accepted = 0;
    ObserverSettings settings{config, store, messages, [this] { ++accepted; }};
    ObserverTexts lastTexts;
};

TEST_F(ObserverTest, EveryMessageInTheWrittenOrder)
{
    EXPECT_EQ(closeWith({"", "", "", ""}),
              QStringList({"Specifier la longitude du point d'observation",
                           "Specifier la latitude du point d'observation",
                           "Specifier l'altitude du point d'observation",
                           "Specifier l'elevation minimum du point d'observation"}));
    EXPECT_EQ(closeWith({"2,35", "+48", "-5", " 1"}),
              QStringList({"La valeur de la longitude du point d'observation est incorrecte",
                           "La valeur de la latitude du point d'observation est incorrecte",
                           "La valeur de l'altitude du point d'observation est incorrecte",
                           "La valeur de l'elevation minimum du point d'observation est incorrecte"}));
    EXPECT_EQ(closeWith({"-180.5", "-90.5", "100", "0.1"}),
              QStringList({"La valeur de la longitude du point d'observation doit etre comprise entre -180 et 360°",
                           "La valeur de la latitude du point d'observation doit etre comprise entre -90 et 90°"}));
    EXPECT_EQ(closeWith({"360.5", "91", "100", "0.1"}).size(), 2);
    // Texts of digits and points that are not one number cannot be stored.
    EXPECT_EQ(closeWith({"1.2.3", "-", "1e3", "."}),
              QStringList({"La valeur de la longitude du point d'observation est incorrecte",
                           "La valeur de la latitude du point d'observation est incorrecte",
                           "La valeur de l'altitude du point d'observation est incorrecte",
                           "La valeur de l'elevation minimum du point d'observation est incorrecte"}));
    EXPECT_EQ(config.Long_Obs, 2); // nothing stored by a refused close
    EXPECT_TRUE(store.section("Orvanta", "Setup").empty());
    EXPECT_EQ(accepted, 0);
}

// Buenos Aires: south and west, with signs; the orbital engine takes them
// as they are stored.
TEST_F(ObserverTest, ASouthernWesternStationIsAcceptedAndUsedByThePrediction)
{
    EXPECT_TRUE(closeWith({"-58.38", "-34.6", "25", "0"}, true).isEmpty());
    EXPECT_EQ(lastTexts.elevation, "0.1");
    EXPECT_FLOAT_EQ(config.Long_Obs, -58.38f);
    EXPECT_FLOAT_EQ(config.Lat_Obs, -34.6f);
    EXPECT_EQ(config.Alt_Obs, 25);
    EXPECT_FLOAT_EQ(config.Elev_Min, 0.1f);
    EXPECT_EQ(store.get("Orvanta", "Setup", "Longitude Observateur", {}), "-58.38");
    EXPECT_EQ(store.get("Orvanta", "Setup", "Latitude Observateur", {}), "-34.6");
    EXPECT_EQ(accepted, 1);

    orbit::Satellites satellites;
    EXPECT_TRUE(satellites.ObsLat(config.Lat_Obs));
    EXPECT_TRUE(satellites.ObsLon(config.Long_Obs));
    EXPECT_NEAR(satellites.ObsLon(), -58.38, 1e-5);

    EXPECT_TRUE(closeWith({"-180", "90", "0", "0.0"}, true).isEmpty());
    EXPECT_EQ(config.Elev_Min, 0); // only "0" itself becomes 0.1
    EXPECT_TRUE(closeWith({"360", "-90", "100", "00"}, true).isEmpty());
}

TEST_F(ObserverTest, AZeroElevationBecomesPointOneEvenWhenTheCloseIsRefused)
{
    closeWith({"", "48", "100", "0"});
    EXPECT_EQ(lastTexts.elevation, "0.1");
}

// A French desktop changes nothing: a point is the decimal separator and a
// comma is refused.
TEST_F(ObserverTest, DecimalPointsWhateverTheLocale)
{
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    std::setlocale(LC_ALL, "fr_FR.UTF-8");
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    EXPECT_TRUE(closeWith({"2.35", "48.85", "35.5", "0.5"}, true).isEmpty());
    EXPECT_FLOAT_EQ(config.Lat_Obs, 48.85f);
    EXPECT_EQ(store.get("Orvanta", "Setup", "Latitude Observateur", {}), "48.85");
    EXPECT_EQ(settings.texts().latitude, "48.85");
    EXPECT_EQ(closeWith({"2,35", "48", "35", "0"}).size(), 1);
    QLocale::setDefault(QLocale::c());
    std::setlocale(LC_ALL, previous.c_str());
}

TEST_F(ObserverTest, TheWindowStaysOpenUntilItsBoxesAreRight)
{
    ObservateurWindow window(settings);
    window.ouvrir();
    auto *longitude = window.findChild<QLineEdit *>("Long_Observateur");
    auto *elevation = window.findChild<QLineEdit *>("Elev_Observateur");
    ASSERT_TRUE(longitude && elevation);
    EXPECT_EQ(longitude->text(), "2");
    EXPECT_EQ(elevation->text(), "0.1");

    longitude->setText("-1.5x");
    elevation->setText("0");
    window.close();
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(elevation->text(), "0.1");
    EXPECT_EQ(messages.texts(), QStringList{"La valeur de la longitude du point d'observation est incorrecte"});

    longitude->setText("-1.5");
    window.close();
    EXPECT_FALSE(window.isVisible());
    EXPECT_FLOAT_EQ(config.Long_Obs, -1.5f);

    // Enter and Escape close it the same way.
    window.ouvrir();
    longitude->setText("3.5");
    QTest::keyClick(longitude, Qt::Key_Return);
    EXPECT_FALSE(window.isVisible());
    EXPECT_FLOAT_EQ(config.Long_Obs, 3.5f);
    window.ouvrir();
    QTest::keyClick(elevation, Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());
}

TEST_F(ObserverTest, ALocatorIsShownAndCanBeTypedInsteadOfThePosition)
{
    ObservateurWindow window(settings);
    window.ouvrir();
    auto *longitude = window.findChild<QLineEdit *>("Long_Observateur");
    auto *latitude = window.findChild<QLineEdit *>("Lat_Observateur");
    auto *locator = window.findChild<QLineEdit *>("Locator_Observateur");
    ASSERT_TRUE(longitude && latitude && locator);
    EXPECT_EQ(locator->text(), "JN18aa"); // 48 N 2 E

    locator->clear();
    QTest::keyClicks(locator, "JN18eu");
    EXPECT_EQ(longitude->text(), "2.3750");
    EXPECT_EQ(latitude->text(), "48.8542");
    window.close();
    EXPECT_FALSE(window.isVisible());
    EXPECT_FLOAT_EQ(config.Long_Obs, 2.375f);
    EXPECT_FLOAT_EQ(config.Lat_Obs, 48.8542f);

    window.ouvrir();
    latitude->clear();
    QTest::keyClicks(latitude, "-34.6");
    longitude->clear();
    QTest::keyClicks(longitude, "-58.38");
    EXPECT_EQ(locator->text(), "GF05tj"); // Buenos Aires
    locator->setText("JN1");
    window.close();
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(messages.texts().last().startsWith("Le locator de la station est incorrect"));
    EXPECT_FLOAT_EQ(config.Lat_Obs, 48.8542f);
    window.hide();
}

class ParametersTest : public ::testing::Test {
protected:
    QStringList closeWith(const AcquisitionTexts &texts, bool expectAccepted = false)
    {
        messages.shown.clear();
        EXPECT_EQ(settings.close(texts), expectAccepted);
        return messages.texts();
    }

    ConfigStation config = loadedDefaults();
    test::MemorySettingsStore store;
    test::RecordingMessageBoxes messages;
    // What Init_Satellites finds: the new values stored, the store not yet written.
    std::vector<std::pair<float, bool>> reinitialised;
    AcquisitionSettings settings{config, store, messages, [this] {
                                     reinitialised.emplace_back(config.Repetition,
                                                                store.section("Orvanta", "Setup").empty());
                                 }};
};

TEST_F(ParametersTest, EveryMessageInTheWrittenOrder)
{
    EXPECT_EQ(closeWith({"0", "", "", ""}),
              QStringList({"Specifiez le temps entre 2 mesures", "Specifiez le temps de passage minimum du satellite",
                           "Specifiez la valeur de parcage azimut", "Specifiez la valeur de parcage site"}));
    EXPECT_EQ(closeWith({"5s", "-100", "400x", "90.5x"}),
              QStringList({"La valeur de delai entre 2 mesures est incorrecte",
                           "La valeur du passage minimum du satellite est incorrecte",
                           "Valeur azimut superieur a 360°", "La valeur de parcage azimut est incorrecte",
                           "Valeur site superieur a 90°", "La valeur de parcage site est incorrecte"}));
    EXPECT_EQ(closeWith({"", "100", "361", "90.5"}),
              QStringList({"Specifiez le temps entre 2 mesures", "Valeur azimut superieur a 360°",
                           "Valeur site superieur a 90°"}));
    // A period reading as 0 would run the cycle back to back; one beyond a
    // day is refused too.
    EXPECT_EQ(closeWith({"0.0", "100", "0", "0"}), QStringList{"Specifiez le temps entre 2 mesures"});
    EXPECT_EQ(closeWith({"86401", "100", "0", "0"}), QStringList{"Valeur delai superieur a 86400 secondes"});
    EXPECT_TRUE(reinitialised.empty());
    EXPECT_EQ(config.Repetition, 5);
}

TEST_F(ParametersTest, AcceptedValuesAreStoredThenTheComponentRecreatedThenSaved)
{
    EXPECT_TRUE(closeWith({"0.5", "1.2.3", "360", "90"}, true).isEmpty());
    EXPECT_EQ(config.Repetition, 0.5f);
    EXPECT_FLOAT_EQ(config.Passage_Min, 1.2f); // the leading number
    EXPECT_EQ(config.Park_Azimut, 360);
    EXPECT_EQ(config.Park_Site, 90);
    EXPECT_EQ(reinitialised, (std::vector<std::pair<float, bool>>{{0.5f, true}}));
    EXPECT_EQ(store.get("Orvanta", "Setup", "Repetition Mesure", {}), "0.5");
    EXPECT_EQ(store.get("Orvanta", "Setup", "Passage Minimum", {}), "1.2");
}

TEST_F(ParametersTest, TheAzimuthOnlySwitchActsAtTheClickEvenIfTheCloseIsRefused)
{
    ParametresWindow window(settings);
    window.ouvrir();
    EXPECT_EQ(window.windowTitle(), "Parametres d'acquisition");
    auto *oui = window.findChild<QRadioButton *>("Aziseuloui");
    auto *non = window.findChild<QRadioButton *>("Aziseulnon");
    ASSERT_TRUE(oui && non);
    EXPECT_TRUE(non->isChecked());
    EXPECT_EQ(window.findChild<QLineEdit *>("Parcazimut")->text(), "270");

    oui->click();
    EXPECT_EQ(config.Azimut_Seul, 1);
    window.findChild<QLineEdit *>("Repetition_mesure")->setText("0");
    window.close();
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(config.Azimut_Seul, 1);
    EXPECT_EQ(messages.texts(), QStringList{"Specifiez le temps entre 2 mesures"});

    window.findChild<QLineEdit *>("Repetition_mesure")->setText("10");
    window.close();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(config.Repetition, 10);
    EXPECT_EQ(store.get("Orvanta", "Setup", "Azimut_Seul", {}), "1");

    non->click();
    EXPECT_EQ(config.Azimut_Seul, 0);
    window.ouvrir();
    EXPECT_TRUE(non->isChecked());

    // Enter and Escape close it the same way.
    window.findChild<QLineEdit *>("Repetition_mesure")->setText("20");
    QTest::keyClick(non, Qt::Key_Enter);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(config.Repetition, 20);
    window.ouvrir();
    QTest::keyClick(window.findChild<QLineEdit *>("Parcazimut"), Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());
}

} // namespace
} // namespace orvanta
