#include "data/frequency_table.h"

namespace orvanta {

int modeOption(const QString &mode)
{
    const auto &modes = frequencyModes();
    for (int i = 0; i < 4; ++i)
        if (mode == modes[i])
            return i + 1;
    return 0;
}

} // namespace orvanta
