// Horizon.cfg, the station's horizon.
#include "data/horizon_file.h"
#include "scratch_folder.h"

#include <QString>

#include <cmath>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    orvanta::fuzz::writeScratchFile("Horizon.cfg", data, size);
    const orvanta::HorizonFile file = orvanta::readHorizon(QString::fromStdString(orvanta::fuzz::scratchFolder()));
    // Every azimuth gets a minimum within what the file may hold.
    for (double azimuth = -10; azimuth <= 370; azimuth += 0.5) {
        const double minimum = file.mask.minimumElevationDeg(azimuth);
        if (!(minimum >= 0 && minimum <= 90))
            std::abort();
    }
    return 0;
}
