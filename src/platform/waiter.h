#pragma once

#include <QtGlobal>

#include <functional>

namespace orvanta {

// The shared wait (Attente): lets window events run while it waits, so device
// pacing never freezes the user interface.
class Waiter {
public:
    virtual ~Waiter() = default;
    virtual void Attente(double seconds) = 0;
};

// Dispatches pending events at least once, then until the given time has
// passed on a monotonic clock. The time of day is never consulted, so a wait
// that spans midnight (or a change of the system clock) still ends on time.
class EventLoopWaiter final : public Waiter {
public:
    using Nanoseconds = std::function<qint64()>;
    // By default the process's monotonic clock; tests may drive their own.
    explicit EventLoopWaiter(Nanoseconds monotonic = {});
    void Attente(double seconds) override;

private:
    Nanoseconds monotonic_;
};

} // namespace orvanta
