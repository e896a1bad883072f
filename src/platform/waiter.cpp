#include "platform/waiter.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

namespace orvanta {

EventLoopWaiter::EventLoopWaiter(Nanoseconds monotonic) : monotonic_(std::move(monotonic))
{
    if (!monotonic_) {
        auto timer = std::make_shared<QElapsedTimer>();
        timer->start();
        monotonic_ = [timer] { return timer->nsecsElapsed(); };
    }
}

void EventLoopWaiter::Attente(double seconds)
{
    const qint64 start = monotonic_();
    const qint64 budget = seconds > 0 ? static_cast<qint64>(seconds * 1e9) : 0;
    do {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        if (budget - (monotonic_() - start) > 1'000'000)
            QThread::msleep(1); // leave the processor to others between dispatches
    } while (monotonic_() - start < budget);
}

} // namespace orvanta
