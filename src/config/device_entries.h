#pragma once

#include <array>

class QAction;
class QMenu;

namespace orvanta {

struct DeviceMarks;

// The speeds the line menus offer, in their order.
inline constexpr std::array<int, 5> kLineSpeeds{1200, 2400, 4800, 9600, 19200};

// The main window's entries that choose the devices and open their dialogs,
// handed to the handlers that drive them. An entry left null is not offered.
struct DeviceEntries {
    QMenu *rotorMenu = nullptr; // "Interfaces Rotor"
    QAction *lpt378 = nullptr;
    QAction *lpt278 = nullptr;
    // The speeds of "Com2 RECEPTEUR" and "Com1  ROTOR", from 1200 to 19200 bauds.
    std::array<QAction *, 5> receiverSpeeds{};
    std::array<QAction *, 5> rotorSpeeds{};
    QAction *ar5000 = nullptr;
    QAction *ft847 = nullptr;
    QAction *hamlibReceiver = nullptr;
    QAction *fodtrack = nullptr;
    QAction *gs232 = nullptr;
    QAction *hamlibRotor = nullptr;
    QAction *observateur = nullptr;
    QAction *parametres = nullptr;
    QAction *frequencesSat = nullptr;
    QAction *calibration = nullptr;
    QAction *peripheriques = nullptr;
};

// Moves the entries' check marks to the choices the configuration read.
void markDevices(const DeviceEntries &entries, const DeviceMarks &marks);

} // namespace orvanta
