#pragma once

#include "platform/linux_parallel_port.h"
#include "platform/ppdev_parallel_port.h"

#include <QString>

#include <memory>

namespace orvanta {

class MessageBoxes;

// The device that selects raw I/O-port access instead of the ppdev driver.
inline const QString kRawPortDevice = QStringLiteral("/dev/port");

// The station's parallel port: the ppdev driver on the configured device
// (/dev/parport0...), or raw register writes at the LPT menu's address when
// the configured device is /dev/port (root only, for machines without ppdev).
class SwitchableParallelPort final : public ParallelPort {
public:
    // rawPort: the file written for raw access (/dev/port; a plain file in tests).
    SwitchableParallelPort(const QString &device, PpdevParallelPort::BaseAddress base, MessageBoxes &messages,
                           std::unique_ptr<PpdevIo> io = systemPpdevIo(), const QString &rawPort = kRawPortDevice);

    QString device() const { return device_; }
    bool usesRawPort() const { return device_ == kRawPortDevice; }
    // Takes effect from the next write.
    void setDevice(const QString &device);

    void Out32(int address, int value) override;

private:
    QString device_;
    PpdevParallelPort ppdev_;
    LinuxParallelPort raw_;
};

} // namespace orvanta
