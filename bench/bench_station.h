#pragma once

// The assembled station on silent devices and a stepped clock, over a
// station folder of a synthetic catalogue, for the benchmarks that run it
// whole.

#include "app/station.h"
#include "platform/help_viewer.h"
#include "platform/message_boxes.h"
#include "platform/parallel_port.h"
#include "platform/serial_line.h"
#include "platform/settings_store.h"
#include "platform/sound_player.h"
#include "platform/utc_clock.h"
#include "platform/waiter.h"

#include <QDateTime>
#include <QMap>
#include <QTemporaryDir>

#include <memory>

namespace orvanta::bench {

class MemoryStore final : public SettingsStore {
public:
    QString get(const QString &, const QString &section, const QString &key, const QString &fallback) const override;
    void save(const QString &, const QString &section, const QString &key, const QString &value) override;
    void remove(const QString &, const QString &section, const QString &key) override;

private:
    QMap<QString, QString> values_;
};

class SilentMessages final : public MessageBoxes {
public:
    void information(const QString &, const QString &, Icon) override {}
    bool question(const QString &, const QString &) override { return false; }
};

class OpenLine final : public SerialLine {
public:
    QString Settings() const override { return settings_; }
    bool setSettings(const QString &s) override
    {
        settings_ = s;
        return true;
    }
    bool PortOpen() const override { return open_; }
    void setPortOpen(bool open) override { open_ = open; }
    void Output(const QByteArray &bytes) override;

private:
    QString settings_;
    bool open_ = false;
};

struct NoPort final : ParallelPort {
    void Out32(int, int) override {}
};
struct NoSound final : SoundPlayer {
    void playAndWait(const QString &) override {}
};
struct NoWait final : Waiter {
    void Attente(double) override;
};
struct NoHelp final : HelpViewer {
    void show(const QString &) override {}
};

class SteppedClock final : public UtcClock {
public:
    QDateTime now = QDateTime(QDate(2026, 6, 27), QTime(0, 0), Qt::UTC);
    QDateTime nowUtc() const override { return now; }
};

// A station folder of a catalogue of catalogueSize satellites, the first
// selected ones in bank 1 with their frequencies; the GS-232 rotor chosen.
struct BenchStation {
    QTemporaryDir folder;
    MemoryStore store;
    SilentMessages messages;
    SteppedClock clock;
    NoWait waiter;
    OpenLine receiverLine;
    OpenLine rotorLine;
    NoPort port;
    NoSound sound;
    NoHelp help;
    std::unique_ptr<Station> station;

    explicit BenchStation(int catalogueSize = 1000, int selected = 100);
    // Started with its timers stopped: the benchmark ticks it.
    void start();
    void tick();
};

} // namespace orvanta::bench
