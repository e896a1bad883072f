#pragma once

#include "data/transponder_table.h"
#include "transponder/two_link_doppler.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

namespace orvanta {

class SettingsStore;
namespace orbit {
class Satellites;
}

// The range rate of a satellite at an instant (km/s), or empty when the
// component cannot say (no component, an unknown name, no prediction).
std::optional<double> rangeRateAt(const orbit::Satellites *component, const QString &name, const QDateTime &instant);

// How often the radio's two links are corrected: "Periode Correction" of the
// section "Transpondeurs", in seconds (0.1 to 10, default 0.5).
int correctionPeriodMs(const SettingsStore &store);
// The pause after each byte of the FT-847's satellite-mode frames: "Pause
// Octets FT847" of the section "Transpondeurs", in seconds (0.005 to 0.2,
// the CAT manual's longest; default 0.015), for a radio that needs more.
double ft847SatelliteByteGap(const SettingsStore &store);

// What the radio working the transponder is doing, as the panel shows it.
struct RadioState {
    bool satelliteMode = false;
    bool split = false;
    QString uplinkVfo; // the VFO or radio carrying the uplink; empty when none works it
    bool uplinkRefused = false;
};

// What the transponder panel does, without a screen: the followed
// satellite's transponders, the one chosen, the downlink at the satellite
// (what stays put while the satellite moves), the tuning step, the
// calibration offsets and the two links at the radio. The choice and the
// last frequency are kept per catalogue number in the settings, the offsets
// per transponder (those kept per satellite before are each of its
// transponders' until set anew).
class TransponderTuning {
public:
    TransponderTuning(SettingsStore &store, std::function<TransponderTable()> loadTable);

    // The satellite the station follows (0 and empty for none). The table is
    // read again when the satellite changes or when reload() asks.
    void follow(long catalogNumber, const QString &name);
    void reload();
    long catalogNumber() const { return catalogNumber_; }
    const QString &satelliteName() const { return satelliteName_; }
    const std::vector<Transponder> &transponders() const { return transponders_; }
    const QStringList &tableProblems() const { return problems_; }

    int chosen() const { return chosen_; } // -1 when the satellite has none
    const Transponder *transponder() const;
    void choose(int index);

    static constexpr int kSteps[] = {10, 100, 1000};
    int step() const { return step_; }
    void setStep(int hertz);

    qint64 downlink() const { return downlink_; }
    // Moves the downlink by whole steps, or to a frequency; it stays in the passband.
    void tune(int steps);
    void setDownlink(qint64 hertz);
    // Why a typed downlink (MHz at the satellite) is refused: not a number,
    // or outside the chosen passband; empty when it was taken.
    QString typeDownlink(const QString &megahertz);
    void centre();

    LinkOffsets offsets() const { return offsets_; }
    void setOffsets(const LinkOffsets &offsets);
    // The satellite's beacon: a transponder without uplink on one frequency;
    // null when it has none.
    const Transponder *beacon() const;
    // The radio tuned by ear on the beacon at radioHz, with the range rate
    // then: the chosen transponder's downlink offset is the beacon's drift.
    // False, nothing changed, without a beacon or a transponder.
    bool calibrateOnBeacon(double radioHz, double rangeRateKmS);

    void setRangeRate(std::optional<double> rangeRateKmS) { rangeRate_ = rangeRateKmS; }
    std::optional<double> rangeRate() const { return rangeRate_; }
    // The two links now; empty without a transponder or a range rate.
    std::optional<TwoLinks> links() const;
    // The two links with another range rate (another instant).
    std::optional<TwoLinks> linksAt(std::optional<double> rangeRateKmS) const;

    // The operator's word that the radio works the chosen transponder.
    bool drivesRadio() const { return drivesRadio_; }
    void setDrivesRadio(bool drives) { drivesRadio_ = drives; }
    // The radio driven turned the uplink down: the panel shows it as not sent.
    bool uplinkRefused() const { return uplinkRefused_; }
    void setUplinkRefused(bool refused) { uplinkRefused_ = refused; }

    const RadioState &radioState() const { return radioState_; }
    void setRadioState(const RadioState &state) { radioState_ = state; }

    // Saves the last frequency of the satellite followed.
    void remember();

private:
    QString key(const QString &what) const;
    QString transponderKey(const QString &what) const;
    void load();
    void loadOffsets();

    SettingsStore &store_;
    std::function<TransponderTable()> loadTable_;
    long catalogNumber_ = 0;
    QString satelliteName_;
    std::vector<Transponder> transponders_;
    QStringList problems_;
    int chosen_ = -1;
    int step_ = 100;
    qint64 downlink_ = 0;
    LinkOffsets offsets_;
    std::optional<double> rangeRate_;
    bool drivesRadio_ = false;
    bool uplinkRefused_ = false;
    RadioState radioState_;
};

} // namespace orvanta
