#pragma once

#include "config/device_kinds.h"

#include <QString>

namespace orvanta {

// The device menus' check marks as the configuration reads them. A choice
// no entry stands for leaves its menu's marks as they are.
struct DeviceMarks {
    ReceiverKind receiver = ReceiverKind::None;
    RotorKind rotor = RotorKind::None;
    int receiverSpeed = 0;   // bauds; 0 for a speed the menu does not offer
    int rotorSpeed = 0;
    int parallelAddress = 0; // 888 (LPT1) or 632 (LPT2); 0 for any other
};

// Where the loaded configuration shows itself: the main window's title and
// the device menus' check marks. The dialogs fill their fields from the
// configuration each time they open.
class ConfigView {
public:
    virtual ~ConfigView() = default;
    // "Poursuite satellite avec interface ... et RX ...", or "Parkage" at the end.
    virtual void showTitle(const QString &title) = 0;
    virtual void showDeviceMarks(const DeviceMarks &marks) = 0;
};

// For start-up before any window exists, and for tools without windows.
class NoConfigView final : public ConfigView {
public:
    void showTitle(const QString &) override {}
    void showDeviceMarks(const DeviceMarks &) override {}
};

} // namespace orvanta
