#pragma once

// What rehearsing FO-29's passes needs: the FT-847 at the far end of its CAT
// line, the station's timers fired in pass time, and the range rates the
// command line's look gives from the demo's observer (Paris, 35 m), the
// independent reference.

#include "support/fakes.h"
#include "support/pty.h"

#include <QElapsedTimer>
#include <QTimer>

#include <functional>
#include <utility>
#include <vector>

namespace orvanta::test {

// What each frame sets, the answers to the reads of SAT RX (on answers, if
// given), and an operator who turns the knob 2 kHz up just after the first
// SAT RX frame that lands from turnAt on: a turn while a frame is on its way
// would be undone by it, seen or not.
struct Ft847FarEnd {
    PtyPair *answers = nullptr;
    QByteArray instructions; // each frame's, in order
    qint64 receive = 0;      // SAT RX and SAT TX as they are now
    qint64 transmit = 0;
    std::vector<qint64> tuned;                             // every frequency sent, main VFO or SAT VFO
    std::vector<std::pair<QDateTime, qint64>> receiveFrom; // SAT RX from each instant it changed on
    QDateTime turnAt;
    QDateTime turned;
    QByteArray pending;

    // The bytes that came down the line by an instant.
    void read(const QByteArray &bytes, const QDateTime &now = {});
};

// Each wait of the devices' pacing moves the clock on once the far end has
// taken what was written, firing the correction timer and the tick when due,
// as the event loop would, until the end.
class PassTime final : public Waiter {
public:
    PassTime(FakeClock &clock, std::function<void()> beforeEachWait)
        : clock_(clock), beforeEachWait_(std::move(beforeEachWait))
    {
    }
    QTimer *correction = nullptr;
    QTimer *tick = nullptr;
    QDateTime end;
    std::function<void()> watch; // after each step of the clock

    void Attente(double seconds) override
    {
        beforeEachWait_();
        advance(seconds);
    }
    void advance(double seconds);
    void startAt(const QDateTime &at) { clock_.now = nextCorrection_ = nextTick_ = at; }

private:
    FakeClock &clock_;
    std::function<void()> beforeEachWait_;
    QDateTime nextCorrection_;
    QDateTime nextTick_;
};

// The real time running from an instant of the pass, for a radio's own thread.
class PassClock final : public UtcClock {
public:
    explicit PassClock(const QDateTime &from) : from_(from) { running_.start(); }
    QDateTime nowUtc() const override { return from_.addMSecs(running_.elapsed()); }

private:
    QDateTime from_;
    QElapsedTimer running_;
};

// FO-29's range rate (km/s), looked up on a grid of stepS seconds over
// [from, to] and one step beyond, and between along the parabola through
// the three nearest.
class LookedRangeRates {
public:
    LookedRangeRates(const QString &elements, const QDateTime &from, const QDateTime &to, int stepS);
    double at(const QDateTime &instant) const;
    // Where the radio should hear a frequency the satellite sends.
    double heard(double atSatellite, const QDateTime &instant) const { return heard(atSatellite, at(instant)); }

    static double look(const QString &elements, const QDateTime &instant);
    static double heard(double atSatellite, double rangeRate);
    // What the radio sends for the satellite to hear atSatellite.
    static double sentFor(double atSatellite, double rangeRate) { return atSatellite * atSatellite / heard(atSatellite, rangeRate); }

private:
    QDateTime from_;
    int stepS_;
    std::vector<double> rates_;
};

} // namespace orvanta::test
