#pragma once

#include <QDateTime>
#include <QString>

namespace orvanta {

// What the station knows at the instant a contact is logged.
struct StationFacts {
    QDateTime instant;       // the station's clock (the rehearsal's included)
    long catalogNumber = 0;  // the followed satellite; 0 when none
    QString satelliteName;   // as the elements name it, for the operator
    QString satMode;         // of the transponder chosen in the panel: "V/U"
    qint64 uplinkHz = 0;     // the radio's, 0 when unknown
    qint64 downlinkHz = 0;
    QString radioMode;       // the downlink's mode as the table names it: "USB", "FM", "CW"
    QString myGrid;          // the station's locator, 6 characters
};

// The station as the log sees it; the station implements it, tests fake it.
class LogStation {
public:
    virtual ~LogStation() = default;
    virtual StationFacts facts() const = 0;
};

} // namespace orvanta
