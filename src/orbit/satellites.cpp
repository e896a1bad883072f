#include "orbit/satellites.h"

#include "orbit/engine_text.h"
#include "orbit/pass_entry.h"
#include "orbit/pass_list.h"
#include "orbit/text_format.h"
#include "orbit/utc_time.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace orvanta::orbit {

namespace {

// Pass windows kept per satellite; the tracking cycle asks for one minimum
// elevation, a change of setting adds another.
constexpr std::size_t kWindowsPerSatellite = 4;
constexpr double kLongestPeriodDays = 366.0;

constexpr double kDaysPerYear = 365.25;

// "2026-06-27 01:02:03 UTC", to the second.
std::string instantText(const JulianDate &instant)
{
    const CalendarInstant at = calendarFromWholeSeconds(wholeSecondsFromJulian(instant));
    return std::to_string(at.year) + "-" + twoDigitText(at.month) + "-" + twoDigitText(at.day) + " " +
           twoDigitText(at.hour) + ":" + twoDigitText(at.minute) + ":" + twoDigitText(int(at.second)) + " UTC";
}

double daysFromEpoch(const Sgp4Propagator &propagator, const JulianDate &instant)
{
    return std::fabs(instant.minutesSince(propagator.elements().epoch)) / JulianDate::kMinutesPerDay;
}

// Within the span in which the set predicts anything at all.
bool nearEnoughToEpoch(const Sgp4Propagator &propagator, const JulianDate &instant)
{
    return daysFromEpoch(propagator, instant) <= Satellites::kRefusedYearsFromEpoch * kDaysPerYear;
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
    problems_ = catalogue.problems;
    satellites_.clear();
    index_.clear();
    byNumber_.clear();
    satellites_.reserve(catalogue.sets.size());
    for (const ElementSet &set : catalogue.sets) {
        index_.emplace(set.name, satellites_.size());
        byNumber_.emplace(set.catalogId, satellites_.size());
        satellites_.push_back({Sgp4Propagator(set), {}, {}});
    }
}

bool Satellites::acceptObserverValue(ObserverField field, double value, double low, double high, const char *unit)
{
    static constexpr const char *kFieldNames[ObserverFields] = {"latitude", "longitude", "altitude"};
    if (std::isfinite(value) && value >= low && value <= high) {
        observerRefusals_[field].clear();
        return true;
    }
    const std::string shown =
        std::isfinite(value) ? plainText(value) + unit : orbitText("OrbitPrediction", "non numérique");
    observerRefusals_[field] = fillIn(orbitText("OrbitPrediction", "%1 %2 hors limites (%3 à %4)"),
                                      {kFieldNames[field], shown, plainText(low), plainText(high) + unit});
    return false;
}

bool Satellites::ObsLat(double degrees)
{
    if (!acceptObserverValue(Latitude, degrees, -90.0, 90.0, ""))
        return false;
    dropPasses();
    observer_ = Observer(degrees, observer_.longitudeDeg(), observer_.heightMetres());
    return true;
}

bool Satellites::ObsLon(double degrees)
{
    if (!acceptObserverValue(Longitude, degrees, -180.0, 360.0, ""))
        return false;
    dropPasses();
    observer_ = Observer(observer_.latitudeDeg(), degrees, observer_.heightMetres());
    return true;
}

bool Satellites::ObsHeight(double metres)
{
    // From the shores of the Dead Sea to well above any mountain or aircraft.
    if (!acceptObserverValue(Height, metres, -1000.0, 100000.0, " m"))
        return false;
    dropPasses();
    observer_ = Observer(observer_.latitudeDeg(), observer_.longitudeDeg(), metres);
    return true;
}

bool Satellites::observerValid() const
{
    return std::all_of(observerRefusals_.begin(), observerRefusals_.end(),
                       [](const std::string &refusal) { return refusal.empty(); });
}

std::vector<std::string> Satellites::observerRefusals() const
{
    std::vector<std::string> out;
    for (const std::string &refusal : observerRefusals_) {
        if (!refusal.empty())
            out.push_back(refusal);
    }
    return out;
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

long Satellites::catalogNumber(const std::string &name) const
{
    const Held *held = find(name);
    return held ? held->propagator.elements().catalogId : 0;
}

std::string Satellites::nameOf(const std::string &nameOrNumber) const
{
    if (holds(nameOrNumber))
        return nameOrNumber;
    long number = 0;
    const char *end = nameOrNumber.data() + nameOrNumber.size();
    const auto [at, error] = std::from_chars(nameOrNumber.data(), end, number);
    if (nameOrNumber.empty() || error != std::errc() || at != end || nameOrNumber.front() == '-')
        return std::string();
    return nameOf(number);
}

std::string Satellites::nameOf(long catalogNumber) const
{
    const auto found = byNumber_.find(catalogNumber);
    return found == byNumber_.end() ? std::string() : satellites_[found->second].propagator.elements().name;
}

std::string Satellites::PassListForPeriod(const std::string &name, double startOle, double minPassSeconds,
                                          double periodDays, double minElevationDeg)
{
    if (!std::isfinite(startOle))
        return std::string();
    std::string text;
    for (const PredictedPass &pass : passes(name, julianFromOle(startOle), periodDays, minElevationDeg, minPassSeconds)) {
        if (!text.empty())
            text += ',';
        text += formatPassEntry(passEntryOf(pass));
    }
    return text;
}

std::vector<PredictedPass> Satellites::passes(const std::string &name, const JulianDate &start, double periodDays,
                                              double minElevationDeg, double minPassSeconds)
{
    std::vector<PredictedPass> out;
    const auto found = index_.find(name);
    if (found == index_.end() || !validMinimumElevation(minElevationDeg) || !std::isfinite(minPassSeconds) ||
        !(periodDays >= 0 && periodDays <= kLongestPeriodDays) || !observerValid())
        return out;
    Held &held = satellites_[found->second];
    if (!nearEnoughToEpoch(held.propagator, start) ||
        !nearEnoughToEpoch(held.propagator, start.plusMinutes(periodDays * JulianDate::kMinutesPerDay)))
        return out;
    const JulianDate &epoch = held.propagator.elements().epoch;
    const double from = start.minutesSince(epoch) * 60.0;
    for (const FoundPass &pass : windowFor(held, minElevationDeg).overlapping(from, from + periodDays * 86400.0)) {
        if (pass.los - pass.aos < minPassSeconds)
            continue;
        out.push_back({name, held.propagator.elements().catalogId, epoch.plusMinutes(pass.aos / 60.0), epoch.plusMinutes(pass.los / 60.0),
                       epoch.plusMinutes(pass.maxElevationTime / 60.0), pass.maxElevationDeg, pass.aosAzimuthDeg,
                       pass.headingNorth, pass.cutByOrbitEnd});
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
    TemeState state;
    if (!stateAt(name, instant, state))
        return false;
    const Topocentric seen = observer_.look(state, instant);
    look.azimuthRad = seen.azimuthRad();
    look.elevationRad = seen.elevationRad();
    look.rangeKm = seen.rangeKm;
    look.rangeRateKmS = seen.rangeRateKmS;
    look.aboveMinimum = seen.elevationDeg() >= minElevationDeg;
    return true;
}

bool Satellites::stateAt(const std::string &name, const JulianDate &instant, TemeState &state) const
{
    const Held *held = find(name);
    if (!held || !observerValid() || !nearEnoughToEpoch(held->propagator, instant))
        return false;
    const Sgp4Propagator &propagator = held->propagator;
    const double minutes = instant.minutesSince(propagator.elements().epoch);
    TemeState computed;
    if ((minutes > 0.0 && held->end.within(propagator, minutes)) ||
        propagator.propagate(minutes, computed) != PropagationError::None)
        return false;
    state = computed;
    return true;
}

std::optional<double> Satellites::periodMinutes(const std::string &name) const
{
    const Held *held = find(name);
    if (!held)
        return std::nullopt;
    return held->propagator.periodMinutes();
}

std::optional<long long> Satellites::revolutionAt(const std::string &name, const JulianDate &instant) const
{
    const Held *held = find(name);
    if (!held)
        return std::nullopt;
    const ElementSet &e = held->propagator.elements();
    const double days = instant.minutesSince(e.epoch) / JulianDate::kMinutesPerDay;
    // The written first term is half the mean motion's derivative: its
    // integral over the days is that term times their square.
    const double revolutions = double(e.revolutionNumber) + e.meanAnomalyDeg / 360.0
                               + e.meanMotionRevPerDay * days + e.meanMotionDot * days * days;
    if (!std::isfinite(revolutions))
        return std::nullopt;
    return static_cast<long long>(std::llround(revolutions));
}

std::optional<JulianDate> Satellites::epochOf(const std::string &name) const
{
    const Held *held = find(name);
    if (!held)
        return std::nullopt;
    return held->propagator.elements().epoch;
}

std::string Satellites::refusal(const std::string &name, const JulianDate &start, double periodDays) const
{
    const Held *held = find(name);
    if (!held)
        return orbitText("OrbitPrediction", "satellite absent des éléments");
    if (!observerValid()) {
        std::string text = orbitText("OrbitPrediction", "station refusée :");
        for (const std::string &refusal : observerRefusals())
            text += " " + refusal + ";";
        text.pop_back();
        return text;
    }
    const Sgp4Propagator &propagator = held->propagator;
    const double farthest = std::max(daysFromEpoch(propagator, start),
                                     daysFromEpoch(propagator, start.plusMinutes(periodDays * JulianDate::kMinutesPerDay)));
    if (!(farthest <= kRefusedYearsFromEpoch * kDaysPerYear))
        return fillIn(orbitText("OrbitPrediction",
                                "instant à %1 ans des éléments (époque %2), plus de %3 ans : prédiction refusée"),
                      {std::isfinite(farthest) ? fixedText(farthest / kDaysPerYear, 1) : std::string("?"),
                       instantText(propagator.elements().epoch), shortestText(kRefusedYearsFromEpoch)});
    const double minutes = start.minutesSince(propagator.elements().epoch);
    if (const auto end = minutes > 0.0 ? held->end.within(propagator, minutes) : std::nullopt)
        return fillIn(
            orbitText("OrbitPrediction", "orbite terminée le %1 : %2"),
            {instantText(propagator.elements().epoch.plusMinutes(end->firstFailed)), propagationErrorText(end->error)});
    TemeState state;
    const PropagationError error = propagator.propagate(minutes, state);
    if (error != PropagationError::None)
        return fillIn(orbitText("OrbitPrediction", "orbite impossible à calculer : %1"), {propagationErrorText(error)});
    return std::string();
}

std::optional<JulianDate> Satellites::orbitEnd(const std::string &name, const JulianDate &until) const
{
    const Held *held = find(name);
    if (!held)
        return std::nullopt;
    const JulianDate &epoch = held->propagator.elements().epoch;
    // Never scanned beyond the instants that are predicted at all.
    const double minutes = std::min(until.minutesSince(epoch),
                                    kRefusedYearsFromEpoch * kDaysPerYear * JulianDate::kMinutesPerDay);
    const auto end = held->end.within(held->propagator, minutes);
    if (!end)
        return std::nullopt;
    return epoch.plusMinutes(end->firstFailed);
}

std::vector<std::string> Satellites::farFromEpoch(const std::vector<std::string> &names, const JulianDate &instant,
                                                  double days) const
{
    std::vector<std::string> out;
    for (const std::string &name : names) {
        const Held *held = find(name);
        if (held && !(daysFromEpoch(held->propagator, instant) <= days))
            out.push_back(name);
    }
    return out;
}

const Satellites::Held *Satellites::find(const std::string &name) const
{
    const auto found = index_.find(name);
    return found == index_.end() ? nullptr : &satellites_[found->second];
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
                              std::make_unique<PassWindow>(held.propagator, observer_, minElevationDeg, held.end));
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
