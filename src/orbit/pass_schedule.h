#pragma once

#include "orbit/horizon_crossing.h"
#include "orbit/horizon_mask.h"
#include "orbit/satellites.h"

#include <optional>

#include <string>
#include <vector>

// The passes of a selection over the coming days, for planning: each pass
// with its azimuths at acquisition and loss and whether the satellite is in
// sunlight at its highest point.
namespace orvanta::orbit {

struct ScheduledPass {
    std::string name;
    std::string catalogNumber; // in digits, without leading zeros: "7530", "100123" for Alpha-5 "A0123"
    JulianDate aos;
    JulianDate los;
    JulianDate maxElevationTime;
    double maxElevationDeg = 0;
    double aosAzimuthDeg = 0;
    double losAzimuthDeg = 0;
    double durationSeconds = 0;
    bool sunlit = false;      // in sunlight at its highest point
    bool stationDark = false; // the Sun then more than 6 degrees below the station's horizon
    long long revolution = 0; // the satellite's revolution at the highest point
    // With a horizon of the station's own (trees, buildings): whether it was
    // looked at, and when the satellite clears it and sets behind it (none:
    // hidden for the whole pass). Without one, AOS and LOS say it all.
    bool horizonChecked = false;
    std::optional<HorizonWindow> inSight;
    double elementAgeDays = 0;        // of its element set at AOS
    double aosUncertaintySeconds = 0; // how far off the AOS may be for that age
    // Seen by eye: sunlit over a dark station.
    bool visibleToTheEye() const { return sunlit && stationDark; }
};

// Whether a satellite at positionKm (from the Earth's centre) is out of the
// Earth's shadow, for the Sun in the unit direction sunDirection, in the same
// axes: the shadow is taken as the cylinder of the Earth's radius behind it.
bool sunlit(const Vec3 &positionKm, const Vec3 &sunDirection);

// The pass with what the schedule shows besides the prediction.
ScheduledPass scheduledPass(const Satellites &satellites, const PredictedPass &pass,
                            const HorizonMask &horizon = HorizonMask());

// Every pass of the satellites named, over [start, start + days], ordered by
// acquisition then name. Satellites that cannot be predicted are left out.
std::vector<ScheduledPass> passSchedule(Satellites &satellites, const std::vector<std::string> &names,
                                        const JulianDate &start, double days, double minElevationDeg,
                                        double minPassSeconds, const HorizonMask &horizon = HorizonMask());

} // namespace orvanta::orbit
