#include "platform/qt_serial_line.h"
#include "rotor/gs232.h"
#include "rotor/gs232_rotor.h"
#include "rotor/manual_pointing.h"
#include "rotor/poursuite_man_window.h"
#include "rotor/rotor.h"
#include "support/fakes.h"
#include "support/pty.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace orvanta {
namespace {

class RecordingRotor final : public Rotor {
public:
    std::vector<std::pair<double, double>> points;
    void point(double azimuthDeg, double elevationDeg) override { points.emplace_back(azimuthDeg, elevationDeg); }
    void park(double, double) override {}
};

using Points = std::vector<std::pair<double, double>>;

class ManualPointingTest : public ::testing::Test {
protected:
    RecordingRotor rotor;
    Rotor *chosen = &rotor;
    test::RecordingMessageBoxes messages;
    ManualPointing pointing{[this] { return chosen; }, messages};
};

TEST_F(ManualPointingTest, LimitsOfTheAzimuth)
{
    pointing.azimutChanged("360");
    EXPECT_EQ(rotor.points, (Points{{360, 0}}));
    pointing.plusAzimut();
    pointing.azimutChanged("360.5");
    EXPECT_EQ(messages.texts(), QStringList({"Valeur Azimut maximun atteinte", "Valeur Azimut superieur a 360°"}));
    EXPECT_EQ(pointing.Az_Man(), "360.5"); // the box keeps what was typed
    EXPECT_EQ(rotor.points.size(), 1u);

    messages.shown.clear();
    pointing.azimutChanged("");
    pointing.moinsAzimut(); // empty reads as 0: the limit comes first
    pointing.plusAzimut();
    EXPECT_EQ(messages.texts(), QStringList({"Valeur Azimut minimun atteinte", "Specifiez une valeur d'azimut"}));
    EXPECT_EQ(rotor.points.size(), 1u);

    pointing.azimutChanged("123.5");
    pointing.plusAzimut();
    EXPECT_EQ(pointing.Az_Man(), "124.5");
    pointing.moinsAzimut();
    EXPECT_EQ(rotor.points, (Points{{360, 0}, {123.5, 0}, {124.5, 0}, {123.5, 0}}));
}

TEST_F(ManualPointingTest, LimitsOfTheElevation)
{
    pointing.siteChanged("89");
    pointing.plusSite();
    EXPECT_EQ(pointing.Si_Man(), "90");
    pointing.plusSite();
    pointing.siteChanged("90.5");
    pointing.siteChanged("0");
    pointing.moinsSite();
    pointing.siteChanged("");
    pointing.plusSite();
    EXPECT_EQ(messages.texts(), QStringList({"Valeur Site maximun atteinte", "Valeur Site superieur a 90°",
                                             "Valeur Site minimun atteinte", "Specifiez une valeur de site"}));
    EXPECT_EQ(rotor.points, (Points{{0, 89}, {0, 90}, {0, 0}}));
}

TEST_F(ManualPointingTest, SignsCommasAndTextsThatAreNotOneNumberAreRefused)
{
    for (const char *text : {"-5", "4,5", "1.2.3", ".", "12a"}) {
        messages.shown.clear();
        pointing.azimutChanged(text);
        EXPECT_EQ(messages.texts(), QStringList{"La valeur de l'azimut est incorrecte"}) << text;
        pointing.siteChanged(text);
        EXPECT_EQ(messages.texts().value(1), "La valeur de site est incorrecte") << text;
    }
    EXPECT_TRUE(rotor.points.empty());
}

TEST_F(ManualPointingTest, NothingIsSentWhileTheOtherBoxIsEmptyOrRefused)
{
    pointing.siteChanged("");
    pointing.azimutChanged("45"); // elevation empty
    pointing.siteChanged("95");  // refused
    pointing.azimutChanged("46");
    EXPECT_TRUE(rotor.points.empty());
    pointing.siteChanged("7");
    EXPECT_EQ(rotor.points, (Points{{46, 7}}));

    chosen = nullptr; // an interface nobody drives
    pointing.azimutChanged("47");
    EXPECT_EQ(rotor.points.size(), 1u);
}

// The whole window on a GS-232 controller: typing 45 and 7 sends one
// pointing per keystroke, and the last carries both angles.
TEST(PoursuiteManWindow, TypedAnglesReachTheGs232Controller)
{
    test::PtyPair pty;
    test::RecordingMessageBoxes messages;
    QtSerialLine line(pty.slavePath(), QStringLiteral("4800,n,8,1"), messages);
    line.setPortOpen(true);
    ASSERT_TRUE(line.PortOpen());
    Gs232 gs232(line, messages);
    Gs232Rotor rotor(gs232);
    ManualPointing pointing([&rotor]() -> Rotor * { return &rotor; }, messages);
    PoursuiteManWindow window(pointing);
    QSignalSpy manual(&window, &PoursuiteManWindow::pointageManuelChanged);

    window.ouvrir();
    EXPECT_TRUE(window.pointageManuel());
    EXPECT_EQ(window.windowTitle(), "Poursuite Manuelle");
    auto *azMan = window.findChild<QLineEdit *>("Az_Man");
    auto *siMan = window.findChild<QLineEdit *>("Si_Man");
    ASSERT_TRUE(azMan && siMan);
    EXPECT_EQ(azMan->text(), "0");

    azMan->selectAll();
    QTest::keyClicks(azMan, "45");
    siMan->selectAll();
    QTest::keyClicks(siMan, "7");
    EXPECT_EQ(pty.readAll(), QByteArray("W004 000\rW045 000\rW045 007\r"));

    window.findChild<QPushButton *>("Plus_Site")->click();
    EXPECT_EQ(siMan->text(), "8");
    EXPECT_EQ(pty.readAll(), QByteArray("W045 008\r"));

    // The tick shows the satellite's position; the rotor hears nothing of it.
    window.setPosition("123", "45");
    EXPECT_EQ(window.findChild<QLineEdit *>("Azimut_Man")->text(), "123");
    EXPECT_EQ(window.findChild<QLineEdit *>("Site_Man")->text(), "45");
    EXPECT_TRUE(pty.readAll(50).isEmpty());

    QTest::keyClick(siMan, Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(window.pointageManuel());
    ASSERT_EQ(manual.size(), 2);
    EXPECT_TRUE(manual[0][0].toBool());
    EXPECT_FALSE(manual[1][0].toBool());
    EXPECT_TRUE(messages.shown.empty());
}

} // namespace
} // namespace orvanta
