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
    AR5000 window{panel, messages};
};

TEST_F(Ar5000WindowTest, GroupsCaptionsAndNames)
{
    EXPECT_EQ(window.objectName(), "AR5000");
    EXPECT_EQ(window.windowTitle(), "AR5000 Controle");
    const auto labels = window.findChildren<QLabel *>();
    EXPECT_TRUE(std::any_of(labels.begin(), labels.end(),
                            [](QLabel *l) { return l->text() == "AR 5000 Panneau de controle"; }));
    for (const Ar5000Group &group : ar5000Groups()) {
        auto *box = window.findChild<QGroupBox *>(group.name);
        ASSERT_NE(box, nullptr) << group.name.toStdString();
        EXPECT_EQ(box->title(), group.caption);
        for (std::size_t i = 0; i < group.options.size(); ++i) {
            QRadioButton *button = radio(QStringLiteral("%1_%2").arg(group.name).arg(i + 1));
            ASSERT_NE(button, nullptr);
            EXPECT_EQ(button->text(), group.options[i].caption);
            EXPECT_FALSE(button->isChecked()) << "nothing is selected at first";
        }
    }
    EXPECT_EQ(window.findChild<QGroupBox *>("IF_BW")->title(), "IF BW");
    EXPECT_EQ(radio("AF_LPF_4")->text(), "12  KHz");
    EXPECT_EQ(radio("Pas_10")->text(), "1 MHz");
    EXPECT_EQ(window.findChild<QPushButton *>("Retour")->text(), "Quitter");
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
    receiver.Programme_AR5000(QStringLiteral("Mode C"));
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
    AR5000 later{panel, messages};
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
