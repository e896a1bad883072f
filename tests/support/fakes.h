#pragma once

// Test doubles of the platform layer.

#include "platform/message_boxes.h"
#include "platform/parallel_port.h"
#include "platform/serial_line.h"
#include "platform/settings_store.h"
#include "platform/sound_player.h"
#include "platform/tracking_timer.h"
#include "platform/utc_clock.h"
#include "platform/waiter.h"

#include <QDateTime>
#include <QMap>
#include <QStringList>

#include <deque>
#include <functional>
#include <vector>

namespace orvanta::test {

class FakeClock final : public UtcClock {
public:
    QDateTime now = QDateTime(QDate(2026, 6, 27), QTime(12, 0, 0), Qt::UTC);
    mutable int readings = 0;
    QDateTime nowUtc() const override
    {
        ++readings;
        return now;
    }
};

// One entry of a device trace: a port write, a serial write or a pause.
struct TraceEvent {
    enum class Kind { Port, Serial, Wait, Settings };
    Kind kind;
    int address = 0;       // Port
    int value = 0;         // Port
    QByteArray bytes;      // Serial (and Settings text)
    double seconds = 0;    // Wait

    static TraceEvent port(int a, int v) { return {Kind::Port, a, v, {}, 0}; }
    static TraceEvent serial(const QByteArray &b) { return {Kind::Serial, 0, 0, b, 0}; }
    static TraceEvent wait(double s) { return {Kind::Wait, 0, 0, {}, s}; }
    static TraceEvent settings(const QString &s) { return {Kind::Settings, 0, 0, s.toLatin1(), 0}; }
    bool operator==(const TraceEvent &o) const
    {
        return kind == o.kind && address == o.address && value == o.value && bytes == o.bytes
               && seconds == o.seconds;
    }
};
using Trace = std::vector<TraceEvent>;
void PrintTo(const TraceEvent &event, std::ostream *os);

// Records each wait, in order, into a shared trace; duringWait runs inside the
// wait, as a window event dispatched by a real wait would.
class RecordingWaiter final : public Waiter {
public:
    explicit RecordingWaiter(Trace *trace = nullptr) : trace(trace) {}
    Trace *trace;
    std::vector<double> waits;
    std::function<void()> duringWait;
    void Attente(double seconds) override
    {
        waits.push_back(seconds);
        if (trace)
            trace->push_back(TraceEvent::wait(seconds));
        if (duringWait) {
            auto hook = std::move(duringWait); // run once, not recursively
            duringWait = nullptr;
            hook();
        }
    }
};

class RecordingParallelPort final : public ParallelPort {
public:
    explicit RecordingParallelPort(Trace *trace = nullptr) : trace(trace) {}
    Trace *trace;
    std::vector<std::pair<int, int>> writes;
    void Out32(int address, int value) override
    {
        writes.emplace_back(address, value);
        if (trace)
            trace->push_back(TraceEvent::port(address, value));
    }
};

// In-memory serial line for logic tests; driver byte checks use a real line
// on a pseudo-terminal (see pty.h).
class RecordingSerialLine final : public SerialLine {
public:
    explicit RecordingSerialLine(Trace *trace = nullptr) : trace(trace) {}
    Trace *trace;
    QString settings = QStringLiteral("9600,n,8,1");
    bool open = false;
    QList<QByteArray> writes;
    QString Settings() const override { return settings; }
    bool setSettings(const QString &s) override
    {
        LineSettings parsed;
        if (!LineSettings::parse(s, parsed))
            return false;
        settings = s;
        if (trace)
            trace->push_back(TraceEvent::settings(s));
        return true;
    }
    bool PortOpen() const override { return open; }
    void setPortOpen(bool o) override { open = o; }
    void Output(const QByteArray &bytes) override
    {
        if (!open)
            return;
        writes.append(bytes);
        if (trace)
            trace->push_back(TraceEvent::serial(bytes));
    }
    QByteArray all() const { return writes.join(); }
    // The device answers.
    void answer(const QByteArray &bytes) { received(bytes); }
};

class RecordingMessageBoxes final : public MessageBoxes {
public:
    struct Shown {
        QString text;
        QString title;
        bool isQuestion = false;
    };
    std::vector<Shown> shown;
    std::deque<bool> answers; // answers to questions, in order; Yes when empty
    std::function<void()> whileShown; // runs inside a modal box, as events would
    int modal = 0; // boxes that held the caller until answered
    void information(const QString &text, const QString &title, Icon) override
    {
        shown.push_back({text, title, false});
        ++modal;
        if (whileShown)
            whileShown();
    }
    // Returns at once, as a box that holds nothing does.
    void notice(const QString &text, const QString &title, Icon) override { shown.push_back({text, title, false}); }
    bool question(const QString &text, const QString &title) override
    {
        shown.push_back({text, title, true});
        if (whileShown)
            whileShown();
        if (answers.empty())
            return true;
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
    QStringList texts() const
    {
        QStringList out;
        for (const auto &s : shown)
            out << s.text;
        return out;
    }
};

class RecordingSoundPlayer final : public SoundPlayer {
public:
    QStringList played;
    void playAndWait(const QString &path) override { played << path; }
};

class FakeTrackingTimer final : public TrackingTimer {
public:
    bool active = true;
    int starts = 0;
    int stops = 0;
    void start() override
    {
        active = true;
        ++starts;
    }
    void stop() override
    {
        active = false;
        ++stops;
    }
    bool isActive() const override { return active; }
};

// Settings store kept in memory, names compared without regard to case.
class MemorySettingsStore final : public SettingsStore {
public:
    struct Entry {
        QString section;
        QString key;
        QString value;
    };
    QString get(const QString &application, const QString &section, const QString &key,
                const QString &defaultValue) const override;
    void save(const QString &application, const QString &section, const QString &key,
              const QString &value) override;
    void remove(const QString &application, const QString &section, const QString &key) override;
    // Entries of one section, in the order they were first written.
    std::vector<Entry> section(const QString &application, const QString &section) const;

private:
    QMap<QString, std::vector<Entry>> byApplication_;
};

} // namespace orvanta::test
