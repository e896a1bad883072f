#pragma once

#include "orbit/horizon_mask.h"
#include "orbit/satellites.h"

#include <QString>

// What the pass details add about how the pass will really be seen: when
// it clears the station's horizon, and how far off its times may be for
// the age of its elements.
namespace orvanta {

// "Au-dessus de l'horizon de la station : 07:40:12 à 07:53:20", or that the
// horizon hides the whole pass; empty for a flat horizon.
QString horizonNote(const orbit::Satellites &satellites, const orbit::PredictedPass &pass,
                    const orbit::HorizonMask &mask);

// "Éléments de 3.2 jours : AOS à 0.6 s près (estimation)"; empty for an unknown satellite.
QString elementAgeNote(const orbit::Satellites &satellites, const orbit::PredictedPass &pass);

} // namespace orvanta
