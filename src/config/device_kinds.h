#pragma once

#include <QString>

namespace orvanta {

// The receivers and rotors the station knows. The settings keep them as
// texts ("Recepteur", "Interface Rotor"); inside the station they are these.
enum class ReceiverKind { None, Ar5000, Ft847, Hamlib };
enum class RotorKind { None, Fodtrack, Gs232, Hamlib };

// The kind a settings text names; None for a text no driver answers to.
ReceiverKind receiverKindOf(const QString &recepteur);
RotorKind rotorKindOf(const QString &interfaceRotor);

} // namespace orvanta
