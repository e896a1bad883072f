#pragma once

#include <QString>
#include <QStringList>

namespace orvanta {

// The serial devices present: built-in ports (ttyS*), USB adapters (ttyUSB*,
// ttyACM*) and the adapters' stable names under /dev/serial/by-id, which do
// not change from one boot to the next as the ttyUSB numbers do. The roots
// are parameters so a test can stand a folder in for /dev.
QStringList serialDevicesPresent(const QString &devRoot = QStringLiteral("/dev"),
                                 const QString &byIdRoot = QStringLiteral("/dev/serial/by-id"));

// The ppdev parallel ports present (/dev/parport0...).
QStringList parallelDevicesPresent(const QString &devRoot = QStringLiteral("/dev"));

} // namespace orvanta
