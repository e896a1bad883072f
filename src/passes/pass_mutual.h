#pragma once

#include "orbit/satellites.h"

#include <QString>

// A second station in the pass details: when, during the pass, the
// satellite is above both horizons.
namespace orvanta {

// One line per shared stretch: "Commun avec IN80do : 01:35:06 - 01:43:47 UTC
// (08 min 41 s) ; au mieux à 01:39:36, site ici 35.3°, là-bas 34.3°". The
// second station is the centre of its locator's square, at sea level, with
// the same minimum elevation. A locator that does not read, or no shared
// stretch, is said so in one line.
QString mutualVisibilityText(const orbit::Satellites &satellites, const orbit::PredictedPass &pass,
                             const QString &locator, double minElevationDeg);

} // namespace orvanta
