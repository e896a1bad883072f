#include "support/ft847_far_end.h"

namespace orvanta::test {

namespace {

// Four bytes of BCD, tens of hertz, most significant first.
qint64 hertzOf(const QByteArray &frame)
{
    qint64 tens = 0;
    for (int i = 0; i < 4; ++i)
        tens = tens * 100 + (quint8(frame.at(i)) >> 4) * 10 + (quint8(frame.at(i)) & 0x0F);
    return tens * 10;
}

QByteArray bcdOf(qint64 hertz)
{
    QByteArray out;
    qint64 tens = hertz / 10;
    for (int i = 0; i < 4; ++i, tens /= 100)
        out.prepend(char(((tens % 100) / 10) << 4 | (tens % 10)));
    return out;
}

} // namespace

void Ft847FarEnd::read(const QByteArray &bytes, const QDateTime &now)
{
    pending_ += bytes;
    for (; pending_.size() >= 5; pending_.remove(0, 5)) {
        const char instruction = pending_.at(4);
        instructions += instruction;
        const qint64 hertz = hertzOf(pending_);
        if (instruction == 0x01 || instruction == 0x11 || instruction == 0x21)
            tuned.push_back(hertz);
        if (instruction == 0x21)
            transmit = hertz;
        if (instruction == 0x11) {
            receiveFrom.emplace_back(now, receive = hertz);
            if (turnAt.isValid() && now >= turnAt && !turned.isValid())
                receiveFrom.emplace_back(turned = now.addMSecs(1), receive = hertz + 2000);
        } else if (instruction == 0x13 && answers_) {
            answers_->write(bcdOf(receive) + '\x01');
        }
    }
}

} // namespace orvanta::test
