#include "platform/device_worker.h"

#include <QElapsedTimer>
#include <QStringList>

#include <gtest/gtest.h>

#include <atomic>
#include <optional>
#include <thread>
#include <utility>
#include <vector>

namespace orvanta {
namespace {

using namespace std::chrono_literals;

struct Wanted {
    int value = 0;
};

// A device the test steers from outside: it may refuse to open, fail its
// calls, or hold a call until let go. It reads back what it was sent.
struct Device {
    std::mutex mutex;
    std::vector<int> sent;
    int opens = 0;
    std::atomic<bool> answers{true};
    std::atomic<bool> holding{false};
    std::atomic<bool> held{false};
    std::atomic<bool> sessionGone{false};
};

class FakeSession final : public DeviceWorker<Wanted>::Session {
public:
    explicit FakeSession(Device &device) : device_(device) {}
    ~FakeSession() override { device_.sessionGone = true; }
    QString open() override
    {
        std::lock_guard lock(device_.mutex);
        ++device_.opens;
        return device_.answers ? QString() : QStringLiteral("no answer");
    }
    void close() override {}
    QString apply(const Wanted &wanted, Wanted &applied) override
    {
        while (device_.holding) {
            device_.held = true;
            std::this_thread::sleep_for(1ms);
        }
        if (!device_.answers)
            return QStringLiteral("IO error");
        std::lock_guard lock(device_.mutex);
        device_.sent.push_back(wanted.value);
        applied = wanted;
        read_ = wanted;
        return {};
    }
    std::optional<Wanted> takeReading() override { return std::exchange(read_, std::nullopt); }

private:
    Device &device_;
    std::optional<Wanted> read_;
};

struct Heard {
    std::mutex mutex;
    QStringList texts;
    void add(const QString &text)
    {
        std::lock_guard lock(mutex);
        texts << text;
    }
    QStringList all()
    {
        std::lock_guard lock(mutex);
        return texts;
    }
};

template <class Condition>
bool within(std::chrono::milliseconds limit, Condition condition)
{
    const auto end = std::chrono::steady_clock::now() + limit;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > end)
            return false;
        std::this_thread::sleep_for(2ms);
    }
    return true;
}

RetryPace quickPace()
{
    return {20ms, 80ms, 500ms};
}

DeviceWorker<Wanted>::Reports reportsTo(Heard &heard)
{
    return {[&heard](const QString &reason) { heard.add(QStringLiteral("lost: ") + reason); },
            [&heard] { heard.add(QStringLiteral("back")); }, nullptr, nullptr};
}

TEST(DeviceWorker, RequestsWaitingBehindASlowCallAreReplacedByTheLatest)
{
    Device device;
    Heard heard;
    DeviceWorker<Wanted> worker(quickPace(), reportsTo(heard));
    worker.replaceSession(std::make_unique<FakeSession>(device));

    device.holding = true;
    worker.want([](Wanted &w) { w.value = 1; });
    ASSERT_TRUE(within(1s, [&] { return device.held.load(); }));
    for (int value = 2; value <= 5; ++value)
        worker.want([value](Wanted &w) { w.value = value; });
    device.holding = false;
    ASSERT_TRUE(within(1s, [&] {
        std::lock_guard lock(device.mutex);
        return device.sent.size() == 2;
    }));
    EXPECT_FALSE(within(200ms, [&] {
        std::lock_guard lock(device.mutex);
        return device.sent.size() > 2;
    })) << "a replaced request went out after all";
    std::lock_guard lock(device.mutex);
    EXPECT_EQ(device.sent, (std::vector<int>{1, 5}));
    EXPECT_EQ(device.opens, 1);
    EXPECT_TRUE(heard.all().isEmpty());
}

// The reading shown to the operator is never one of a device that stopped
// answering or was replaced.
TEST(DeviceWorker, AnOutageIsToldOnceAndTheDeviceIsReopenedWithWhatIsWanted)
{
    Device device;
    Heard heard;
    DeviceWorker<Wanted> worker(quickPace(), reportsTo(heard));
    worker.replaceSession(std::make_unique<FakeSession>(device));
    worker.want([](Wanted &w) { w.value = 7; });
    ASSERT_TRUE(within(1s, [&] {
        std::lock_guard lock(device.mutex);
        return device.sent.size() == 1;
    }));
    ASSERT_TRUE(within(1s, [&] { return worker.reading().has_value(); }));
    EXPECT_EQ(worker.reading()->value, 7);

    device.answers = false;
    worker.want([](Wanted &w) { w.value = 8; });
    ASSERT_TRUE(within(1s, [&] {
        std::lock_guard lock(device.mutex);
        return device.opens >= 4;
    })) << "reopened by itself, again and again";
    EXPECT_EQ(heard.all(), QStringList{QStringLiteral("lost: IO error")});
    EXPECT_FALSE(worker.reading().has_value());

    device.answers = true;
    ASSERT_TRUE(within(1s, [&] { return heard.all().size() == 2; }));
    EXPECT_EQ(heard.all().last(), QStringLiteral("back"));
    ASSERT_TRUE(within(1s, [&] { return worker.reading().has_value(); }));
    EXPECT_EQ(worker.reading()->value, 8);
    {
        std::lock_guard lock(device.mutex);
        EXPECT_EQ(device.sent.back(), 8);
    }
    // The new device stays silent, so that a reading seen now could only be
    // the old one's.
    device.answers = false;
    worker.replaceSession(std::make_unique<FakeSession>(device));
    EXPECT_FALSE(worker.reading().has_value());
}

TEST(DeviceWorker, NothingIsOpenedBeforeSomethingIsWanted)
{
    Device device;
    Heard heard;
    {
        DeviceWorker<Wanted> worker(quickPace(), reportsTo(heard));
        worker.replaceSession(std::make_unique<FakeSession>(device));
        EXPECT_FALSE(within(200ms, [&] {
            std::lock_guard lock(device.mutex);
            return device.opens > 0;
        }));
    }
    EXPECT_EQ(device.opens, 0);
}

TEST(DeviceWorker, ShutdownSendsTheLastWishButDoesNotWaitForAStuckDevice)
{
    auto device = std::make_shared<Device>(); // the stuck thread may outlive the test body
    Heard heard;
    {
        DeviceWorker<Wanted> worker(quickPace(), reportsTo(heard));
        worker.replaceSession(std::make_unique<FakeSession>(*device));
        worker.want([](Wanted &w) { w.value = 1; });
        ASSERT_TRUE(within(1s, [&] {
            std::lock_guard lock(device->mutex);
            return device->sent.size() == 1;
        }));
        device->holding = true;
        worker.want([](Wanted &w) { w.value = 2; });
        ASSERT_TRUE(within(1s, [&] { return device->held.load(); }));
        worker.want([](Wanted &w) { w.value = 3; }); // the park position, say
        device->holding = false;
        // Released in time: the last wish goes out before the worker ends.
    }
    {
        std::lock_guard lock(device->mutex);
        EXPECT_EQ(device->sent.back(), 3);
    }

    Device stuck;
    stuck.holding = true;
    QElapsedTimer clock;
    {
        DeviceWorker<Wanted> worker(quickPace(), reportsTo(heard));
        worker.replaceSession(std::make_unique<FakeSession>(stuck));
        worker.want([](Wanted &w) { w.value = 1; });
        ASSERT_TRUE(within(1s, [&] { return stuck.held.load(); }));
        clock.start();
    }
    EXPECT_LT(clock.elapsed(), 1000) << "held for longestShutdown (500 ms) at most";
    EXPECT_TRUE(heard.all().isEmpty());
    stuck.holding = false;
    // The left thread ends before `stuck` goes.
    EXPECT_TRUE(within(2s, [&] { return stuck.sessionGone.load(); }));
}

} // namespace
} // namespace orvanta
