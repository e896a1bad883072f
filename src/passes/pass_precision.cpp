#include "passes/pass_precision.h"

#include "orbit/horizon_crossing.h"
#include "orbit/prediction_uncertainty.h"
#include "platform/text_numbers.h"
#include "tracking/station_clock.h"

#include <QCoreApplication>

namespace orvanta {

QString horizonNote(const orbit::Satellites &satellites, const orbit::PredictedPass &pass,
                    const orbit::HorizonMask &mask)
{
    if (mask.flat())
        return {};
    const auto window = orbit::horizonWindow(satellites, pass, mask);
    if (!window)
        return QCoreApplication::translate("PassDetails", "L'horizon de la station cache tout le passage.");
    return QCoreApplication::translate("PassDetails", "Au-dessus de l'horizon de la station : %1 à %2")
        .arg(timeText(window->clears), timeText(window->sets));
}

QString elementAgeNote(const orbit::Satellites &satellites, const orbit::PredictedPass &pass)
{
    const std::optional<orbit::PredictionUncertainty> u = orbit::uncertaintyAtAos(satellites, pass);
    if (!u)
        return {};
    return QCoreApplication::translate("PassDetails", "Éléments de %1 jours : AOS à %2 s près (estimation)")
        .arg(formatFixed(u->ageDays, 1), formatFixed(u->seconds, u->seconds < 10 ? 1 : 0));
}

} // namespace orvanta
