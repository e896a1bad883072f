#include "config/acquisition_settings.h"

#include "config/config_station.h"
#include "config/configuration.h"
#include "platform/message_boxes.h"
#include "platform/text_numbers.h"

#include <QCoreApplication>

#include <cmath>
#include <limits>

namespace orvanta {

AcquisitionSettings::AcquisitionSettings(ConfigStation &config, SettingsStore &store, MessageBoxes &messages,
                                         std::function<void()> reinitialise)
    : config_(config), store_(store), messages_(messages), reinitialise_(std::move(reinitialise))
{
}

AcquisitionTexts AcquisitionSettings::texts() const
{
    return {shortestText(config_.Repetition), shortestText(config_.Passage_Min), shortestText(config_.Park_Azimut),
            shortestText(config_.Park_Site)};
}

bool AcquisitionSettings::azimutSeul() const
{
    return config_.Azimut_Seul == 1;
}

void AcquisitionSettings::setAzimutSeul(bool azimuthOnly)
{
    config_.Azimut_Seul = azimuthOnly ? 1 : 0;
}

bool AcquisitionSettings::close(const AcquisitionTexts &t)
{
    bool accepted = true;
    auto refuse = [&](const QString &message) {
        messages_.information(message);
        accepted = false;
    };

    // A period that reads as 0 ("0.0", ".") would run the tracking cycle
    // back to back; one beyond a day is a typing slip.
    const double repetition = leadingNumber(t.repetition);
    if (t.repetition.isEmpty() || t.repetition == QLatin1String("0")
        || (Verif_Numerique(t.repetition) && repetition == 0))
        refuse(QCoreApplication::translate("Acquisition", "Specifiez le temps entre 2 mesures"));
    if (!Verif_Numerique(t.repetition))
        refuse(QCoreApplication::translate("Acquisition", "La valeur de delai entre 2 mesures est incorrecte"));
    else if (repetition > kLongestRepetition)
        refuse(QCoreApplication::translate("Acquisition", "Valeur delai superieur a 86400 secondes"));

    if (t.passage.isEmpty())
        refuse(QCoreApplication::translate("Acquisition", "Specifiez le temps de passage minimum du satellite"));
    if (!Verif_Numerique(t.passage) || std::fabs(leadingNumber(t.passage)) > std::numeric_limits<float>::max())
        refuse(QCoreApplication::translate("Acquisition", "La valeur du passage minimum du satellite est incorrecte"));

    if (t.parcAzimut.isEmpty())
        refuse(QCoreApplication::translate("Acquisition", "Specifiez la valeur de parcage azimut"));
    if (leadingNumber(t.parcAzimut) > 360)
        refuse(QCoreApplication::translate("Acquisition", "Valeur azimut superieur a 360°"));
    if (!Verif_Numerique(t.parcAzimut))
        refuse(QCoreApplication::translate("Acquisition", "La valeur de parcage azimut est incorrecte"));

    if (t.parcSite.isEmpty())
        refuse(QCoreApplication::translate("Acquisition", "Specifiez la valeur de parcage site"));
    if (leadingNumber(t.parcSite) > 90)
        refuse(QCoreApplication::translate("Acquisition", "Valeur site superieur a 90°"));
    if (!Verif_Numerique(t.parcSite))
        refuse(QCoreApplication::translate("Acquisition", "La valeur de parcage site est incorrecte"));

    if (!accepted)
        return false;

    config_.Repetition = static_cast<float>(repetition);
    config_.Passage_Min = static_cast<float>(leadingNumber(t.passage));
    config_.Park_Azimut = static_cast<float>(leadingNumber(t.parcAzimut));
    config_.Park_Site = static_cast<float>(leadingNumber(t.parcSite));
    if (reinitialise_)
        reinitialise_();
    Sauve_Config(config_, store_);
    return true;
}

} // namespace orvanta
