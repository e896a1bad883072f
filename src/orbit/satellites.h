#pragma once

#include "orbit/element_files.h"
#include "orbit/observer.h"
#include "orbit/pass_window.h"
#include "orbit/sgp4.h"

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

// The orbital component the main window talks to: the satellites of the
// element files of one folder, seen from one station. Instants are OLE
// Automation dates in UTC.
namespace orvanta::orbit {

// Where a satellite is seen from the station at one instant.
struct SatelliteLook {
    bool aboveMinimum = false; // at or above the minimum elevation asked
    double azimuthRad = 0;     // 0 to 2 pi, from north through east
    double elevationRad = 0;   // geometric
    double rangeKm = 0;
    double rangeRateKmS = 0;   // positive when the satellite moves away
};

// One pass as the component predicts it, with instants to the fraction of a second.
struct PredictedPass {
    std::string name;
    JulianDate aos;
    JulianDate los;
    JulianDate maxElevationTime;
    double maxElevationDeg = 0;
    double aosAzimuthDeg = 0;
    bool headingNorth = true;
    double durationSeconds() const { return los.minutesSince(aos) * 60.0; }
};

class Satellites {
public:
    Satellites() = default;
    // Passes found are kept with references into the instance.
    Satellites(const Satellites &) = delete;
    Satellites &operator=(const Satellites &) = delete;

    // The folder (or one file) of the element files "*.txt"; setting it
    // reads them. Sets that cannot be read or computed are left out and
    // listed in problems().
    const std::string &KeplerPath() const { return keplerPath_; }
    void KeplerPath(const std::string &fileOrFolder);
    const std::vector<ElementFileProblem> &problems() const { return problems_; }

    // The station: latitude -90 to 90 degrees, longitude -180 to 360 degrees
    // east, height in metres above the ellipsoid. A value out of range is
    // refused (false), said in problems(), and the previous one kept.
    double ObsLat() const { return observer_.latitudeDeg(); }
    double ObsLon() const { return observer_.longitudeDeg(); }
    double ObsHeight() const { return observer_.heightMetres(); }
    bool ObsLat(double degrees);
    bool ObsLon(double degrees);
    bool ObsHeight(double metres);

    int satcount() const { return int(satellites_.size()); }
    // Every name, in the order of the files, separated by commas (none after the last).
    std::string satnames() const;
    std::vector<std::string> names() const;
    bool holds(const std::string &name) const { return index_.count(name) != 0; }

    // The pass list text of a satellite: every pass whose time above
    // minElevationDeg overlaps [start, start + periodDays] and lasts at
    // least minPassSeconds, ordered by acquisition. Empty when there is no
    // pass, the name is unknown or an argument is out of range.
    std::string PassListForPeriod(const std::string &name, double startOle, double minPassSeconds, double periodDays,
                                  double minElevationDeg);
    // The same passes with their full instants.
    std::vector<PredictedPass> passes(const std::string &name, const JulianDate &start, double periodDays,
                                      double minElevationDeg, double minPassSeconds);

    // The Julian date of an OLE date.
    double datetimetojt(double oleDate) const;

    // The satellite seen from the station at a Julian date. False, with
    // look untouched, for an unknown name or an orbit that cannot be
    // computed at that instant.
    bool IsVisible(const std::string &name, double julianDate, double minElevationDeg, SatelliteLook &look) const;
    bool lookAt(const std::string &name, const JulianDate &instant, double minElevationDeg, SatelliteLook &look) const;

private:
    struct Held {
        Sgp4Propagator propagator;
        // One window of passes per minimum elevation asked, the latest last.
        std::vector<std::pair<double, std::unique_ptr<PassWindow>>> windows;
    };
    PassWindow &windowFor(Held &held, double minElevationDeg);
    void dropPasses();

    std::string keplerPath_;
    std::vector<ElementFileProblem> problems_;
    Observer observer_{0.0, 0.0, 0.0};
    std::vector<Held> satellites_;
    std::unordered_map<std::string, std::size_t> index_;
};

// The component as the main window creates it: elements read from the
// folder, then the station set.
std::unique_ptr<Satellites> Init_Satellites(const std::string &keplerPath, double latitudeDeg, double longitudeDeg,
                                            double heightMetres);

} // namespace orvanta::orbit
