#pragma once

#include "remote/remote_state.h"

#include <QString>

#include <optional>

namespace orvanta {

// What the remote asks of the station, each through what the window's own
// clicks use. Each answer is empty when done, else why not, in French.
class RemoteStation {
public:
    virtual ~RemoteStation() = default;

    // What the station does now, as its last tick left it.
    virtual RemoteSnapshot snapshot() const = 0;
    // Why the window has the hand now (a dialog or the manual pointing window
    // open): the window's operator wins over the remote. Empty otherwise.
    virtual QString windowHolds() const = 0;

    virtual QString setSwitches(std::optional<bool> rotor, std::optional<bool> doppler,
                                std::optional<bool> receiver) = 0;
    virtual QString point(double azimuthDeg, double elevationDeg) = 0;
    virtual QString park() = 0;
    // Chooses the tuning step (10, 100 or 1000 Hz) and/or moves by whole steps.
    virtual QString tune(std::optional<int> stepHz, std::optional<int> steps) = 0;
    // Stops the rotor and hands the radio back: all switches off.
    virtual QString stopAll() = 0;
};

} // namespace orvanta
