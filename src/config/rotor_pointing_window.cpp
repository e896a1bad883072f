#include "config/rotor_pointing_window.h"

#include "config/rotor_pointing_entry.h"
#include "platform/text_numbers.h"
#include "platform/window_style.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace orvanta {

RotorPointingWindow::RotorPointingWindow(Links links, QWidget *parent)
    : QWidget(parent, Qt::Window), links_(std::move(links))
{
    setObjectName(QStringLiteral("Pointage_Rotor"));
    setWindowTitle(QCoreApplication::translate("RotorPointing", "Pointage du rotor"));
    auto *frame = new QGroupBox(QCoreApplication::translate("RotorPointing", "Rotor"), this);
    auto *grid = new QGridLayout(frame);
    const QString perSecond = QCoreApplication::translate("RotorPointing", "Degrés / s");
    azimuthSpeed_ = addEntryRow(*grid, 0, QCoreApplication::translate("RotorPointing", "Vitesse en azimut"),
                                QStringLiteral("Vitesse_Azimut"), perSecond, frame, Qt::AlignCenter);
    elevationSpeed_ = addEntryRow(*grid, 1, QCoreApplication::translate("RotorPointing", "Vitesse en site"),
                                  QStringLiteral("Vitesse_Site"), perSecond, frame, Qt::AlignCenter);
    allowedError_ = addEntryRow(*grid, 2, QCoreApplication::translate("RotorPointing", "Écart de suivi"),
                                QStringLiteral("Ecart_Suivi"), QCoreApplication::translate("RotorPointing", "Degrés"),
                                frame, Qt::AlignCenter);
    parkAfter_ = addEntryRow(
        *grid, 3, QCoreApplication::translate("RotorPointing", "Parquer si le passage suivant est à plus de"),
        QStringLiteral("Parcage_Minutes"), QStringLiteral("Minutes"), frame, Qt::AlignCenter);

    measured_ = new QLabel(this);
    measured_->setObjectName(QStringLiteral("Vitesses_Mesurees"));
    takeMeasured_ =
        new QPushButton(QCoreApplication::translate("RotorPointing", "Prendre les vitesses mesurées"), this);
    takeMeasured_->setObjectName(QStringLiteral("Prendre_Mesure"));
    refusal_ = new QLabel(this);
    refusal_->setObjectName(QStringLiteral("Refus_Pointage"));
    refusal_->setWordWrap(true);
    refusal_->setStyleSheet(QStringLiteral("color: #b00000"));
    auto *save = new QPushButton(QCoreApplication::translate("RotorPointing", "Enregistrer"), this);
    save->setObjectName(QStringLiteral("Enregistrer_Pointage"));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addWidget(measured_);
    layout->addWidget(takeMeasured_, 0, Qt::AlignLeft);
    layout->addWidget(refusal_);
    layout->addWidget(save, 0, Qt::AlignRight);
    connect(takeMeasured_, &QPushButton::clicked, this, &RotorPointingWindow::takeMeasured);
    connect(save, &QPushButton::clicked, this, &RotorPointingWindow::save);
}

void RotorPointingWindow::ouvrir()
{
    const RotorPointingTexts texts = rotorPointingTexts(links_.settings(), links_.interfaceRotor());
    azimuthSpeed_->setText(texts.azimuthSpeed);
    elevationSpeed_->setText(texts.elevationSpeed);
    allowedError_->setText(texts.allowedError);
    parkAfter_->setText(texts.parkAfterMinutes);
    refusal_->clear();
    const std::optional<RotorSpeeds> measured = links_.measured();
    measured_->setText(
        measured ? QCoreApplication::translate("RotorPointing",
                                               "Mesurées pendant les passages : %1 °/s en azimut, %2 °/s en site")
                       .arg(formatFixed(measured->azimuthDegPerS, 1), formatFixed(measured->elevationDegPerS, 1))
                 : QCoreApplication::translate("RotorPointing",
                                               "Pas encore de mesure : le rotor doit dire où il est (GS-232 avec "
                                               "lecture de la position, ou Hamlib) pendant un passage."));
    takeMeasured_->setEnabled(measured.has_value());
    centreOnScreen(*this);
    show();
    raise();
    activateWindow();
}

void RotorPointingWindow::takeMeasured()
{
    if (const std::optional<RotorSpeeds> measured = links_.measured()) {
        azimuthSpeed_->setText(formatFixed(measured->azimuthDegPerS, 1));
        elevationSpeed_->setText(formatFixed(measured->elevationDegPerS, 1));
    }
}

void RotorPointingWindow::save()
{
    const RotorPointingEntry entry =
        readRotorPointing(links_.settings(), links_.interfaceRotor(),
                          {azimuthSpeed_->text(), elevationSpeed_->text(), allowedError_->text(), parkAfter_->text()});
    refusal_->setText(entry.refusal);
    if (!entry.refusal.isEmpty())
        return;
    links_.save(entry.settings);
    close();
}

} // namespace orvanta
