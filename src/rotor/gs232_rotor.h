#pragma once

#include "rotor/gs232.h"
#include "rotor/rotor.h"

namespace orvanta {

// The GS-232 controller as a rotor: one command carries both axes.
class Gs232Rotor final : public Rotor {
public:
    explicit Gs232Rotor(Gs232 &gs232) : gs232_(gs232) {}

    // With the read-back on, each position is preceded by the question
    // where the rotor is, so that the answer tells where it was as it was sent.
    void point(double azimuthDeg, double elevationDeg) override
    {
        if (readBack_)
            gs232_.askPosition();
        gs232_.Commande_GS232(azimuthDeg, elevationDeg);
    }
    void park(double azimuthDeg, double elevationDeg) override { point(azimuthDeg, elevationDeg); }
    // The controller's range is a setting of the station: 0 to 360 or 0 to
    // 450, flipping or not. The command carries what the plan gives it.
    RotorRange range() const override { return range_; }
    void setRange(const RotorRange &range) { range_ = range; }
    // Whether the controller is asked where it points ("C2"): a setting, as
    // a line wired for sending only never answers.
    void setReadBack(bool on) { readBack_ = on; }
    std::optional<RotorAim> position() const override
    {
        if (!readBack_)
            return std::nullopt;
        const auto said = gs232_.position();
        return said ? std::optional<RotorAim>(RotorAim{said->azimuthDeg, said->elevationDeg}) : std::nullopt;
    }

private:
    Gs232 &gs232_;
    RotorRange range_;
    bool readBack_ = false;
};

} // namespace orvanta
