#include "platform/waiter.h"

#include <QElapsedTimer>
#include <QTimer>

#include <gtest/gtest.h>

namespace orvanta {
namespace {

TEST(Attente, AZeroWaitStillDispatchesPendingEvents)
{
    EventLoopWaiter waiter;
    bool ran = false;
    QTimer::singleShot(0, [&] { ran = true; });
    waiter.Attente(0);
    EXPECT_TRUE(ran);
}

TEST(Attente, WaitsAtLeastTheGivenTimeWhileEventsRun)
{
    EventLoopWaiter waiter;
    int ticks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
    timer.start(10);
    QElapsedTimer elapsed;
    elapsed.start();
    waiter.Attente(0.1);
    EXPECT_GE(elapsed.nsecsElapsed(), 100'000'000);
    EXPECT_GE(ticks, 3);
}

// The wait counts monotonic time only: the seconds-since-midnight clock that
// falls back to zero at midnight plays no part, so a wait begun at
// 23:59:59.95 ends 0.1 s later, not never and not at once.
TEST(Attente, AWaitAcrossMidnightEndsOnTime)
{
    const qint64 startNs = (86400LL * 1'000'000'000LL) - 50'000'000LL; // 23:59:59.95 on the monotonic count
    qint64 now = startNs;
    int readings = 0;
    EventLoopWaiter waiter([&] {
        ++readings;
        now += 10'000'000; // 10 ms per reading
        return now;
    });
    waiter.Attente(0.1);
    EXPECT_GE(now - startNs, 100'000'000);
    EXPECT_LE(now - startNs, 130'000'000);
    EXPECT_GT(readings, 2);
}

} // namespace
} // namespace orvanta
