#include "orbit/horizon_crossing.h"

#include <cmath>
#include <numbers>

namespace orvanta::orbit {

namespace {

constexpr double kStepSeconds = 10;
constexpr double kToleranceSeconds = 0.5;

class InSight {
public:
    InSight(const Satellites &satellites, const PredictedPass &pass, const HorizonMask &mask)
        : satellites_(satellites), pass_(pass), mask_(mask)
    {
    }

    bool at(double seconds) const
    {
        SatelliteLook look;
        if (!satellites_.lookAt(pass_.name, pass_.aos.plusMinutes(seconds / 60.0), -90, look))
            return false;
        constexpr double kDegrees = 180.0 / std::numbers::pi;
        return mask_.clears(look.azimuthRad * kDegrees, look.elevationRad * kDegrees);
    }

    // The instant between a moment out of sight and one in sight (or the
    // other way round) where it changes.
    double change(double from, double to) const
    {
        const bool first = at(from);
        while (std::abs(to - from) > kToleranceSeconds) {
            const double middle = (from + to) / 2;
            (at(middle) == first ? from : to) = middle;
        }
        return to;
    }

private:
    const Satellites &satellites_;
    const PredictedPass &pass_;
    const HorizonMask &mask_;
};

} // namespace

std::optional<HorizonWindow> horizonWindow(const Satellites &satellites, const PredictedPass &pass,
                                           const HorizonMask &mask)
{
    if (mask.flat())
        return HorizonWindow{pass.aos, pass.los};
    const InSight inSight(satellites, pass, mask);
    const double duration = pass.durationSeconds();
    std::optional<double> clears;
    double sets = 0;
    double previous = 0;
    bool previousInSight = false;
    for (double t = 0;; t = std::min(t + kStepSeconds, duration)) {
        const bool now = inSight.at(t);
        if (now && !clears)
            clears = t == 0 ? 0 : inSight.change(previous, t);
        if (now)
            sets = t;
        else if (previousInSight)
            sets = inSight.change(t, previous);
        previous = t;
        previousInSight = now;
        if (t >= duration)
            break;
    }
    if (!clears)
        return std::nullopt;
    return HorizonWindow{pass.aos.plusMinutes(*clears / 60.0), pass.aos.plusMinutes(sets / 60.0)};
}

} // namespace orvanta::orbit
