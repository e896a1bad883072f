#pragma once

#include "platform/waiter.h"
#include "support/pty.h"

#include <QByteArrayList>

#include <functional>
#include <vector>

namespace orvanta::test {

// A wait that first collects what has arrived at the far end of the
// pseudo-terminal, so a test sees exactly which bytes went out before each
// pause. duringWait runs inside the next wait, as a dispatched event would.
class PtyMarkingWaiter final : public Waiter {
public:
    explicit PtyMarkingWaiter(PtyPair &pty) : pty_(pty) {}

    QByteArrayList beforeEachWait;
    std::vector<double> waits;
    std::function<void()> duringWait;

    void Attente(double seconds) override
    {
        beforeEachWait << pty_.readAll(50);
        waits.push_back(seconds);
        if (duringWait) {
            auto hook = std::move(duringWait);
            duringWait = nullptr;
            hook();
        }
    }
    void clear()
    {
        pty_.readAll(50);
        beforeEachWait.clear();
        waits.clear();
    }

private:
    PtyPair &pty_;
};

} // namespace orvanta::test
