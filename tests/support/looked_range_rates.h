#pragma once

// FO-29's range rate from the demo's observer (Paris, 35 m) as the command
// line's look gives it: the independent reference of the rehearsed passes.

#include <QDateTime>
#include <QString>

#include <vector>

namespace orvanta::test {

class LookedRangeRates {
public:
    // Looked up on a grid of stepS seconds over [from, to], one step beyond.
    LookedRangeRates(const QString &elements, const QDateTime &from, const QDateTime &to, int stepS);

    // km/s at an instant, along the parabola through the three nearest.
    double at(const QDateTime &instant) const;
    // Where the radio should hear a frequency the satellite sends, at an instant.
    double heard(double atSatellite, const QDateTime &instant) const { return heard(atSatellite, at(instant)); }

    // One look at an instant, km/s.
    static double look(const QString &elements, const QDateTime &instant);
    static double heard(double atSatellite, double rangeRate);
    // What the radio sends so that the satellite hears atSatellite.
    static double sentFor(double atSatellite, double rangeRate);

private:
    QDateTime from_;
    int stepS_;
    std::vector<double> rates_;
};

} // namespace orvanta::test
