#include "rotor/calibration_window.h"

#include "platform/window_style.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>

namespace orvanta {

namespace {

QLabel *namedLabel(const QString &name, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    return label;
}

} // namespace

CalibrationWindow::CalibrationWindow(RotorCalibration &calibration, QWidget *parent)
    : QWidget(parent, Qt::Window), calibration_(calibration)
{
    setObjectName(QStringLiteral("Calibration"));
    setWindowTitle(tr("Calibration"));

    label3_ = namedLabel(QStringLiteral("Label3"), this);
    calStep_ = namedLabel(QStringLiteral("Cal_Step"), this);
    calMoteur_ = namedLabel(QStringLiteral("Cal_Moteur"), this);
    calFinal_ = namedLabel(QStringLiteral("Cal_Final"), this);
    calMesure_ = namedLabel(QStringLiteral("Cal_Mesure"), this);

    slider_ = new QSlider(Qt::Horizontal, this);
    slider_->setObjectName(QStringLiteral("CWSlide1"));
    slider_->setRange(0, RotorCalibration::kSliderTop);
    slider_->setSingleStep(1); // the arrow keys: one interface unit
    slider_->setPageStep(10);

    auto *valider = new QPushButton(tr("Valider"), this);
    valider->setObjectName(QStringLiteral("Cal_Valide"));

    auto *step = new QHBoxLayout;
    step->addWidget(new QLabel(tr("mesure N°"), this));
    step->addWidget(calStep_);
    step->addStretch();
    auto *axis = new QHBoxLayout;
    axis->addWidget(new QLabel(tr("A l'aide du curseur ci dessous amenez l'antenne"), this));
    axis->addWidget(calMoteur_);
    axis->addWidget(calFinal_);
    axis->addStretch();
    auto *measure = new QHBoxLayout;
    measure->addWidget(new QLabel(tr("Valeur mesurée :"), this));
    measure->addWidget(calMesure_);
    measure->addStretch();
    auto *validate = new QHBoxLayout;
    validate->addWidget(new QLabel(tr("Puis validez la mesure avec le bouton"), this));
    validate->addWidget(valider);
    validate->addWidget(new QLabel(tr("pour la mesure suivante"), this));
    validate->addStretch();

    auto *values = new QGroupBox(tr("Valeurs de calibration "), this);
    auto *grid = new QGridLayout(values);
    valAzim0_ = namedLabel(QStringLiteral("Val_Azim_0"), values);
    valAzim360_ = namedLabel(QStringLiteral("Val_Azim_360"), values);
    valSite0_ = namedLabel(QStringLiteral("Val_Site_0"), values);
    valSite90_ = namedLabel(QStringLiteral("Val_Site_90"), values);
    grid->addWidget(new QLabel(tr("Azimut 0° :"), values), 0, 0);
    grid->addWidget(valAzim0_, 0, 1);
    grid->addWidget(new QLabel(tr("Azimut 360° :"), values), 1, 0);
    grid->addWidget(valAzim360_, 1, 1);
    grid->addWidget(new QLabel(tr("Site 0° :"), values), 2, 0);
    grid->addWidget(valSite0_, 2, 1);
    grid->addWidget(new QLabel(tr("Site 90° :"), values), 3, 0);
    grid->addWidget(valSite90_, 3, 1);
    grid->addWidget(new QLabel(tr("Valeur relative ( pas en degrés)"), values), 4, 0, 1, 2);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(label3_);
    layout->addLayout(step);
    layout->addLayout(axis);
    layout->addWidget(slider_);
    layout->addWidget(new QLabel(tr("(Utilisez les fleches curseur haut et bas pour un reglage fin)"), this));
    layout->addLayout(measure);
    layout->addLayout(validate);
    layout->addWidget(values);

    connect(slider_, &QSlider::valueChanged, this, [this](int value) {
        calibration_.sliderMoved(value);
        refresh();
    });
    connect(valider, &QPushButton::clicked, this, &CalibrationWindow::validerClicked);
    calibration_.beforeQuestion = [this] { refresh(); };
    refresh();
}

void CalibrationWindow::ouvrir()
{
    calibration_.open();
    refresh();
    centreOnScreen(*this);
    show();
    raise();
    activateWindow();
}

void CalibrationWindow::refresh()
{
    {
        // The logic has already sent the positions it set itself.
        const QSignalBlocker quiet(slider_);
        slider_->setValue(calibration_.slider());
    }
    calStep_->setText(calibration_.Cal_Step());
    calMoteur_->setText(calibration_.Cal_Moteur());
    calFinal_->setText(calibration_.Cal_Final());
    calMesure_->setText(calibration_.Cal_Mesure());
    label3_->setText(calibration_.Label3());
    valAzim0_->setText(calibration_.Val_Azim_0());
    valAzim360_->setText(calibration_.Val_Azim_360());
    valSite0_->setText(calibration_.Val_Site_0());
    valSite90_->setText(calibration_.Val_Site_90());
}

void CalibrationWindow::validerClicked()
{
    if (calibration_.valider())
        close();
    else
        refresh();
}

void CalibrationWindow::closeEvent(QCloseEvent *event)
{
    calibration_.closed();
    event->accept();
}

} // namespace orvanta
