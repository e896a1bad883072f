#pragma once

#include "platform/device_access.h"

#include <QString>
#include <QStringList>

#include <functional>

namespace orvanta {

class MessageBoxes;
class QtSerialLine;
class SettingsStore;
class SwitchableParallelPort;

// The Linux devices of the station: the receiver line, the rotor line and
// the FodTrack interface's parallel port.
struct StationDevices {
    QString receiver;
    QString rotor;
    QString parallel;
};

// Where the devices are looked for; tests stand a folder in for /dev.
struct DeviceFolders {
    QString dev = QStringLiteral("/dev");
    QString byId = QStringLiteral("/dev/serial/by-id");
};

// What the devices dialog does, apart from its window: offers the devices
// present, checks the operator's choice, applies it to the lines and the
// port at once and keeps it in the settings store.
class DeviceSetup {
public:
    // Whether a device may be opened: empty, or the reason it may not.
    using AccessCheck = std::function<QString(const QString &path, DeviceKind kind)>;

    DeviceSetup(SettingsStore &store, QtSerialLine &receiverLine, QtSerialLine &rotorLine,
                SwitchableParallelPort &parallelPort, MessageBoxes &messages, DeviceFolders folders = {},
                AccessCheck check = deviceAccessProblem);

    // The devices as stored (defaults when never set).
    StationDevices current() const;
    // Serial devices present, stable by-id names first.
    QStringList serialChoices() const;
    // ppdev ports present, then raw access through /dev/port.
    QStringList parallelChoices() const;

    // Refuses an empty device (message, false). Otherwise stores the three
    // devices, moves an open line to its new device at once (the line reports
    // a failure to open), and reports in one message every other device that
    // cannot be opened, with the reason; true.
    bool apply(const StationDevices &devices);

private:
    QString problemOf(const QString &device, DeviceKind kind) const;

    SettingsStore &store_;
    QtSerialLine &receiverLine_;
    QtSerialLine &rotorLine_;
    SwitchableParallelPort &parallelPort_;
    MessageBoxes &messages_;
    DeviceFolders folders_;
    AccessCheck check_;
};

} // namespace orvanta
