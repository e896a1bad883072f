#include "platform/qt_serial_line.h"
#include "rotor/gs232.h"
#include "rotor/gs232_rotor.h"
#include "support/fakes.h"
#include "support/pty.h"

#include <QCoreApplication>
#include <QThread>

#include <gtest/gtest.h>

namespace orvanta {
namespace {

// The rotor line on a pseudo-terminal: the test reads what the controller
// would receive.
class Gs232Test : public ::testing::Test {
protected:
    void SetUp() override
    {
        line.setPortOpen(true);
        ASSERT_TRUE(line.PortOpen()) << messages.texts().join('\n').toStdString();
    }

    test::PtyPair pty;
    test::RecordingMessageBoxes messages;
    QtSerialLine line{pty.slavePath(), QStringLiteral("4800,n,8,1"), messages};
    test::RecordingMessageBoxes driverMessages;
    Gs232 gs232{line, driverMessages};
};

TEST_F(Gs232Test, CommandsArriveByteExact)
{
    EXPECT_EQ(pty.baud(), 4800);
    EXPECT_EQ(pty.stopBits(), 1);

    gs232.Commande_GS232(45, 7);
    const QByteArray first = pty.readAll();
    EXPECT_EQ(first, QByteArray("W045 007\r"));
    EXPECT_EQ(first.size(), 9);

    gs232.Commande_GS232(0, 0);
    EXPECT_EQ(pty.readAll(), QByteArray("W000 000\r"));
    gs232.Commande_GS232(QStringLiteral("360"), QStringLiteral("90"));
    EXPECT_EQ(pty.readAll(), QByteArray("W360 090\r"));
    EXPECT_TRUE(driverMessages.shown.empty());
}

TEST_F(Gs232Test, HalvesGoToTheEvenNeighbour)
{
    gs232.Commande_GS232(QStringLiteral("123.5"), QStringLiteral("122.5"));
    EXPECT_EQ(pty.readAll(), QByteArray("W124 122\r"));
    gs232.Commande_GS232(QStringLiteral("44."), QStringLiteral(" 7.49 "));
    EXPECT_EQ(pty.readAll(), QByteArray("W044 007\r"));
}

TEST_F(Gs232Test, NegativeElevationIsSentLevel)
{
    gs232.Commande_GS232(45, -12);
    gs232.Commande_GS232(QStringLiteral("45"), QStringLiteral("-5"));
    gs232.Commande_GS232(45, -150);
    EXPECT_EQ(pty.readAll(), QByteArray("W045 000\rW045 000\rW045 000\r"));
    EXPECT_TRUE(driverMessages.shown.empty());
}

TEST_F(Gs232Test, UnwritableValuesSendNothingAndAreReported)
{
    struct Case {
        QString azimut, site, message;
    };
    const Case cases[] = {
        {"1000", "10", "Commande GS232 non envoyee : la valeur de l'azimut 1000 est hors limites"},
        {"-5", "10", "Commande GS232 non envoyee : la valeur de l'azimut -5 est hors limites"},
        {"45", "999.5", "Commande GS232 non envoyee : la valeur de site 999.5 est hors limites"},
        {"1.2.3", "", "Commande GS232 non envoyee : la valeur de l'azimut \"1.2.3\" est incorrecte, "
                      "la valeur de site \"\" est incorrecte"},
        {"abc", "10", "Commande GS232 non envoyee : la valeur de l'azimut \"abc\" est incorrecte"},
    };
    for (const Case &c : cases) {
        driverMessages.shown.clear();
        gs232.Commande_GS232(c.azimut, c.site);
        EXPECT_EQ(driverMessages.texts(), QStringList{c.message}) << c.azimut.toStdString();
        EXPECT_EQ(pty.readAll(100), QByteArray());
        gs232.Commande_GS232(45, 7); // a command that goes out makes the next fault worth a message
        pty.readAll();
    }
}

TEST_F(Gs232Test, ALastingFaultIsReportedOnceUntilACommandGoesOut)
{
    // A message box lets tracking ticks run; they must not stack more boxes.
    driverMessages.whileShown = [this] { gs232.Commande_GS232(QStringLiteral("1000"), QStringLiteral("10")); };
    gs232.Commande_GS232(QStringLiteral("1000"), QStringLiteral("10"));
    gs232.Commande_GS232(1001.4, 12); // the same fault with other values
    EXPECT_EQ(driverMessages.shown.size(), 1u);

    driverMessages.whileShown = nullptr;
    gs232.Commande_GS232(QStringLiteral("45"), QStringLiteral(""));
    EXPECT_EQ(driverMessages.shown.size(), 2u) << "a different fault is reported";

    gs232.Commande_GS232(45, 7);
    gs232.Commande_GS232(QStringLiteral("45"), QStringLiteral(""));
    EXPECT_EQ(driverMessages.shown.size(), 3u) << "reported again after a command went out";
    EXPECT_EQ(pty.readAll(), QByteArray("W045 007\r"));
}

// The controller's answers to "C2", as the line delivers them: whole or in
// pieces, in either model's form. What cannot be a position is left out and
// said once, after the line's handler, until a good answer comes.
TEST_F(Gs232Test, PositionIsReadBackAndBadAnswersIgnoredWithOneMessage)
{
    Gs232Rotor rotor(gs232);
    rotor.point(10, 5);
    EXPECT_EQ(pty.readAll(), QByteArray("W010 005\r")) << "no question while the read-back is off";
    rotor.setReadBack(true);
    rotor.point(10, 5);
    EXPECT_EQ(pty.readAll(), QByteArray("C2\rW010 005\r"));

    const auto answer = [&](const QByteArray &bytes) {
        pty.write(bytes);
        for (int i = 0; i < 20; ++i) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
            QThread::msleep(2);
        }
        return rotor.position();
    };
    struct Case {
        QByteArray bytes;
        double azimuth, elevation; // the position after it
    };
    const Case cases[] = {
        {"+0123+0045\r", 123, 45},
        {"+0400+0170\r\n", 400, 170},    // past north and flipped
        {"AZ=090  EL=010\r", 90, 10},    // GS-232B
        {"+0451+0010\r", 90, 10},        // beyond the overlap: left out
        {"?>\r", 90, 10},
        {"+0a12+0010\r", 90, 10},
        {QByteArray(100, 'x'), 90, 10},  // never ended
    };
    for (const Case &c : cases) {
        const auto position = answer(c.bytes);
        ASSERT_TRUE(position) << c.bytes.constData();
        EXPECT_EQ(position->azimuthDeg, c.azimuth) << c.bytes.constData();
        EXPECT_EQ(position->elevationDeg, c.elevation) << c.bytes.constData();
    }
    EXPECT_EQ(driverMessages.texts(),
              QStringList{"Le GS-232 a répondu « +0451+0010 » au lieu de sa position : la réponse est ignorée."});
    answer("+0010+0010\r");
    answer("+0");
    EXPECT_EQ(answer("20+0011\r")->azimuthDeg, 20) << "an answer in two pieces";
    answer("bad\r");
    EXPECT_EQ(driverMessages.shown.size(), 2u) << "said again after a good answer";
}

TEST_F(Gs232Test, ClosedLineSendsNothing)
{
    line.setPortOpen(false);
    gs232.Commande_GS232(45, 7);
    EXPECT_TRUE(driverMessages.shown.empty());
    line.setPortOpen(true);
    EXPECT_EQ(pty.readAll(100), QByteArray());
}

} // namespace
} // namespace orvanta
