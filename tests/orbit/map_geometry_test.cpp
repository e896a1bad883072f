#include "orbit/ground_point.h"
#include "orbit/locator.h"
#include "orbit/mutual_visibility.h"
#include "orbit/sun.h"
#include "passes_test_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace orvanta::orbit {
namespace {

constexpr double kDeg = std::numbers::pi / 180.0;

TEST(Locator, PublishedStationsBothWays)
{
    struct Known {
        double latitude, longitude;
        const char *locator;
    };
    // Paris; W1AW at Newington (ARRL); Munich; Sydney; the south-west and north-east corners of the grid.
    const Known known[] = {{48.8566, 2.3522, "JN18eu"},   {41.714775, -72.727260, "FN31pr"},
                           {48.14666, 11.60833, "JN58td"}, {-33.8688, 151.2093, "QF56od"},
                           {-90, -180, "AA00aa"},          {90, 179.999, "RR99xx"}};
    for (const Known &k : known) {
        EXPECT_EQ(locatorFromPosition(k.latitude, k.longitude), k.locator);
        const auto square = squareOfLocator(k.locator);
        ASSERT_TRUE(square) << k.locator;
        EXPECT_LE(square->westDeg, k.longitude);
        EXPECT_LE(square->southDeg, k.latitude);
        EXPECT_NEAR(square->widthDeg, 2.0 / 24, 1e-12);
        EXPECT_NEAR(square->heightDeg, 1.0 / 24, 1e-12);
    }
    EXPECT_EQ(locatorFromPosition(48.8566, 2.3522, 4), "JN18");
    EXPECT_EQ(locatorFromPosition(48.8566, 2.3522 + 360, 8), "JN18eu25");
    EXPECT_EQ(locatorFromPosition(0, 180), "AJ00aa"); // 180 east is 180 west
    EXPECT_EQ(squareOfLocator("jn18EU")->westDeg, squareOfLocator("JN18eu")->westDeg);
    // Every subsquare of a field: its centre gives it back, exactly.
    for (char sx = 'a'; sx <= 'x'; ++sx)
        for (char sy = 'a'; sy <= 'x'; ++sy)
            for (char dx = '0'; dx <= '9'; dx += 3) {
                const std::string text = std::string("JN") + dx + '8' + sx + sy;
                const auto square = squareOfLocator(text);
                ASSERT_TRUE(square);
                ASSERT_EQ(locatorFromPosition(square->centreLatitudeDeg(), square->centreLongitudeDeg()), text);
            }
    for (const char *bad : {"", "J", "JN1", "SN18", "JN1y", "JNA8", "JN18ey", "JN18eu5", "JN18eu5a", "JN18eu5412"})
        EXPECT_FALSE(squareOfLocator(bad)) << bad;
    EXPECT_EQ(locatorFromPosition(91, 0), "");
    EXPECT_EQ(locatorFromPosition(NAN, 0), "");
    EXPECT_EQ(locatorFromPosition(0, 0, 5), "");
}

TEST(GroundPoint, GeodeticCoordinatesOfEarthFixedPoints)
{
    const double e2 = kWgs84Flattening * (2 - kWgs84Flattening);
    // Points made with the direct formula, read back by the iteration.
    for (const auto &[lat, lon, height] : {std::tuple{48.8566, 2.3522, 0.035}, std::tuple{-51.6, -179.9, 420.0},
                                           std::tuple{89.9999, 45.0, 800.0}, std::tuple{0.0, 100.0, 35786.0}}) {
        const double n = kWgs84EquatorialRadiusKm / std::sqrt(1 - e2 * std::pow(std::sin(lat * kDeg), 2));
        const Vec3 r{(n + height) * std::cos(lat * kDeg) * std::cos(lon * kDeg),
                     (n + height) * std::cos(lat * kDeg) * std::sin(lon * kDeg),
                     (n * (1 - e2) + height) * std::sin(lat * kDeg)};
        const SubSatellitePoint point = geodeticFromEarthFixed(r);
        EXPECT_NEAR(point.ground.latitudeDeg, lat, 1e-9);
        EXPECT_NEAR(point.ground.longitudeDeg, lon, 1e-9);
        EXPECT_NEAR(point.altitudeKm, height, 1e-6);
    }
    const SubSatellitePoint pole = geodeticFromEarthFixed({0, 0, 7000});
    EXPECT_NEAR(pole.ground.latitudeDeg, 90, 1e-12);
    EXPECT_NEAR(pole.altitudeKm, 7000 - kWgs84EquatorialRadiusKm * (1 - kWgs84Flattening), 1e-6);

    // The ISS at 420 km is seen 20.25 degrees around it (cos 20.25 = 0.93822), 2254 km along the ground.
    EXPECT_NEAR(footprintAngleRad(420) / kDeg, 20.2455, 0.0001);
    EXPECT_NEAR(footprintRadiusKm(420), 2253.7, 0.1);
    EXPECT_EQ(footprintRadiusKm(-5), 0);
    EXPECT_DOUBLE_EQ(normalizedLongitude(190), -170);
    EXPECT_DOUBLE_EQ(normalizedLongitude(-540), -180);
    // A quarter of a great circle north-east of the equator, then back.
    const GroundPoint far = pointAtDistance({0, 170}, 90 * kDeg, 90 * kDeg);
    EXPECT_NEAR(far.latitudeDeg, 0, 1e-9);
    EXPECT_NEAR(far.longitudeDeg, -100, 1e-9);
    EXPECT_NEAR(angularDistanceRad({0, 170}, far), 90 * kDeg, 1e-12);
}

TEST(Sun, AgreesWithPublishedPositions)
{
    // Meeus, Astronomical Algorithms, example 25.a: 1992 October 13.0 TD,
    // apparent longitude 199.90988, right ascension 198.38083, declination
    // -7.78507 degrees, 0.99766 AU (the minute between TD and UT moves the
    // Sun by under 0.001 degree).
    const SunPosition meeus = sunPosition({2448908.5, 0.0});
    EXPECT_NEAR(meeus.eclipticLongitudeDeg, 199.90988, 0.01);
    EXPECT_NEAR(meeus.rightAscensionDeg, 198.38083, 0.01);
    EXPECT_NEAR(meeus.declinationDeg, -7.78507, 0.01);
    EXPECT_NEAR(meeus.distanceAu, 0.99766, 0.0001);
    // The US Naval Observatory's equinoxes and solstices of 2024, and the June
    // solstice of 2026 (UTC, to the minute): the apparent longitude is then 0,
    // 90, 180 and 270 degrees, and the Sun stands over the equator or a tropic.
    const struct {
        JulianDate instant;
        double longitude;
        double declination;
    } seasons[] = {{test::utc(2024, 3, 20, 3, 6, 0), 360, 0}, {test::utc(2024, 6, 20, 20, 51, 0), 90, 23.44},
                   {test::utc(2024, 9, 22, 12, 44, 0), 180, 0}, {test::utc(2024, 12, 21, 9, 20, 0), 270, -23.44},
                   {test::utc(2026, 6, 21, 8, 24, 0), 90, 23.44}};
    for (const auto &season : seasons) {
        const SunPosition sun = sunPosition(season.instant);
        const double off = std::remainder(sun.eclipticLongitudeDeg - season.longitude, 360.0);
        EXPECT_NEAR(off, 0, 0.01) << season.longitude;
        EXPECT_NEAR(sun.declinationDeg, season.declination, 0.01) << season.longitude;
        EXPECT_NEAR(std::hypot(sun.direction().x, sun.direction().y, sun.direction().z), 1.0, 1e-12);
    }
    // The right ascension at the June solstice is 6 h.
    EXPECT_NEAR(sunPosition(seasons[1].instant).rightAscensionDeg, 90, 0.01);
    // Perihelion 2024-01-03 00:39 UTC at 0.983307 AU, aphelion 2024-07-05 05:06 at 1.016725 AU.
    EXPECT_NEAR(sunPosition(test::utc(2024, 1, 3, 0, 39, 0)).distanceAu, 0.983307, 0.0002);
    EXPECT_NEAR(sunPosition(test::utc(2024, 7, 5, 5, 6, 0)).distanceAu, 1.016725, 0.0002);
    // The sub-solar point's longitude follows from the time of day (12:00 UTC near 0).
    const GroundPoint noon = subSolarPoint(test::utc(2024, 6, 20, 12, 0, 0));
    EXPECT_NEAR(noon.longitudeDeg, 0.4, 0.1); // the equation of time: 1.6 minutes that day
    EXPECT_NEAR(sunElevationDeg({noon.latitudeDeg - 30, noon.longitudeDeg}, noon), 60, 1e-9);
    const Vec3 toSun = sunPosition(seasons[1].instant).positionKm();
    EXPECT_NEAR(std::hypot(toSun.x, toSun.y, toSun.z) / kAstronomicalUnitKm, 1.0163, 0.0002);
}

TEST(MutualVisibility, StretchesOfAPassSharedWithASecondStation)
{
    auto satellites = Init_Satellites(test::stationFolder(), 48.85, 2.35, 35);
    const auto passes = satellites->passes("ISS (ZARYA)", test::utc(2026, 6, 27, 0, 0, 0), 1, 0, 0);
    ASSERT_FALSE(passes.empty());
    const PredictedPass &pass = passes.front();

    // The same station shares the whole pass, at the same elevation.
    const auto same = mutualWindows(*satellites, pass, Observer(48.85, 2.35, 35));
    ASSERT_EQ(same.size(), 1u);
    EXPECT_NEAR(same[0].durationSeconds(), pass.durationSeconds(), 0.02);
    EXPECT_NEAR(same[0].firstElevationDeg, same[0].secondElevationDeg, 1e-9);
    // The other side of the Earth never does.
    EXPECT_TRUE(mutualWindows(*satellites, pass, Observer(-48.85, -177.65, 0)).empty());
    // A station 1500 km away shares part of it; at the ends it has the satellite on its horizon.
    const Observer madrid(40.4, -3.7, 650);
    const auto shared = mutualWindows(*satellites, pass, madrid);
    ASSERT_FALSE(shared.empty());
    for (const MutualWindow &window : shared) {
        EXPECT_GT(window.durationSeconds(), 0);
        EXPECT_LE(window.durationSeconds(), pass.durationSeconds() + 0.01);
        for (const JulianDate &end : {window.start, window.end}) {
            TemeState state;
            ASSERT_TRUE(satellites->stateAt(pass.name, end, state));
            SatelliteLook here;
            ASSERT_TRUE(satellites->lookAt(pass.name, end, 0, here));
            EXPECT_TRUE(std::fabs(madrid.look(state, end).elevationDeg()) < 0.01 || here.elevationRad < 0.001);
        }
        EXPECT_GE(window.secondElevationDeg, 0);
        EXPECT_GE(window.firstElevationDeg, 0);
    }
}

} // namespace
} // namespace orvanta::orbit
