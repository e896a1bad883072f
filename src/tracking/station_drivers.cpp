#include "tracking/station_drivers.h"

#include <QCoreApplication>

#include "config/config_station.h"
#include "config/configuration.h"
#include "platform/message_boxes.h"
#include "platform/serial_line.h"

namespace orvanta {

StationDrivers::StationDrivers(DeviceLines lines, const ConfigStation &config)
    : hamlibReceiver(lines.messages),
      hamlibRotor(lines.messages),
      fodtrack(lines.parallelPort, lines.waiter, config),
      gs232(lines.rotorLine, lines.messages),
      panel(lines.receiverLine, receiverQueue, [this] { return ar5000Registered_ && receiver() == ar5000Registered_; }),
      ar5000(lines.receiverLine, lines.waiter, panel, lines.messages, receiverQueue),
      ft847(lines.receiverLine, lines.waiter, lines.messages, receiverQueue),
      fodtrackRotor(fodtrack, lines.waiter),
      gs232Rotor(gs232),
      ar5000Radio(ar5000),
      ft847Radio(ft847),
      lines_(lines),
      config_(config)
{
}

void StationDrivers::registerDevices(Receiver &ar5000Gate, Receiver &ft847Gate, Receiver &hamlibGate)
{
    table_.addRotor(RotorKind::Fodtrack, fodtrackRotor, RotorLink::ParallelPort);
    table_.addRotor(RotorKind::Gs232, gs232Rotor, RotorLink::RotorLine);
    table_.addReceiver(ReceiverKind::Ar5000, ar5000Gate);
    table_.addReceiver(ReceiverKind::Ft847, ft847Gate);
    table_.addRotor(RotorKind::Hamlib, hamlibRotor);
    table_.addReceiver(ReceiverKind::Hamlib, hamlibGate);
    ar5000Registered_ = &ar5000Gate;
    hamlibRegistered_ = &hamlibGate;
}

Rotor *StationDrivers::rotor() const
{
    return table_.rotor(rotorKindOf(config_.Interface_Rotor));
}

Receiver *StationDrivers::receiver() const
{
    return table_.receiver(receiverKindOf(config_.Recepteur));
}

std::optional<RotorRange> StationDrivers::rotorRange() const
{
    const Rotor *chosen = rotor();
    return chosen ? std::optional(chosen->range()) : std::nullopt;
}

std::optional<RotatorReading> StationDrivers::hamlibRotorReading() const
{
    return drivesHamlibRotor() ? hamlibRotor.reading() : std::nullopt;
}

std::optional<double> StationDrivers::hamlibRadioHertz() const
{
    const auto reading = hamlibReceiver.reading();
    return drivesHamlibReceiver() && reading ? std::optional(reading->hertz) : std::nullopt;
}

void StationDrivers::openLines()
{
    if (receiverUsesLine(config_.Recepteur))
        lines_.receiverLine.setPortOpen(true);
    if (table_.rotorLink(rotorKindOf(config_.Interface_Rotor)) == RotorLink::RotorLine)
        lines_.rotorLine.setPortOpen(true);
}

void StationDrivers::parkParallelRotor()
{
    if (table_.rotorLink(rotorKindOf(config_.Interface_Rotor)) != RotorLink::ParallelPort)
        return;
    fodtrack.Valeur_Brute = false;
    fodtrack.Fodtrack_Azimut(config_.Park_Azimut, fodtrack.Valeur_Brute);
    fodtrack.Fodtrack_Site(config_.Park_Site, fodtrack.Valeur_Brute);
}

void StationDrivers::offerPark()
{
    if (lines_.messages.question(QCoreApplication::translate("Tracking", "Voulez vous parquer les antennes?"),
                                 QStringLiteral("Parkage"))) {
        if (Rotor *chosen = rotor())
            chosen->park(config_.Park_Azimut, config_.Park_Site);
    }
}

void StationDrivers::endRemoteControl()
{
    if (Receiver *chosen = receiver())
        chosen->endRemoteControl();
}

void StationDrivers::closeLines()
{
    receiverQueue.run(ReceiverLineQueue::LineClosing, [this] {
        if (lines_.receiverLine.PortOpen())
            lines_.receiverLine.setPortOpen(false);
    });
    if (lines_.rotorLine.PortOpen())
        lines_.rotorLine.setPortOpen(false);
}

} // namespace orvanta
