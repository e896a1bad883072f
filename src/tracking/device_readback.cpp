#include "tracking/device_readback.h"

#include <QCoreApplication>

#include "platform/text_numbers.h"

namespace orvanta {

QString rotorReadbackText(const std::optional<RotatorReading> &reading)
{
    if (!reading)
        return {};
    return QCoreApplication::translate("Tracking", "Rotor : %1° / %2°")
        .arg(formatFixed(reading->azimuthDeg, 0), formatFixed(reading->elevationDeg, 0));
}

QString radioReadbackText(const std::optional<RigReading> &reading)
{
    if (!reading)
        return {};
    return QCoreApplication::translate("Tracking", "Radio : %1 MHz").arg(formatFixed(reading->hertz / 1e6, 5));
}

DeviceReadback::DeviceReadback(Links links) : links_(std::move(links))
{
    QObject::connect(&links_.rotor, &HamlibRotor::readingChanged, &context_, [this] { refresh(); });
    QObject::connect(&links_.receiver, &HamlibReceiver::readingChanged, &context_, [this] { refresh(); });
}

void DeviceReadback::refresh()
{
    links_.show(QStringLiteral("Lecture_Rotor"),
                links_.rotorChosen() ? rotorReadbackText(links_.rotor.reading()) : QString());
    links_.show(QStringLiteral("Lecture_Radio"),
                links_.receiverChosen() ? radioReadbackText(links_.receiver.reading()) : QString());
}

} // namespace orvanta
