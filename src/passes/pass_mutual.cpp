#include "passes/pass_mutual.h"

#include "orbit/locator.h"
#include "orbit/mutual_visibility.h"
#include "passes/pass_details.h"
#include "platform/text_numbers.h"
#include "tracking/station_clock.h"

#include <QCoreApplication>

namespace orvanta {

QString mutualVisibilityText(const orbit::Satellites &satellites, const orbit::PredictedPass &pass,
                             const QString &locator, double minElevationDeg)
{
    const QString typed = locator.trimmed();
    const auto square = orbit::squareOfLocator(typed.toStdString());
    if (!square)
        return QCoreApplication::translate("PassDetails",
                                           "Locator incorrect : « %1 » (4, 6 ou 8 caractères, par exemple JN18eu)")
            .arg(typed);
    const orbit::Observer second(square->centreLatitudeDeg(), square->centreLongitudeDeg(), 0);
    const auto windows = orbit::mutualWindows(satellites, pass, second, minElevationDeg);
    if (windows.empty())
        return QCoreApplication::translate("PassDetails", "Aucune visibilité commune avec %1 pendant ce passage")
            .arg(typed);
    QStringList lines;
    for (const orbit::MutualWindow &window : windows) {
        lines << QCoreApplication::translate(
                     "PassDetails", "Commun avec %1 : %2 - %3 UTC (%4) ; au mieux à %5, site ici %6°, là-bas %7°")
                     .arg(typed, timeText(window.start), timeText(window.end), lengthText(window.durationSeconds()),
                          timeText(window.best), formatFixed(window.firstElevationDeg, 1),
                          formatFixed(window.secondElevationDeg, 1));
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace orvanta
