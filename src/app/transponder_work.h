#pragma once

#include "app/hamlib_satellite_work.h"
#include "app/satellite_link.h"
#include "app/transponder_tuning.h"

#include <QString>

#include <functional>

class QTimer;
class QWidget;

namespace orvanta {

class MessageBoxes;
class SettingsStore;
class TranspondeurWindow;
class UtcClock;
namespace orbit {
class Satellites;
}

// Working the satellites' transponders, assembled in one place: the table's
// import from the "Transpondeurs" menu, the panel of the followed satellite,
// and the FT-847's satellite mode or the Hamlib radio's split corrected on a
// timer of its own.
class TransponderWork {
public:
    struct Links {
        QWidget &window; // holds the menus; parent of the panel and the timer
        SettingsStore &store;
        MessageBoxes &messages;
        const UtcClock &clock;
        QString folder;
        std::function<orbit::Satellites *()> component;
        // The station programs an FT-847 now ("Programmation Recepteur" on,
        // FT847 chosen, not closing).
        std::function<bool()> programsFt847;
        // The same for the Hamlib radio.
        std::function<bool()> programsHamlib;
    };

    TransponderWork(Links links, Ft847Receiver &ft847, Receiver &ft847Radio, HamlibReceiver &hamlib);
    ~TransponderWork();
    TransponderWork(const TransponderWork &) = delete;
    TransponderWork &operator=(const TransponderWork &) = delete;

    // What the tick registers as the FT-847.
    Receiver &ft847Receiver() { return ft847Receiver_; }
    // What the tick registers as the Hamlib radio.
    Receiver &hamlibReceiver() { return hamlib_.receiver(); }
    // The satellite the tick follows (empty name and 0 for none).
    void followed(const QString &name, long catalogNumber);

private:
    void correct();
    void importSatnogs();
    std::optional<double> rangeRate() const;

    Links links_;
    TransponderTuning tuning_;
    Ft847SatelliteRadio ft847Satellite_;
    SatelliteLink ft847Link_;
    SatelliteLinkReceiver ft847Receiver_;
    HamlibSatelliteWork hamlib_;
    TranspondeurWindow *panel_;
    QTimer *correction_;
};

} // namespace orvanta
