#pragma once

// Clocks for rehearsing a pass: the station's timers fired in pass time as
// the event loop would, or the real time running from an instant of the pass.

#include "support/fakes.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QTimer>

#include <functional>

namespace orvanta::test {

// Each wait of the devices' pacing moves the clock on, once the far end has
// taken what was written (beforeEachWait), firing the correction timer and
// the tick when due, until the end.
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
    // Both timers fire first at this instant.
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

} // namespace orvanta::test
