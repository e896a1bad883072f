#pragma once

#include "orbit/utc_time.h"

#include <QDateTime>
#include <QString>

#include <cstdint>
#include <functional>

namespace orvanta {

class UtcClock;

// The UTC time the station works with. One reading of the clock gives both
// the time and the date, so around midnight they always belong to the same
// instant.
class StationClock {
public:
    // show(time, date) puts the reading into the "Heure TU" boxes.
    using Show = std::function<void(const QString &time, const QString &date)>;

    explicit StationClock(const UtcClock &clock, Show show = {});

    void Lire_Heure_UTC();

    // "9:5:3" for 09:05:03: plain numbers, no leading zeros.
    const QString &Heure_UTC() const { return heure_; }
    // "06/12/26" for 6 December 2026.
    const QString &Date_UTC() const { return date_; }
    // The instant of the last reading, to the second (what the tracking tick uses).
    QDateTime Maintenant_UTC() const;

private:
    const UtcClock &clock_;
    Show show_;
    QDateTime reading_;
    QString heure_;
    QString date_;
};

// A UTC instant as the component counts time: whole seconds since the OLE
// origin, and the Julian date of its whole second.
std::int64_t secondsSinceOleOrigin(const QDateTime &instant);
orbit::JulianDate julianToTheSecond(const QDateTime &instant);
// An orbit instant as a UTC date and time, to the nearest second.
QDateTime utcToTheSecond(const orbit::JulianDate &instant);

// "07:05:03": an instant's UTC time of day, to the whole second.
QString timeText(const orbit::JulianDate &instant);

} // namespace orvanta
