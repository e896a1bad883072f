#include "rotor/rotor_calibration.h"

#include "config/config_station.h"
#include "config/configuration.h"
#include "platform/message_boxes.h"
#include "platform/text_numbers.h"
#include "platform/tracking_timer.h"
#include "rotor/fodtrack.h"

#include <QCoreApplication>

namespace orvanta {

namespace {

// The axis being measured, in the language in force.
QString atAzimuth()
{
    return QCoreApplication::translate("RotorCalibration", "a l'azimut");
}

QString atElevation()
{
    return QCoreApplication::translate("RotorCalibration", "au site");
}
// A measure of 0 is kept as 0.01, never as 0.
constexpr float kZeroMeasure = 0.01f;

} // namespace

RotorCalibration::RotorCalibration(ConfigStation &config, Fodtrack &fodtrack, TrackingTimer &timer,
                                   SettingsStore &store, MessageBoxes &messages)
    : config_(config)
    , fodtrack_(fodtrack)
    , timer_(timer)
    , store_(store)
    , messages_(messages)
    , calMoteur_(atAzimuth())
    , calFinal_(QStringLiteral("0°"))
    , calMesure_(QStringLiteral("0"))
{
}

bool RotorCalibration::azimuthOnly() const
{
    return config_.Azimut_Seul == 1;
}

std::array<float *, 4> RotorCalibration::values() const
{
    return {&config_.Cal_Azimut_0, &config_.Cal_Azimut_360, &config_.Cal_Site_0, &config_.Cal_Site_90};
}

void RotorCalibration::open()
{
    if (!open_) {
        timer_.stop();
        for (std::size_t i = 0; i < before_.size(); ++i)
            before_[i] = *values()[i];
    }
    open_ = true;
    etape_ = 1;
    calStep_ = QStringLiteral("1");
    calMoteur_ = atAzimuth();
    calFinal_ = QStringLiteral("0°");
    calMesure_ = QStringLiteral("0");
    slider_ = 0;
    label3_ = azimuthOnly() ? QCoreApplication::translate(
                  "RotorCalibration", "       Pour cette calibration 2 mesures sont necessaires (azimut 0°et 360°)")
                            : QCoreApplication::translate(
                                "RotorCalibration",
                                "Pour cette calibration 4 mesures sont necessaires (azimut 0°et 360° site 0°et "
                                "90°)");
    fodtrack_.Valeur_Brute = true;
}

void RotorCalibration::closed()
{
    if (!open_)
        return;
    open_ = false;
    fodtrack_.Valeur_Brute = false;
    timer_.start();
}

void RotorCalibration::sliderMoved(int value)
{
    slider_ = value;
    calMesure_ = QString::number(value) + QLatin1Char('.');
    fodtrack_.Valeur_Brute = true;
    if (calMoteur_ == atAzimuth())
        fodtrack_.Fodtrack_Azimut(calMesure_, fodtrack_.Valeur_Brute);
    else
        fodtrack_.Fodtrack_Site(calMesure_, fodtrack_.Valeur_Brute);
}

bool RotorCalibration::valider()
{
    if (leadingNumber(calMesure_) == 0)
        calMesure_ = QStringLiteral("0.01");
    const float measure = static_cast<float>(leadingNumber(calMesure_));
    const QString nextStep = QString::number(etape_ + 1);
    switch (etape_) {
    case 1:
        config_.Cal_Azimut_0 = measure;
        calMesure_.clear();
        calMoteur_ = atAzimuth();
        calFinal_ = QStringLiteral("360°");
        calStep_ = nextStep;
        sliderMoved(kSliderTop);
        break;
    case 2:
        config_.Cal_Azimut_360 = measure;
        calMesure_.clear();
        calMoteur_ = atElevation();
        calFinal_ = QStringLiteral("0°");
        calStep_ = nextStep;
        if (azimuthOnly())
            etape_ = 4; // no elevation axis to bring to 0
        else
            sliderMoved(0);
        break;
    case 3:
        config_.Cal_Site_0 = measure;
        calMesure_.clear();
        calMoteur_ = atElevation();
        calFinal_ = QStringLiteral("90°");
        calStep_ = nextStep;
        sliderMoved(kSliderTop);
        break;
    default:
        config_.Cal_Site_90 = measure;
        break;
    }
    ++etape_;
    if (etape_ < 5)
        return false;

    if (beforeQuestion)
        beforeQuestion();
    if (messages_.question(
            QCoreApplication::translate("RotorCalibration", "Voulez vous sauvegarder les valeurs de calibration ?"),
            QStringLiteral("Calibration"))) {
        fodtrack_.recomputeScaleFactors();
        Sauve_Config(config_, store_);
    } else {
        // Otherwise the next save of the configuration would keep them anyway.
        for (std::size_t i = 0; i < before_.size(); ++i)
            *values()[i] = before_[i];
    }
    return true;
}

QString RotorCalibration::Val_Azim_0() const
{
    return shortestText(config_.Cal_Azimut_0);
}

QString RotorCalibration::Val_Azim_360() const
{
    return shortestText(config_.Cal_Azimut_360);
}

QString RotorCalibration::Val_Site_0() const
{
    return shortestText(config_.Cal_Site_0);
}

QString RotorCalibration::Val_Site_90() const
{
    return shortestText(config_.Cal_Site_90);
}

} // namespace orvanta
