#pragma once

#include "orbit/element_files.h"
#include "orbit/observer.h"
#include "orbit/orbit_end.h"
#include "orbit/pass_window.h"
#include "orbit/sgp4.h"

#include <array>
#include <memory>
#include <optional>
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
    long catalogNumber = 0;
    JulianDate aos;
    JulianDate los;
    JulianDate maxElevationTime;
    double maxElevationDeg = 0;
    double aosAzimuthDeg = 0;
    bool headingNorth = true;
    // The model stops computing the orbit during the pass (decay): los is that instant.
    bool cutByOrbitEnd = false;
    double durationSeconds() const { return los.minutesSince(aos) * 60.0; }
};

class Satellites {
public:
    Satellites() = default;
    // Passes found are kept with references into the instance.
    Satellites(const Satellites &) = delete;
    Satellites &operator=(const Satellites &) = delete;

    // Further from its epoch than this, a set gives no prediction at all.
    static constexpr double kRefusedYearsFromEpoch = 10.0;

    // The folder (or one file) of the element files ("*.txt" two-line text,
    // OMM "*.csv", "*.json", "*.xml"); setting it reads them. Sets that
    // cannot be read or that the model refuses are left out and listed in
    // problems(), with their file and line or object. Satellites are held by
    // catalogue number, each under a name of its own: the name of its
    // elements, or "NAME #12345" when objects share that name.
    const std::string &KeplerPath() const { return keplerPath_; }
    void KeplerPath(const std::string &fileOrFolder);
    const std::vector<ElementFileProblem> &problems() const { return problems_; }

    // The station: latitude -90 to 90 degrees, longitude -180 to 360 degrees
    // east, height -1000 to 100000 metres above the ellipsoid. A value out of
    // range is refused (false) and recorded: until a valid value of that
    // field is set, the observer is not valid and nothing is predicted (no
    // passes, no position).
    double ObsLat() const { return observer_.latitudeDeg(); }
    double ObsLon() const { return observer_.longitudeDeg(); }
    double ObsHeight() const { return observer_.heightMetres(); }
    bool ObsLat(double degrees);
    bool ObsLon(double degrees);
    bool ObsHeight(double metres);
    bool observerValid() const;
    // One French text per refused field, naming the value:
    // "latitude 95 hors limites (-90 à 90)".
    std::vector<std::string> observerRefusals() const;

    int satcount() const { return int(satellites_.size()); }
    // Every name, in the order of the files, separated by commas (none after the last).
    std::string satnames() const;
    std::vector<std::string> names() const;
    bool holds(const std::string &name) const { return index_.count(name) != 0; }
    // The catalogue number of a satellite, 0 for an unknown name.
    long catalogNumber(const std::string &name) const;
    // The name of a satellite given its name or its catalogue number in
    // digits ("25544", "07530"); empty when neither is held.
    std::string nameOf(const std::string &nameOrNumber) const;
    // The name a catalogue number is held under; empty when it is not held.
    std::string nameOf(long catalogNumber) const;

    // The pass list text of a satellite: every pass whose time above
    // minElevationDeg overlaps [start, start + periodDays] and lasts at
    // least minPassSeconds, ordered by acquisition. Empty when there is no
    // pass, the name is unknown, an argument is out of range, or
    // refusal() gives a reason. Nothing is predicted after the orbit ends
    // (orbitEnd()); a pass in progress then ends at that instant.
    std::string PassListForPeriod(const std::string &name, double startOle, double minPassSeconds, double periodDays,
                                  double minElevationDeg);
    // The same passes with their full instants.
    std::vector<PredictedPass> passes(const std::string &name, const JulianDate &start, double periodDays,
                                      double minElevationDeg, double minPassSeconds);

    // The Julian date of an OLE date.
    double datetimetojt(double oleDate) const;

    // Why nothing at all can be predicted for the satellite over [start,
    // start + periodDays], in French; empty when something can. The reasons:
    // an unknown name, an observer not valid, an instant more than
    // kRefusedYearsFromEpoch from the epoch, an orbit that has ended (decay)
    // by start, or one the model cannot compute at start.
    std::string refusal(const std::string &name, const JulianDate &start, double periodDays = 0) const;

    // Where the model stops computing the satellite's orbit after its epoch
    // (decay), when that is at or before until.
    std::optional<JulianDate> orbitEnd(const std::string &name, const JulianDate &until) const;

    // The names whose epoch is more than days away from instant (before or
    // after): their predictions are doubtful and deserve a word to the operator.
    std::vector<std::string> farFromEpoch(const std::vector<std::string> &names, const JulianDate &instant,
                                          double days = 30) const;

    // The satellite seen from the station at a Julian date. False, with
    // look untouched, for an unknown name or when refusal() at that instant
    // gives a reason.
    bool IsVisible(const std::string &name, double julianDate, double minElevationDeg, SatelliteLook &look) const;
    bool lookAt(const std::string &name, const JulianDate &instant, double minElevationDeg, SatelliteLook &look) const;
    // The model's state of the satellite at that instant, under the same
    // conditions as lookAt (the station must be valid too).
    bool stateAt(const std::string &name, const JulianDate &instant, TemeState &state) const;
    // One revolution, minutes; nothing for an unknown name.
    std::optional<double> periodMinutes(const std::string &name) const;
    // The revolutions of the satellite at an instant, counted on from the
    // element set's own count with its mean motion, to the nearest whole one
    // (the count steps at apogee); nothing for an unknown name. A new element
    // set of the same orbit gives the same count, but right at an apogee.
    std::optional<long long> revolutionAt(const std::string &name, const JulianDate &instant) const;
    // The epoch of its element set; nothing for an unknown name.
    std::optional<JulianDate> epochOf(const std::string &name) const;

private:
    struct Held {
        Sgp4Propagator propagator;
        // Where the orbit ends, found as far as asked so far: a cache of the
        // model's answers, so looking at the satellite may extend it.
        mutable OrbitEnd end;
        // One window of passes per minimum elevation asked, the latest last.
        std::vector<std::pair<double, std::unique_ptr<PassWindow>>> windows;
    };
    enum ObserverField { Latitude, Longitude, Height, ObserverFields };
    const Held *find(const std::string &name) const;
    PassWindow &windowFor(Held &held, double minElevationDeg);
    void dropPasses();
    bool acceptObserverValue(ObserverField field, double value, double low, double high, const char *unit);

    std::string keplerPath_;
    std::vector<ElementFileProblem> problems_;
    Observer observer_{0.0, 0.0, 0.0};
    std::array<std::string, ObserverFields> observerRefusals_;
    std::vector<Held> satellites_;
    std::unordered_map<std::string, std::size_t> index_;
    std::unordered_map<long, std::size_t> byNumber_;
};

// The component as the main window creates it: elements read from the
// folder, then the station set.
std::unique_ptr<Satellites> Init_Satellites(const std::string &keplerPath, double latitudeDeg, double longitudeDeg,
                                            double heightMetres);

} // namespace orvanta::orbit
