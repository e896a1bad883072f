#pragma once

#include "remote/remote_settings.h"

#include <QString>

#include <optional>

class QDBusConnection;

namespace orvanta {

class DeviceSetup;
class HelpViewer;
class MessageBoxes;
class ParallelPort;
class SerialLine;
class SettingsStore;
class SoundPlayer;
class UtcClock;
class Waiter;

// What the station needs from the machine: real devices in the program,
// recordings in the tests.
struct StationPlatform {
    SettingsStore &store;
    MessageBoxes &messages;
    const UtcClock &clock;
    Waiter &waiter;
    SerialLine &receiverLine; // AR5000 / FT-847
    SerialLine &rotorLine;    // GS-232
    ParallelPort &parallelPort;
    SoundPlayer &sound;
    HelpViewer &help;
    QString stationFolder; // element files, Elements.cfg, Frequences.cfg, sound, manual
    // The Linux devices behind the lines and the port; none in tests that
    // record the devices.
    DeviceSetup *deviceSetup = nullptr;
    // Where the alarms' desktop notifications go; the session bus when none.
    QDBusConnection *notificationBus = nullptr;
    // --remote: the remote station's server on for this run, at this address.
    std::optional<RemoteListen> remoteListen = std::nullopt;
};

} // namespace orvanta
