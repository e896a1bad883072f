#include "bench_application.h"

#include <QApplication>

namespace orvanta::bench {

void ensureApplication()
{
    if (QCoreApplication::instance())
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "orvanta_bench";
    static char *argv[] = {name, nullptr};
    new QApplication(argc, argv);
}

} // namespace orvanta::bench
