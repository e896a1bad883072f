#pragma once

#include "platform/device_worker.h"

#include <QString>

#include <vector>

namespace orvanta {

class SettingsStore;

// The kinds of device the station drives through Hamlib; each has its own
// three settings ("Hamlib Modele Recepteur", "Hamlib Modele Rotor", "Hamlib
// Modele Montee"...). The uplink radio transmits a transponder's uplink
// while another radio receives its downlink.
enum class HamlibKind { Receiver, Rotor, Uplink };

// Which Hamlib model, and where it is: a serial device with its speed
// ("/dev/ttyUSB0", 9600; speed 0 keeps the model's own), or host:port for
// the network models ("127.0.0.1:4532" for a rigctld).
struct HamlibDevice {
    int model = 0; // 0: none chosen yet
    QString port;
    int speed = 0;

    bool operator==(const HamlibDevice &) const = default;
};

// How long one exchange may wait for the device, how often Hamlib repeats it,
// and how soon a silent device is tried again. A silent device otherwise
// holds each call for Hamlib's own defaults, 10 to 20 seconds.
struct HamlibTiming {
    int timeoutMs = 1000;
    int retry = 1;
    RetryPace pace;
};

// One entry of Hamlib's list of models, and how it is reached.
struct HamlibModel {
    enum class Port { None, Serial, Network };
    int id = 0;
    QString maker;
    QString name;
    Port port = Port::Serial;

    QString text() const { return maker + QLatin1Char(' ') + name; }
};

// What a test of the set-up dialog read back: the frequency or the position,
// or why nothing was.
struct HamlibReading {
    bool answered = false;
    QString text;
};

// Maker, then model, without regard to case.
void sortByMakerAndModel(std::vector<HamlibModel> &models);

HamlibDevice loadHamlibDevice(const SettingsStore &store, HamlibKind kind);
void saveHamlibDevice(SettingsStore &store, HamlibKind kind, const HamlibDevice &device);

// The value of `Recepteur` and `Interface_Rotor` for the Hamlib devices.
inline const QString kHamlibDeviceName = QStringLiteral("Hamlib");

} // namespace orvanta
