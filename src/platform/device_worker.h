#pragma once

#include <QString>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

namespace orvanta {

// How soon a device that stopped answering is tried again: the pause starts
// at firstRetry and doubles up to longestRetry while it stays silent. At
// shutdown the worker gets longestShutdown to finish its call and send what
// is still wanted; a device stuck longer is left to the end of the program
// rather than holding it open.
struct RetryPace {
    std::chrono::milliseconds firstRetry{2000};
    std::chrono::milliseconds longestRetry{30000};
    std::chrono::milliseconds longestShutdown{3000};
};

// One device whose library calls block (a radio, a rotator), driven from one
// thread of its own: the handle is never touched by two threads, and the
// window never waits for the device. Callers only change the wanted State;
// the thread brings the device to the latest one, so a request not yet sent
// is replaced by a newer one instead of queuing behind it.
//
// When a call fails the device is closed and reopened later, with a growing
// pause; the operator hears of it once per outage (lost), and once when it
// answers again (back). The callbacks run on the worker's thread.
//
// An apply that sends something may also read the device (the position it
// is at, the frequency it is on): the worker keeps the last reading of the
// current device, and forgets it when the device is replaced, released or
// stops answering.
template <class State, class Reading = State>
class DeviceWorker {
public:
    class Session {
    public:
        virtual ~Session() = default;
        // Opens the device and reads its state once: a successful open does
        // not prove that anything answers. Empty on success, else the reason.
        virtual QString open() = 0;
        // Also after a failed open.
        virtual void close() = 0;
        // Brings the device from `applied` (what it was last given since the
        // open) to `wanted`, updating `applied`. Empty on success.
        virtual QString apply(const State &wanted, State &applied) = 0;
        // News for the operator from the last apply (a position out of
        // reach), handed on through Reports::note; empty when none.
        virtual QString takeNote() { return {}; }
        // What the device reported during the last apply, if it was read.
        virtual std::optional<Reading> takeReading() { return std::nullopt; }
    };

    struct Reports {
        std::function<void(const QString &reason)> lost;
        std::function<void()> back;
        std::function<void(const QString &text)> note;
        // The reading changed (a new one, or none any more); also called on
        // the owner's thread by replaceSession and release.
        std::function<void()> readingChanged;
    };

    DeviceWorker(RetryPace pace, Reports reports) : core_(std::make_shared<Core>(pace, std::move(reports)))
    {
        std::thread([core = core_] { core->run(); }).detach();
    }

    // Lets the call in progress end, sends what is still wanted when the
    // device is there (the park position at shutdown), then closes it.
    ~DeviceWorker() { core_->stop(); }

    DeviceWorker(const DeviceWorker &) = delete;
    DeviceWorker &operator=(const DeviceWorker &) = delete;

    // Another device (or the same one with other settings): the current one
    // is closed and what is wanted is sent to the new one from scratch.
    void replaceSession(std::unique_ptr<Session> session)
    {
        core_->locked([&](Core &core) {
            core.nextSession = std::move(session);
            core.sessionChanged = true;
            core.forgetReading();
        });
    }

    // Changes the wanted state; never waits for the device.
    void want(const std::function<void(State &)> &change)
    {
        core_->locked([&](Core &core) {
            change(core.wanted);
            ++core.wantedCount;
        });
    }

    // Closes the device until something is wanted again (the radio handed
    // back to its front panel).
    void release()
    {
        core_->locked([](Core &core) {
            core.releaseAsked = true;
            core.forgetReading();
        });
    }

    // The current device's last reading; none before its first one.
    std::optional<Reading> reading() const
    {
        std::lock_guard lock(core_->mutex);
        return core_->reading;
    }

private:
    using Clock = std::chrono::steady_clock;

    // Shared by the worker's thread and its owner, so that a thread stuck in
    // the library past shutdown still has everything it uses.
    struct Core {
        Core(RetryPace pace, Reports reports) : pace(pace), reports(std::move(reports)), pause(pace.firstRetry) {}

        template <class Change>
        void locked(Change change)
        {
            {
                std::lock_guard lock(mutex);
                change(*this);
            }
            wake.notify_all();
        }

        bool pending() const { return doneCount != wantedCount; }
        bool mayTry() const { return isOpen || Clock::now() >= nextTry; }
        bool hasWork() const { return stopping || sessionChanged || releaseAsked || (session && pending() && mayTry()); }

        void run()
        {
            std::unique_lock lock(mutex);
            for (;;) {
                while (!hasWork()) {
                    if (session && pending() && !isOpen)
                        wake.wait_until(lock, nextTry);
                    else
                        wake.wait(lock);
                }
                if (stopping)
                    break;
                if (sessionChanged) {
                    sessionChanged = false;
                    auto old = std::move(session);
                    session = std::move(nextSession);
                    lock.unlock();
                    closeSession(old.get());
                    old.reset();
                    lock.lock();
                    startAfresh();
                } else if (releaseAsked) {
                    releaseAsked = false;
                    lock.unlock();
                    closeSession(session.get());
                    lock.lock();
                    doneCount = wantedCount;
                } else {
                    step(lock);
                }
            }
            const bool last = session && pending() && (isOpen || !silent);
            const State lastWanted = wanted;
            lock.unlock();
            if (last && (isOpen || session->open().isEmpty())) {
                isOpen = true;
                session->apply(lastWanted, applied);
            }
            closeSession(session.get());
            session.reset();
            lock.lock();
            finished = true;
            lock.unlock();
            wake.notify_all();
        }

        // One attempt at bringing the device to the wanted state; called and
        // returns with the lock held.
        void step(std::unique_lock<std::mutex> &lock)
        {
            const State target = wanted;
            const auto count = wantedCount;
            lock.unlock();
            QString error;
            if (!isOpen) {
                error = session->open();
                isOpen = true; // closed below on failure, as a failed open needs
                applied = State();
            }
            if (error.isEmpty())
                error = session->apply(target, applied);
            if (!error.isEmpty())
                closeSession(session.get());
            const QString note = session->takeNote();
            const std::optional<Reading> read = session->takeReading();
            lock.lock();
            if (!note.isEmpty() && reports.note)
                reports.note(note);
            if (!error.isEmpty()) {
                forgetReading();
            } else if (read && !sessionChanged && !releaseAsked) {
                // Not from a device already being replaced or handed back.
                reading = read;
                if (reports.readingChanged)
                    reports.readingChanged();
            }
            const bool wasSilent = silent;
            if (error.isEmpty()) {
                doneCount = count;
                pause = pace.firstRetry;
                silent = false;
            } else {
                nextTry = Clock::now() + pause;
                pause = std::min(pause * 2, pace.longestRetry);
                silent = true;
            }
            if (silent == wasSilent)
                return;
            // Under the lock: the owner clears the reports before it goes.
            if (silent && reports.lost)
                reports.lost(error);
            else if (!silent && reports.back)
                reports.back();
        }

        // Under the lock.
        void forgetReading()
        {
            if (!reading)
                return;
            reading.reset();
            if (reports.readingChanged)
                reports.readingChanged();
        }

        void closeSession(Session *current)
        {
            if (current && isOpen)
                current->close();
            isOpen = false;
            applied = State();
        }

        // A new device: what was wanted so far is sent to it at once; a
        // device nobody asked anything of yet stays closed.
        void startAfresh()
        {
            doneCount = wantedCount > 0 ? wantedCount - 1 : 0;
            nextTry = Clock::now();
            pause = pace.firstRetry;
            silent = false;
        }

        void stop()
        {
            std::unique_lock lock(mutex);
            stopping = true;
            wake.notify_all();
            if (!wake.wait_for(lock, pace.longestShutdown, [this] { return finished; }))
                reports = Reports(); // its owner is gone; the thread ends with the program
        }

        const RetryPace pace;
        Reports reports;

        std::mutex mutex;
        std::condition_variable wake;
        // Shared with the owner, under mutex.
        State wanted{};
        long long wantedCount = 0;
        std::unique_ptr<Session> nextSession;
        bool sessionChanged = false;
        bool releaseAsked = false;
        bool stopping = false;
        bool finished = false;
        bool silent = false;
        std::optional<Reading> reading;
        // The worker's own.
        std::unique_ptr<Session> session;
        long long doneCount = 0;
        bool isOpen = false;
        State applied{};
        Clock::time_point nextTry{};
        std::chrono::milliseconds pause;
    };

    std::shared_ptr<Core> core_;
};

} // namespace orvanta
