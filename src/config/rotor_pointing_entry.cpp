#include "config/rotor_pointing_entry.h"

#include "platform/text_numbers.h"

#include <QCoreApplication>

#include <optional>

namespace orvanta {

RotorPointingTexts rotorPointingTexts(const RotorSettings &settings, const QString &interfaceRotor)
{
    const RotorSpeeds speeds = settings.speedsOf(interfaceRotor);
    return {shortestText(speeds.azimuthDegPerS), shortestText(speeds.elevationDegPerS),
            shortestText(settings.allowedErrorDeg), shortestText(settings.parkAfterMinutes)};
}

RotorPointingEntry readRotorPointing(RotorSettings settings, const QString &interfaceRotor,
                                     const RotorPointingTexts &texts)
{
    const auto within = [](const QString &text, double above, double upTo) -> std::optional<double> {
        const std::optional<double> value = parseNumber(text.trimmed());
        if (!value || !(*value > above) || *value > upTo)
            return std::nullopt;
        return value;
    };
    const auto refused = [&settings](const QString &why) { return RotorPointingEntry{settings, why}; };
    const auto azimuth = within(texts.azimuthSpeed, 0, RotorSettings::kFastestDegPerS);
    if (!azimuth)
        return refused(
            QCoreApplication::translate("RotorPointing",
                                        "La vitesse en azimut « %1 » n'est pas un nombre de degrés par seconde plus "
                                        "grand que 0 et au plus 360.")
                .arg(texts.azimuthSpeed));
    const auto elevation = within(texts.elevationSpeed, 0, RotorSettings::kFastestDegPerS);
    if (!elevation)
        return refused(QCoreApplication::translate(
                           "RotorPointing", "La vitesse en site « %1 » n'est pas un nombre de degrés par seconde plus "
                                            "grand que 0 et au plus 360.")
                           .arg(texts.elevationSpeed));
    const auto error = within(texts.allowedError, 0, 180);
    if (!error)
        return refused(
            QCoreApplication::translate(
                "RotorPointing", "L'écart de suivi « %1 » n'est pas un nombre de degrés de plus de 0 et au plus 180.")
                .arg(texts.allowedError));
    const auto minutes = within(texts.parkAfterMinutes, -1, RotorSettings::kLongestParkThresholdMinutes);
    if (!minutes || *minutes < 0)
        return refused(QCoreApplication::translate(
                           "RotorPointing", "Le délai de parcage « %1 » n'est pas un nombre de minutes de 0 à 1440.")
                           .arg(texts.parkAfterMinutes));
    settings.speeds.insert(interfaceRotor, {*azimuth, *elevation});
    settings.allowedErrorDeg = *error;
    settings.parkAfterMinutes = *minutes;
    return {settings, {}};
}

} // namespace orvanta
