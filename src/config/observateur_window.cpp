#include "config/observateur_window.h"

#include "platform/window_style.h"

#include <QCoreApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace orvanta {

ObservateurWindow::ObservateurWindow(ObserverSettings &settings, QWidget *parent)
    : QWidget(parent, Qt::Window), settings_(settings)
{
    setObjectName(QStringLiteral("Observateur"));
    setWindowTitle(tr("Observateur"));

    auto *frame = new QGroupBox(tr("Coordonnees  de la station"), this);
    auto *grid = new QGridLayout(frame);
    const QString degres = tr("Degres");
    longitude_ =
        addEntryRow(*grid, 0, tr("Longitude"), QStringLiteral("Long_Observateur"), degres, frame, Qt::AlignRight);
    latitude_ = addEntryRow(*grid, 1, tr("Latitude"), QStringLiteral("Lat_Observateur"), degres, frame, Qt::AlignRight);
    altitude_ =
        addEntryRow(*grid, 2, tr("Altitude"), QStringLiteral("Alt_Observateur"), tr("Metres"), frame, Qt::AlignRight);
    elevation_ =
        addEntryRow(*grid, 3, tr("Min Elevation"), QStringLiteral("Elev_Observateur"), degres, frame, Qt::AlignRight);
    longitude_->setToolTip(tr("Degres est ; ouest negatif"));
    latitude_->setToolTip(tr("Degres nord ; sud negatif"));
    locator_ = addEntryRow(*grid, 4, tr("Locator"), QStringLiteral("Locator_Observateur"), tr("Maidenhead"), frame,
                           Qt::AlignRight);
    locator_->setToolTip(tr("Un locator tape (JN18eu) remplace la longitude et la latitude"));
    // The locator follows the position typed, and a locator typed gives the position.
    const auto positionEdited = [this] { locator_->setText(ObserverSettings::locatorOf(boxes())); };
    connect(longitude_, &QLineEdit::textEdited, this, positionEdited);
    connect(latitude_, &QLineEdit::textEdited, this, positionEdited);
    connect(locator_, &QLineEdit::textEdited, this, [this] {
        ObserverTexts texts = boxes();
        if (ObserverSettings::applyLocator(texts)) {
            longitude_->setText(texts.longitude);
            latitude_->setText(texts.latitude);
        }
    });

    auto *horizon = new QPushButton(QStringLiteral("Horizon..."), this);
    horizon->setObjectName(QStringLiteral("Bouton_Horizon"));
    horizon->setToolTip(QCoreApplication::translate(
        "orvanta::ObservateurWindow", "Arbres et bâtiments : le site minimum pour chaque azimut (Horizon.cfg)"));
    connect(horizon, &QPushButton::clicked, this, &ObservateurWindow::horizonRequested);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addWidget(horizon, 0, Qt::AlignRight);
}

void ObservateurWindow::ouvrir()
{
    const ObserverTexts texts = settings_.texts();
    longitude_->setText(texts.longitude);
    latitude_->setText(texts.latitude);
    altitude_->setText(texts.altitude);
    elevation_->setText(texts.elevation);
    locator_->setText(texts.locator);
    centreOnScreen(*this);
    show();
    raise();
    activateWindow();
}

void ObservateurWindow::closeEvent(QCloseEvent *event)
{
    ObserverTexts texts = boxes();
    const bool accepted = settings_.close(texts);
    elevation_->setText(texts.elevation); // "0" shows as "0.1"
    centreOnScreen(*this);
    event->setAccepted(accepted);
}

void ObservateurWindow::keyPressEvent(QKeyEvent *event)
{
    if (!closeOnEscapeOrReturn(*this, *event))
        QWidget::keyPressEvent(event);
}

ObserverTexts ObservateurWindow::boxes() const
{
    return {longitude_->text(), latitude_->text(), altitude_->text(), elevation_->text(), locator_->text()};
}

} // namespace orvanta
