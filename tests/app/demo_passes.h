#pragma once

#include "orbit/satellites.h"
#include "orbit/utc_time.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

// The demo station (Paris area, 48 N 2 E, 100 m) and some of its passes,
// for the sky view and pass details tests.
namespace orvanta::test {

inline constexpr double kDemoMinElevation = 0.1;

inline std::unique_ptr<orbit::Satellites> demoSatellites()
{
    return orbit::Init_Satellites(ORVANTA_SOURCE_DIR "/demo", 48, 2, 100);
}

inline orbit::JulianDate utcInstant(int year, int month, int day, int hour, int minute, double second)
{
    return orbit::julianFromCalendar({year, month, day, hour, minute, second});
}

// The same instant as the tick reads it: an OLE date.
inline double utcOle(int year, int month, int day, int hour, int minute, double second)
{
    return orbit::oleFromJulian(utcInstant(year, month, day, hour, minute, second));
}

// The first pass of a satellite in progress at, or coming after, an instant.
inline orbit::PredictedPass firstPass(orbit::Satellites &satellites, const std::string &name,
                                      const orbit::JulianDate &from)
{
    const auto passes = satellites.passes(name, from, 1.0, kDemoMinElevation, 0.0);
    if (passes.empty()) {
        ADD_FAILURE() << "no pass of " << name;
        return {};
    }
    return passes.front();
}

} // namespace orvanta::test
