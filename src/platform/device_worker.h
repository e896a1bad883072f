#pragma once

#include <QString>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

namespace orvanta {

// How soon a device that stopped answering is tried again: the pause starts
// at firstRetry and doubles up to longestRetry while it stays silent.
struct RetryPace {
    std::chrono::milliseconds firstRetry{2000};
    std::chrono::milliseconds longestRetry{30000};
};

// One device whose library calls block (a radio, a rotator), driven from one
// thread of its own: the handle is never touched by two threads, and the
// window never waits for the device. Callers only change the wanted State;
// the thread brings the device to the latest one, so a request not yet sent
// is replaced by a newer one instead of queuing behind it.
//
// When a call fails the device is closed and reopened later, with a growing
// pause; the operator hears of it once per outage (lost), and once when it
// answers again (back). Both callbacks run on the worker's thread.
template <class State>
class DeviceWorker {
public:
    class Session {
    public:
        virtual ~Session() = default;
        // Opens the device and reads its state once: a successful open does
        // not prove that anything answers. Empty on success, else the reason.
        virtual QString open() = 0;
        virtual void close() = 0;
        // Brings the device from `applied` (what it was last given since the
        // open) to `wanted`, updating `applied`. Empty on success.
        virtual QString apply(const State &wanted, State &applied) = 0;
    };

    struct Reports {
        std::function<void(const QString &reason)> lost;
        std::function<void()> back;
    };

    DeviceWorker(RetryPace pace, Reports reports)
        : pace_(pace), reports_(std::move(reports)), pause_(pace.firstRetry), thread_([this] { run(); })
    {
    }

    // Lets the call in progress end, sends what is still wanted when the
    // device is there (the park position at shutdown), then closes it.
    ~DeviceWorker()
    {
        {
            std::lock_guard lock(mutex_);
            stopping_ = true;
        }
        wake_.notify_one();
        thread_.join();
    }

    DeviceWorker(const DeviceWorker &) = delete;
    DeviceWorker &operator=(const DeviceWorker &) = delete;

    // Another device (or the same one with other settings): the current one
    // is closed and what is wanted is sent to the new one from scratch.
    void replaceSession(std::unique_ptr<Session> session)
    {
        {
            std::lock_guard lock(mutex_);
            nextSession_ = std::move(session);
        }
        wake_.notify_one();
    }

    // Changes the wanted state; never waits for the device.
    void want(const std::function<void(State &)> &change)
    {
        {
            std::lock_guard lock(mutex_);
            change(wanted_);
            ++wantedCount_;
        }
        wake_.notify_one();
    }

    // Closes the device until something is wanted again (the radio handed
    // back to its front panel).
    void release()
    {
        {
            std::lock_guard lock(mutex_);
            releaseAsked_ = true;
        }
        wake_.notify_one();
    }

private:
    using Clock = std::chrono::steady_clock;

    bool pending() const { return doneCount_ != wantedCount_; }
    bool mayTry() const { return isOpen_ || Clock::now() >= nextTry_; }

    void run()
    {
        std::unique_lock lock(mutex_);
        for (;;) {
            while (!stopping_ && !nextSession_ && !releaseAsked_ && !(session_ && pending() && mayTry())) {
                if (session_ && pending() && !isOpen_)
                    wake_.wait_until(lock, nextTry_);
                else
                    wake_.wait(lock);
            }
            if (stopping_)
                break;
            if (nextSession_) {
                auto old = std::move(session_);
                session_ = std::move(nextSession_);
                lock.unlock();
                closeSession(old.get());
                lock.lock();
                startAfresh();
                continue;
            }
            if (releaseAsked_) {
                releaseAsked_ = false;
                lock.unlock();
                closeSession(session_.get());
                lock.lock();
                doneCount_ = wantedCount_;
                continue;
            }
            step(lock);
        }
        const bool last = session_ && pending() && (isOpen_ || !silent_);
        lock.unlock();
        if (last) {
            State wanted;
            {
                std::lock_guard copy(mutex_);
                wanted = wanted_;
            }
            if (isOpen_ || session_->open().isEmpty()) {
                isOpen_ = true;
                session_->apply(wanted, applied_);
            }
        }
        closeSession(session_.get());
    }

    // One attempt at bringing the device to the wanted state; called and
    // returns with the lock held.
    void step(std::unique_lock<std::mutex> &lock)
    {
        const State wanted = wanted_;
        const auto count = wantedCount_;
        lock.unlock();
        QString error;
        if (!isOpen_) {
            error = session_->open();
            if (error.isEmpty()) {
                isOpen_ = true;
                applied_ = State();
            } else {
                session_->close();
            }
        }
        if (error.isEmpty())
            error = session_->apply(wanted, applied_);
        if (!error.isEmpty())
            closeSession(session_.get());
        const bool wasSilent = silent_;
        lock.lock();
        if (error.isEmpty()) {
            doneCount_ = count;
            pause_ = pace_.firstRetry;
            silent_ = false;
        } else {
            nextTry_ = Clock::now() + pause_;
            pause_ = std::min(pause_ * 2, pace_.longestRetry);
            silent_ = true;
        }
        if (silent_ == wasSilent)
            return;
        lock.unlock();
        if (silent_ && reports_.lost)
            reports_.lost(error);
        else if (!silent_ && reports_.back)
            reports_.back();
        lock.lock();
    }

    void closeSession(Session *session)
    {
        if (session && isOpen_)
            session->close();
        isOpen_ = false;
        applied_ = State();
    }

    // A new device: what was wanted so far is sent to it at once; a device
    // nobody asked anything of yet stays closed.
    void startAfresh()
    {
        doneCount_ = wantedCount_ > 0 ? wantedCount_ - 1 : 0;
        nextTry_ = Clock::now();
        pause_ = pace_.firstRetry;
        silent_ = false;
    }

    const RetryPace pace_;
    const Reports reports_;

    std::mutex mutex_;
    std::condition_variable wake_;
    // Shared with the callers, under mutex_.
    State wanted_{};
    long long wantedCount_ = 0;
    std::unique_ptr<Session> nextSession_;
    bool releaseAsked_ = false;
    bool stopping_ = false;
    // The worker's own.
    std::unique_ptr<Session> session_;
    long long doneCount_ = 0;
    bool isOpen_ = false;
    bool silent_ = false;
    State applied_{};
    Clock::time_point nextTry_{};
    std::chrono::milliseconds pause_;

    std::thread thread_; // last: starts once everything above exists
};

} // namespace orvanta
