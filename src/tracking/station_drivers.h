#pragma once

#include "receiver/ar5000_panel.h"
#include "receiver/ar5000_radio.h"
#include "receiver/ar5000_receiver.h"
#include "receiver/ft847_radio.h"
#include "receiver/ft847_receiver.h"
#include "receiver/hamlib_rig.h"
#include "receiver/receiver_line_queue.h"
#include "rotor/fodtrack.h"
#include "rotor/fodtrack_rotor.h"
#include "rotor/gs232.h"
#include "rotor/gs232_rotor.h"
#include "rotor/hamlib_rotator.h"
#include "tracking/device_table.h"

#include <optional>

namespace orvanta {

struct ConfigStation;
class MessageBoxes;
class ParallelPort;
class SerialLine;
class Waiter;

// What the drivers are reached through.
struct DeviceLines {
    SerialLine &receiverLine; // AR5000 / FT-847
    SerialLine &rotorLine;    // GS-232
    ParallelPort &parallelPort;
    Waiter &waiter;
    MessageBoxes &messages;
};

// Every rotor and receiver driver of the station, registered in the device
// table by kind, and the chosen ones as the configuration names them now. The Hamlib devices come first, so that their
// worker threads outlive every other driver.
class StationDrivers {
public:
    StationDrivers(DeviceLines lines, const ConfigStation &config);
    StationDrivers(const StationDrivers &) = delete;
    StationDrivers &operator=(const StationDrivers &) = delete;

    // Registers the rotors, and the receivers as the tick is to reach them
    // (behind the transponder work's gates).
    void registerDevices(Receiver &ar5000, Receiver &ft847, Receiver &hamlib);

    // The rotor and the receiver the configuration chooses now; null for none.
    Rotor *rotor() const;
    Receiver *receiver() const;
    // The chosen rotor's range, for planning a pass; none without a rotor.
    std::optional<RotorRange> rotorRange() const;
    bool drivesHamlibRotor() const { return rotor() == &hamlibRotor; }
    bool drivesHamlibReceiver() const { return hamlibRegistered_ && receiver() == hamlibRegistered_; }
    // The Hamlib rotor's and radio's last readings, while they are the chosen ones.
    std::optional<RotatorReading> hamlibRotorReading() const;
    std::optional<double> hamlibRadioHertz() const;

    // Opens the lines the chosen devices are reached through.
    void openLines();
    // The output-only parallel port has no position to read: the FodTrack
    // is parked at start-up to give it a known one.
    void parkParallelRotor();
    // Asks whether to park the antennas, and parks the chosen rotor if so.
    void offerPark();
    // The shutdown's last words to the chosen receiver, then the lines are
    // closed; a close asked for during a sequence's pause finds the release
    // queued behind it, so the line closes once the release has gone out.
    void endRemoteControl();
    void closeLines();

    HamlibReceiver hamlibReceiver;
    HamlibRotor hamlibRotor;
    ReceiverLineQueue receiverQueue;
    Fodtrack fodtrack;
    Gs232 gs232;
    Ar5000Panel panel;
    Ar5000Receiver ar5000;
    Ft847Receiver ft847;
    FodtrackRotor fodtrackRotor;
    Gs232Rotor gs232Rotor;
    Ar5000Radio ar5000Radio;
    Ft847Radio ft847Radio;

private:
    DeviceLines lines_;
    const ConfigStation &config_;
    DeviceTable table_;
    const Receiver *ar5000Registered_ = nullptr;
    const Receiver *hamlibRegistered_ = nullptr;
};

} // namespace orvanta
