#pragma once

#include <QDateTime>
#include <QString>

// The checks of what the operator types in the entry row. Each gives the
// reason in the operator's words, or an empty text when the value is good.
namespace orvanta {

// A callsign: letters, digits and "/" (a portable or a prefix), 3 to 20
// characters, at least one letter and one digit. Either case.
QString callsignFault(const QString &call);
// A locator of 4 or 6 characters ("JN18", "JN18eu"); empty is allowed.
QString gridFault(const QString &grid);
// A report: RS ("59"), RST ("599"), or a data mode's signal in dB ("-12",
// "+05"); empty is allowed.
QString reportFault(const QString &report);
// An instant no later than now (a minute of slack for the clocks).
QString instantFault(const QDateTime &instant, const QDateTime &now);
// A name LoTW knows a satellite by: letters, digits and "-", 2 to 20 characters.
QString satelliteNameFault(const QString &name);

} // namespace orvanta
