#include "platform/device_access.h"
#include "platform/devices_present.h"
#include "platform/ppdev_parallel_port.h"
#include "platform/switchable_parallel_port.h"
#include "support/fake_ppdev.h"
#include "support/fakes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cerrno>
#include <unistd.h>

#include <gtest/gtest.h>

namespace orvanta {
namespace {

class PpdevPortTest : public ::testing::Test {
protected:
    test::PpdevLog log;
    test::RecordingMessageBoxes messages;
    int base = 888;
    PpdevParallelPort port{QStringLiteral("/dev/parport0"), [this] { return base; }, messages, test::fakePpdev(log)};
};

// The FodTrack latch sequences (elevation 100, then azimuth 128) reach the
// data and control registers through ppdev, with the port claimed once.
TEST_F(PpdevPortTest, RegisterWritesBecomeDataAndControlRequests)
{
    for (auto [address, value] : {std::pair{890, 8}, {888, 100}, {890, 9}, {890, 8}, {890, 10}, {888, 128},
                                  {890, 11}, {890, 10}})
        port.Out32(address, value);
    EXPECT_EQ(log.calls, QStringList({"open /dev/parport0", "exclusive", "claim", "control 8", "data 100",
                                      "control 9", "control 8", "control 10", "data 128", "control 11",
                                      "control 10"}));
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(PpdevPortTest, TheBaseAddressIsReadAtEachWriteAndOnlyTheLowByteGoesOut)
{
    port.Out32(888, 0x1FF);
    base = 632; // LPT2 chosen from the menu
    port.Out32(634, 9);
    port.Out32(888, 5); // no longer a register of the port
    port.Out32(632, 7);
    EXPECT_EQ(log.calls.mid(3), QStringList({"data 255", "control 9", "data 7"}));
}

TEST_F(PpdevPortTest, APortSharedWithThePrinterDriverIsClaimedWithoutExclusiveUse)
{
    log.exclusiveError = EBUSY;
    port.Out32(888, 1);
    EXPECT_EQ(log.calls, QStringList({"open /dev/parport0", "exclusive", "close", "open /dev/parport0", "claim",
                                      "data 1"}));
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(PpdevPortTest, RefusalsAreReportedOncePerDeviceWithTheReason)
{
    log.openError = ENOENT;
    port.Out32(890, 10);
    port.Out32(888, 100);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.texts()[0].contains("/dev/parport0 n'existe pas")) << messages.texts()[0].toStdString();

    log.openError = EACCES;
    port.setDevice(QStringLiteral("/dev/parport1"));
    port.Out32(890, 10);
    port.Out32(890, 11);
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_TRUE(messages.texts()[1].contains("/dev/parport1")) << messages.texts()[1].toStdString();
    EXPECT_TRUE(messages.texts()[1].contains("groupe lp")) << messages.texts()[1].toStdString();

    log.openError = 0;
    port.setDevice(QStringLiteral("/dev/parport0"));
    port.Out32(888, 3);
    EXPECT_TRUE(log.calls.endsWith("data 3"));
    EXPECT_EQ(messages.shown.size(), 2u);
}

TEST(SwitchableParallelPort, DevPortChoosesRawWritesAtTheMenuAddress)
{
    QTemporaryDir dir;
    const QString raw = dir.filePath("port");
    QFile file(raw);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(1024, '\0'));
    file.close();

    test::PpdevLog log;
    test::RecordingMessageBoxes messages;
    SwitchableParallelPort port(QStringLiteral("/dev/parport0"), [] { return 888; }, messages,
                                test::fakePpdev(log), raw);
    port.Out32(888, 42);
    EXPECT_TRUE(log.calls.endsWith("data 42"));

    port.setDevice(kRawPortDevice);
    EXPECT_TRUE(port.usesRawPort());
    EXPECT_EQ(log.calls.last(), "close"); // the ppdev port is given back
    const int before = static_cast<int>(log.calls.size());
    port.Out32(890, 11);
    EXPECT_EQ(log.calls.size(), before);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(static_cast<unsigned char>(file.readAll()[890]), 11);
    EXPECT_TRUE(messages.shown.empty());
}

TEST(DeviceAccess, ReasonsNameTheGroupToJoin)
{
    EXPECT_EQ(deviceOpenFailure("/dev/ttyUSB0", DeviceKind::Serial, ENOENT),
              "Le peripherique /dev/ttyUSB0 n'existe pas.");
    EXPECT_TRUE(deviceOpenFailure("/dev/ttyUSB0", DeviceKind::Serial, EACCES).contains("groupe dialout"));
    EXPECT_TRUE(deviceOpenFailure("/dev/parport0", DeviceKind::Parallel, EPERM).contains("groupe lp"));
    EXPECT_TRUE(deviceAccessProblem("/nonexistent/ttyS0", DeviceKind::Serial).contains("n'existe pas"));
    EXPECT_TRUE(deviceAccessProblem("", DeviceKind::Serial).contains("n'existe pas"));

    QTemporaryDir dir;
    const QString locked = dir.filePath("ttyS9");
    QFile file(locked);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    EXPECT_EQ(deviceAccessProblem(locked, DeviceKind::Serial), QString());
    file.setPermissions({});
    if (::geteuid() != 0) { // root opens anything
        EXPECT_TRUE(deviceAccessProblem(locked, DeviceKind::Serial).contains("groupe dialout"));
    }
}

TEST(DevicesPresent, SerialPortsAdaptersAndTheirStableNames)
{
    QTemporaryDir dev;
    for (const char *name : {"ttyS0", "ttyS10", "ttyS2", "ttyUSB0", "ttyACM0", "tty0", "parport0", "parport1"}) {
        QFile file(dev.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    QDir(dev.path()).mkpath("serial/by-id");
    const QString byId = dev.filePath("serial/by-id");
    ASSERT_TRUE(QFile::link(dev.filePath("ttyUSB0"), byId + "/usb-FTDI_FT232R_A12345-if00-port0"));

    const QString root = dev.path() + '/';
    EXPECT_EQ(serialDevicesPresent(dev.path(), byId).join(' ').remove(root).toStdString(),
              "serial/by-id/usb-FTDI_FT232R_A12345-if00-port0 ttyACM0 ttyS0 ttyS2 ttyS10 ttyUSB0");
    EXPECT_EQ(parallelDevicesPresent(dev.path()).join(' ').remove(root).toStdString(), "parport0 parport1");
    EXPECT_TRUE(serialDevicesPresent(dev.filePath("none"), dev.filePath("none")).isEmpty());
}

} // namespace
} // namespace orvanta
