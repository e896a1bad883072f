#include "platform/qt_serial_line.h"
#include "support/fakes.h"
#include "support/pty.h"

#include <gtest/gtest.h>

namespace orvanta {
namespace {

// An adapter moved to another device while the line is open: the line
// reopens there at once with its settings, and nothing more reaches the old one.
TEST(SerialDeviceChange, AnOpenLineMovesToItsNewDeviceWithItsSettings)
{
    test::PtyPair first;
    test::PtyPair second;
    test::RecordingMessageBoxes messages;
    QtSerialLine line(first.slavePath(), QStringLiteral("4800,n,8,1"), messages);
    line.setPortOpen(true);
    ASSERT_TRUE(line.PortOpen());
    line.Output("W010 010\r");
    EXPECT_EQ(first.readAll(), QByteArray("W010 010\r"));

    line.setDevice(second.slavePath());
    EXPECT_TRUE(line.PortOpen());
    EXPECT_EQ(line.device(), second.slavePath());
    EXPECT_EQ(second.baud(), 4800);
    line.Output("W020 020\r");
    EXPECT_EQ(second.readAll(), QByteArray("W020 020\r"));
    EXPECT_TRUE(first.readAll(50).isEmpty());
    EXPECT_TRUE(messages.shown.empty());

    // A closed line only notes the device for its next opening.
    line.setPortOpen(false);
    line.setDevice(first.slavePath());
    EXPECT_FALSE(line.PortOpen());
    line.setPortOpen(true);
    EXPECT_EQ(first.baud(), 4800);
}

TEST(SerialDeviceChange, AMissingDeviceIsReportedAndTheLineStaysClosed)
{
    test::PtyPair pty;
    test::RecordingMessageBoxes messages;
    QtSerialLine line(pty.slavePath(), QStringLiteral("9600,n,8,1"), messages);
    line.setPortOpen(true);
    line.setDevice(QStringLiteral("/dev/ttyUSB_absent"));
    EXPECT_FALSE(line.PortOpen());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.texts()[0], "Le peripherique /dev/ttyUSB_absent n'existe pas.");
}

} // namespace
} // namespace orvanta
