#pragma once

class QAction;

namespace orvanta {

// The entries of the menu "Transpondeurs", handed to the work behind them.
// An entry left null is not offered.
struct TransponderEntries {
    QAction *panel = nullptr;
    QAction *import = nullptr;
    // "VFO de montée (Hamlib)"
    QAction *uplinkVfoB = nullptr;
    QAction *uplinkVfoA = nullptr;
    QAction *uplinkSub = nullptr;
    QAction *uplinkMain = nullptr;
    QAction *ignoreDial = nullptr;
    QAction *uplinkRadio = nullptr; // "Radio de montée (Hamlib)..."
};

} // namespace orvanta
