#pragma once

#include <QByteArray>
#include "receiver/receiver_mode.h"

#include <QString>

#include <optional>

namespace orvanta {

// Yaesu FT-847 CAT blocks: four parameter bytes, then the instruction byte.
namespace ft847 {

// Puts the radio under computer control.
QByteArray catOn();
// Hands the radio back to its front panel.
QByteArray catOff();
// Main VFO operating mode for a satellite mode: A AM, B FM, C and D USB;
// nothing for an unknown mode.
std::optional<QByteArray> setMainMode(ReceiverMode satelliteMode);
// Main VFO frequency in MHz as packed BCD of tens of hertz, most significant
// digits first (145.8 gives 14 58 00 00). Nothing when the frequency is
// negative, not finite or does not fit eight digits (1000 MHz and above).
std::optional<QByteArray> setMainFrequency(double megahertz);

// Satellite mode: full duplex, the SAT RX VFO receiving while the SAT TX VFO
// transmits. The radio cannot report whether it is on.
QByteArray satelliteModeOn();
QByteArray satelliteModeOff();
enum class SatelliteVfo { Receive, Transmit };
// A SAT VFO's mode from its name: "LSB", "USB", "CW", "CWR", "AM", "FM"
// (any letter case); nothing for any other name (a data mode keeps the
// radio's mode).
std::optional<QByteArray> setSatelliteMode(SatelliteVfo vfo, const QString &mode);
// A SAT VFO's frequency, packed as the main VFO's.
std::optional<QByteArray> setSatelliteFrequency(SatelliteVfo vfo, double megahertz);
// Asks for the SAT RX VFO's frequency and mode; the radio answers five
// bytes: the frequency packed as above, then the mode.
QByteArray readSatelliteReceive();
// The frequency (Hz) of such an answer; nothing for one that is not five
// bytes of BCD.
std::optional<qint64> answeredFrequency(const QByteArray &answer);
// The radio's receive coverage (0.1-30, 36-76, 108-174 and 420-512 MHz) and
// its transmit bands (160 to 10 m, 6 m, 2 m and 70 cm).
bool receivesOn(double megahertz);
bool transmitsOn(double megahertz);
// The SAT TX VFO's CTCSS encoder, on or off.
QByteArray satelliteToneEncoder(bool on);
// The SAT TX VFO's CTCSS tone: one of the radio's 39 tones, 67.0 to 250.3 Hz
// (to 0.1 Hz); nothing for another.
std::optional<QByteArray> setSatelliteTone(double hertz);

} // namespace ft847
} // namespace orvanta
