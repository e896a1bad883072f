#pragma once

#include "hamlib/hamlib_device.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <mutex>
#include <vector>

namespace orvanta {

// Opens a device, reads it back and closes it (readHamlibRig, readHamlibRotator).
using HamlibTester = std::function<HamlibReading(const HamlibDevice &)>;

// What the Hamlib set-up dialog edits, for a radio or a rotator: the model
// from Hamlib's list, the serial device and its speed or the host:port of a
// daemon, and a test of them that runs off the window's thread.
class HamlibSetup final : public QObject {
    Q_OBJECT
public:
    HamlibSetup(HamlibKind kind, std::vector<HamlibModel> models, HamlibTester tester, const HamlibDevice &current,
                QObject *parent = nullptr);
    // A test still running is left to end on its own; its answer is dropped.
    ~HamlibSetup() override;

    HamlibKind kind() const { return kind_; }

    // Keeps the models whose maker and model hold every word of the filter,
    // whatever the case ("icom 97" finds the IC-9700).
    void setFilter(const QString &filter);
    const std::vector<HamlibModel> &shown() const { return shown_; }

    // A network model gets the daemon's usual address when the device given
    // is not an address.
    void choose(int modelId);
    const HamlibModel *chosen() const;

    void setPort(const QString &port) { port_ = port.trimmed(); }
    QString port() const { return port_; }
    // 0: the model's own speed.
    void setSpeed(int speed) { speed_ = speed; }
    int speed() const { return speed_; }
    // Whether the device box and the speed apply to the chosen model.
    bool takesPort() const;
    bool takesSpeed() const;

    // Why the settings cannot be kept yet; empty when they can.
    QString problem() const;
    HamlibDevice device() const;

    // Reads the device back on a thread of its own; `tested` gives the answer.
    void startTest();
    bool testing() const { return testing_; }

signals:
    void tested(const QString &text);

private:
    const HamlibKind kind_;
    const std::vector<HamlibModel> models_;
    const HamlibTester tester_;
    std::vector<HamlibModel> shown_;
    int model_ = 0;
    QString port_;
    int speed_ = 0;
    bool testing_ = false;
    // Whether the test's answer still has somewhere to go.
    struct Link {
        std::mutex mutex;
        bool open = true;
    };
    const std::shared_ptr<Link> link_ = std::make_shared<Link>();
};

} // namespace orvanta
