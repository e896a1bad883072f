#pragma once

#include "receiver/receiver_mode.h"

#include <optional>

namespace orvanta {

// The radio mode each satellite mode is received in, for every radio the
// station tunes: mode A AM, mode B FM, modes C and D USB.
enum class RadioMode { Am, Fm, Usb };

inline std::optional<RadioMode> radioModeOf(ReceiverMode mode)
{
    switch (mode) {
    case ReceiverMode::A:
        return RadioMode::Am;
    case ReceiverMode::B:
        return RadioMode::Fm;
    case ReceiverMode::C:
    case ReceiverMode::D:
        return RadioMode::Usb;
    case ReceiverMode::Unknown:
        break;
    }
    return std::nullopt;
}

} // namespace orvanta
