#include "platform/qt_serial_line.h"
#include "support/fakes.h"
#include "support/pty.h"

#include <gtest/gtest.h>

namespace orvanta {
namespace {

TEST(SerialLine, BytesAndSettingsReachThePseudoTerminal)
{
    test::PtyPair pty;
    test::RecordingMessageBoxes messages;
    QtSerialLine line(pty.slavePath(), QStringLiteral("9600,n,8,1"), messages);
    line.setPortOpen(true);
    ASSERT_TRUE(line.PortOpen()) << messages.texts().join('\n').toStdString();
    EXPECT_EQ(pty.baud(), 9600);
    EXPECT_EQ(pty.stopBits(), 1);

    line.Output(QByteArray("W045 007\r"));
    EXPECT_EQ(pty.readAll(), QByteArray("W045 007\r"));

    ASSERT_TRUE(line.setSettings(QStringLiteral("4800,n,8,2")));
    EXPECT_EQ(pty.baud(), 4800);
    EXPECT_EQ(pty.stopBits(), 2);
    EXPECT_EQ(pty.dataBits(), 8);
    EXPECT_FALSE(pty.parityEnabled());
    const QByteArray binary("\x14\x58\x00\x00\x01", 5);
    line.Output(binary);
    EXPECT_EQ(pty.readAll(), binary);
}

} // namespace
} // namespace orvanta
