// The transponder table's two readers of outside input: a station file
// (Transpondeurs.cfg or the import) and the SatNOGS DB transmitters list.
// Every entry kept must be usable by the panel; a refused list keeps nothing.
#include "data/satnogs_import.h"
#include "data/transponder_table.h"
#include "scratch_folder.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <cstdlib>

namespace {

bool usable(const orvanta::Transponder &t)
{
    return t.catalogNumber > 0 && !t.name.isEmpty() && t.downlinkLow > 0 && t.downlinkLow <= t.downlinkHigh &&
           t.uplinkLow <= t.uplinkHigh && (t.uplinkLow > 0) == (t.uplinkHigh > 0);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace orvanta;
    fuzz::writeScratchFile("Transpondeurs.cfg", data, size);
    const QString folder = QString::fromStdString(fuzz::scratchFolder());
    for (const Transponder &entry : loadTransponders(folder).entries)
        if (!usable(entry))
            std::abort();

    const SatnogsTransmitters list =
        readSatnogsTransmitters(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    if (list.error.isEmpty() == list.entries.empty())
        std::abort();
    for (const Transponder &entry : list.entries)
        if (!usable(entry) || entry.name.contains(QLatin1Char(';')))
            std::abort();
    return 0;
}
