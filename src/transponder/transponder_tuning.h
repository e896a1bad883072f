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

// What the transponder panel does, without a screen: the followed
// satellite's transponders, the one chosen, the downlink at the satellite
// (what stays put while the satellite moves), the tuning step, the
// calibration offsets and the two links at the radio. The choice, the last
// frequency and the offsets are kept per catalogue number in the settings.
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
    void centre();

    LinkOffsets offsets() const { return offsets_; }
    void setOffsets(const LinkOffsets &offsets);

    void setRangeRate(std::optional<double> rangeRateKmS) { rangeRate_ = rangeRateKmS; }
    // The two links now; empty without a transponder or a range rate.
    std::optional<TwoLinks> links() const;

    // The operator's word that the radio works the chosen transponder.
    bool drivesRadio() const { return drivesRadio_; }
    void setDrivesRadio(bool drives) { drivesRadio_ = drives; }
    // The radio driven turned the uplink down: the panel shows it as not sent.
    bool uplinkRefused() const { return uplinkRefused_; }
    void setUplinkRefused(bool refused) { uplinkRefused_ = refused; }

    // Saves the last frequency of the satellite followed.
    void remember();

private:
    QString key(const QString &what) const;
    void load();

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
};

} // namespace orvanta
