#pragma once

#include "data/transponder_table.h"

// The two links of a transponder through the Doppler shift. Frequencies in Hz;
// the range rate in km/s, positive when the satellite moves away.
namespace orvanta {

// Where the radio receives a frequency the satellite sends.
double receivedAtRadio(double atSatellite, double rangeRateKmS);
// Where the radio transmits so that the satellite receives the frequency.
double transmittedAtRadio(double atSatellite, double rangeRateKmS);

// The uplink at the satellite that lands on the given downlink at the
// satellite: the same place in the passband, mirrored by an inverting one.
// 0 for a transponder without uplink.
qint64 uplinkForDownlink(const Transponder &transponder, qint64 downlinkAtSatellite);

// The satellite's oscillators drift: the frequencies it really uses are
// the table's plus these offsets.
struct LinkOffsets {
    qint64 downlink = 0;
    qint64 uplink = 0;
};

struct TwoLinks {
    qint64 downlinkAtSatellite = 0;
    qint64 uplinkAtSatellite = 0; // 0 without uplink
    double downlinkAtRadio = 0;
    double uplinkAtRadio = 0; // 0 without uplink
    LinkOffsets offsets;
    double downlinkDoppler() const { return downlinkAtRadio - double(downlinkAtSatellite + offsets.downlink); }
    double uplinkDoppler() const
    {
        return uplinkAtSatellite ? uplinkAtRadio - double(uplinkAtSatellite + offsets.uplink) : 0;
    }
};

TwoLinks twoLinks(const Transponder &transponder, qint64 downlinkAtSatellite, double rangeRateKmS,
                  const LinkOffsets &offsets);

} // namespace orvanta
