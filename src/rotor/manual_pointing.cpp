#include "rotor/manual_pointing.h"

#include "platform/message_boxes.h"
#include "platform/text_numbers.h"
#include "rotor/rotor.h"

#include <QCoreApplication>

namespace orvanta {

namespace {

// Looked up at each use, in the language in force.
ManualPointing::Axis azimuthAxis()
{
    return {
        360,
        QCoreApplication::translate("ManualPointing", "Valeur Azimut superieur a 360°"),
        QCoreApplication::translate("ManualPointing", "La valeur de l'azimut est incorrecte"),
        QCoreApplication::translate("ManualPointing", "Valeur Azimut maximun atteinte"),
        QCoreApplication::translate("ManualPointing", "Valeur Azimut minimun atteinte"),
        QCoreApplication::translate("ManualPointing", "Specifiez une valeur d'azimut"),
    };
}

ManualPointing::Axis elevationAxis()
{
    return {
        90,
        QCoreApplication::translate("ManualPointing", "Valeur Site superieur a 90°"),
        QCoreApplication::translate("ManualPointing", "La valeur de site est incorrecte"),
        QCoreApplication::translate("ManualPointing", "Valeur Site maximun atteinte"),
        QCoreApplication::translate("ManualPointing", "Valeur Site minimun atteinte"),
        QCoreApplication::translate("ManualPointing", "Specifiez une valeur de site"),
    };
}

} // namespace

ManualPointing::ManualPointing(RotorChoice rotor, MessageBoxes &messages)
    : rotor_(std::move(rotor)), messages_(messages)
{
}

void ManualPointing::azimutChanged(const QString &text)
{
    changed(azimuthAxis(), azimut_, text);
}

void ManualPointing::siteChanged(const QString &text)
{
    changed(elevationAxis(), site_, text);
}

void ManualPointing::plusAzimut()
{
    step(azimuthAxis(), azimut_, +1);
}

void ManualPointing::moinsAzimut()
{
    step(azimuthAxis(), azimut_, -1);
}

void ManualPointing::plusSite()
{
    step(elevationAxis(), site_, +1);
}

void ManualPointing::moinsSite()
{
    step(elevationAxis(), site_, -1);
}

void ManualPointing::changed(const Axis &axis, QString &text, const QString &newText)
{
    text = newText;
    if (leadingNumber(text) > axis.limit) {
        messages_.information(axis.aboveLimit);
        return;
    }
    // Digits and points only, and one number: "1.2.3" and a lone point are
    // refused like a sign or a comma.
    if (!Verif_Numerique(text) || (!text.isEmpty() && !parseNumber(text))) {
        messages_.information(axis.incorrect);
        return;
    }
    if (text.isEmpty())
        return;
    point();
}

void ManualPointing::step(const Axis &axis, QString &text, int direction)
{
    const double value = leadingNumber(text);
    if (direction > 0 ? value >= axis.limit : value <= 0) {
        messages_.information(direction > 0 ? axis.atMaximum : axis.atMinimum);
        return;
    }
    if (text.isEmpty()) {
        messages_.information(axis.specify);
        return;
    }
    changed(axis, text, shortestText(value + direction));
}

std::optional<double> ManualPointing::accepted(const Axis &axis, const QString &text)
{
    if (!Verif_Numerique(text))
        return std::nullopt;
    const auto value = parseNumber(text);
    if (!value || *value > axis.limit)
        return std::nullopt;
    return value;
}

void ManualPointing::point()
{
    // The other box may be empty, being typed or refused: nothing is sent then.
    const auto azimut = accepted(azimuthAxis(), azimut_);
    const auto site = accepted(elevationAxis(), site_);
    if (!azimut || !site)
        return;
    if (Rotor *rotor = rotor_())
        rotor->point(*azimut, *site);
}

} // namespace orvanta
