#include "orbit/mutual_visibility.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>

namespace orvanta::orbit {

namespace {

constexpr double kStepSeconds = 5.0;
constexpr double kPrecisionSeconds = 0.01;
constexpr double kRadToDeg = 180.0 / std::numbers::pi;

struct Sample {
    double seconds = 0; // since acquisition
    double first = 0, second = 0;
    bool known = false;
};

class Sampler {
public:
    Sampler(const Satellites &satellites, const PredictedPass &pass, const Observer &second, double minElevation)
        : satellites_(satellites), pass_(pass),
          first_(satellites.ObsLat(), satellites.ObsLon(), satellites.ObsHeight()), second_(second),
          minElevation_(minElevation)
    {
    }

    Sample at(double seconds) const
    {
        Sample sample{seconds};
        const JulianDate instant = pass_.aos.plusMinutes(seconds / 60.0);
        TemeState state;
        // One propagation serves both stations.
        if (!satellites_.stateAt(pass_.name, instant, state))
            return sample;
        sample.first = first_.look(state, instant).elevationRad() * kRadToDeg;
        sample.second = second_.look(state, instant).elevationDeg();
        sample.known = true;
        return sample;
    }

    bool seen(const Sample &sample) const { return sample.known && sample.second >= minElevation_; }

    // The instant between a sample seen and one not seen (either order) where the second station's view changes.
    double edge(Sample a, Sample b) const
    {
        const bool aSeen = seen(a);
        while (b.seconds - a.seconds > kPrecisionSeconds) {
            const Sample middle = at((a.seconds + b.seconds) / 2);
            (seen(middle) == aSeen ? a : b) = middle;
        }
        return aSeen ? a.seconds : b.seconds;
    }

    JulianDate instant(double seconds) const { return pass_.aos.plusMinutes(seconds / 60.0); }

private:
    const Satellites &satellites_;
    const PredictedPass &pass_;
    const Observer first_;
    const Observer &second_;
    double minElevation_;
};

} // namespace

std::vector<MutualWindow> mutualWindows(const Satellites &satellites, const PredictedPass &pass,
                                        const Observer &second, double secondMinElevationDeg)
{
    std::vector<MutualWindow> windows;
    const double duration = pass.durationSeconds();
    if (!(duration > 0))
        return windows;
    const Sampler sampler(satellites, pass, second, secondMinElevationDeg);
    std::optional<double> start;
    Sample best, previous;
    const auto close = [&](double end) {
        windows.push_back({sampler.instant(*start), sampler.instant(end), sampler.instant(best.seconds), best.first,
                           best.second});
        start.reset();
    };
    const long steps = long(std::ceil(duration / kStepSeconds));
    for (long k = 0; k <= steps; ++k) {
        const Sample sample = sampler.at(std::min(duration, double(k) * kStepSeconds));
        const bool seen = sampler.seen(sample);
        if (seen && !start) {
            start = k == 0 ? 0.0 : sampler.edge(previous, sample);
            best = sample;
        } else if (!seen && start) {
            close(sampler.edge(previous, sample));
        }
        if (seen && std::min(sample.first, sample.second) > std::min(best.first, best.second))
            best = sample;
        previous = sample;
    }
    if (start)
        close(duration);
    return windows;
}

} // namespace orvanta::orbit
