#include "orbit/satellites.h"

#include "orbit/pass_entry.h"
#include "orbit/text_format.h"
#include "orbit/utc_time.h"

#include <cmath>

namespace orvanta::orbit {

namespace {

// Pass windows kept per satellite; the tracking cycle asks for one minimum
// elevation, a change of setting adds another.
constexpr std::size_t kWindowsPerSatellite = 4;
constexpr double kLongestPeriodDays = 366.0;

ElementFileProblem stationProblem(const std::string &what, double value, const std::string &range)
{
    return {std::string(), 0, what + " refusée : " + shortestText(value) + " est hors de " + range};
}

bool validMinimumElevation(double degrees)
{
    return std::isfinite(degrees) && degrees >= -90.0 && degrees <= 90.0;
}

} // namespace

void Satellites::KeplerPath(const std::string &fileOrFolder)
{
    dropPasses();
    keplerPath_ = fileOrFolder;
    ElementCatalogue catalogue = readElementFiles(fileOrFolder);
    // The station's refused values stay listed; those of earlier files go.
    std::erase_if(problems_, [](const ElementFileProblem &p) { return !p.file.empty(); });
    problems_.insert(problems_.end(), catalogue.problems.begin(), catalogue.problems.end());
    satellites_.clear();
    index_.clear();
    satellites_.reserve(catalogue.sets.size());
    for (const ElementSet &set : catalogue.sets) {
        Sgp4Propagator propagator(set);
        TemeState atEpoch;
        PropagationError error = propagator.initError();
        if (error == PropagationError::None)
            error = propagator.propagate(0.0, atEpoch);
        if (error != PropagationError::None) {
            problems_.push_back({fileOrFolder, 0,
                                 set.name + " : orbite impossible à calculer (erreur " + std::to_string(int(error)) +
                                     " du modèle)"});
            continue;
        }
        index_.emplace(set.name, satellites_.size());
        satellites_.push_back({std::move(propagator), {}});
    }
}

bool Satellites::ObsLat(double degrees)
{
    if (!std::isfinite(degrees) || degrees < -90.0 || degrees > 90.0) {
        problems_.push_back(stationProblem("Latitude de l'observateur", degrees, "-90 à 90"));
        return false;
    }
    dropPasses();
    observer_ = Observer(degrees, observer_.longitudeDeg(), observer_.heightMetres());
    return true;
}

bool Satellites::ObsLon(double degrees)
{
    if (!std::isfinite(degrees) || degrees < -180.0 || degrees > 360.0) {
        problems_.push_back(stationProblem("Longitude de l'observateur", degrees, "-180 à 360"));
        return false;
    }
    dropPasses();
    observer_ = Observer(observer_.latitudeDeg(), degrees, observer_.heightMetres());
    return true;
}

bool Satellites::ObsHeight(double metres)
{
    // From the shores of the Dead Sea to well above any mountain or aircraft.
    if (!std::isfinite(metres) || metres < -1000.0 || metres > 100000.0) {
        problems_.push_back(stationProblem("Altitude de l'observateur", metres, "-1000 à 100000 m"));
        return false;
    }
    dropPasses();
    observer_ = Observer(observer_.latitudeDeg(), observer_.longitudeDeg(), metres);
    return true;
}

std::vector<std::string> Satellites::names() const
{
    std::vector<std::string> out;
    out.reserve(satellites_.size());
    for (const Held &held : satellites_)
        out.push_back(held.propagator.elements().name);
    return out;
}

std::string Satellites::satnames() const
{
    std::string text;
    for (const Held &held : satellites_) {
        if (!text.empty())
            text += ',';
        text += held.propagator.elements().name;
    }
    return text;
}

std::string Satellites::PassListForPeriod(const std::string &name, double startOle, double minPassSeconds,
                                          double periodDays, double minElevationDeg)
{
    if (!std::isfinite(startOle))
        return std::string();
    std::string text;
    for (const PredictedPass &pass : passes(name, julianFromOle(startOle), periodDays, minElevationDeg, minPassSeconds)) {
        PassEntry entry;
        entry.aosSecond = wholeSecondsFromJulian(pass.aos);
        entry.durationSeconds = wholeSecondsFromJulian(pass.los) - entry.aosSecond;
        entry.direction = pass.headingNorth ? 'N' : 'S';
        entry.aosAzimuthDeg = int(std::lround(pass.aosAzimuthDeg)) % 360;
        entry.maxElevationDeg = pass.maxElevationDeg;
        entry.name = pass.name;
        if (!text.empty())
            text += ',';
        text += formatPassEntry(entry);
    }
    return text;
}

std::vector<PredictedPass> Satellites::passes(const std::string &name, const JulianDate &start, double periodDays,
                                              double minElevationDeg, double minPassSeconds)
{
    std::vector<PredictedPass> out;
    const auto found = index_.find(name);
    if (found == index_.end() || !validMinimumElevation(minElevationDeg) || !std::isfinite(minPassSeconds) ||
        !(periodDays >= 0 && periodDays <= kLongestPeriodDays))
        return out;
    Held &held = satellites_[found->second];
    const JulianDate &epoch = held.propagator.elements().epoch;
    const double from = start.minutesSince(epoch) * 60.0;
    for (const FoundPass &pass : windowFor(held, minElevationDeg).overlapping(from, from + periodDays * 86400.0)) {
        if (pass.los - pass.aos < minPassSeconds)
            continue;
        out.push_back({name, epoch.plusMinutes(pass.aos / 60.0), epoch.plusMinutes(pass.los / 60.0),
                       epoch.plusMinutes(pass.maxElevationTime / 60.0), pass.maxElevationDeg, pass.aosAzimuthDeg,
                       pass.headingNorth});
    }
    return out;
}

double Satellites::datetimetojt(double oleDate) const
{
    return julianDayNumberFromOle(oleDate);
}

bool Satellites::IsVisible(const std::string &name, double julianDate, double minElevationDeg,
                           SatelliteLook &look) const
{
    return std::isfinite(julianDate) && lookAt(name, splitJulianDate(julianDate), minElevationDeg, look);
}

bool Satellites::lookAt(const std::string &name, const JulianDate &instant, double minElevationDeg,
                        SatelliteLook &look) const
{
    const auto found = index_.find(name);
    if (found == index_.end())
        return false;
    const Sgp4Propagator &propagator = satellites_[found->second].propagator;
    TemeState state;
    if (propagator.propagate(instant.minutesSince(propagator.elements().epoch), state) != PropagationError::None)
        return false;
    const Topocentric seen = observer_.look(state, instant);
    look.azimuthRad = seen.azimuthRad();
    look.elevationRad = seen.elevationRad();
    look.rangeKm = seen.rangeKm;
    look.rangeRateKmS = seen.rangeRateKmS;
    look.aboveMinimum = seen.elevationDeg() >= minElevationDeg;
    return true;
}

PassWindow &Satellites::windowFor(Held &held, double minElevationDeg)
{
    for (auto &[elevation, window] : held.windows) {
        if (elevation == minElevationDeg)
            return *window;
    }
    if (held.windows.size() >= kWindowsPerSatellite)
        held.windows.erase(held.windows.begin());
    held.windows.emplace_back(minElevationDeg,
                              std::make_unique<PassWindow>(held.propagator, observer_, minElevationDeg));
    return *held.windows.back().second;
}

void Satellites::dropPasses()
{
    for (Held &held : satellites_)
        held.windows.clear();
}

std::unique_ptr<Satellites> Init_Satellites(const std::string &keplerPath, double latitudeDeg, double longitudeDeg,
                                            double heightMetres)
{
    auto satellites = std::make_unique<Satellites>();
    satellites->KeplerPath(keplerPath);
    satellites->ObsLat(latitudeDeg);
    satellites->ObsLon(longitudeDeg);
    satellites->ObsHeight(heightMetres);
    return satellites;
}

} // namespace orvanta::orbit
