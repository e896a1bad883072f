// Frequences.cfg through its three readers: the scan, the editor's load and
// the tracking look-up. A damaged file must be reported, never half-read
// silently nor crash.
#include "data/frequency_file.h"
#include "data/frequency_loader.h"
#include "data/frequency_table.h"
#include "scratch_folder.h"

#include <QString>

#include <cstdint>
#include <cstdlib>
#include <optional>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace orvanta;
    fuzz::writeScratchFile("Frequences.cfg", data, size);
    const QString folder = QString::fromStdString(fuzz::scratchFolder());

    const FrequencyFileScan scan = scanFrequencyFile(folder);
    if (scan.fields.size() != scan.lines.size())
        std::abort();

    FrequencyTable table;
    const FrequencyLoad load = Charge_Frequences(table, folder);
    if (load.problem.isEmpty() != scan.problem.isEmpty() && scan.fields.size() <= FrequencyTable::Slots)
        std::abort(); // the load must report what the scan found wrong
    if (table.Index_Freq < 1 || table.Index_Freq > FrequencyTable::Slots + 1)
        std::abort();

    // Look up the first and the last record's name, and one that is absent.
    std::optional<double> frequency;
    QString mode;
    if (!scan.fields.empty()) {
        Cherche_Frequence(folder, scan.fields.front().name, frequency, mode);
        Cherche_Frequence(folder, scan.fields.back().name, frequency, mode);
    }
    Cherche_Frequence(folder, QStringLiteral("ABSENT"), frequency, mode);
    return 0;
}
