#include "platform/qt_serial_line.h"
#include "receiver/ar5000_panel.h"
#include "receiver/ar5000_receiver.h"
#include "receiver/ar5000_window.h"
#include "support/fakes.h"
#include "support/pty.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

namespace orvanta {
namespace {

class Ar5000WindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        line.setPortOpen(true);
        ASSERT_TRUE(line.PortOpen()) << messages.texts().join('\n').toStdString();
    }

    QRadioButton *radio(const QString &name) const
    {
        auto *button = window.findChild<QRadioButton *>(name);
        EXPECT_NE(button, nullptr) << name.toStdString();
        return button;
    }
    void click(const QString &name) const { QTest::mouseClick(radio(name), Qt::LeftButton); }

    test::PtyPair pty;
    test::RecordingMessageBoxes messages;
    QtSerialLine line{pty.slavePath(), QStringLiteral("19200,n,8,1"), messages};
    ReceiverLineQueue queue;
    bool receiverIsAr5000 = true;
    Ar5000Panel panel{line, queue, [this] { return receiverIsAr5000; }};
    AR5000Window window{panel, messages};
};

struct ExpectedOption {
    const char *caption;
    QByteArray sent; // on the line when the option is clicked
};
struct ExpectedGroup {
    const char *name;
    const char *caption;
    std::vector<ExpectedOption> options;
};

// The panel as the receiver's manual gives it, written out byte for byte.
const std::vector<ExpectedGroup> kPanel = {
    {"Mode", "Mode",
     {{"AM", "MD1\r\nEX\r\n"}, {"FM", "MD0\r\nEX\r\n"}, {"LSB", "MD2\r\nEX\r\n"}, {"USB", "MD3\r\nEX\r\n"},
      {"CW", "MD4\r\nEX\r\n"}}},
    {"IF_BW", "IF BW",
     {{"3 KHz", "BW1\r\nEX\r\n"}, {"6KHz", "BW2\r\nEX\r\n"}, {"15KHz", "BW3\r\nEX\r\n"},
      {"30 KHz", "BW4\r\nEX\r\n"}, {"110 KHz", "BW5\r\nEX\r\n"}, {"220 KHz", "BW6\r\nEX\r\n"}}},
    {"Ant", "Antenne", {{"Ant 1", "AN1\r\nEX\r\n"}, {"Ant 2", "AN2\r\nEX\r\n"}}},
    {"AF_HPF", "AF HPF",
     {{"0.05 KHz", "HP0\r\nEX\r\n"}, {"0.2 KHz", "HP1\r\nEX\r\n"}, {"0.3 KHz", "HP2\r\nEX\r\n"},
      {"0.4 KHz", "HP3\r\nEX\r\n"}}},
    {"AF_LPF", "AF LPF",
     {{"3  KHz", "LP0\r\nEX\r\n"}, {"4  KHz", "LP1\r\nEX\r\n"}, {"6  KHz", "LP2\r\nEX\r\n"},
      {"12  KHz", "LP3\r\nEX\r\n"}}},
    {"CAG", "CAG", {{"Fast", "AC0\r\nEX\r\n"}, {"Slow", "AC2\r\nEX\r\n"}, {"Off", "ACF\r\nEX\r\n"}}},
    {"Prea", "AF Pre Acc",
     {{"25", "EN0\r\nEX\r\n"}, {"50", "EN1\r\nEX\r\n"}, {"75", "EN2\r\nEX\r\n"}, {"750", "EN3\r\nEX\r\n"},
      {"THRU", "EN4\r\nEX\r\n"}}},
    {"Pas", "Pas",
     {{"10 Hz", "SJ1\r\nST10\r\nEX\r\n"}, {"100 Hz", "SJ1\r\nST100\r\nEX\r\n"},
      {"500 Hz", "SJ1\r\nST500\r\nEX\r\n"}, {"1 KHz", "SJ1\r\nST1.0\r\nEX\r\n"},
      {"5KHz", "SJ1\r\nST5.0\r\nEX\r\n"}, {"10 KHz", "SJ1\r\nST10.0\r\nEX\r\n"},
      {"50KHz", "SJ1\r\nST50.0\r\nEX\r\n"}, {"100 KHz", "SJ1\r\nST100.0\r\nEX\r\n"},
      {"500 KHz", "SJ1\r\nST500.0\r\nEX\r\n"}, {"1 MHz", "SJ1\r\nST1000.0\r\nEX\r\n"}}},
};

TEST_F(Ar5000WindowTest, GroupsCaptionsAndNames)
{
    EXPECT_EQ(window.objectName(), "AR5000");
    EXPECT_EQ(window.windowTitle(), "AR5000 Controle");
    const auto labels = window.findChildren<QLabel *>();
    EXPECT_TRUE(std::any_of(labels.begin(), labels.end(),
                            [](QLabel *l) { return l->text() == "AR 5000 Panneau de controle"; }));
    EXPECT_EQ(window.findChildren<QGroupBox *>().size(), kPanel.size() + 1) << "the eight groups and the heading";
    for (const ExpectedGroup &group : kPanel) {
        auto *box = window.findChild<QGroupBox *>(group.name);
        ASSERT_NE(box, nullptr) << group.name;
        EXPECT_EQ(box->title(), group.caption);
        EXPECT_EQ(box->findChildren<QRadioButton *>().size(), group.options.size()) << group.name;
        for (std::size_t i = 0; i < group.options.size(); ++i) {
            QRadioButton *button = radio(QStringLiteral("%1_%2").arg(group.name).arg(i + 1));
            ASSERT_NE(button, nullptr);
            EXPECT_EQ(button->text(), group.options[i].caption);
            EXPECT_FALSE(button->isChecked()) << "nothing is selected at first";
        }
    }
    EXPECT_EQ(window.findChild<QPushButton *>("Retour")->text(), "Quitter");
}

TEST_F(Ar5000WindowTest, EveryOptionSendsItsOwnCommandThenEX)
{
    window.show();
    for (const ExpectedGroup &group : kPanel) {
        for (std::size_t i = 0; i < group.options.size(); ++i) {
            const QString name = QStringLiteral("%1_%2").arg(group.name).arg(i + 1);
            click(name);
            EXPECT_EQ(pty.readAll(), group.options[i].sent) << name.toStdString();
            EXPECT_EQ(panel.selectedOption(group.name), static_cast<int>(i + 1));
        }
    }
}

// With an FT-847 on the receiver line, the panel's text would land in its
// CAT frames: the panel then keeps the operator's choice but sends nothing.
TEST_F(Ar5000WindowTest, NothingIsSentUnlessTheReceiverIsTheAr5000)
{
    window.show();
    receiverIsAr5000 = false;
    click("Mode_4");
    EXPECT_TRUE(radio("Mode_4")->isChecked());
    EXPECT_EQ(panel.selectedOption("Mode"), 4);
    EXPECT_EQ(pty.readAll(100), QByteArray());

    receiverIsAr5000 = true;
    click("Mode_2");
    EXPECT_EQ(pty.readAll(), QByteArray("MD0\r\nEX\r\n"));
}

TEST_F(Ar5000WindowTest, ClickingAnOptionSendsItsCommandThenEX)
{
    window.show();
    click("Mode_4");
    EXPECT_EQ(pty.readAll(), QByteArray("MD3\r\nEX\r\n"));
    click("Pas_4");
    EXPECT_EQ(pty.readAll(), QByteArray("SJ1\r\nST1.0\r\nEX\r\n"));
    click("CAG_3");
    EXPECT_EQ(pty.readAll(), QByteArray("ACF\r\nEX\r\n"));
    click("Mode_4");
    EXPECT_EQ(pty.readAll(100), QByteArray()) << "the selection did not change";
    EXPECT_EQ(panel.selectedOption("Mode"), 4);
    EXPECT_EQ(panel.selectedOption("Pas"), 4);
}

TEST_F(Ar5000WindowTest, SelectionsMadeByTheDriverShowWithoutBeingSentTwice)
{
    test::RecordingWaiter waiter;
    Ar5000Receiver receiver{line, waiter, panel, messages, queue};
    receiver.Programme_AR5000(ReceiverMode::C);
    pty.readAll();
    for (const char *name : {"CAG_2", "AF_LPF_4", "AF_HPF_4", "Prea_5", "Pas_4", "Mode_4", "Ant_1", "IF_BW_3"})
        EXPECT_TRUE(radio(name)->isChecked()) << name;
    EXPECT_FALSE(radio("Mode_2")->isChecked());

    panel.selectOption("Mode", 1);
    EXPECT_EQ(pty.readAll(), QByteArray("MD1\r\nEX\r\n"));
    EXPECT_TRUE(radio("Mode_1")->isChecked());
    EXPECT_FALSE(radio("Mode_4")->isChecked());
}

TEST_F(Ar5000WindowTest, CloseBoxIsRefusedQuitterHidesAndSelectionsStay)
{
    window.show();
    click("Ant_2");
    EXPECT_FALSE(window.close());
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(messages.texts(), QStringList{"Utilisez le bouton quitter"});
    EXPECT_EQ(messages.shown.at(0).title, "Orvanta");

    QTest::mouseClick(window.findChild<QPushButton *>("Retour"), Qt::LeftButton);
    EXPECT_FALSE(window.isVisible());
    panel.selectOption("Ant", 1); // the driver may still change it while hidden
    window.show();
    EXPECT_TRUE(radio("Ant_1")->isChecked());
    EXPECT_EQ(pty.readAll(), QByteArray("AN2\r\nEX\r\nAN1\r\nEX\r\n"));
}

TEST_F(Ar5000WindowTest, AWindowBuiltLaterShowsThePanelsSelections)
{
    panel.selectOption("IF_BW", 6);
    AR5000Window later{panel, messages};
    EXPECT_TRUE(later.findChild<QRadioButton *>("IF_BW_6")->isChecked());
}

TEST_F(Ar5000WindowTest, UnknownGroupsAndOptionsAreIgnored)
{
    panel.selectOption("Volume", 1);
    panel.selectOption("Ant", 3);
    panel.selectOption("Ant", 0);
    EXPECT_EQ(pty.readAll(100), QByteArray());
    EXPECT_EQ(panel.selectedOption("Ant"), 0);
}

} // namespace
} // namespace orvanta
