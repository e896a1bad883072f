#include "logbook/contact.h"

#include <array>

namespace orvanta {

namespace {

struct Range {
    qint64 low, high; // Hz, inclusive
    const char *name;
};

constexpr qint64 kMHz = 1'000'000;

// The bands of the ADIF enumeration, in Hz.
constexpr std::array kBands{
    Range{1'800'000, 2'000'000, "160m"},           Range{3'500'000, 4'000'000, "80m"},
    Range{5'060'000, 5'450'000, "60m"},            Range{7'000'000, 7'300'000, "40m"},
    Range{10'100'000, 10'150'000, "30m"},          Range{14'000'000, 14'350'000, "20m"},
    Range{18'068'000, 18'168'000, "17m"},          Range{21'000'000, 21'450'000, "15m"},
    Range{24'890'000, 24'990'000, "12m"},          Range{28'000'000, 29'700'000, "10m"},
    Range{50 * kMHz, 54 * kMHz, "6m"},             Range{70 * kMHz, 71 * kMHz, "4m"},
    Range{144 * kMHz, 148 * kMHz, "2m"},           Range{222 * kMHz, 225 * kMHz, "1.25m"},
    Range{420 * kMHz, 450 * kMHz, "70cm"},         Range{902 * kMHz, 928 * kMHz, "33cm"},
    Range{1240 * kMHz, 1300 * kMHz, "23cm"},       Range{2300 * kMHz, 2450 * kMHz, "13cm"},
    Range{3300 * kMHz, 3500 * kMHz, "9cm"},        Range{5650 * kMHz, 5925 * kMHz, "6cm"},
    Range{10000 * kMHz, 10500 * kMHz, "3cm"},      Range{24000 * kMHz, 24250 * kMHz, "1.25cm"},
    Range{47000 * kMHz, 47200 * kMHz, "6mm"},      Range{75500 * kMHz, 81000 * kMHz, "4mm"},
};

// The letters of the satellite bands, as the satellite modes are written.
constexpr std::array kSatelliteBands{
    Range{21'000'000, 21'450'000, "H"}, Range{28'000'000, 29'700'000, "A"},
    Range{144 * kMHz, 148 * kMHz, "V"}, Range{420 * kMHz, 450 * kMHz, "U"},
    Range{1240 * kMHz, 1300 * kMHz, "L"}, Range{2300 * kMHz, 2450 * kMHz, "S"},
    Range{5650 * kMHz, 5925 * kMHz, "C"}, Range{10000 * kMHz, 10500 * kMHz, "X"},
    Range{24000 * kMHz, 24250 * kMHz, "K"},
};

template <std::size_t N>
QString find(const std::array<Range, N> &ranges, qint64 hertz)
{
    for (const Range &range : ranges)
        if (hertz >= range.low && hertz <= range.high)
            return QString::fromLatin1(range.name);
    return {};
}

// In the order of ContactText.
constexpr std::array<QString Contact::*, kContactTexts> kTextMembers{
    &Contact::call,     &Contact::band,    &Contact::bandRx,          &Contact::mode,
    &Contact::submode,  &Contact::propMode, &Contact::satName,        &Contact::satMode,
    &Contact::rstSent,  &Contact::rstRcvd, &Contact::grid,            &Contact::myGrid,
    &Contact::stationCallsign, &Contact::operatorCall, &Contact::name, &Contact::comment,
};

} // namespace

QString &textOf(Contact &contact, ContactText which)
{
    return contact.*kTextMembers[std::size_t(which)];
}

const QString &textOf(const Contact &contact, ContactText which)
{
    return contact.*kTextMembers[std::size_t(which)];
}

QString bandOf(qint64 hertz)
{
    return find(kBands, hertz);
}

QString satelliteBandLetter(qint64 hertz)
{
    return find(kSatelliteBands, hertz);
}

QString satelliteModeOf(qint64 uplinkHertz, qint64 downlinkHertz)
{
    const QString up = satelliteBandLetter(uplinkHertz);
    const QString down = satelliteBandLetter(downlinkHertz);
    if (up.isEmpty() || down.isEmpty())
        return {};
    return up + QLatin1Char('/') + down;
}

AdifMode adifModeOf(const QString &radioMode)
{
    const QString mode = radioMode.trimmed().toUpper();
    if (mode == QLatin1String("USB") || mode == QLatin1String("LSB"))
        return {QStringLiteral("SSB"), mode};
    if (mode == QLatin1String("NFM") || mode == QLatin1String("FMN"))
        return {QStringLiteral("FM"), {}};
    if (mode == QLatin1String("CW-R") || mode == QLatin1String("CWR"))
        return {QStringLiteral("CW"), {}};
    if (mode == QLatin1String("AFSK") || mode == QLatin1String("GMSK") || mode == QLatin1String("GFSK") ||
        mode == QLatin1String("FSK") || mode == QLatin1String("APRS") || mode == QLatin1String("DATA"))
        return {QStringLiteral("PKT"), {}};
    if (mode == QLatin1String("BPSK"))
        return {QStringLiteral("PSK"), QStringLiteral("PSK31")};
    return {mode, {}};
}

QString defaultReport(const QString &adifMode)
{
    const QString mode = adifMode.toUpper();
    if (mode == QLatin1String("SSB") || mode == QLatin1String("FM") || mode == QLatin1String("AM") ||
        mode == QLatin1String("DIGITALVOICE") || mode.isEmpty())
        return QStringLiteral("59");
    return QStringLiteral("599");
}

} // namespace orvanta
