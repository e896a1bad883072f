#include "orbit/orbit_end.h"
#include "orbit/pass_search.h"
#include "passes_test_support.h"

#include <gtest/gtest.h>

#include <cmath>

namespace orvanta::orbit {
namespace {

struct ScannedPass {
    double aos = 0, los = 0, maxElevationDeg = -90;
};

// The passes a plain scan at a fixed step sees (times to within the step),
// with each highest elevation refined by a millisecond scan around it.
std::vector<ScannedPass> fineScan(const Sgp4Propagator &satellite, const Observer &observer, double minElevationDeg,
                                  double from, double to, double step)
{
    const auto elevation = [&](double t) {
        TemeState state;
        EXPECT_EQ(satellite.propagate(t / 60.0, state), PropagationError::None);
        return observer.look(state, satellite.elements().epoch.plusMinutes(t / 60.0)).elevationDeg();
    };
    std::vector<ScannedPass> passes;
    bool above = false;
    double bestTime = 0, best = -90;
    for (double t = from; t <= to; t += step) {
        const double e = elevation(t);
        if (e >= minElevationDeg && !above) {
            passes.push_back({t, 0, -90});
            best = -90;
        }
        if (e >= minElevationDeg && e > best) {
            best = e;
            bestTime = t;
        }
        if (e < minElevationDeg && above) {
            passes.back().los = t;
            for (double u = bestTime - step; u <= bestTime + step; u += 0.001)
                passes.back().maxElevationDeg = std::max(passes.back().maxElevationDeg, elevation(u));
        }
        above = e >= minElevationDeg;
    }
    if (above)
        passes.pop_back(); // unfinished at the end of the scan
    return passes;
}

double secondsAt(const ElementSet &set, const JulianDate &instant)
{
    return instant.minutesSince(set.epoch) * 60.0;
}

struct Case {
    const char *satellite;
    double latitude, longitude, minElevation;
};

TEST(PassSearch, EveryPassOfAFineScanToHalfASecond)
{
    const Case cases[] = {{"ISS (ZARYA)", 48.85, 2.35, 0.0},     {"OSCAR 7 (AO-7)", -33.9, 18.4, 5.0},
                          {"HST", 33.0, -117.0, 0.0},           {"PHASE 3B (AO-10)", 40.0, -75.0, 10.0},
                          {"RADIO ROSTO (RS15)", 55.75, 37.6, 0.0}, {"AQUA", 78.2, 15.6, 20.0}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.satellite);
        const ElementSet set = test::stationSet(c.satellite);
        const Sgp4Propagator satellite(set);
        const Observer observer(c.latitude, c.longitude, 100);
        const PassFinder finder(satellite, observer, c.minElevation);
        const double from = secondsAt(set, test::utc(2026, 6, 27, 0, 0, 0));
        const PassSearchResult found = finder.find(from, from + 86400);
        ASSERT_FALSE(found.propagationFailed);

        // Passes that overlap the day, however long, and end within the scan.
        std::vector<ScannedPass> scanned = fineScan(satellite, observer, c.minElevation, from - 43200, from + 129600, 0.5);
        std::erase_if(scanned, [&](const ScannedPass &p) { return p.los <= from || p.aos > from + 86400; });
        ASSERT_EQ(found.passes.size(), scanned.size());
        ASSERT_FALSE(scanned.empty());
        for (std::size_t i = 0; i < scanned.size(); ++i) {
            const FoundPass &pass = found.passes[i];
            EXPECT_LE(std::abs(pass.aos - (scanned[i].aos - 0.25)), 0.5) << i;
            EXPECT_LE(std::abs(pass.los - (scanned[i].los - 0.25)), 0.5) << i;
            EXPECT_NEAR(pass.maxElevationDeg, scanned[i].maxElevationDeg, 0.01) << i;
            EXPECT_GT(pass.maxElevationTime, pass.aos);
            EXPECT_LT(pass.maxElevationTime, pass.los);
        }
    }
}

TEST(PassSearch, ShortLowPassesAreFound)
{
    const ElementSet set = test::stationSet("ISS (ZARYA)");
    const Sgp4Propagator satellite(set);
    const Observer observer(48.85, 2.35, 35);
    const double from = secondsAt(set, test::utc(2026, 6, 27, 0, 0, 0));
    const PassSearchResult all = PassFinder(satellite, observer, 0.0).find(from, from + 86400);
    ASSERT_FALSE(all.passes.empty());

    for (const FoundPass &pass : all.passes) {
        // Just under its highest point the pass lasts a few seconds; just above it, there is none.
        for (double below : {0.05, 0.0005}) {
            const double minElevation = pass.maxElevationDeg - below;
            const PassSearchResult grazing = PassFinder(satellite, observer, minElevation).find(from, from + 86400);
            const auto match = std::find_if(grazing.passes.begin(), grazing.passes.end(), [&](const FoundPass &p) {
                return std::abs(p.maxElevationTime - pass.maxElevationTime) < 1.0;
            });
            ASSERT_NE(match, grazing.passes.end()) << pass.maxElevationDeg << " - " << below;
            const std::vector<ScannedPass> scanned =
                fineScan(satellite, observer, minElevation, pass.maxElevationTime - 120, pass.maxElevationTime + 120, 0.01);
            ASSERT_EQ(scanned.size(), 1u);
            EXPECT_NEAR(match->los - match->aos, scanned[0].los - scanned[0].aos, 0.5);
            EXPECT_LT(match->los - match->aos, 120.0);
        }
        const PassSearchResult missed =
            PassFinder(satellite, observer, pass.maxElevationDeg + 0.0005).find(from, from + 86400);
        for (const FoundPass &p : missed.passes)
            EXPECT_GT(std::abs(p.maxElevationTime - pass.maxElevationTime), 60.0);
    }
}

TEST(PassSearch, PassInProgressAtTheStartKeepsItsRealTimes)
{
    const ElementSet set = test::stationSet("ISS (ZARYA)");
    const Sgp4Propagator satellite(set);
    const Observer observer(48.85, 2.35, 35);
    const PassFinder finder(satellite, observer, 0.0);
    const double from = secondsAt(set, test::utc(2026, 6, 27, 0, 0, 0));
    const PassSearchResult day = finder.find(from, from + 86400);
    ASSERT_GE(day.passes.size(), 3u);

    // Started anywhere, the search gives the same times to the last bit.
    const FoundPass &second = day.passes[1];
    for (double start : {second.aos + 0.001, (second.aos + second.los) / 2, second.los - 0.01, from + 4321.5}) {
        const PassSearchResult later = finder.find(start, from + 86400);
        ASSERT_FALSE(later.passes.empty());
        const auto same = std::find_if(day.passes.begin(), day.passes.end(),
                                       [&](const FoundPass &p) { return p.aos == later.passes.front().aos; });
        ASSERT_NE(same, day.passes.end()) << start - from;
        for (std::size_t i = 0; i < later.passes.size(); ++i) {
            const FoundPass &a = later.passes[i], &b = *(same + long(i));
            EXPECT_EQ(a.aos, b.aos);
            EXPECT_EQ(a.los, b.los);
            EXPECT_EQ(a.maxElevationDeg, b.maxElevationDeg);
            EXPECT_EQ(a.headingNorth, b.headingNorth);
        }
        if (start > second.aos && start < second.los) {
            EXPECT_LT(later.passes.front().aos, start);
        }
    }
}

TEST(PassSearch, PassLastingDaysKeepsItsRealTimesFromAnyStart)
{
    // A geosynchronous satellite drifting 17 degrees a day: seen from the
    // equator it stays up for about nine days at a time.
    const ElementSet set = test::syntheticSet("DRIFT TEST");
    const Sgp4Propagator satellite(set);
    const Observer observer(0.0, 0.0, 0);
    const PassFinder finder(satellite, observer, 0.0);
    const PassSearchResult month = finder.find(0, 40 * 86400.0);
    ASSERT_FALSE(month.propagationFailed);
    const auto longPass = std::find_if(month.passes.begin(), month.passes.end(),
                                       [](const FoundPass &p) { return p.aos > 0 && p.los - p.aos > 5 * 86400.0; });
    ASSERT_NE(longPass, month.passes.end());
    const auto elevation = [&](double t) {
        TemeState state;
        EXPECT_EQ(satellite.propagate(t / 60.0, state), PropagationError::None);
        return observer.look(state, set.epoch.plusMinutes(t / 60.0)).elevationDeg();
    };
    EXPECT_LT(elevation(longPass->aos - 0.5), 0.0);
    EXPECT_GT(elevation(longPass->aos + 0.5), 0.0);

    for (double start : {longPass->aos + 2.5 * 86400, longPass->los - 86400.0, longPass->los - 60.0}) {
        const PassSearchResult day = finder.find(start, start + 86400);
        ASSERT_FALSE(day.passes.empty()) << start;
        EXPECT_EQ(day.passes.front().aos, longPass->aos);
        EXPECT_EQ(day.passes.front().los, longPass->los);
        EXPECT_EQ(day.passes.front().maxElevationDeg, longPass->maxElevationDeg);
    }
}

TEST(PassSearch, NothingSearchedWhenTheSatelliteCannotRiseOrStandsStill)
{
    const ElementSet hst = test::stationSet("HST");
    const Sgp4Propagator hubble(hst);
    const double from = secondsAt(hst, test::utc(2026, 6, 27, 0, 0, 0));
    const Observer north(70.0, 20.0, 0);
    const PassFinder fromTheNorth(hubble, north, 0.0);
    EXPECT_FALSE(fromTheNorth.worthSearching());
    EXPECT_TRUE(fromTheNorth.find(from, from + 86400).passes.empty());
    // Hubble grazes the horizon from 33 degrees north: that is searched.
    EXPECT_TRUE(PassFinder(hubble, Observer(33.0, -117.0, 0), 0.0).worthSearching());
    EXPECT_FALSE(PassFinder(hubble, Observer(33.0, -117.0, 0), 90.0).worthSearching());

    const ElementSet geo = test::syntheticSet("GEO TEST");
    const Sgp4Propagator stationary(geo);
    const PassFinder geostationary(stationary, Observer(0.0, 0.0, 0), 0.0);
    EXPECT_TRUE(geostationary.isGeostationary());
    EXPECT_FALSE(geostationary.worthSearching());
    EXPECT_TRUE(geostationary.find(0, 86400).passes.empty());
}

TEST(PassSearch, OrbitThatCannotBeComputedEndsTheSearch)
{
    const ElementSet set = test::syntheticSet("DECAY TEST");
    const Sgp4Propagator satellite(set);
    const PassSearchResult result = PassFinder(satellite, Observer(0.0, 0.0, 0), 0.0).find(0, 86400);
    EXPECT_TRUE(result.propagationFailed);
    EXPECT_NE(result.error, PropagationError::None);
    // The model gives up between 7800 s and 8400 s after the epoch.
    EXPECT_GT(result.failedAt, 7800.0);
    TemeState state;
    EXPECT_NE(satellite.propagate(result.failedAt / 60.0, state), PropagationError::None);
    for (const FoundPass &pass : result.passes)
        EXPECT_LT(pass.los, result.failedAt);

    const PassSearchResult afterwards = PassFinder(satellite, Observer(0.0, 0.0, 0), 0.0).find(9000, 86400);
    EXPECT_TRUE(afterwards.propagationFailed);
    EXPECT_TRUE(afterwards.passes.empty());
}

// The shortcuts of the refinement (a crossing placed in its cell from two
// samples) end in the very cells plain halving ends in: over every demo set,
// stations from the equator to the pole, grazing passes, an orbit that decays.
TEST(PassSearch, ShortcutsGiveTheCellsOfPlainHalving)
{
    const auto same = [](const PassSearchResult &a, const PassSearchResult &b) {
        ASSERT_EQ(a.passes.size(), b.passes.size());
        EXPECT_EQ(a.propagationFailed, b.propagationFailed);
        EXPECT_EQ(a.failedAt, b.failedAt);
        for (std::size_t i = 0; i < a.passes.size(); ++i) {
            const FoundPass &p = a.passes[i], &q = b.passes[i];
            EXPECT_EQ(p.aos, q.aos) << i;
            EXPECT_EQ(p.los, q.los) << i;
            EXPECT_EQ(p.maxElevationTime, q.maxElevationTime) << i;
            EXPECT_EQ(p.maxElevationDeg, q.maxElevationDeg) << i;
            EXPECT_EQ(p.aosAzimuthDeg, q.aosAzimuthDeg) << i;
            EXPECT_EQ(p.cutByOrbitEnd, q.cutByOrbitEnd) << i;
        }
    };
    const auto compare = [&](const ElementSet &set, const Observer &observer, double minElevation, double from,
                             double to) {
        const Sgp4Propagator satellite(set);
        OrbitEnd end, plainEnd;
        PassFinder shortcuts(satellite, observer, minElevation, &end);
        PassFinder plain(satellite, observer, minElevation, &plainEnd);
        plain.setPlainHalving(true);
        const PassSearchResult found = shortcuts.find(from, to);
        same(found, plain.find(from, to));
        return found;
    };

    const Case stations[] = {{"", 48.85, 2.35, 0.0},  {"", -33.9, 18.4, 5.0}, {"", 0.5, -78.0, 0.0},
                             {"", 78.2, 15.6, 20.0}, {"", 45.8, 6.86, -2.0}};
    std::size_t passes = 0;
    for (const ElementSet &set : readElementFiles(test::stationFolder()).sets) {
        SCOPED_TRACE(set.name);
        const double from = secondsAt(set, test::utc(2026, 6, 27, 0, 0, 0));
        for (const Case &c : stations) {
            const Observer observer(c.latitude, c.longitude, 300);
            const PassSearchResult found = compare(set, observer, c.minElevation, from, from + 2 * 86400);
            passes += found.passes.size();
            // Grazing passes, where the margin barely turns above the cone.
            for (std::size_t i = 0; i < found.passes.size() && i < 3; ++i)
                compare(set, observer, found.passes[i].maxElevationDeg - 0.0005, from, from + 2 * 86400);
        }
    }
    EXPECT_GT(passes, 500u);
    const ElementSet decaying = test::syntheticSet("DECAY TEST");
    compare(decaying, Observer(0.0, 0.0, 0), 0.0, 0.0, 30 * 86400.0);
}

} // namespace
} // namespace orvanta::orbit
