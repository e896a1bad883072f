#pragma once

#include "rotor/rotor_range.h"

#include <optional>
#include <vector>

namespace orvanta {

// One point of a pass's predicted track, seconds after acquisition.
struct TrackPoint {
    double seconds = 0;
    double azimuthDeg = 0; // 0 to 360, from north through east
    double elevationDeg = 0;
};

// What a rotor is told: azimuth and elevation in its own degrees.
struct RotorAim {
    double azimuthDeg = 0;
    double elevationDeg = 0;
};

// The direction on the sky a rotor points to: azimuth 0 to 360, elevation
// to 90 (a flipped rotor's elevation 150 at azimuth 200 looks at 20, 30).
RotorAim onTheSky(const RotorAim &aim);

// The azimuth path of a rotor through one whole pass, planned before it
// starts from the predicted track, so that the rotor never unwinds in the
// middle of a pass it could have followed:
// - the pass is followed as one stretch wherever the rotor's range holds it
//   (past 360 on a rotor with an overlap);
// - otherwise, on a rotor that can flip, the whole pass is followed over the
//   top (azimuth + 180, elevation 180 - elevation);
// - otherwise the rotor has to leave the satellite somewhere: of the ways to
//   wait at the end of its range or to turn round, the plan takes the one
//   whose largest pointing error over the pass, the turn's own sweep
//   included, is least, and away() says when and how high.
class RotorPlan {
public:
    enum class Kind { Follow, Flip, Leave };

    // When the rotor is off the satellite, and the highest elevation the
    // satellite reaches meanwhile.
    struct Away {
        double fromSeconds = 0;
        double toSeconds = 0;
        double highestElevationDeg = 0;
    };

    // A common rotor turns right round in about a minute.
    static constexpr double kCommonRotorDegPerSecond = 6.0;

    // The track in time order, from acquisition to loss. An empty track
    // gives a plan that passes positions through unchanged. The rotor's
    // azimuth speed weighs the turns: a slow rotor is off the satellite
    // longer while it turns round.
    static RotorPlan forTrack(const std::vector<TrackPoint> &track, const RotorRange &range,
                              double azimuthDegPerSecond = kCommonRotorDegPerSecond);

    Kind kind() const { return kind_; }
    std::optional<Away> away() const { return away_; }
    // When the plan turns the rotor round: the first command at or after
    // this many seconds after acquisition is on the other side.
    std::optional<double> turnSeconds() const;

    // Where the rotor waits for the acquisition: the planned azimuth of the
    // first point, on the horizon.
    RotorAim start() const;

    // The command for the satellite seen at azimuth and elevation, seconds
    // after acquisition: the same direction, on the planned side of the
    // rotor's range. Whole degrees in give whole degrees out.
    RotorAim aim(double seconds, double azimuthDeg, double elevationDeg) const;

private:
    double plannedAzimuth(double seconds) const;

    RotorRange range_;
    Kind kind_ = Kind::Follow;
    bool flipped_ = false;
    std::vector<double> seconds_;
    std::vector<double> unwrapped_; // the track's azimuth made continuous
    double cutSeconds_ = 0;         // the turn; before it turnsBefore_, from it turnsAfter_
    int turnsBefore_ = 0;
    int turnsAfter_ = 0;
    std::optional<Away> away_;
};

} // namespace orvanta
