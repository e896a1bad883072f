#pragma once

#include "orbit/element_files.h"
#include "orbit/utc_time.h"

#include <gtest/gtest.h>

#include <string>

// Data and instants shared by the tests of the pass search, the component
// and the predictor.
namespace orvanta::orbit::test {

inline std::string orbitData(const std::string &name)
{
    return std::string(ORVANTA_SOURCE_DIR) + "/tests/orbit/data/" + name;
}

// The demo station's folder: fourteen real sets with epochs around 2026-06-26.
inline std::string stationFolder()
{
    return orbitData("station");
}

inline ElementSet stationSet(const std::string &name)
{
    const ElementCatalogue catalogue = readElementFiles(stationFolder());
    for (const ElementSet &set : catalogue.sets) {
        if (set.name == name)
            return set;
    }
    ADD_FAILURE() << name << " missing from the station's elements";
    return ElementSet{};
}

inline ElementSet syntheticSet(const std::string &name)
{
    const ElementCatalogue catalogue = readElementFiles(orbitData("synthetic-orbits.txt"));
    for (const ElementSet &set : catalogue.sets) {
        if (set.name == name)
            return set;
    }
    ADD_FAILURE() << name << " missing from the synthetic orbits";
    return ElementSet{};
}

inline JulianDate utc(int year, int month, int day, int hour, int minute, double second)
{
    return julianFromCalendar({year, month, day, hour, minute, second});
}

inline double oleUtc(int year, int month, int day, int hour, int minute, int second)
{
    return oleFromJulian(utc(year, month, day, hour, minute, second));
}

} // namespace orvanta::orbit::test
