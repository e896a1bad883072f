#include "platform/switchable_parallel_port.h"

namespace orvanta {

SwitchableParallelPort::SwitchableParallelPort(const QString &device, PpdevParallelPort::BaseAddress base,
                                               MessageBoxes &messages, std::unique_ptr<PpdevIo> io,
                                               const QString &rawPort)
    : device_(device), ppdev_(device, std::move(base), messages, std::move(io)), raw_(messages, rawPort)
{
}

void SwitchableParallelPort::setDevice(const QString &device)
{
    device_ = device;
    // Also frees the port held through ppdev when raw access is chosen.
    ppdev_.setDevice(device);
}

void SwitchableParallelPort::Out32(int address, int value)
{
    if (usesRawPort())
        raw_.Out32(address, value);
    else
        ppdev_.Out32(address, value);
}

} // namespace orvanta
