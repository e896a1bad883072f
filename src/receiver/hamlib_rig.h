#pragma once

#include "hamlib/hamlib_device.h"
#include "platform/message_boxes.h"
#include "receiver/command_latency.h"
#include "receiver/hamlib_satellite.h"
#include "receiver/receiver.h"

#include <QObject>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

namespace orvanta {

struct RigWanted;
template <class Wanted, class Reading>
class HamlibLink;

// Any radio Hamlib knows, directly on its line or through a rigctld, as the
// station's receiver. One thread of its own owns the Hamlib handle; the
// calls below only leave the latest wish for it and return at once.
class HamlibReceiver final : public QObject, public Receiver {
    Q_OBJECT
public:
    // kind: the station's receiver, or the uplink radio of two radios (the
    // messages name it so).
    explicit HamlibReceiver(MessageBoxes &messages, HamlibTiming timing = {}, QObject *parent = nullptr,
                            HamlibKind kind = HamlibKind::Receiver);
    ~HamlibReceiver() override;

    // The radio to drive from now on (model 0: none). It is opened at the
    // next take-up or frequency, not before.
    void setDevice(const HamlibDevice &device);
    HamlibDevice device() const;
    // "Hamlib " and the radio's maker and model, for the title.
    QString caption() const;
    // The radio's last reading; none until it has been read, nor once it is
    // replaced, handed back to its panel or silent. readingChanged() says
    // when it changes.
    std::optional<RigReading> reading() const;

    // The radio's mode for the satellite mode (AM, FM or USB), and the next
    // frequency sent whatever the step.
    void takeUp(ReceiverMode mode) override;
    // Sent when it differs by at least the radio's tuning step in its mode
    // from the one last sent.
    void tune(double hertz) override;
    // Closes the radio (some backends hand it back to its panel on closing);
    // the next take-up or frequency opens it again.
    void endRemoteControl() override;
    // From a frequency or a move of the links to its setting at the radio,
    // as a running mean of the radio's readings.
    double latencySeconds() const override { return latency_.seconds(); }

    // Working a transponder: split or satellite mode with both links (the
    // uplink on the wish's VFO), then the links moved, each cycle numbered
    // for the read of the dial, and normal mode again. The tick's take-ups
    // and frequencies wait meanwhile.
    void startSatellite(const RigSatelliteWish &start);
    void moveSatellite(std::optional<qint64> receiveHz, std::optional<qint64> transmitHz);
    void satelliteCycle(long long cycle, bool readDial);
    void stopSatellite();

signals:
    void readingChanged();

private:
    std::unique_ptr<HamlibLink<RigWanted, RigReading>> link_;
    CommandLatency latency_;
};

// Hamlib's radios, sorted by maker then model.
std::vector<HamlibModel> hamlibRigModels();
// "Maker Model" of a Hamlib radio model, or its number when unknown.
QString hamlibRigName(int model);
// Opens the radio, reads its frequency and closes it; blocks for as long as
// the timing allows, so never on the window's thread.
HamlibReading readHamlibRig(const HamlibDevice &device, const HamlibTiming &timing);

} // namespace orvanta
