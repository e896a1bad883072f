#pragma once

#include "transponder/dial_watch.h"
#include "transponder/hamlib_satellite_work.h"
#include "transponder/satellite_link.h"
#include "transponder/transponder_entries.h"
#include "transponder/transponder_tuning.h"
#include "transponder/two_radio_work.h"

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
// and the links corrected on a timer of its own: through the FT-847's
// satellite mode, the Hamlib radio's split, or two radios (any receiver on
// the downlink, a Hamlib radio on the uplink), which win when chosen.
class TransponderWork {
public:
    struct Links {
        QWidget &window; // parent of the panel and the timer
        TransponderEntries entries;
        SettingsStore &store;
        MessageBoxes &messages;
        const UtcClock &clock;
        QString folder;
        std::function<orbit::Satellites *()> component;
        // The receiver the station programs now, as registered
        // ("Programmation Recepteur" on, not closing); null when none.
        std::function<Receiver *()> programmed;
    };

    TransponderWork(Links links, Receiver &ar5000Radio, Ft847Receiver &ft847, Receiver &ft847Radio,
                    HamlibReceiver &hamlib);
    ~TransponderWork();
    TransponderWork(const TransponderWork &) = delete;
    TransponderWork &operator=(const TransponderWork &) = delete;

    // What the tick registers as the AR5000, the FT-847 and the Hamlib radio.
    Receiver &ar5000Receiver() { return ar5000Gate_; }
    Receiver &ft847Receiver() { return ft847Gate_; }
    Receiver &hamlibReceiver() { return hamlibGate_; }
    TranspondeurWindow &panel() { return *panel_; }
    // The satellite the tick follows (empty name and 0 for none).
    void followed(const QString &name, long catalogNumber);
    // The followed satellite and the chosen transponder, as the log reads them.
    const TransponderTuning &tuning() const { return tuning_; }
    // The table's files changed on disk (the element update replaced the import).
    void tableChanged();

    // Called when the operator imported the SatNOGS satellites list.
    std::function<void()> statusesImported;

    // The links at an instant, seconds from now, for the satellite followed.
    std::optional<TwoLinks> linksAhead(double seconds) const;

private:
    void correct();
    void importSatnogs();
    std::optional<double> rangeRate() const;
    // The FT-847's SAT RX read back between corrections.
    void ft847Read(std::optional<qint64> hertz);
    // Where the radio working the transponder last read its dial (Hz).
    std::optional<double> dial() const;

    TransponderTable readTable();

    Links links_;
    QStringList toldProblems_; // the table's lines left out, as last told
    TransponderTuning tuning_;
    Ft847Receiver &ft847_;
    DialWatch ft847Dial_;
    std::optional<double> ft847DialHz_;
    bool ft847Silent_ = false; // did not answer the read since satellite mode came on
    Ft847SatelliteRadio ft847Satellite_;
    SatelliteLink ft847Link_;
    SatelliteLinkReceiver ft847Receiver_;
    HamlibSatelliteWork hamlib_;
    TwoRadioWork twoRadios_;
    Receiver &ar5000Gate_;
    Receiver &ft847Gate_;
    Receiver &hamlibGate_;
    TranspondeurWindow *panel_;
    QTimer *correction_;
    double periodSeconds_;
};

} // namespace orvanta
