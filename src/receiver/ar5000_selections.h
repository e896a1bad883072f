#pragma once

#include <QString>

namespace orvanta {

// What the AR5000 driver needs of the control panel: it marks the options
// matching what it programmed, so the panel shows the receiver's settings.
class Ar5000Selections {
public:
    virtual ~Ar5000Selections() = default;
    // Option numbered from 1. Marking an option that was not selected counts
    // as choosing it: the group's command goes out, as for a click.
    virtual void selectOption(const QString &group, int option) = 0;
};

} // namespace orvanta
