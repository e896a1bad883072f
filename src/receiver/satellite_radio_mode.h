#pragma once

#include <QString>

#include <optional>

namespace orvanta {

// The radio mode each satellite mode is received in, for every radio the
// station tunes: "Mode A" AM, "Mode B" FM, "Mode C" and "Mode D" USB.
enum class RadioMode { Am, Fm, Usb };

inline std::optional<RadioMode> radioModeOf(const QString &satelliteMode)
{
    if (satelliteMode == QLatin1String("Mode A"))
        return RadioMode::Am;
    if (satelliteMode == QLatin1String("Mode B"))
        return RadioMode::Fm;
    if (satelliteMode == QLatin1String("Mode C") || satelliteMode == QLatin1String("Mode D"))
        return RadioMode::Usb;
    return std::nullopt;
}

} // namespace orvanta
