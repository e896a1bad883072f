#pragma once

#include "platform/serial_line.h"

#include <QByteArray>

namespace orvanta {

// AR5000 commands are plain text ended by carriage return and line feed, each
// written in one piece. The receiver line is shared with the FT-847 driver.
inline void sendAr5000Command(SerialLine &line, const QByteArray &command)
{
    line.Output(command + "\r\n");
}

} // namespace orvanta
