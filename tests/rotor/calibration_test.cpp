#include "rotor/calibration_window.h"
#include "rotor/fodtrack.h"
#include "rotor/rotor_calibration.h"
#include "support/fakes.h"

#include <QLabel>
#include <QPushButton>
#include <QSlider>

#include <gtest/gtest.h>

namespace orvanta {
namespace {

// The data register values written, one per latch.
std::vector<int> dataWrites(const test::RecordingParallelPort &port)
{
    std::vector<int> values;
    for (auto [address, value] : port.writes)
        if (address == 888)
            values.push_back(value);
    return values;
}

class CalibrationTest : public ::testing::Test {
protected:
    CalibrationTest()
    {
        config.Adresse_LPT = 888;
        config.Cal_Azimut_0 = 0;
        config.Cal_Azimut_360 = 250;
        config.Cal_Site_0 = 0;
        config.Cal_Site_90 = 250;
        fodtrack.recomputeScaleFactors();
    }

    // One measure: the slider moved to value, then Cal_Valide.
    bool measure(int value)
    {
        calibration.sliderMoved(value);
        return calibration.valider();
    }

    ConfigStation config;
    test::RecordingParallelPort port;
    test::RecordingWaiter waiter;
    Fodtrack fodtrack{port, waiter, config};
    test::FakeTrackingTimer timer;
    test::MemorySettingsStore store;
    test::RecordingMessageBoxes messages;
    RotorCalibration calibration{config, fodtrack, timer, store, messages};
};

TEST_F(CalibrationTest, FourMeasuresSavedGiveNewScaleFactors)
{
    calibration.open();
    EXPECT_FALSE(timer.active);
    EXPECT_TRUE(fodtrack.Valeur_Brute);
    EXPECT_EQ(calibration.Label3(),
              "Pour cette calibration 4 mesures sont necessaires (azimut 0°et 360° site 0°et 90°)");
    EXPECT_EQ(calibration.Cal_Step(), "1");
    EXPECT_EQ(calibration.Cal_Moteur(), "a l'azimut");

    calibration.sliderMoved(10);
    EXPECT_EQ(calibration.Cal_Mesure(), "10.");
    // The raw slider value, latched into the azimuth axis.
    EXPECT_EQ(port.writes, (std::vector<std::pair<int, int>>{{890, 10}, {888, 10}, {890, 11}, {890, 10}}));
    EXPECT_FALSE(calibration.valider());
    EXPECT_EQ(config.Cal_Azimut_0, 10);
    EXPECT_EQ(calibration.Val_Azim_0(), "10");
    EXPECT_EQ(calibration.Cal_Step(), "2");
    EXPECT_EQ(calibration.Cal_Final(), "360°");
    // The slider goes to its top end, and the antenna with it.
    EXPECT_EQ(calibration.slider(), 255);
    EXPECT_EQ(calibration.Cal_Mesure(), "255.");
    EXPECT_EQ(dataWrites(port).back(), 255);

    EXPECT_FALSE(measure(240));
    EXPECT_EQ(config.Cal_Azimut_360, 240);
    EXPECT_EQ(calibration.Cal_Moteur(), "au site");
    EXPECT_EQ(calibration.Cal_Final(), "0°");
    EXPECT_EQ(calibration.slider(), 0);
    EXPECT_EQ(port.writes.back(), std::make_pair(890, 8)); // the elevation axis now

    EXPECT_FALSE(calibration.valider()); // 0 is kept as 0.01
    EXPECT_FLOAT_EQ(config.Cal_Site_0, 0.01f);
    EXPECT_EQ(calibration.Val_Site_0(), "0.01");
    EXPECT_EQ(calibration.Cal_Final(), "90°");
    EXPECT_EQ(calibration.Cal_Step(), "4");
    EXPECT_TRUE(messages.shown.empty());

    EXPECT_TRUE(measure(200));
    EXPECT_EQ(config.Cal_Site_90, 200);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "Voulez vous sauvegarder les valeurs de calibration ?");
    EXPECT_EQ(messages.shown[0].title, "Calibration");
    EXPECT_TRUE(messages.shown[0].isQuestion);
    EXPECT_FLOAT_EQ(fodtrack.Pas_Azimut(), 0.64f); // (240 - 10) / 360 = 0.6389
    EXPECT_FLOAT_EQ(fodtrack.Pas_Site(), 2.22f);   // (200 - 0.01) / 90 = 2.2221
    EXPECT_EQ(store.get("Orvanta", "Setup", "Cal Azimut 0", {}), "10");
    EXPECT_EQ(store.get("Orvanta", "Setup", "Cal Azimut 360", {}), "240");
    EXPECT_EQ(store.get("Orvanta", "Setup", "Cal Site 0", {}), "0.01");
    EXPECT_EQ(store.get("Orvanta", "Setup", "Cal Site 90", {}), "200");

    calibration.closed();
    EXPECT_TRUE(timer.active);
    EXPECT_EQ(timer.starts, 1);
    EXPECT_FALSE(fodtrack.Valeur_Brute);
}

TEST_F(CalibrationTest, AnAzimuthOnlyRotorTakesTwoMeasuresAndNoKeepsTheStoreAsItWas)
{
    config.Azimut_Seul = 1;
    messages.answers = {false};
    calibration.open();
    EXPECT_EQ(calibration.Label3(),
              "       Pour cette calibration 2 mesures sont necessaires (azimut 0°et 360°)");
    EXPECT_FALSE(measure(10));
    EXPECT_TRUE(measure(240));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.shown[0].isQuestion);
    EXPECT_EQ(calibration.Etape_Calibration(), 5);
    // "Non": the calibration in force before, in memory as in the store.
    EXPECT_EQ(config.Cal_Azimut_0, 0);
    EXPECT_EQ(config.Cal_Azimut_360, 250);
    EXPECT_EQ(config.Cal_Site_0, 0);
    EXPECT_EQ(config.Cal_Site_90, 250);
    EXPECT_FLOAT_EQ(fodtrack.Pas_Azimut(), 0.69f);
    EXPECT_TRUE(store.section("Orvanta", "Setup").empty());
    calibration.closed();
    EXPECT_TRUE(timer.active);
}

TEST_F(CalibrationTest, EachOpeningStartsAgainAtStepOneAndEveryCloseRestartsTracking)
{
    calibration.open();
    EXPECT_FALSE(calibration.valider()); // not moved: 0 becomes 0.01
    EXPECT_EQ(calibration.Val_Azim_0(), "0.01");
    calibration.open(); // the menu chosen again while open
    EXPECT_EQ(timer.stops, 1);
    EXPECT_EQ(calibration.Etape_Calibration(), 1);
    EXPECT_EQ(calibration.Cal_Mesure(), "0");
    calibration.closed();
    calibration.closed();
    EXPECT_EQ(timer.starts, 1);
    calibration.open();
    EXPECT_EQ(calibration.Cal_Step(), "1");
    EXPECT_EQ(calibration.Cal_Final(), "0°");
    EXPECT_EQ(timer.stops, 2);
}

TEST_F(CalibrationTest, TheWindowFollowsTheSliderAndItsCloseBoxRestartsTracking)
{
    CalibrationWindow window(calibration);
    window.ouvrir();
    EXPECT_FALSE(timer.active);
    auto *slider = window.findChild<QSlider *>("CWSlide1");
    ASSERT_NE(slider, nullptr);
    EXPECT_EQ(slider->maximum(), 255);
    slider->setValue(128); // as the operator drags it
    EXPECT_EQ(window.findChild<QLabel *>("Cal_Mesure")->text(), "128.");
    EXPECT_EQ(dataWrites(port), std::vector<int>{128});
    window.findChild<QPushButton *>("Cal_Valide")->click();
    EXPECT_EQ(window.findChild<QLabel *>("Val_Azim_0")->text(), "128");
    EXPECT_EQ(window.findChild<QLabel *>("Cal_Step")->text(), "2");
    EXPECT_EQ(slider->value(), 255);
    EXPECT_EQ(dataWrites(port), (std::vector<int>{128, 255})); // sent once, by the step

    window.close();
    EXPECT_TRUE(timer.active);
    EXPECT_FALSE(fodtrack.Valeur_Brute);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(CalibrationTest, TheSaveQuestionShowsEveryMeasureAndNonPutsTheOldCalibrationBack)
{
    CalibrationWindow window(calibration);
    window.ouvrir();
    window.findChild<QSlider *>("CWSlide1")->setValue(49);
    QString site90WhileAsked;
    messages.whileShown = [&] { site90WhileAsked = window.findChild<QLabel *>("Val_Site_90")->text(); };
    messages.answers = {false};
    for (int i = 0; i < 4; ++i)
        window.findChild<QPushButton *>("Cal_Valide")->click();
    EXPECT_EQ(site90WhileAsked, "255");
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(config.Cal_Azimut_0, 0);
    EXPECT_EQ(config.Cal_Azimut_360, 250);
    EXPECT_EQ(config.Cal_Site_0, 0);
    EXPECT_EQ(config.Cal_Site_90, 250);
    EXPECT_TRUE(store.section("Orvanta", "Setup").empty());
}

} // namespace
} // namespace orvanta
