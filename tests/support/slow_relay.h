#pragma once

#include <QString>

#include <atomic>
#include <chrono>
#include <thread>

namespace orvanta::test {

// A radio that takes its time: relays one client's connection to a Hamlib
// daemon on 127.0.0.1:targetPort, holding each command line for `delay`
// before passing it on, as a slow radio holds each exchange. Runs on a
// thread of its own until destroyed.
class SlowRelay {
public:
    SlowRelay(quint16 targetPort, std::chrono::milliseconds delay);
    ~SlowRelay();
    SlowRelay(const SlowRelay &) = delete;
    SlowRelay &operator=(const SlowRelay &) = delete;

    QString address() const;
    // Command lines passed on so far.
    int relayed() const { return relayed_; }

private:
    void run(quint16 targetPort, std::chrono::milliseconds delay);

    int listener_ = -1;
    quint16 port_ = 0;
    std::atomic<bool> stopping_{false};
    std::atomic<int> relayed_{0};
    std::thread thread_;
};

} // namespace orvanta::test
