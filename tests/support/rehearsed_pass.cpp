#include "support/rehearsed_pass.h"

#include <QProcess>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace orvanta::test {

void Ft847FarEnd::read(const QByteArray &bytes, const QDateTime &now)
{
    pending += bytes;
    for (; pending.size() >= 5; pending.remove(0, 5)) {
        const char instruction = pending.at(4);
        instructions += instruction;
        qint64 tens = 0; // four bytes of BCD, most significant first
        for (int i = 0; i < 4; ++i)
            tens = tens * 100 + (quint8(pending.at(i)) >> 4) * 10 + (quint8(pending.at(i)) & 0x0F);
        if (instruction == 0x01 || instruction == 0x11 || instruction == 0x21)
            tuned.push_back(tens * 10);
        if (instruction == 0x21)
            transmit = tens * 10;
        if (instruction == 0x11) {
            receiveFrom.emplace_back(now, receive = tens * 10);
            if (turnAt.isValid() && now >= turnAt && !turned.isValid())
                receiveFrom.emplace_back(turned = now.addMSecs(1), receive += 2000);
        } else if (instruction == 0x13 && answers) {
            QByteArray answer(1, '\x01'); // the mode
            for (qint64 left = receive / 10; answer.size() < 5; left /= 100)
                answer.prepend(char(((left % 100) / 10) << 4 | (left % 10)));
            answers->write(answer);
        }
    }
}

void PassTime::advance(double seconds)
{
    const QDateTime until = clock_.now.addMSecs(std::llround(seconds * 1000));
    while (clock_.now < end && std::min(nextCorrection_, nextTick_) <= until) {
        QTimer *due = nextCorrection_ <= nextTick_ ? correction : tick;
        QDateTime &next = due == correction ? nextCorrection_ : nextTick_;
        clock_.now = std::max(clock_.now, next);
        next = next.addMSecs(due->interval());
        QMetaObject::invokeMethod(due, "timeout");
        if (watch)
            watch();
    }
    clock_.now = std::max(clock_.now, until);
    if (watch)
        watch();
}

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
    constexpr double c = 299792.458; // km/s
    return atSatellite * std::sqrt((1 - rangeRate / c) / (1 + rangeRate / c));
}

} // namespace orvanta::test
