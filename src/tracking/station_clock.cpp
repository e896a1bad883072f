#include "tracking/station_clock.h"

#include "platform/text_numbers.h"
#include "platform/utc_clock.h"

#include <cmath>

namespace orvanta {

StationClock::StationClock(const UtcClock &clock, Show show) : clock_(clock), show_(std::move(show)) {}

void StationClock::Lire_Heure_UTC()
{
    reading_ = clock_.nowUtc().toUTC();
    const QTime t = reading_.time();
    const QDate d = reading_.date();
    heure_ = QStringLiteral("%1:%2:%3").arg(t.hour()).arg(t.minute()).arg(t.second());
    date_ = QStringLiteral("%1/%2/%3")
                .arg(d.day(), 2, 10, QLatin1Char('0'))
                .arg(d.month(), 2, 10, QLatin1Char('0'))
                .arg(d.year() % 100, 2, 10, QLatin1Char('0'));
    if (show_) {
        show_(formatHms(t.hour() * 3600 + t.minute() * 60 + t.second()), date_);
    }
}

QDateTime StationClock::Maintenant_UTC() const
{
    QDateTime seconds = reading_;
    seconds.setTime(QTime(reading_.time().hour(), reading_.time().minute(), reading_.time().second()));
    return seconds;
}

std::int64_t secondsSinceOleOrigin(const QDateTime &instant)
{
    static const QDateTime origin(QDate(1899, 12, 30), QTime(0, 0), Qt::UTC);
    return origin.secsTo(instant);
}

orbit::JulianDate julianToTheSecond(const QDateTime &instant)
{
    const QDate date = instant.date();
    const QTime time = instant.time();
    return orbit::julianFromCalendar(
        {date.year(), date.month(), date.day(), time.hour(), time.minute(), double(time.second())});
}

QDateTime utcToTheSecond(const orbit::JulianDate &instant)
{
    constexpr double kUnixEpochJulian = 2440587.5;
    const double seconds = ((instant.day - kUnixEpochJulian) + instant.fraction) * 86400.0;
    return QDateTime::fromSecsSinceEpoch(std::llround(seconds), Qt::UTC);
}

QString timeText(const orbit::JulianDate &instant)
{
    const std::int64_t seconds = orbit::wholeSecondsFromJulian(instant) % 86400;
    return formatHms(int(seconds < 0 ? seconds + 86400 : seconds));
}

} // namespace orvanta
