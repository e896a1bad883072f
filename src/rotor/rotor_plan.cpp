#include "rotor/rotor_plan.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <numbers>
#include <tuple>

namespace orvanta {

namespace {

constexpr double kDegree = std::numbers::pi / 180.0;
// Further off the satellite than this, it is not followed any more: about
// the half beam width of a small satellite Yagi.
constexpr double kToleranceDeg = 10.0;
constexpr std::array<int, 5> kTurns = {-2, -1, 0, 1, 2};
constexpr double kNever = -std::numeric_limits<double>::infinity();

// The angle between two directions at the same elevation, azimuthGap apart.
double separationDeg(double elevationDeg, double azimuthGapDeg)
{
    const double e = elevationDeg * kDegree;
    const double c = std::sin(e) * std::sin(e) + std::cos(e) * std::cos(e) * std::cos(azimuthGapDeg * kDegree);
    return std::acos(std::clamp(c, -1.0, 1.0)) / kDegree;
}

double wrapped(double degrees)
{
    return degrees - 360.0 * std::floor(degrees / 360.0);
}

// The track's azimuths made continuous, the first one from 0 to 360.
std::vector<double> unwrap(const std::vector<TrackPoint> &track, double turnBy)
{
    std::vector<double> out;
    out.reserve(track.size());
    for (const TrackPoint &p : track) {
        const double az = wrapped(p.azimuthDeg + turnBy);
        out.push_back(out.empty() ? az : out.back() + std::remainder(az - out.back(), 360.0));
    }
    return out;
}

// One way through the pass: which side (flipped or not), where the frame
// changes by whole turns (cut), and the turns before and after.
struct Way {
    bool flipped = false;
    std::size_t cut = 0;
    int before = 0;
    int after = 0;
    double worst = 0;  // largest pointing error, the turn's travel included
    double error = 0;  // summed pointing error
    double excess = 0; // degrees planned outside 0 to 360
    double travel = 0; // the turn's sweep
    std::optional<RotorPlan::Away> away;
    bool fits() const { return error == 0; }
    // To the hundredth of a degree: sums taken in another order must not
    // make a turn that changes nothing look better.
    auto rank() const
    {
        return std::make_tuple(std::llround(worst * 100), std::llround(error * 100), std::llround(excess * 100),
                               travel);
    }
};

class Ways {
public:
    Ways(const std::vector<TrackPoint> &track, const RotorRange &range, bool flipped, double turnDegPerSecond)
        : track_(track), flipped_(flipped), turnDegPerSecond_(turnDegPerSecond),
          unwrapped_(unwrap(track, flipped ? 180.0 : 0.0))
    {
        const std::size_t n = track.size();
        for (std::size_t k = 0; k < kTurns.size(); ++k) {
            Frame &f = frames_[k];
            for (std::size_t j = 0; j < n; ++j) {
                const double target = unwrapped_[j] + 360.0 * kTurns[k];
                const double command = std::clamp(target, range.minAzimuthDeg, range.maxAzimuthDeg);
                f.command.push_back(command);
                f.error.push_back(command == target ? 0.0 : separationDeg(track[j].elevationDeg, command - target));
                f.excess.push_back(std::max(0.0, command - 360.0) + std::max(0.0, -command));
            }
            // Sums and the samples off the satellite over [0, j) and [j, n),
            // so that every cut is weighed without going through the pass again.
            f.before.assign(n + 1, Span{});
            f.after.assign(n + 1, Span{});
            for (std::size_t j = 0; j < n; ++j)
                f.before[j + 1] = f.before[j].plus(f, j, track[j].elevationDeg);
            for (std::size_t j = n; j-- > 0;)
                f.after[j] = f.after[j + 1].plus(f, j, track[j].elevationDeg);
        }
    }

    const std::vector<double> &unwrapped() const { return unwrapped_; }

    Way evaluate(std::size_t cut, std::size_t before, std::size_t after) const
    {
        const Span &a = frames_[before].before[cut];
        const Span &b = frames_[after].after[cut];
        Way way;
        way.flipped = flipped_;
        way.cut = cut;
        way.before = kTurns[before];
        way.after = kTurns[after];
        Span whole = a.joined(b);
        if (cut > 0) {
            whole = turnedAt(cut, before, after, whole);
            way.travel = std::abs(frames_[after].command[cut] - frames_[before].command[cut - 1]);
        }
        way.worst = whole.worst;
        way.error = whole.error;
        way.excess = whole.excess;
        if (whole.first <= whole.last)
            way.away = RotorPlan::Away{track_[whole.first].seconds, track_[whole.last].seconds, whole.highest};
        return way;
    }

    // The pass as one stretch that the range holds, the least past 360.
    std::optional<Way> whole() const
    {
        std::optional<Way> best;
        for (std::size_t k = 0; k < kTurns.size(); ++k) {
            const Way way = evaluate(0, k, k);
            if (way.fits() && (!best || way.excess < best->excess))
                best = way;
        }
        return best;
    }

    // The least harm: the rotor off the satellite only where it is lowest.
    Way leastHarm() const
    {
        Way best = evaluate(0, 0, 0);
        for (std::size_t cut = 0; cut < track_.size(); ++cut)
            for (std::size_t before = 0; before < kTurns.size(); ++before)
                for (std::size_t after = 0; after < kTurns.size(); ++after) {
                    if ((cut == 0 && before != after) || (cut > 0 && before == after))
                        continue;
                    const Way way = evaluate(cut, before, after);
                    if (way.rank() < best.rank())
                        best = way;
                }
        return best;
    }

private:
    struct Frame;
    // A stretch of samples: summed and largest error, excess, and the samples
    // off the satellite (first, last, highest elevation).
    struct Span {
        double error = 0;
        double worst = 0;
        double excess = 0;
        std::size_t first = std::numeric_limits<std::size_t>::max();
        std::size_t last = 0;
        double highest = kNever;

        static Span at(std::size_t j, double elevation)
        {
            Span s;
            s.first = s.last = j;
            s.highest = elevation;
            return s;
        }
        Span joined(const Span &other) const
        {
            Span s = *this;
            s.error += other.error;
            s.worst = std::max(worst, other.worst);
            s.excess += other.excess;
            if (other.first <= other.last) {
                s.first = std::min(first, other.first);
                s.last = first <= last ? std::max(last, other.last) : other.last;
                s.highest = std::max(highest, other.highest);
            }
            return s;
        }
        Span plus(const Frame &f, std::size_t j, double elevation) const
        {
            Span s = f.error[j] > kToleranceDeg ? Span::at(j, elevation) : Span{};
            s.error = f.error[j];
            s.worst = f.error[j];
            s.excess = f.excess[j];
            return joined(s);
        }
    };
    // The pass in one frame: the whole track turned by the same whole turns.
    struct Frame {
        std::vector<double> command;
        std::vector<double> error;
        std::vector<double> excess;
        std::vector<Span> before; // [0, j)
        std::vector<Span> after;  // [j, n)
    };

    // The satellite's azimuth in the frame's degrees and its elevation,
    // seconds after acquisition, between the samples.
    std::pair<double, double> satelliteAt(double seconds, int turns) const
    {
        const auto next = std::upper_bound(track_.begin(), track_.end(), seconds,
                                           [](double s, const TrackPoint &p) { return s < p.seconds; });
        if (next == track_.begin() || next == track_.end()) {
            const std::size_t j = next == track_.begin() ? 0 : track_.size() - 1;
            return {unwrapped_[j] + 360.0 * turns, track_[j].elevationDeg};
        }
        const std::size_t i = std::size_t(next - track_.begin());
        const double span = track_[i].seconds - track_[i - 1].seconds;
        const double f = span > 0 ? (seconds - track_[i - 1].seconds) / span : 0.0;
        return {unwrapped_[i - 1] + f * (unwrapped_[i] - unwrapped_[i - 1]) + 360.0 * turns,
                track_[i - 1].elevationDeg + f * (track_[i].elevationDeg - track_[i - 1].elevationDeg)};
    }

    // The pass with the turn at the cut: the rotor sweeps from where it was to
    // the other frame at its own speed, off the satellite meanwhile. The
    // samples it passes take the sweep's error in place of the frame's, and
    // the worst error is looked for every second of the sweep.
    Span turnedAt(std::size_t cut, std::size_t before, std::size_t after, Span whole) const
    {
        const Frame &to = frames_[after];
        const double from = frames_[before].command[cut - 1];
        const double travel = to.command[cut] - from;
        const double turnSeconds = std::abs(travel) / turnDegPerSecond_;
        const double start = track_[cut].seconds;
        const auto antennaAt = [&](double s) {
            return s >= turnSeconds ? to.command[cut] : from + std::copysign(s * turnDegPerSecond_, travel);
        };
        for (double s = 0; s <= turnSeconds + 1.0; s += 1.0) {
            const auto [azimuth, elevation] = satelliteAt(start + s, kTurns[after]);
            whole.worst = std::max(whole.worst, separationDeg(elevation, antennaAt(s) - azimuth));
        }
        Span swept;
        for (std::size_t j = cut; j < track_.size() && track_[j].seconds <= start + turnSeconds; ++j) {
            const double error =
                separationDeg(track_[j].elevationDeg, antennaAt(track_[j].seconds - start) - (unwrapped_[j] + 360.0 * kTurns[after]));
            whole.error += error - to.error[j];
            if (error > kToleranceDeg)
                swept = swept.joined(Span::at(j, track_[j].elevationDeg));
        }
        return whole.joined(swept);
    }

    const std::vector<TrackPoint> &track_;
    bool flipped_;
    double turnDegPerSecond_;
    std::vector<double> unwrapped_;
    std::array<Frame, kTurns.size()> frames_;
};

} // namespace

RotorAim onTheSky(const RotorAim &aim)
{
    if (aim.elevationDeg > 90.0)
        return {wrapped(aim.azimuthDeg + 180.0), 180.0 - aim.elevationDeg};
    const double az = wrapped(aim.azimuthDeg);
    // 360 stays 360, as the tick shows it.
    return {az == 0.0 && aim.azimuthDeg > 0 ? 360.0 : az, aim.elevationDeg};
}

RotorPlan RotorPlan::forTrack(const std::vector<TrackPoint> &track, const RotorRange &range,
                              double azimuthDegPerSecond)
{
    RotorPlan plan;
    plan.range_ = range;
    if (track.empty())
        return plan;
    const double speed = azimuthDegPerSecond > 0 ? azimuthDegPerSecond : kCommonRotorDegPerSecond;
    const Ways straight(track, range, false, speed);
    std::optional<Ways> over;
    if (range.canFlip)
        over.emplace(track, range, true, speed);

    std::optional<Way> chosen = straight.whole();
    if (!chosen && over)
        chosen = over->whole();
    if (!chosen) {
        chosen = straight.leastHarm();
        if (over) {
            const Way flipped = over->leastHarm();
            if (flipped.rank() < chosen->rank())
                chosen = flipped;
        }
    }

    plan.flipped_ = chosen->flipped;
    plan.kind_ = chosen->away ? Kind::Leave : chosen->flipped ? Kind::Flip : Kind::Follow;
    plan.away_ = chosen->away;
    for (const TrackPoint &p : track)
        plan.seconds_.push_back(p.seconds);
    plan.unwrapped_ = (chosen->flipped ? over->unwrapped() : straight.unwrapped());
    plan.cutSeconds_ = track[chosen->cut].seconds;
    plan.turnsBefore_ = chosen->before;
    plan.turnsAfter_ = chosen->after;
    return plan;
}

std::optional<double> RotorPlan::turnSeconds() const
{
    if (turnsBefore_ == turnsAfter_)
        return std::nullopt;
    return cutSeconds_;
}

double RotorPlan::plannedAzimuth(double seconds) const
{
    const int turns = seconds < cutSeconds_ ? turnsBefore_ : turnsAfter_;
    const auto next = std::upper_bound(seconds_.begin(), seconds_.end(), seconds);
    double unwrapped = 0;
    if (next == seconds_.begin()) {
        unwrapped = unwrapped_.front();
    } else if (next == seconds_.end()) {
        unwrapped = unwrapped_.back();
    } else {
        const std::size_t i = std::size_t(next - seconds_.begin());
        const double span = seconds_[i] - seconds_[i - 1];
        const double f = span > 0 ? (seconds - seconds_[i - 1]) / span : 0.0;
        unwrapped = unwrapped_[i - 1] + f * (unwrapped_[i] - unwrapped_[i - 1]);
    }
    return unwrapped + 360.0 * turns;
}

RotorAim RotorPlan::start() const
{
    if (seconds_.empty())
        return {};
    const double planned = std::clamp(plannedAzimuth(seconds_.front()), range_.minAzimuthDeg, range_.maxAzimuthDeg);
    return {std::round(planned), flipped_ ? 180.0 : 0.0};
}

RotorAim RotorPlan::aim(double seconds, double azimuthDeg, double elevationDeg) const
{
    if (seconds_.empty())
        return {azimuthDeg, elevationDeg};
    RotorAim aim{azimuthDeg, elevationDeg};
    if (flipped_)
        aim = {azimuthDeg + 180.0, 180.0 - std::max(0.0, elevationDeg)};
    aim.azimuthDeg += 360.0 * std::round((plannedAzimuth(seconds) - aim.azimuthDeg) / 360.0);
    aim.azimuthDeg = std::clamp(aim.azimuthDeg, range_.minAzimuthDeg, range_.maxAzimuthDeg);
    return aim;
}

} // namespace orvanta
