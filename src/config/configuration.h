#pragma once

#include "config/config_station.h"

#include <QString>

#include <array>

namespace orvanta {

class ConfigView;
class MessageBoxes;
class SerialLine;
class SettingsStore;

// Linux devices of the two serial lines, kept in section "Setup" beside the
// configuration values so a station with USB adapters can name its own.
inline const QString kReceiverDeviceKey = QStringLiteral("Peripherique Ligne Recepteur");
inline const QString kRotorDeviceKey = QStringLiteral("Peripherique Ligne Rotor");
inline const QString kDefaultReceiverDevice = QStringLiteral("/dev/ttyS0");
inline const QString kDefaultRotorDevice = QStringLiteral("/dev/ttyS1");
// The FodTrack interface's parallel port: a ppdev device, or /dev/port for
// raw register writes at the LPT menu's address.
inline const QString kParallelDeviceKey = QStringLiteral("Peripherique Port Parallele");
inline const QString kDefaultParallelDevice = QStringLiteral("/dev/parport0");

// What the configuration touches besides its values.
struct ConfigContext {
    SettingsStore &store;
    ConfigView &view;
    SerialLine &receiverLine; // on serial port 1: AR5000 / FT-847
    SerialLine &rotorLine;    // on serial port 2: GS-232
    MessageBoxes *messages = nullptr; // told about stored entries that are not numbers
};

// The main window's title: "Poursuite satellite avec interface <rotor> et RX <receiver>".
QString titleCaption(const ConfigStation &config);

// The `Recepteur` values the receiver entries of the Selection menu stand for.
struct ReceiverEntry {
    const char *recepteur;
    bool onReceiverLine; // driven through the receiver serial line (a Hamlib radio has its own)
};
inline constexpr std::array<ReceiverEntry, 3> kReceiverEntries{
    {{"AR5000", true}, {"FT847", true}, {"Hamlib", false}}};

// Whether the receiver the configuration names is driven through the
// receiver serial line, which is then opened for it.
bool receiverUsesLine(const QString &recepteur);

// The settings text of a serial line at one of the menu's speeds
// ("4800,n,8,1"), or an empty text for any other speed.
QString lineSettingsForSpeed(float speed);

// Loads every value from section "Setup" (defaults for missing entries) and
// shows it in the dialogs, menus, serial lines and title.
void Charge_Config(ConfigStation &config, ConfigContext &context);

// Writes every value to section "Setup" (bank sizes excepted), in one write.
void Sauve_Config(const ConfigStation &config, SettingsStore &store);

// The Linux device of each serial line.
QString receiverDevice(const SettingsStore &store);
QString rotorDevice(const SettingsStore &store);
QString parallelDevice(const SettingsStore &store);

} // namespace orvanta
