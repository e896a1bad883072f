#pragma once

#include <QHash>
#include <QString>

namespace orvanta {

class Receiver;
class Rotor;

// What a rotor is reached through, so that start-up opens only what the
// chosen one needs.
enum class RotorLink {
    None,         // reached another way (Hamlib)
    RotorLine,    // the serial rotor line, opened at start-up
    ParallelPort, // output only: parked at start-up to give it a known position
};

// Which rotor and which receiver the station drives, by the names the
// configuration keeps (`Interface_Rotor`, `Recepteur`). A name nobody
// registered drives nothing, so the tick never branches on these texts.
class DeviceTable {
public:
    void addRotor(const QString &interfaceName, Rotor &rotor, RotorLink link = RotorLink::None)
    {
        rotors_.insert(interfaceName, {&rotor, link});
    }
    void addReceiver(const QString &receiverName, Receiver &receiver) { receivers_.insert(receiverName, &receiver); }

    Rotor *rotor(const QString &interfaceName) const { return rotors_.value(interfaceName).rotor; }
    RotorLink rotorLink(const QString &interfaceName) const { return rotors_.value(interfaceName).link; }
    Receiver *receiver(const QString &receiverName) const { return receivers_.value(receiverName, nullptr); }

private:
    struct RotorEntry {
        Rotor *rotor = nullptr;
        RotorLink link = RotorLink::None;
    };
    QHash<QString, RotorEntry> rotors_;
    QHash<QString, Receiver *> receivers_;
};

} // namespace orvanta
