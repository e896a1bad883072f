#pragma once

#include "orbit/horizon_mask.h"
#include "orbit/pass_track.h"
#include "orbit/satellites.h"
#include "sky/sky_view.h"

#include <QString>

#include <optional>
#include <string>
#include <vector>

// What the tracking tick hands to the sky view, once per run.
namespace orvanta {

// The tick's results the view needs. The passes are those the tick just put
// at the top of its lists.
struct SkyTick {
    double nowOle = 0;              // the tick's instant
    double minElevationDeg = 0;     // Elev_Min
    std::optional<orbit::PredictedPass> trackedPass; // first of Sat_Visibles; none when nothing is visible
    std::optional<orbit::SatelliteLook> trackedLook; // the component's look at the tracked satellite now
    std::optional<double> trackedDownlinkMHz;        // its frequency in the table, when there is one
    std::optional<orbit::PredictedPass> awaitedPass; // first of Detail_Pass
    std::optional<SkyPoint> rotor;  // the rotor's last commanded position
    std::optional<SkyPoint> manual; // the manual pointing, while its window is open
    std::vector<orbit::PredictedPass> inProgress; // every pass in progress, the tracked one too
};

// Builds the sky view's scene from a tick. Holds the tracks of the passes
// shown, so each pass's track is computed once, at the first tick that
// shows it; later ticks only look it up.
class SkyFeed {
public:
    SkyScene scene(orbit::Satellites &satellites, const SkyTick &tick);

    // To call when the component is replaced or the station or the
    // minimum elevation changes: the tracks held may no longer be right.
    void clear() { cache_.clear(); }
    // The station's horizon, drawn from now on.
    void setHorizon(const orbit::HorizonMask &mask);
    std::size_t cachedTracks() const { return cache_.size(); }

private:
    PassTrackCache cache_;
    std::vector<SkyPoint> horizon_;
};

// The info line while a satellite is tracked: name, azimuth, elevation,
// range, range rate, Doppler shift of its downlink and time to loss.
QString trackedInfoLine(const std::string &name, const orbit::SatelliteLook &look,
                        std::optional<double> downlinkMHz, std::optional<double> secondsToLoss);
// The info line when nothing is visible: the next acquisition, if any.
QString waitingInfoLine(const std::string &awaitedName, std::optional<double> secondsToAcquisition);
// "mm:ss" under an hour, "h:mm:ss" beyond; negative durations read as 0.
QString countdownText(double seconds);

} // namespace orvanta
