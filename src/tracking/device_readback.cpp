#include "tracking/device_readback.h"

namespace orvanta {

DeviceReadback::DeviceReadback(Links links) : links_(std::move(links))
{
    QObject::connect(&links_.rotor, &HamlibRotor::readingChanged, &context_, [this] { refresh(); });
    QObject::connect(&links_.receiver, &HamlibReceiver::readingChanged, &context_, [this] { refresh(); });
}

void DeviceReadback::refresh()
{
    std::optional<RotorAim> position;
    if (const auto reading = links_.rotor.reading(); reading && links_.rotorChosen())
        position = RotorAim{reading->azimuthDeg, reading->elevationDeg};
    links_.showRotor(position);
    std::optional<double> hertz;
    if (const auto reading = links_.receiver.reading(); reading && links_.receiverChosen())
        hertz = reading->hertz;
    links_.showRadio(hertz);
}

} // namespace orvanta
