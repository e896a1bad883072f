#pragma once

#include "config/config_station.h"
#include "platform/parallel_port.h"
#include "platform/sequence_queue.h"
#include "platform/waiter.h"

#include <QString>

namespace orvanta {

// The FodTrack rotor interface on the parallel port: one 8-bit set-point per
// axis, written on the data lines and latched into the axis by a pulse on the
// control lines.
class Fodtrack {
public:
    Fodtrack(ParallelPort &port, Waiter &waiter, const ConfigStation &config);

    // Interface units per degree, kept with two decimals. Recomputed from the
    // calibration values at start-up and when a calibration is saved; a
    // calibration that is not saved moves the zero points but keeps these.
    void recomputeScaleFactors();
    float Pas_Azimut() const { return pasAzimut_; }
    float Pas_Site() const { return pasSite_; }

    // angle: degrees, or with brut the interface value itself (calibration).
    // Text is read as a decimal number and may end with the point ("128.");
    // text that is not a number writes nothing.
    void Fodtrack_Azimut(double angle, bool brut);
    void Fodtrack_Azimut(const QString &angle, bool brut);
    void Fodtrack_Site(double angle, bool brut);
    void Fodtrack_Site(const QString &angle, bool brut);

    // The callers' raw-value flag: the calibration dialog holds it true while
    // it is open, every other caller sets it false before pointing.
    bool Valeur_Brute = false;

private:
    enum Axis { Azimut, Site };
    void point(Axis axis, double angle, bool brut);
    void latch(int base, int selectIdle, int value);

    ParallelPort &port_;
    Waiter &waiter_;
    const ConfigStation &config_;
    float pasAzimut_ = 0;
    float pasSite_ = 0;
    SequenceQueue sequences_;
};

} // namespace orvanta
