#include "config/configuration.h"
#include "config/device_setup.h"
#include "config/peripheriques_window.h"
#include "platform/qt_serial_line.h"
#include "platform/switchable_parallel_port.h"
#include "support/fake_ppdev.h"
#include "support/fakes.h"
#include "support/pty.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>

#include <cerrno>
#include <gtest/gtest.h>

namespace orvanta {
namespace {

// The station's lines on pseudo-terminals, its parallel port on a fake
// ppdev, and a folder standing in for /dev.
class DeviceSetupTest : public ::testing::Test {
protected:
    DeviceSetupTest()
    {
        for (const char *name : {"ttyS0", "ttyUSB0", "parport0"}) {
            QFile file(dev.filePath(name));
            file.open(QIODevice::WriteOnly);
        }
        QDir(dev.path()).mkpath("serial/by-id");
        QFile::link(dev.filePath("ttyUSB0"), dev.filePath("serial/by-id/usb-Prolific-if00"));
        store.save("Orvanta", "Setup", kReceiverDeviceKey, receiverPty.slavePath());
        store.save("Orvanta", "Setup", kRotorDeviceKey, "/dev/ttyS1");
        receiver.setPortOpen(true);
    }

    DeviceSetup setupWith(DeviceSetup::AccessCheck check = deviceAccessProblem)
    {
        return DeviceSetup(store, receiver, rotor, parallel, messages,
                           {dev.path(), dev.filePath("serial/by-id")}, std::move(check));
    }

    QTemporaryDir dev;
    test::PtyPair receiverPty;
    test::PtyPair otherPty;
    test::MemorySettingsStore store;
    test::RecordingMessageBoxes lineMessages;
    test::RecordingMessageBoxes messages;
    QtSerialLine receiver{receiverPty.slavePath(), QStringLiteral("19200,n,8,1"), lineMessages};
    QtSerialLine rotor{QStringLiteral("/dev/ttyS1"), QStringLiteral("4800,n,8,1"), lineMessages};
    test::PpdevLog ppdev;
    SwitchableParallelPort parallel{kDefaultParallelDevice, [] { return 888; }, lineMessages,
                                    test::fakePpdev(ppdev)};
};

TEST_F(DeviceSetupTest, OffersTheDevicesPresentAndShowsTheStoredOnes)
{
    DeviceSetup setup = setupWith();
    const StationDevices current = setup.current();
    EXPECT_EQ(current.receiver, receiverPty.slavePath());
    EXPECT_EQ(current.rotor, "/dev/ttyS1");
    EXPECT_EQ(current.parallel, "/dev/parport0"); // never set: the default
    EXPECT_EQ(setup.serialChoices(),
              QStringList({dev.filePath("serial/by-id/usb-Prolific-if00"), dev.filePath("ttyS0"),
                           dev.filePath("ttyUSB0")}));
    EXPECT_EQ(setup.parallelChoices(), QStringList({dev.filePath("parport0"), "/dev/port"}));
}

// The receiver adapter moved: the open line follows at once, keeps its
// speed, and the choice is kept for the next start.
TEST_F(DeviceSetupTest, AChangedDeviceTakesEffectAtOnceOnAnOpenLine)
{
    DeviceSetup setup = setupWith();
    ASSERT_TRUE(setup.apply({otherPty.slavePath(), "/dev/ttyS1", dev.filePath("parport0")}));
    EXPECT_TRUE(receiver.PortOpen());
    EXPECT_EQ(otherPty.baud(), 19200);
    receiver.Output("MD0\r\n");
    EXPECT_EQ(otherPty.readAll(), QByteArray("MD0\r\n"));
    EXPECT_TRUE(receiverPty.readAll(50).isEmpty());
    EXPECT_EQ(parallel.device(), dev.filePath("parport0"));
    EXPECT_EQ(receiverDevice(store), otherPty.slavePath());
    EXPECT_EQ(parallelDevice(store), dev.filePath("parport0"));
    EXPECT_TRUE(lineMessages.shown.empty());
    EXPECT_TRUE(messages.shown.empty()) << messages.texts().join('\n').toStdString();
}

TEST_F(DeviceSetupTest, DevicesThatCannotBeOpenedAreReportedWithTheReason)
{
    // Run as root the system opens anything, so the refusal is told here.
    auto denied = [](const QString &path, DeviceKind kind) {
        return path.contains("denied") ? deviceOpenFailure(path, kind, EACCES) : deviceAccessProblem(path, kind);
    };
    DeviceSetup setup = setupWith(denied);
    ASSERT_TRUE(setup.apply({receiverPty.slavePath(), "/dev/ttyUSB_denied", "/dev/parport_denied"}));
    ASSERT_EQ(messages.shown.size(), 1u);
    const QString text = messages.texts()[0];
    EXPECT_TRUE(text.contains("/dev/ttyUSB_denied")) << text.toStdString();
    EXPECT_TRUE(text.contains("groupe dialout")) << text.toStdString();
    EXPECT_TRUE(text.contains("/dev/parport_denied")) << text.toStdString();
    EXPECT_TRUE(text.contains("groupe lp")) << text.toStdString();
    EXPECT_EQ(rotorDevice(store), "/dev/ttyUSB_denied"); // kept: the operator may join the group

    messages.shown.clear();
    ASSERT_TRUE(setup.apply({receiverPty.slavePath(), "/dev/ttyUSB7", "/dev/parport_denied"}));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.texts()[0], "Le peripherique /dev/ttyUSB7 n'existe pas.");

    // A missing device on the open line: the line says so itself.
    messages.shown.clear();
    ASSERT_TRUE(setup.apply({"/dev/ttyUSB_absent", "/dev/ttyUSB7", "/dev/parport_denied"}));
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_FALSE(receiver.PortOpen());
    ASSERT_EQ(lineMessages.shown.size(), 1u);
    EXPECT_EQ(lineMessages.texts()[0], "Le peripherique /dev/ttyUSB_absent n'existe pas.");
}

TEST_F(DeviceSetupTest, AnEmptyOrSharedDeviceIsRefusedAndNothingChanges)
{
    DeviceSetup setup = setupWith();
    EXPECT_FALSE(setup.apply({" ", "", "/dev/parport1"}));
    EXPECT_EQ(messages.texts(), QStringList{"Specifiez le peripherique de la ligne recepteur\n"
                                            "Specifiez le peripherique de la ligne rotor"});
    EXPECT_EQ(receiver.device(), receiverPty.slavePath());
    EXPECT_EQ(parallel.device(), "/dev/parport0");
    EXPECT_EQ(parallelDevice(store), "/dev/parport0");

    messages.shown.clear();
    EXPECT_FALSE(setup.apply({dev.filePath("serial/by-id/usb-Prolific-if00"), dev.filePath("ttyUSB0"), "/dev/port"}));
    EXPECT_EQ(messages.texts(),
              QStringList{"Les lignes recepteur et rotor ne peuvent pas utiliser le meme peripherique"});
    EXPECT_EQ(rotor.device(), "/dev/ttyS1");
}

TEST_F(DeviceSetupTest, TheWindowShowsTheChoicesAndAppliesTheOperatorsOwn)
{
    DeviceSetup setup = setupWith();
    PeripheriquesWindow window(setup);
    window.ouvrir();
    auto *recepteur = window.findChild<QComboBox *>("Peripherique_Recepteur");
    auto *parallele = window.findChild<QComboBox *>("Peripherique_Parallele");
    ASSERT_TRUE(recepteur && parallele);
    EXPECT_EQ(recepteur->currentText(), receiverPty.slavePath());
    EXPECT_EQ(recepteur->count(), 3);
    EXPECT_EQ(parallele->currentText(), "/dev/parport0");

    recepteur->setCurrentText(otherPty.slavePath());
    parallele->setCurrentText("/dev/port");
    window.findChild<QPushButton *>("Valider")->click();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(receiver.device(), otherPty.slavePath());
    EXPECT_TRUE(parallel.usesRawPort());
}

} // namespace
} // namespace orvanta
