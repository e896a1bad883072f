#include "config/device_setup.h"

#include "config/config_station.h"
#include "config/configuration.h"
#include "platform/devices_present.h"
#include "platform/message_boxes.h"
#include "platform/qt_serial_line.h"
#include "platform/settings_store.h"
#include "platform/switchable_parallel_port.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace orvanta {

namespace {

// A by-id name and the ttyUSB it points to are one device.
bool sameDevice(const QString &a, const QString &b)
{
    const QString canonicalA = QFileInfo(a).canonicalFilePath();
    const QString canonicalB = QFileInfo(b).canonicalFilePath();
    return a == b || (!canonicalA.isEmpty() && canonicalA == canonicalB);
}

} // namespace

DeviceSetup::DeviceSetup(SettingsStore &store, QtSerialLine &receiverLine, QtSerialLine &rotorLine,
                         SwitchableParallelPort &parallelPort, MessageBoxes &messages, DeviceFolders folders,
                         AccessCheck check)
    : store_(store), receiverLine_(receiverLine), rotorLine_(rotorLine), parallelPort_(parallelPort),
      messages_(messages), folders_(std::move(folders)), check_(std::move(check))
{
}

StationDevices DeviceSetup::current() const
{
    return {receiverDevice(store_), rotorDevice(store_), parallelDevice(store_)};
}

QStringList DeviceSetup::serialChoices() const
{
    return serialDevicesPresent(folders_.dev, folders_.byId);
}

QStringList DeviceSetup::parallelChoices() const
{
    return parallelDevicesPresent(folders_.dev) << kRawPortDevice;
}

QString DeviceSetup::problemOf(const QString &device, DeviceKind kind) const
{
    const QString problem = check_(device, kind);
    if (!problem.isEmpty() && device == kRawPortDevice)
        return QCoreApplication::translate(
                   "DeviceSetup", "L'acces direct aux ports par %1 demande les droits root (ou CAP_SYS_RAWIO) ; "
                                  "preferez /dev/parport0 et le groupe lp.")
            .arg(device);
    return problem;
}

bool DeviceSetup::apply(const StationDevices &wanted)
{
    const StationDevices devices{wanted.receiver.trimmed(), wanted.rotor.trimmed(), wanted.parallel.trimmed()};
    QStringList missing;
    if (devices.receiver.isEmpty())
        missing << QCoreApplication::translate("DeviceSetup", "Specifiez le peripherique de la ligne recepteur");
    if (devices.rotor.isEmpty())
        missing << QCoreApplication::translate("DeviceSetup", "Specifiez le peripherique de la ligne rotor");
    if (devices.parallel.isEmpty())
        missing << QCoreApplication::translate("DeviceSetup", "Specifiez le peripherique du port parallele");
    if (missing.isEmpty() && sameDevice(devices.receiver, devices.rotor))
        missing << QCoreApplication::translate(
            "DeviceSetup", "Les lignes recepteur et rotor ne peuvent pas utiliser le meme peripherique");
    if (!missing.isEmpty()) {
        messages_.information(missing.join('\n'));
        return false;
    }

    {
        SettingsBatch batch(store_);
        store_.save(kApplication, kSetupSection, kReceiverDeviceKey, devices.receiver);
        store_.save(kApplication, kSetupSection, kRotorDeviceKey, devices.rotor);
        store_.save(kApplication, kSetupSection, kParallelDeviceKey, devices.parallel);
    }

    QStringList problems;
    // Only changed devices are looked at. An open line reopens on its new
    // device and says itself when it cannot; a closed one takes it at its
    // next opening, so it is checked now.
    auto moveLine = [&](QtSerialLine &line, const QString &device) {
        if (line.device() == device)
            return;
        if (!line.PortOpen()) {
            const QString problem = problemOf(device, DeviceKind::Serial);
            if (!problem.isEmpty())
                problems << problem;
        }
        line.setDevice(device);
    };
    moveLine(receiverLine_, devices.receiver);
    moveLine(rotorLine_, devices.rotor);
    if (devices.parallel != parallelPort_.device()) {
        const QString problem = problemOf(devices.parallel, DeviceKind::Parallel);
        if (!problem.isEmpty())
            problems << problem;
        parallelPort_.setDevice(devices.parallel);
    }

    if (!problems.isEmpty())
        messages_.information(problems.join('\n'), QStringLiteral("Orvanta"), MessageBoxes::Icon::Warning);
    return true;
}

} // namespace orvanta
