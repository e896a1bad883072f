#pragma once

// The FT-847 at the far end of its CAT line: what each frame sets, its
// answers to the read of SAT RX, and an operator who turns its knob once.

#include "support/pty.h"

#include <QByteArray>
#include <QDateTime>

#include <utility>
#include <vector>

namespace orvanta::test {

class Ft847FarEnd {
public:
    // answers: where the reads of SAT RX are answered; none, they go unanswered.
    explicit Ft847FarEnd(PtyPair *answers = nullptr) : answers_(answers) {}

    // The bytes that came down the line by an instant, frame by frame.
    void read(const QByteArray &bytes, const QDateTime &now = {});

    QByteArray instructions; // each frame's, in order
    qint64 receive = 0;      // SAT RX and SAT TX as they are now
    qint64 transmit = 0;
    std::vector<qint64> tuned; // every frequency sent, main VFO or SAT VFO
    // SAT RX from each instant it changed on.
    std::vector<std::pair<QDateTime, qint64>> receiveFrom;
    // The knob turned 2 kHz up just after the first SAT RX frame that lands
    // from turnAt on: a turn while a frame is on its way would be undone by
    // it, seen or not.
    QDateTime turnAt;
    QDateTime turned;

private:
    PtyPair *answers_;
    QByteArray pending_;
};

} // namespace orvanta::test
