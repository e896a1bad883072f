#pragma once

#include <QString>

namespace orvanta {

// The filter of the "A Selectionner" list, as typed: a satellite matches when
// its name contains the text (in any case) or its catalogue number starts
// with it. An empty or blank filter matches every satellite.
bool matchesSatelliteFilter(const QString &name, long catalogNumber, const QString &filter);

// "n° 25544", the tooltip of a satellite in the lists.
QString catalogNumberTip(long catalogNumber);

} // namespace orvanta
