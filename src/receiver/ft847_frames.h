#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace orvanta {

// Yaesu FT-847 CAT blocks: four parameter bytes, then the instruction byte.
namespace ft847 {

// Puts the radio under computer control.
QByteArray catOn();
// Hands the radio back to its front panel.
QByteArray catOff();
// Main VFO operating mode for a satellite mode letter: "Mode A" AM, "Mode B"
// FM, "Mode C" and "Mode D" USB; nothing for any other mode.
std::optional<QByteArray> setMainMode(const QString &satelliteMode);
// Main VFO frequency in MHz as packed BCD of tens of hertz, most significant
// digits first (145.8 gives 14 58 00 00). Nothing when the frequency is
// negative, not finite or does not fit eight digits (1000 MHz and above).
std::optional<QByteArray> setMainFrequency(double megahertz);

} // namespace ft847
} // namespace orvanta
