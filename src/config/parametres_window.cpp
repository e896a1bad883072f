#include "config/parametres_window.h"

#include "platform/window_style.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace orvanta {

ParametresWindow::ParametresWindow(AcquisitionSettings &settings, QWidget *parent)
    : QWidget(parent, Qt::Window), settings_(settings)
{
    setObjectName(QStringLiteral("Parametres"));
    setWindowTitle(tr("Parametres d'acquisition"));

    auto *frame = new QGroupBox(tr("Parametres"), this);
    auto *grid = new QGridLayout(frame);
    const QString secondes = tr("Secondes");
    const QString degres = tr("Degrés");
    repetition_ = addEntryRow(*grid, 0, tr("Delai entre deux mesures"), QStringLiteral("Repetition_mesure"), secondes,
                              frame, Qt::AlignCenter);
    passage_ = addEntryRow(*grid, 1, tr("Temps de passage Mini"), QStringLiteral("Passage_Minimum"), secondes, frame,
                           Qt::AlignCenter);
    parcAzimut_ =
        addEntryRow(*grid, 2, tr("Parcage azimut"), QStringLiteral("Parcazimut"), degres, frame, Qt::AlignCenter);
    parcSite_ = addEntryRow(*grid, 3, tr("Parcage site"), QStringLiteral("Parcsite"), degres, frame, Qt::AlignCenter);

    oui_ = new QRadioButton(tr("oui"), frame);
    oui_->setObjectName(QStringLiteral("Aziseuloui"));
    non_ = new QRadioButton(tr("non"), frame);
    non_->setObjectName(QStringLiteral("Aziseulnon"));
    auto *group = new QButtonGroup(frame);
    group->addButton(oui_);
    group->addButton(non_);
    auto *options = new QHBoxLayout;
    options->addWidget(oui_);
    options->addWidget(non_);
    grid->addWidget(new QLabel(tr("Azimut seulement"), frame), 4, 0);
    grid->addLayout(options, 4, 1, 1, 2);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(frame);

    // clicked: the operator's choice only, not the filling by the menu.
    connect(oui_, &QRadioButton::clicked, this, [this] { settings_.setAzimutSeul(true); });
    connect(non_, &QRadioButton::clicked, this, [this] { settings_.setAzimutSeul(false); });
}

void ParametresWindow::ouvrir()
{
    const AcquisitionTexts texts = settings_.texts();
    repetition_->setText(texts.repetition);
    passage_->setText(texts.passage);
    parcAzimut_->setText(texts.parcAzimut);
    parcSite_->setText(texts.parcSite);
    (settings_.azimutSeul() ? oui_ : non_)->setChecked(true);
    centreOnScreen(*this);
    show();
    raise();
    activateWindow();
}

void ParametresWindow::closeEvent(QCloseEvent *event)
{
    const bool accepted =
        settings_.close({repetition_->text(), passage_->text(), parcAzimut_->text(), parcSite_->text()});
    centreOnScreen(*this);
    event->setAccepted(accepted);
}

void ParametresWindow::keyPressEvent(QKeyEvent *event)
{
    if (!closeOnEscapeOrReturn(*this, *event))
        QWidget::keyPressEvent(event);
}

} // namespace orvanta
