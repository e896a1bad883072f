#pragma once

#include <QDateTime>
#include <QString>

#include <cstddef>
#include <vector>

namespace orvanta {

// A field of an ADIF record, kept as read: a contact imported from another
// logger carries the fields this log has no column for, and exports them again.
struct AdifField {
    QString name; // upper case
    QString value;
    bool operator==(const AdifField &) const = default;
};

// One contact of the log. Frequencies in Hz at the radio; the instant in UTC,
// to the second.
struct Contact {
    qint64 id = 0; // 0 until stored
    QDateTime instant;
    QString call;
    long catalogNumber = 0; // 0 when unknown (a contact imported by its satellite's name)
    QString satName;        // the name LoTW accepts: "FO-29"
    QString satMode;        // "V/U"
    QString propMode = QStringLiteral("SAT");
    qint64 uplinkHz = 0; // 0 when not known
    qint64 downlinkHz = 0;
    QString band; // "2m", from the uplink when known
    QString bandRx;
    QString mode;    // ADIF MODE: "SSB", "FM", "CW"...
    QString submode; // "USB", "LSB" or empty
    QString rstSent;
    QString rstRcvd;
    QString grid;
    QString myGrid;
    QString stationCallsign;
    QString operatorCall;
    QString name;
    QString comment;
    std::vector<AdifField> extra;

    bool operator==(const Contact &) const = default;
};

// The texts of a contact in one fixed order, so that the log's columns and
// the ADIF writer and reader each go through them in a single loop.
enum class ContactText {
    Call,
    Band,
    BandRx,
    Mode,
    Submode,
    PropMode,
    SatName,
    SatMode,
    RstSent,
    RstRcvd,
    Grid,
    MyGrid,
    StationCallsign,
    Operator,
    Name,
    Comment,
};
constexpr std::size_t kContactTexts = std::size_t(ContactText::Comment) + 1;
QString &textOf(Contact &contact, ContactText which);
const QString &textOf(const Contact &contact, ContactText which);

// The ADIF band of a frequency ("2m", "70cm"); empty outside every band.
QString bandOf(qint64 hertz);

// The satellite band letter of a frequency (V for 2 m, U for 70 cm...);
// empty outside the satellite bands.
QString satelliteBandLetter(qint64 hertz);

// The satellite mode of a transponder from its two links: "V/U" for a 2 m
// uplink and a 70 cm downlink. Empty when either is outside the satellite bands.
QString satelliteModeOf(qint64 uplinkHertz, qint64 downlinkHertz);

// The ADIF MODE and SUBMODE of a radio's mode as the transponder table names
// it: "USB" gives SSB/USB, "FM" FM, "CW" CW, a data mode ("AFSK", "BPSK",
// "FSK", "GMSK"...) its ADIF form. A text already in ADIF form stays.
struct AdifMode {
    QString mode;
    QString submode;
};
AdifMode adifModeOf(const QString &radioMode);

// The report given by default in a mode: "599" in CW and the data modes, "59"
// otherwise (phone).
QString defaultReport(const QString &adifMode);

} // namespace orvanta
