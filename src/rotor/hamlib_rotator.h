#pragma once

#include "hamlib/hamlib_device.h"
#include "platform/message_boxes.h"
#include "rotor/rotor.h"

#include <QObject>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

namespace orvanta {

struct RotatorWanted;
struct RotatorLimits;
template <class Wanted, class Reading>
class HamlibLink;

// Where the rotator said it was when the last position was sent, in its
// own terms (a rotator turning -180 to 450 may say -90 or 400).
struct RotatorReading {
    double azimuthDeg = 0;
    double elevationDeg = 0;
};

// Any rotator Hamlib knows, directly on its line or through a rotctld, as
// the station's rotor. One thread of its own owns the Hamlib handle; the
// calls below only leave the latest position for it and return at once.
//
// Positions are kept within the rotator's limits as it reports them after
// opening (min_az, max_az, min_el, max_el): an azimuth outside them is first
// taken a turn further (270 is -90 for a rotator turning -180 to 180), else
// the nearest limit is used, and the operator is told once each time a pass
// leaves them. An azimuth-only rotator (elevation 0 to 0) gets elevation 0
// and no message.
class HamlibRotor final : public QObject, public Rotor {
    Q_OBJECT
public:
    explicit HamlibRotor(MessageBoxes &messages, HamlibTiming timing = {}, QObject *parent = nullptr);
    ~HamlibRotor() override;

    // The rotator to drive from now on (model 0: none). It is opened at the
    // next position, not before.
    void setDevice(const HamlibDevice &device);
    HamlibDevice device() const;
    // "Hamlib " and the rotator's maker and model, for the title.
    QString caption() const;
    // The rotator's last reading; none until it has been read, nor once it
    // is replaced or silent. readingChanged() says when it changes.
    std::optional<RotatorReading> reading() const;

    void point(double azimuthDeg, double elevationDeg) override;
    // The station's park position, sent as any other position (not the
    // controller's own park, which the operator may have set elsewhere).
    void park(double azimuthDeg, double elevationDeg) override;
    // The limits the rotator reported at its last opening (0 to 360 until
    // it has been opened); it can flip when its elevation goes past 90.
    RotorRange range() const override;
    std::optional<RotorAim> position() const override;

signals:
    void readingChanged();

private:
    std::shared_ptr<RotatorLimits> limits_; // written by the worker's thread at each opening
    std::unique_ptr<HamlibLink<RotatorWanted, RotatorReading>> link_;
};

// Hamlib's rotators, sorted by maker then model.
std::vector<HamlibModel> hamlibRotatorModels();
// "Maker Model" of a Hamlib rotator model, or its number when unknown.
QString hamlibRotatorName(int model);
// Opens the rotator, reads its position and closes it; blocks for as long
// as the timing allows, so never on the window's thread.
HamlibReading readHamlibRotator(const HamlibDevice &device, const HamlibTiming &timing);

} // namespace orvanta
