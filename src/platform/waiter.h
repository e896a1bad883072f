#pragma once

namespace orvanta {

// The shared wait (Attente): lets window events run while it waits, so device
// pacing never freezes the user interface.
class Waiter {
public:
    virtual ~Waiter() = default;
    virtual void Attente(double seconds) = 0;
};

// Dispatches pending events at least once, then until the given time has
// passed on a monotonic clock, so a wait that spans midnight (or a change of
// the system time) still ends on time.
class EventLoopWaiter final : public Waiter {
public:
    void Attente(double seconds) override;
};

} // namespace orvanta
