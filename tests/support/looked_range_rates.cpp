#include "support/looked_range_rates.h"

#include <QProcess>
#include <QStringList>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace orvanta::test {

namespace {

constexpr double kLight = 299792.458; // km/s

} // namespace

LookedRangeRates::LookedRangeRates(const QString &elements, const QDateTime &from, const QDateTime &to, int stepS)
    : from_(from), stepS_(stepS)
{
    for (QDateTime at = from.addSecs(-stepS); at <= to.addSecs(stepS); at = at.addSecs(stepS))
        rates_.push_back(look(elements, at));
}

double LookedRangeRates::at(const QDateTime &instant) const
{
    const double x = double(from_.msecsTo(instant)) / 1000 / stepS_ + 1;
    const auto i = std::clamp<std::size_t>(std::size_t(std::lround(x)), 1, rates_.size() - 2);
    const double u = x - double(i);
    return rates_[i] + u * (rates_[i + 1] - rates_[i - 1]) / 2 +
           u * u * (rates_[i + 1] - 2 * rates_[i] + rates_[i - 1]) / 2;
}

double LookedRangeRates::look(const QString &elements, const QDateTime &instant)
{
    QProcess orbit;
    orbit.start(QStringLiteral(ORVANTA_BINARY_DIR "/src/app/orvanta-orbit"),
                {"look", "--elements", elements, "--lat", "48.85", "--lon", "2.35", "--alt", "35", "--time",
                 instant.toString("yyyy-MM-ddTHH:mm:ss.zzzZ"), "--sat", "24278"});
    orbit.waitForFinished();
    const QStringList row = QString::fromUtf8(orbit.readAllStandardOutput()).split('\n').value(1).split(',');
    EXPECT_EQ(row.size(), 7) << instant.toString(Qt::ISODateWithMs).toStdString();
    return row.value(5).toDouble();
}

double LookedRangeRates::heard(double atSatellite, double rangeRate)
{
    return atSatellite * std::sqrt((1 - rangeRate / kLight) / (1 + rangeRate / kLight));
}

double LookedRangeRates::sentFor(double atSatellite, double rangeRate)
{
    return atSatellite * std::sqrt((1 + rangeRate / kLight) / (1 - rangeRate / kLight));
}

} // namespace orvanta::test
