#include "platform/waiter.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QThread>
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

// Runs only in the child process of the test below, whose clocks read 23:59:59
// when it starts: it waits 0.2 s from a tenth of a second before midnight.
TEST(Attente, DISABLED_FromJustBeforeMidnight)
{
    const auto timeOfDay = [] { return QDateTime::currentDateTimeUtc().time().msecsSinceStartOfDay(); };
    const int lastTenth = 86'400'000 - 100;
    QElapsedTimer patience;
    patience.start();
    while (timeOfDay() < lastTenth && timeOfDay() > 80'000'000 && patience.elapsed() < 2000)
        QThread::msleep(1);
    const int start = timeOfDay();
    ASSERT_GE(start, lastTenth) << "the clock does not read 23:59:59.9";

    EventLoopWaiter waiter;
    waiter.Attente(0.2);
    const int end = timeOfDay();
    EXPECT_LT(end, 1000) << "the wait did not run over midnight";
    EXPECT_GE(end + 86'400'000 - start, 200) << "the wait ended early";
}

// A wait begun shortly before midnight must end on time, not never (a clock of
// the day falls back to zero) and not at once. The program is run with its
// clocks moved to 23:59:59 by libfaketime.
TEST(Attente, AWaitAcrossMidnightEndsOnTime)
{
    const QString faketime = QStringLiteral("/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1");
    ASSERT_TRUE(QFile::exists(faketime)) << "libfaketime is missing: run scripts/setup.sh";
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("LD_PRELOAD", faketime);
    environment.insert("FAKETIME", "@2026-06-30 23:59:59");
    environment.insert("TZ", "UTC");
    // Under AddressSanitizer the preloaded clock comes before its runtime.
    environment.insert("ASAN_OPTIONS", environment.value("ASAN_OPTIONS") + QStringLiteral(":verify_asan_link_order=0"));
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(),
                {"--gtest_also_run_disabled_tests", "--gtest_filter=Attente.DISABLED_FromJustBeforeMidnight"});
    QElapsedTimer elapsed;
    elapsed.start();
    const bool finished = child.waitForFinished(10'000);
    if (!finished)
        child.kill();
    const QByteArray output = child.readAll();
    ASSERT_TRUE(finished) << "the wait never ended\n" << output.toStdString();
    EXPECT_EQ(child.exitCode(), 0) << output.toStdString();
    EXPECT_TRUE(output.contains("[  PASSED  ] 1 test")) << output.toStdString();
}

} // namespace
} // namespace orvanta
