#include "config/observer_settings.h"

#include "config/config_station.h"
#include "config/configuration.h"
#include "orbit/locator.h"
#include "platform/message_boxes.h"
#include "platform/text_numbers.h"

#include <QCoreApplication>

#include <cmath>
#include <limits>

namespace orvanta {

namespace {

// One number that a single-precision value can hold.
bool storableNumber(const QString &text)
{
    const auto value = parseNumber(text);
    return value && std::fabs(*value) <= std::numeric_limits<float>::max();
}

// The position boxes take a leading minus sign (west, south); every other
// character must be a digit or a point, and the whole one number.
bool signedNumberText(const QString &text)
{
    const QString unsigned_ = text.startsWith(QLatin1Char('-')) ? text.mid(1) : text;
    return Verif_Numerique(unsigned_) && storableNumber(text);
}

// Digits and points forming one number: "1.2.3" and "." cannot be stored.
bool unsignedNumberText(const QString &text)
{
    return Verif_Numerique(text) && storableNumber(text);
}

struct Check {
    const QString &text;
    QString empty;
    QString incorrect;
    bool (*wellFormed)(const QString &);
    double lowest = 0;
    double highest = 0;
    QString outOfRange; // empty: no range
};

} // namespace

ObserverSettings::ObserverSettings(ConfigStation &config, SettingsStore &store, MessageBoxes &messages,
                                   std::function<void()> accepted)
    : config_(config), store_(store), messages_(messages), accepted_(std::move(accepted))
{
}

ObserverTexts ObserverSettings::texts() const
{
    ObserverTexts texts{shortestText(config_.Long_Obs), shortestText(config_.Lat_Obs), shortestText(config_.Alt_Obs),
                        shortestText(config_.Elev_Min)};
    texts.locator = locatorOf(texts);
    return texts;
}

QString ObserverSettings::locatorOf(const ObserverTexts &texts)
{
    const auto latitude = parseNumber(texts.latitude);
    const auto longitude = parseNumber(texts.longitude);
    if (!latitude || !longitude)
        return {};
    return QString::fromStdString(orbit::locatorFromPosition(*latitude, *longitude));
}

bool ObserverSettings::applyLocator(ObserverTexts &texts)
{
    const auto square = orbit::squareOfLocator(texts.locator.trimmed().toStdString());
    if (!square)
        return false;
    // Four decimals (11 m) keep the point well inside the smallest square.
    texts.longitude = formatFixed(square->centreLongitudeDeg(), 4);
    texts.latitude = formatFixed(square->centreLatitudeDeg(), 4);
    return true;
}

bool ObserverSettings::close(ObserverTexts &t)
{
    const Check checks[] = {
        {t.longitude, QCoreApplication::translate("Observer", "Specifier la longitude du point d'observation"),
         QCoreApplication::translate("Observer", "La valeur de la longitude du point d'observation est incorrecte"),
         signedNumberText, -180, 360,
         QCoreApplication::translate(
             "Observer", "La valeur de la longitude du point d'observation doit etre comprise entre -180 et 360°")},
        {t.latitude, QCoreApplication::translate("Observer", "Specifier la latitude du point d'observation"),
         QCoreApplication::translate("Observer", "La valeur de la latitude du point d'observation est incorrecte"),
         signedNumberText, -90, 90,
         QCoreApplication::translate(
             "Observer", "La valeur de la latitude du point d'observation doit etre comprise entre -90 et 90°")},
        {t.altitude,
         QCoreApplication::translate("Observer", "Specifier l'altitude du point d'observation"),
         QCoreApplication::translate("Observer", "La valeur de l'altitude du point d'observation est incorrecte"),
         unsignedNumberText,
         0,
         0,
         {}},
        {t.elevation,
         QCoreApplication::translate("Observer", "Specifier l'elevation minimum du point d'observation"),
         QCoreApplication::translate("Observer",
                                     "La valeur de l'elevation minimum du point d'observation est incorrecte"),
         unsignedNumberText,
         0,
         0,
         {}},
    };
    bool accepted = true;
    for (const Check &check : checks) {
        if (check.text.isEmpty()) {
            messages_.information(check.empty);
            accepted = false;
        } else if (!check.wellFormed(check.text)) {
            messages_.information(check.incorrect);
            accepted = false;
        } else if (!check.outOfRange.isEmpty()) {
            const double value = *parseNumber(check.text);
            if (value < check.lowest || value > check.highest) {
                messages_.information(check.outOfRange);
                accepted = false;
            }
        }
    }
    if (!t.locator.isEmpty() && !orbit::squareOfLocator(t.locator.trimmed().toStdString())) {
        messages_.information(
            QCoreApplication::translate("Observer", "Le locator de la station est incorrect : 4, 6 ou 8 caracteres "
                                                    "(par exemple JN18eu), ou videz-le et donnez la longitude et la "
                                                    "latitude"));
        accepted = false;
    }
    if (t.elevation == QLatin1String("0"))
        t.elevation = QStringLiteral("0.1");
    if (!accepted)
        return false;

    config_.Long_Obs = static_cast<float>(*parseNumber(t.longitude));
    config_.Lat_Obs = static_cast<float>(*parseNumber(t.latitude));
    config_.Alt_Obs = static_cast<float>(*parseNumber(t.altitude));
    config_.Elev_Min = static_cast<float>(*parseNumber(t.elevation));
    Sauve_Config(config_, store_);
    if (accepted_)
        accepted_();
    return true;
}

} // namespace orvanta
