#include "orbit/pass_track.h"

#include "orbit/utc_time.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace orvanta {

namespace {

constexpr double kRadToDeg = 180.0 / std::numbers::pi;
constexpr double kBaseStepSeconds = 20.0;
// A pass of many hours (a high orbit) still gets a few hundred base samples.
constexpr double kBaseSamplesPerPass = 240.0;
constexpr double kShortestStepSeconds = 0.5;
// Largest distance between two drawn samples, as a share of the plot's radius.
constexpr double kLargestChord = 0.01;
// A track is redrawn at every paint: beyond this many samples the pass is
// long enough that coarser bends go unseen.
constexpr std::size_t kMostSamples = 5000;
// Tracks of the tracked and the awaited pass, plus a few the operator
// looked at recently.
constexpr std::size_t kCachedTracks = 8;

bool sampleAt(const orbit::Satellites &satellites, const std::string &name, const orbit::JulianDate &instant,
              TrackSample &out)
{
    orbit::SatelliteLook look;
    if (!satellites.lookAt(name, instant, 0.0, look))
        return false;
    out.instant = instant;
    out.sky = {look.azimuthRad * kRadToDeg, look.elevationRad * kRadToDeg};
    out.rangeKm = look.rangeKm;
    out.rangeRateKmS = look.rangeRateKmS;
    return true;
}

double chord(const TrackSample &a, const TrackSample &b)
{
    const DiskPoint p = diskPoint(a.sky);
    const DiskPoint q = diskPoint(b.sky);
    return std::hypot(p.x - q.x, p.y - q.y);
}

class TrackSampler {
public:
    TrackSampler(const orbit::Satellites &satellites, const orbit::PredictedPass &pass, std::vector<TrackSample> &out)
        : satellites_(satellites), pass_(pass), out_(out)
    {
    }

    // Adds the samples after `from` up to `to` (minutes since acquisition),
    // `to` included, halving the interval while the drawn chord is too long.
    void refine(TrackSample from, double fromMinutes, double toMinutes, int depth)
    {
        TrackSample to;
        if (!sampleAt(satellites_, pass_.name, pass_.aos.plusMinutes(toMinutes), to))
            return;
        refineTo(from, fromMinutes, to, toMinutes, depth);
    }

private:
    void refineTo(const TrackSample &from, double fromMinutes, const TrackSample &to, double toMinutes, int depth)
    {
        const double middleMinutes = (fromMinutes + toMinutes) / 2.0;
        TrackSample middle;
        if (depth > 0 && (toMinutes - fromMinutes) * 60.0 > 2.0 * kShortestStepSeconds &&
            chord(from, to) > kLargestChord &&
            sampleAt(satellites_, pass_.name, pass_.aos.plusMinutes(middleMinutes), middle)) {
            refineTo(from, fromMinutes, middle, middleMinutes, depth - 1);
            refineTo(middle, middleMinutes, to, toMinutes, depth - 1);
            return;
        }
        out_.push_back(to);
    }

    const orbit::Satellites &satellites_;
    const orbit::PredictedPass &pass_;
    std::vector<TrackSample> &out_;
};

bool samePass(const orbit::PredictedPass &a, const orbit::PredictedPass &b)
{
    return a.name == b.name && orbit::roundedToMilliseconds(a.aos) == orbit::roundedToMilliseconds(b.aos);
}

} // namespace

DiskPoint diskPoint(const SkyPoint &sky)
{
    const double elevation = std::clamp(sky.elevationDeg, 0.0, 90.0);
    const double radius = (90.0 - elevation) / 90.0;
    const double azimuth = sky.azimuthDeg / kRadToDeg;
    // East is to the right: the sky seen from below, laid out like a map.
    return {radius * std::sin(azimuth), -radius * std::cos(azimuth)};
}

PassTrack computePassTrack(const orbit::Satellites &satellites, const orbit::PredictedPass &pass)
{
    PassTrack track{pass, {}};
    const double durationMinutes = pass.los.minutesSince(pass.aos);
    if (!(durationMinutes >= 0))
        return track;
    const double stepMinutes = std::max(kBaseStepSeconds, durationMinutes * 60.0 / kBaseSamplesPerPass) / 60.0;
    const int depth = int(std::ceil(std::log2(stepMinutes * 60.0 / kShortestStepSeconds)));
    const double peakMinutes = std::clamp(pass.maxElevationTime.minutesSince(pass.aos), 0.0, durationMinutes);

    // The instants to reach, minutes after acquisition: the grid, the
    // culmination and the loss.
    std::vector<double> instants;
    for (int k = 1; k * stepMinutes < durationMinutes; ++k)
        instants.push_back(k * stepMinutes);
    if (peakMinutes > 0.0)
        instants.push_back(peakMinutes);
    instants.push_back(durationMinutes);
    std::sort(instants.begin(), instants.end());
    instants.erase(std::unique(instants.begin(), instants.end()), instants.end());

    // Where the orbit fails at acquisition, the track begins at the first
    // instant it can be computed.
    TrackSample start;
    double startMinutes = 0.0;
    std::size_t next = 0;
    bool started = sampleAt(satellites, pass.name, pass.aos, start);
    while (!started && next < instants.size()) {
        startMinutes = instants[next++];
        started = sampleAt(satellites, pass.name, pass.aos.plusMinutes(startMinutes), start);
    }
    if (!started)
        return track;
    track.samples.push_back(start);
    TrackSampler sampler(satellites, pass, track.samples);
    for (; next < instants.size(); ++next) {
        // Past the most samples, straight on to the loss.
        if (track.samples.size() >= kMostSamples && next + 1 < instants.size())
            continue;
        const std::size_t before = track.samples.size();
        sampler.refine(track.samples.back(), startMinutes, instants[next], depth);
        if (track.samples.size() != before)
            startMinutes = instants[next];
    }
    return track;
}

PassTrackRef PassTrackCache::track(const orbit::Satellites &satellites, const orbit::PredictedPass &pass)
{
    for (const PassTrackRef &held : tracks_) {
        if (samePass(held->pass, pass))
            return held;
    }
    if (tracks_.size() >= kCachedTracks)
        tracks_.erase(tracks_.begin());
    tracks_.push_back(std::make_shared<const PassTrack>(computePassTrack(satellites, pass)));
    return tracks_.back();
}

void PassTrackCache::dropEnded(const orbit::JulianDate &now)
{
    std::erase_if(tracks_, [&](const PassTrackRef &held) { return held->pass.los.minutesSince(now) < 0.0; });
}

} // namespace orvanta
