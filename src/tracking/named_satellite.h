#pragma once

#include <QString>

namespace orvanta {

// A satellite as the operator reads it: its catalogue number and its name.
struct NamedSatellite {
    long catalogNumber = 0;
    QString name;
};

} // namespace orvanta
