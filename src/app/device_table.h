#pragma once

#include <QHash>
#include <QString>

namespace orvanta {

class Receiver;
class Rotor;

// Which rotor and which receiver the station drives, by the names the
// configuration keeps (`Interface_Rotor`, `Recepteur`). A name nobody
// registered drives nothing, so the tick never branches on these texts.
class DeviceTable {
public:
    void addRotor(const QString &interfaceName, Rotor &rotor) { rotors_.insert(interfaceName, &rotor); }
    void addReceiver(const QString &receiverName, Receiver &receiver) { receivers_.insert(receiverName, &receiver); }

    Rotor *rotor(const QString &interfaceName) const { return rotors_.value(interfaceName, nullptr); }
    Receiver *receiver(const QString &receiverName) const { return receivers_.value(receiverName, nullptr); }

private:
    QHash<QString, Rotor *> rotors_;
    QHash<QString, Receiver *> receivers_;
};

} // namespace orvanta
