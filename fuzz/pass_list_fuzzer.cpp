// Pass-list texts decoded by the main window: whatever the component wrote,
// entries that do not read are counted and left out, never a crash.
#include "orbit/pass_entry.h"
#include "orbit/pass_list.h"

#include <cstdint>
#include <algorithm>
#include <cstdlib>
#include <limits>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);

    // Classified at noon on 2026-06-27 (the day of the seeds), at the epoch
    // of the count and at the far ends of the instant's range.
    orvanta::orbit::PassBoard board;
    const std::int64_t instants[] = {46200LL * 86400 + 43200, 0, std::numeric_limits<std::int64_t>::min(),
                                     std::numeric_limits<std::int64_t>::max()};
    for (std::int64_t nowSecond : instants) {
        if (board.Traite_Passages(text, nowSecond) < 0)
            std::abort();
        board.visibleLines();
        board.comingLines();
        board.clear();
    }

    for (std::size_t start = 0; start <= text.size();) {
        const std::size_t comma = std::min(text.find(',', start), text.size());
        if (const auto fields = orvanta::orbit::Decode_Passage(text.substr(start, comma - start)))
            orvanta::orbit::passDisplayLine(*fields);
        start = comma + 1;
    }
    orvanta::orbit::Heure_Vers_Secondes(text);
    return 0;
}
