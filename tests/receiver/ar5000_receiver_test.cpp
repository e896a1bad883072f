#include "platform/qt_serial_line.h"
#include "receiver/ar5000_panel.h"
#include "receiver/ar5000_receiver.h"
#include "receiver/pty_marking_waiter.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

#include <cmath>

namespace orvanta {
namespace {

class Ar5000ReceiverTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        line.setPortOpen(true);
        ASSERT_TRUE(line.PortOpen()) << messages.texts().join('\n').toStdString();
    }

    // The panel as Programme_AR5000 leaves it for "Mode B".
    void programmedPanel()
    {
        const std::pair<const char *, int> state[] = {{"CAG", 2},  {"AF_LPF", 4}, {"AF_HPF", 4}, {"Prea", 5},
                                                      {"Pas", 4},  {"Mode", 2},   {"Ant", 1},    {"IF_BW", 3}};
        for (const auto &[group, option] : state)
            panel.selectOption(group, option);
        waiter.clear();
    }

    test::PtyPair pty;
    test::RecordingMessageBoxes messages;
    QtSerialLine line{pty.slavePath(), QStringLiteral("19200,n,8,1"), messages};
    test::PtyMarkingWaiter waiter{pty};
    ReceiverLineQueue queue;
    Ar5000Panel panel{line, queue, [] { return true; }};
    Ar5000Receiver receiver{line, waiter, panel, messages, queue};
};

const QByteArrayList kFixedSetUp = {"VA\r\nAC2\r\n", "LP3\r\n", "HP4\r\n", "EN4\r\n", "ST1.0\r\n"};

TEST_F(Ar5000ReceiverTest, ModeBOnAPanelAlreadyInThatState)
{
    programmedPanel();
    receiver.Programme_AR5000(ReceiverMode::B);
    EXPECT_EQ(waiter.beforeEachWait, kFixedSetUp);
    EXPECT_EQ(waiter.waits, std::vector<double>(5, 0.1));
    EXPECT_EQ(pty.readAll(), QByteArray("MD0\r\nAN1\r\nBW3\r\n"));
    EXPECT_EQ(pty.baud(), 19200);
    EXPECT_EQ(pty.stopBits(), 1);
}

TEST_F(Ar5000ReceiverTest, ModeBOnAFreshPanelAlsoSendsThePanelsCommands)
{
    receiver.Programme_AR5000(ReceiverMode::B);
    const QByteArrayList expected = {"VA\r\nAC2\r\nAC2\r\nEX\r\n", "LP3\r\nLP3\r\nEX\r\n", "HP4\r\nHP3\r\nEX\r\n",
                                     "EN4\r\nEN4\r\nEX\r\n", "ST1.0\r\nSJ1\r\nST1.0\r\nEX\r\n"};
    EXPECT_EQ(waiter.beforeEachWait, expected);
    EXPECT_EQ(pty.readAll(), QByteArray("MD0\r\nMD0\r\nEX\r\nAN1\r\nAN1\r\nEX\r\nBW3\r\nBW3\r\nEX\r\n"));

    const std::pair<const char *, int> state[] = {{"CAG", 2}, {"AF_LPF", 4}, {"AF_HPF", 4}, {"Prea", 5},
                                                  {"Pas", 4}, {"Mode", 2},   {"Ant", 1},    {"IF_BW", 3}};
    for (const auto &[group, option] : state)
        EXPECT_EQ(panel.selectedOption(group), option) << group;
}

TEST_F(Ar5000ReceiverTest, ModeTableFromTheProgrammedState)
{
    struct Case {
        const char *mode;
        QByteArray tail;
    };
    const Case cases[] = {
        {"Mode A", "MD0\r\nAN2\r\nAN2\r\nEX\r\nBW4\r\nBW4\r\nEX\r\n"},
        {"Mode C", "MD3\r\nMD3\r\nEX\r\nAN1\r\nBW3\r\n"},
        // The bandwidth is marked on the panel before BW2 goes out.
        {"Mode D", "MD3\r\nAN1\r\nBW2\r\nEX\r\nBW2\r\n"},
        {"mode a", ""},
        {"", ""},
    };
    for (const Case &c : cases) {
        programmedPanel();
        if (QByteArray(c.mode) == "Mode D")
            panel.selectOption("Mode", 4);
        waiter.clear();
        receiver.Programme_AR5000(receiverModeOf(QString::fromLatin1(c.mode)));
        EXPECT_EQ(waiter.beforeEachWait, kFixedSetUp) << c.mode;
        EXPECT_EQ(pty.readAll(100), c.tail) << c.mode;
    }
}

// A click or a tick during a pause of the set-up waits for the set-up to end.
TEST_F(Ar5000ReceiverTest, WhatIsAskedForDuringTheSetUpGoesOutAfterIt)
{
    programmedPanel();
    waiter.duringWait = [this] {
        panel.selectOption("Mode", 4);
        receiver.Frequence_AR5000(435.8);
        receiver.Fin_Controle();
    };
    receiver.Programme_AR5000(ReceiverMode::Unknown); // the fixed set-up only
    EXPECT_EQ(waiter.beforeEachWait, kFixedSetUp);
    EXPECT_EQ(pty.readAll(), QByteArray("MD3\r\nEX\r\nRF435.8000\r\nEX\r\n"));
    EXPECT_EQ(panel.selectedOption("Mode"), 4);
}

TEST_F(Ar5000ReceiverTest, EndOfRemoteControlIsEX)
{
    receiver.Fin_Controle();
    EXPECT_EQ(pty.readAll(), QByteArray("EX\r\n"));
    EXPECT_TRUE(waiter.waits.empty());
}

TEST_F(Ar5000ReceiverTest, FrequencyHasFourDecimalsHalvesAwayFromZero)
{
    receiver.Frequence_AR5000(435.8);
    EXPECT_EQ(pty.readAll(), QByteArray("RF435.8000\r\n"));
    receiver.Frequence_AR5000(145.82567);
    EXPECT_EQ(pty.readAll(), QByteArray("RF145.8257\r\n"));
    receiver.Frequence_AR5000(29.35);
    EXPECT_EQ(pty.readAll(), QByteArray("RF29.3500\r\n"));
    receiver.Frequence_AR5000(145.82565);
    EXPECT_EQ(pty.readAll(), QByteArray("RF145.8257\r\n"));
    EXPECT_TRUE(waiter.waits.empty());
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(Ar5000ReceiverTest, FrequencyThatIsNotANumberSendsNothingAndIsReportedOnce)
{
    receiver.Frequence_AR5000(-1.0);
    receiver.Frequence_AR5000(std::nan("")); // the same kind of fault: no second box
    receiver.Frequence_AR5000(-2.5);
    EXPECT_EQ(messages.texts(), QStringList{"Frequence AR5000 non envoyee : la frequence -1 est incorrecte"});
    EXPECT_EQ(pty.readAll(100), QByteArray());

    receiver.Frequence_AR5000(145.8);
    receiver.Frequence_AR5000(-2.5);
    EXPECT_EQ(messages.shown.size(), 2u) << "reported again once a frequency went out";
    EXPECT_EQ(pty.readAll(), QByteArray("RF145.8000\r\n"));
}

} // namespace
} // namespace orvanta
