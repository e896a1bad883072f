#include "orbit/observer.h"
#include "passes_test_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace orvanta::orbit {
namespace {

constexpr double kDeg = std::numbers::pi / 180.0;

// The TEME state of a point given in earth-fixed axes (km, km/s) at a sidereal angle.
TemeState fromEarthFixed(const Vec3 &position, const Vec3 &velocity, double angle)
{
    const double c = std::cos(angle), s = std::sin(angle);
    const Vec3 carried{velocity.x - kSiderealRateRadPerS * position.y, velocity.y + kSiderealRateRadPerS * position.x,
                       velocity.z};
    return {{c * position.x - s * position.y, s * position.x + c * position.y, position.z},
            {c * carried.x - s * carried.y, s * carried.x + c * carried.y, carried.z}};
}

TEST(Observer, SiderealAngleAsTheModelComputesIt)
{
    // 280.46061837 degrees at 2000-01-01 12:00, 152.578787886 on 1992-08-20 at 12:14.
    EXPECT_NEAR(siderealAngle({2451545.0, 0.0}) / kDeg, 280.46061837, 1e-8);
    EXPECT_NEAR(siderealAngle({2448854.5, (12 * 60 + 14) / 1440.0}) / kDeg, 152.578787886, 1e-6);
    // The same instant split two ways.
    EXPECT_NEAR(siderealAngle({2461218.5, 0.75}), siderealAngle({2461219.0, 0.25}), 1e-12);
    // Its rate is the earth's rotation in that frame.
    const double step = 1.0 / 86400.0;
    const double rate = (siderealAngle({2461218.5, 0.5 + step}) - siderealAngle({2461218.5, 0.5})) / 1.0;
    EXPECT_NEAR(rate, kSiderealRateRadPerS, 1e-12);
}

TEST(Observer, StationOnTheWgs72Ellipsoid)
{
    EXPECT_NEAR(Observer(0, 0, 0).geocentricRadiusKm(), 6378.135, 1e-9);
    EXPECT_NEAR(Observer(90, 0, 0).geocentricRadiusKm(), 6378.135 * (1 - 1 / 298.26), 1e-9);
    const Observer paris(45, 2.35, 1000);
    EXPECT_NEAR(paris.geocentricRadiusKm(), 6368.487640, 1e-5);
    EXPECT_NEAR(paris.geocentricLatitudeRad() / kDeg, 44.8076088, 1e-6);
}

TEST(Observer, DirectionsRangeAndRangeRateInTheLocalFrame)
{
    const double angle = 1.234;
    const Observer equator(0, 0, 0);
    const Vec3 still{0, 0, 0};

    const Topocentric overhead = equator.look(fromEarthFixed({6378.135 + 400, 0, 0}, still, angle), angle);
    EXPECT_NEAR(overhead.elevationDeg(), 90.0, 1e-9);
    EXPECT_NEAR(overhead.rangeKm, 400.0, 1e-9);
    EXPECT_NEAR(overhead.rangeRateKmS, 0.0, 1e-12);

    const Topocentric east = equator.look(fromEarthFixed({6378.135, 100, 0}, still, angle), angle);
    EXPECT_NEAR(east.azimuthDeg(), 90.0, 1e-9);
    EXPECT_NEAR(east.elevationDeg(), 0.0, 1e-9);
    const Topocentric north = equator.look(fromEarthFixed({6378.135, 0, 100}, still, angle), angle);
    EXPECT_NEAR(std::remainder(north.azimuthDeg(), 360.0), 0.0, 1e-9);
    const Topocentric westBelow = equator.look(fromEarthFixed({6378.135 - 10, -10, 0}, still, angle), angle);
    EXPECT_NEAR(westBelow.azimuthDeg(), 270.0, 1e-9);
    EXPECT_NEAR(westBelow.elevationDeg(), -45.0, 1e-9);

    const Topocentric climbing = equator.look(fromEarthFixed({6378.135 + 400, 0, 0}, {1.5, 0, 0}, angle), angle);
    EXPECT_NEAR(climbing.rangeRateKmS, 1.5, 1e-9);
    const Topocentric falling = equator.look(fromEarthFixed({6378.135 + 400, 0, 0}, {-1.5, 0, 0}, angle), angle);
    EXPECT_NEAR(falling.rangeRateKmS, -1.5, 1e-9);

    // Above the pole, at the polar radius.
    const Observer pole(90, 0, 0);
    const Topocentric abovePole = pole.look(fromEarthFixed({0, 0, 6356.750 + 500}, still, angle), angle);
    EXPECT_NEAR(abovePole.elevationDeg(), 90.0, 1e-6);
    EXPECT_NEAR(abovePole.rangeKm, 500.0, 1e-2);
}

TEST(Observer, RatesAgreeWithTheChangeOfARealOrbit)
{
    const ElementSet iss = test::stationSet("ISS (ZARYA)");
    const Sgp4Propagator propagator(iss);
    const Observer station(48.85, 2.35, 35);
    const auto seenAt = [&](double minutes) {
        TemeState state;
        EXPECT_EQ(propagator.propagate(minutes, state), PropagationError::None);
        return station.look(state, iss.epoch.plusMinutes(minutes));
    };
    for (double minutes = 0; minutes < 1440; minutes += 37) {
        const Topocentric now = seenAt(minutes);
        const Topocentric before = seenAt(minutes - 0.5 / 60), after = seenAt(minutes + 0.5 / 60);
        EXPECT_NEAR(now.rangeRateKmS, after.rangeKm - before.rangeKm, 1e-4) << minutes;
        const double elevationChange = after.elevationRad() - before.elevationRad();
        if (std::abs(elevationChange) > 1e-6) {
            EXPECT_EQ(now.elevationRateSign() > 0, elevationChange > 0) << minutes;
        }
    }
}

} // namespace
} // namespace orvanta::orbit
