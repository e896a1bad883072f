#pragma once

#include "config/device_kinds.h"

#include <map>

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

// Which driver answers for each kind of rotor and receiver. A kind nobody
// registered drives nothing, so the tick never branches on kinds.
class DeviceTable {
public:
    void addRotor(RotorKind kind, Rotor &rotor, RotorLink link = RotorLink::None) { rotors_[kind] = {&rotor, link}; }
    void addReceiver(ReceiverKind kind, Receiver &receiver) { receivers_[kind] = &receiver; }

    Rotor *rotor(RotorKind kind) const
    {
        const auto found = rotors_.find(kind);
        return found == rotors_.end() ? nullptr : found->second.rotor;
    }
    RotorLink rotorLink(RotorKind kind) const
    {
        const auto found = rotors_.find(kind);
        return found == rotors_.end() ? RotorLink::None : found->second.link;
    }
    Receiver *receiver(ReceiverKind kind) const
    {
        const auto found = receivers_.find(kind);
        return found == receivers_.end() ? nullptr : found->second;
    }

private:
    struct RotorEntry {
        Rotor *rotor = nullptr;
        RotorLink link = RotorLink::None;
    };
    std::map<RotorKind, RotorEntry> rotors_;
    std::map<ReceiverKind, Receiver *> receivers_;
};

} // namespace orvanta
