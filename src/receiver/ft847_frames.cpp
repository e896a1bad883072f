#include "receiver/ft847_frames.h"

#include "platform/text_numbers.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace orvanta::ft847 {

namespace {

constexpr char kCatOn = 0x00;
constexpr char kSetMainFrequency = 0x01;
constexpr char kSetMainMode = 0x07;
constexpr char kCatOff = static_cast<char>(0x80);
constexpr char kSatelliteModeOn = 0x4E;
constexpr char kSatelliteModeOff = static_cast<char>(0x8E);
constexpr char kSetSatRxFrequency = 0x11;
constexpr char kSetSatTxFrequency = 0x21;
constexpr char kSetSatRxMode = 0x17;
constexpr char kSetSatTxMode = 0x27;
constexpr char kReadSatRx = 0x13;
constexpr char kSetSatTxToneMode = 0x2A;
constexpr char kSetSatTxTone = 0x2B;
constexpr char kToneEncoderOn = 0x4A;
constexpr char kToneOff = static_cast<char>(0x8A);

// The radio's tones in tenths of hertz and the code the CAT manual gives each.
constexpr std::pair<int, char> kTones[] = {
    {670, 0x3F},  {693, 0x39},  {719, 0x1F},  {744, 0x3E},  {770, 0x0F},  {797, 0x3D},  {825, 0x1E},  {854, 0x3C},
    {885, 0x0E},  {915, 0x3B},  {948, 0x1D},  {974, 0x3A},  {1000, 0x0D}, {1035, 0x1C}, {1072, 0x0C}, {1109, 0x1B},
    {1148, 0x0B}, {1188, 0x1A}, {1230, 0x0A}, {1273, 0x19}, {1318, 0x09}, {1365, 0x18}, {1413, 0x08}, {1462, 0x17},
    {1514, 0x07}, {1567, 0x16}, {1622, 0x06}, {1679, 0x15}, {1738, 0x05}, {1799, 0x14}, {1862, 0x04}, {1928, 0x13},
    {2035, 0x03}, {2107, 0x12}, {2181, 0x02}, {2257, 0x11}, {2336, 0x01}, {2418, 0x10}, {2503, 0x00},
};

constexpr char kLsb = 0x00;
constexpr char kUsb = 0x01;
constexpr char kCw = 0x02;
constexpr char kCwReverse = 0x03;
constexpr char kAm = 0x04;
constexpr char kFm = 0x08;

constexpr int kDigits = 8;         // 100 MHz down to 10 Hz
constexpr int kDecimalsOfMhz = 5;  // tens of hertz

QByteArray block(char p1, char p2, char p3, char p4, char instruction)
{
    const char bytes[] = {p1, p2, p3, p4, instruction};
    return QByteArray(bytes, sizeof bytes);
}

// Eight BCD digits of tens of hertz, most significant first.
std::optional<QByteArray> frequencyBlock(double megahertz, char instruction)
{
    if (!std::isfinite(megahertz) || megahertz < 0)
        return std::nullopt;
    // Rounded on the decimal digits, halves away from zero, as displayed.
    QString digits = formatFixed(megahertz, kDecimalsOfMhz).remove(QLatin1Char('.'));
    if (digits.size() > kDigits)
        return std::nullopt;
    digits = digits.rightJustified(kDigits, QLatin1Char('0'));
    char bcd[4];
    for (int i = 0; i < 4; ++i)
        bcd[i] = static_cast<char>((digits[2 * i].digitValue() << 4) | digits[2 * i + 1].digitValue());
    return block(bcd[0], bcd[1], bcd[2], bcd[3], instruction);
}

// Whether megahertz lies in one of the ranges, ends included.
template <std::size_t N>
bool withinOne(const std::pair<double, double> (&ranges)[N], double megahertz)
{
    return std::any_of(std::begin(ranges), std::end(ranges),
                       [megahertz](const auto &range) { return megahertz >= range.first && megahertz <= range.second; });
}

} // namespace

QByteArray catOn()
{
    return block(0, 0, 0, 0, kCatOn);
}

QByteArray catOff()
{
    return block(0, 0, 0, 0, kCatOff);
}

std::optional<QByteArray> setMainMode(ReceiverMode satelliteMode)
{
    char mode = 0;
    if (satelliteMode == ReceiverMode::A)
        mode = kAm;
    else if (satelliteMode == ReceiverMode::B)
        mode = kFm;
    else if (satelliteMode == ReceiverMode::C || satelliteMode == ReceiverMode::D)
        mode = kUsb;
    else
        return std::nullopt;
    return block(mode, 0, 0, 0, kSetMainMode);
}

std::optional<QByteArray> setMainFrequency(double megahertz)
{
    return frequencyBlock(megahertz, kSetMainFrequency);
}

QByteArray satelliteModeOn()
{
    return block(0, 0, 0, 0, kSatelliteModeOn);
}

QByteArray satelliteModeOff()
{
    return block(0, 0, 0, 0, kSatelliteModeOff);
}

std::optional<QByteArray> setSatelliteMode(SatelliteVfo vfo, const QString &mode)
{
    static const std::pair<const char *, char> kModes[] = {{"LSB", kLsb}, {"USB", kUsb}, {"CW", kCw},
                                                          {"CWR", kCwReverse}, {"AM", kAm}, {"FM", kFm}};
    for (const auto &[name, code] : kModes)
        if (mode.trimmed().compare(QLatin1String(name), Qt::CaseInsensitive) == 0)
            return block(code, 0, 0, 0, vfo == SatelliteVfo::Receive ? kSetSatRxMode : kSetSatTxMode);
    return std::nullopt;
}

std::optional<QByteArray> setSatelliteFrequency(SatelliteVfo vfo, double megahertz)
{
    return frequencyBlock(megahertz, vfo == SatelliteVfo::Receive ? kSetSatRxFrequency : kSetSatTxFrequency);
}

QByteArray readSatelliteReceive()
{
    return block(0, 0, 0, 0, kReadSatRx);
}

std::optional<qint64> answeredFrequency(const QByteArray &answer)
{
    if (answer.size() != 5)
        return std::nullopt;
    qint64 tens = 0;
    for (int i = 0; i < 4; ++i) {
        const int high = quint8(answer[i]) >> 4;
        const int low = quint8(answer[i]) & 0x0F;
        if (high > 9 || low > 9)
            return std::nullopt;
        tens = tens * 100 + high * 10 + low;
    }
    return tens * 10;
}

bool receivesOn(double megahertz)
{
    constexpr std::pair<double, double> kRanges[] = {{0.1, 30}, {36, 76}, {108, 174}, {420, 512}};
    return withinOne(kRanges, megahertz);
}

bool transmitsOn(double megahertz)
{
    constexpr std::pair<double, double> kBands[] = {{1.8, 2.0},   {3.5, 4.0},   {7.0, 7.3},   {10.1, 10.15},
                                                    {14.0, 14.35}, {18.068, 18.168}, {21.0, 21.45}, {24.89, 24.99},
                                                    {28.0, 29.7},  {50, 54},    {144, 148},   {430, 450}};
    return withinOne(kBands, megahertz);
}

QByteArray satelliteToneEncoder(bool on)
{
    return block(on ? kToneEncoderOn : kToneOff, 0, 0, 0, kSetSatTxToneMode);
}

std::optional<QByteArray> setSatelliteTone(double hertz)
{
    if (!std::isfinite(hertz))
        return std::nullopt;
    const long tenths = std::lround(hertz * 10);
    for (const auto &[tone, code] : kTones)
        if (tone == tenths && std::abs(hertz * 10 - double(tenths)) < 1e-6)
            return block(code, 0, 0, 0, kSetSatTxTone);
    return std::nullopt;
}

} // namespace orvanta::ft847
