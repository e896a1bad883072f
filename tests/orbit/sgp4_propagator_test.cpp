#include "orbit/sgp4.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace orvanta::orbit {
namespace {

ElementSet parsed(const std::string &line1, const std::string &line2)
{
    std::string reason;
    const auto set = parseElementSet("", line1, line2, &reason);
    EXPECT_TRUE(set.has_value()) << reason;
    return set.value_or(ElementSet{});
}

ElementSet iss()
{
    return parsed("1 25544U 98067A   26177.67101756  .00008101  00000+0  15268-3 0  9990",
                  "2 25544  51.6322 253.1475 0004299 235.1263 124.9322 15.49442433573225");
}

// 12-hour resonant, eccentricity 0.6.
ElementSet ao10()
{
    return parsed("1 14129U 83058B   26174.68191131 -.00000085  00000+0  00000+0 0  9993",
                  "2 14129  25.9176 218.4895 6008564 117.4551 314.9460  2.05872578295624");
}

// 24-hour resonant, geostationary.
ElementSet xm3()
{
    return parsed("1 28626U 05008A   06176.46683397 -.00000205  00000-0  10000-3 0  2190",
                  "2 28626   0.0019 286.9433 0000335  13.7918  55.6504  1.00270176  4891");
}

double distance(const Vec3 &a, const Vec3 &b)
{
    return std::hypot(a.x - b.x, a.y - b.y, a.z - b.z);
}

double length(const Vec3 &v)
{
    return std::hypot(v.x, v.y, v.z);
}

TEST(Sgp4Propagator, NearEarthOrDeepSpaceByThePeriodOf225Minutes)
{
    const Sgp4Propagator station(iss());
    EXPECT_FALSE(station.isDeepSpace());
    EXPECT_NEAR(station.periodMinutes(), 92.94, 0.05);
    const Sgp4Propagator phase3b(ao10());
    EXPECT_TRUE(phase3b.isDeepSpace());
    EXPECT_NEAR(phase3b.periodMinutes(), 699.5, 0.5);
    EXPECT_EQ(phase3b.elements().catalogNumber, "14129");

    ElementSet justBelow = iss();
    justBelow.meanMotionRevPerDay = 6.45; // 223.3 minutes
    ElementSet justAbove = iss();
    justAbove.meanMotionRevPerDay = 6.35; // 226.8 minutes
    EXPECT_FALSE(Sgp4Propagator(justBelow).isDeepSpace());
    EXPECT_TRUE(Sgp4Propagator(justAbove).isDeepSpace());
}

TEST(Sgp4Propagator, RepeatedCallsInAnyOrderGiveTheSameStates)
{
    for (const ElementSet &set : {iss(), ao10(), xm3()}) {
        const Sgp4Propagator propagator(set);
        TemeState first, again, elsewhere;
        // Far ahead and far behind run the resonance past its worked-out steps.
        ASSERT_EQ(propagator.propagate(100.0, first), PropagationError::None);
        ASSERT_EQ(propagator.propagate(90000.0, elsewhere), PropagationError::None);
        ASSERT_EQ(propagator.propagate(-60000.0, elsewhere), PropagationError::None);
        ASSERT_EQ(propagator.propagate(100.0, again), PropagationError::None);
        EXPECT_EQ(first.position_km.x, again.position_km.x);
        EXPECT_EQ(first.position_km.y, again.position_km.y);
        EXPECT_EQ(first.velocity_km_s.z, again.velocity_km_s.z);
    }
}

// The resonance integration changes step every 720 minutes, and past a month
// from epoch it goes on from its last stored step: the orbit must run on
// smoothly across all those instants, ahead of and behind the epoch.
TEST(Sgp4Propagator, ResonantOrbitsRunOnSmoothlyAcrossIntegratorSteps)
{
    for (const ElementSet &set : {ao10(), xm3()}) {
        const Sgp4Propagator propagator(set);
        for (double direction : {1.0, -1.0}) {
            for (int step = 55; step <= 66; ++step) {
                const double boundary = direction * 720.0 * step;
                const double halfSecond = 0.5 / 60.0;
                TemeState before, after;
                ASSERT_EQ(propagator.propagate(boundary - halfSecond, before), PropagationError::None);
                ASSERT_EQ(propagator.propagate(boundary + halfSecond, after), PropagationError::None);
                const double travelled = distance(before.position_km, after.position_km);
                EXPECT_NEAR(travelled, length(before.velocity_km_s), 1e-3) << set.catalogNumber << " at " << boundary;
            }
        }
    }
}

TEST(Sgp4Propagator, ImpossibleElementsAreRefusedAtInitialisation)
{
    ElementSet open = iss();
    open.eccentricity = 1.0;
    EXPECT_EQ(Sgp4Propagator(open).initError(), PropagationError::MeanEccentricity);
    ElementSet notANumber = ao10();
    notANumber.inclinationDeg = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(Sgp4Propagator(notANumber).initError(), PropagationError::MeanEccentricity);
    ElementSet still = iss();
    still.meanMotionRevPerDay = 0.0;
    const Sgp4Propagator refused(still);
    EXPECT_EQ(refused.initError(), PropagationError::MeanMotion);
    TemeState state;
    EXPECT_EQ(refused.propagate(0.0, state), PropagationError::MeanMotion);
}

TEST(Sgp4Propagator, TimesThatAreNotFiniteAreRefusedWithoutHanging)
{
    const Sgp4Propagator resonant(ao10());
    TemeState state;
    EXPECT_EQ(resonant.propagate(std::numeric_limits<double>::infinity(), state), PropagationError::InvalidTime);
    EXPECT_EQ(resonant.propagate(-std::numeric_limits<double>::infinity(), state), PropagationError::InvalidTime);
    EXPECT_EQ(resonant.propagate(std::numeric_limits<double>::quiet_NaN(), state), PropagationError::InvalidTime);
    EXPECT_EQ(resonant.propagate(1e9, state), PropagationError::InvalidTime);
}

TEST(Sgp4Propagator, ADecayedSatelliteIsReportedWithItsLastState)
{
    const Sgp4Propagator minotaur(parsed("1 28872U 05037B   05333.02012661  .25992681  00000-0  24476-3 0  1534",
                                         "2 28872  96.4736 157.9986 0303955 244.0492 110.6523 16.46015938 10708"));
    TemeState state;
    ASSERT_EQ(minotaur.propagate(50.0, state), PropagationError::None);
    EXPECT_GT(length(state.position_km), 6378.135);
    EXPECT_EQ(minotaur.propagate(55.0, state), PropagationError::Decayed);
    EXPECT_LT(length(state.position_km), 6378.135);
}

// Every combination of the extreme values a set can carry: each propagation
// ends, with an error code or with a finite state.
TEST(Sgp4Propagator, ExtremeElementsGiveAnErrorOrAFiniteState)
{
    int finite = 0, refused = 0;
    for (double eccentricity : {0.0, 0.5, 0.9999999}) {
        for (double meanMotion : {0.00001, 1.0027, 2.006, 6.4, 17.0, 99.0}) {
            for (double inclination : {0.0, 63.4, 180.0}) {
                for (double bstar : {-0.99999e9, 0.0, 1e-9, 0.99999e9}) {
                    ElementSet set = ao10();
                    set.eccentricity = eccentricity;
                    set.meanMotionRevPerDay = meanMotion;
                    set.inclinationDeg = inclination;
                    set.bstar = bstar;
                    const Sgp4Propagator propagator(set);
                    for (double minutes : {-1e5, -1.0, 0.0, 1440.0, 1e6}) {
                        TemeState state;
                        if (propagator.propagate(minutes, state) != PropagationError::None) {
                            ++refused;
                            continue;
                        }
                        ++finite;
                        EXPECT_TRUE(std::isfinite(length(state.position_km)) && std::isfinite(length(state.velocity_km_s)))
                            << "e " << eccentricity << " n " << meanMotion << " i " << inclination << " B* " << bstar
                            << " t " << minutes;
                    }
                }
            }
        }
    }
    EXPECT_GT(finite, 0);
    EXPECT_GT(refused, 0);
}

} // namespace
} // namespace orvanta::orbit
