#include "platform/waiter.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

namespace orvanta {

void EventLoopWaiter::Attente(double seconds)
{
    QElapsedTimer elapsed;
    elapsed.start();
    const qint64 budgetNs = seconds > 0 ? static_cast<qint64>(seconds * 1e9) : 0;
    do {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        const qint64 leftNs = budgetNs - elapsed.nsecsElapsed();
        if (leftNs > 1'000'000)
            QThread::msleep(1);
    } while (elapsed.nsecsElapsed() < budgetNs);
}

} // namespace orvanta
