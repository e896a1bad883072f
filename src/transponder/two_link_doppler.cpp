#include "transponder/two_link_doppler.h"

#include "orbit/doppler.h"

namespace orvanta {

double receivedAtRadio(double atSatellite, double rangeRateKmS)
{
    return atSatellite * dopplerFactor(rangeRateKmS);
}

double transmittedAtRadio(double atSatellite, double rangeRateKmS)
{
    return atSatellite / dopplerFactor(rangeRateKmS);
}

qint64 uplinkForDownlink(const Transponder &transponder, qint64 downlinkAtSatellite)
{
    if (!transponder.hasUplink())
        return 0;
    const qint64 along = downlinkAtSatellite - transponder.downlinkLow;
    return transponder.inverting ? transponder.uplinkHigh - along : transponder.uplinkLow + along;
}

TwoLinks twoLinks(const Transponder &transponder, qint64 downlinkAtSatellite, double rangeRateKmS,
                  const LinkOffsets &offsets)
{
    TwoLinks links;
    links.downlinkAtSatellite = downlinkAtSatellite;
    links.offsets = offsets;
    links.downlinkAtRadio = receivedAtRadio(double(downlinkAtSatellite + offsets.downlink), rangeRateKmS);
    links.uplinkAtSatellite = uplinkForDownlink(transponder, downlinkAtSatellite);
    if (links.uplinkAtSatellite)
        links.uplinkAtRadio = transmittedAtRadio(double(links.uplinkAtSatellite + offsets.uplink), rangeRateKmS);
    return links;
}

} // namespace orvanta
