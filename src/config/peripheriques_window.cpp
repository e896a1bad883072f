#include "config/peripheriques_window.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace orvanta {

namespace {

QComboBox *deviceBox(const QString &name, QWidget *parent)
{
    auto *box = new QComboBox(parent);
    box->setObjectName(name);
    box->setEditable(true); // a device not present now (an adapter unplugged) can be typed
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setMinimumContentsLength(40);
    return box;
}

void fill(QComboBox &box, const QStringList &choices, const QString &current)
{
    box.clear();
    box.addItems(choices);
    box.setCurrentText(current);
}

} // namespace

PeripheriquesWindow::PeripheriquesWindow(DeviceSetup &setup, QWidget *parent) : QWidget(parent, Qt::Window), setup_(setup)
{
    setObjectName(QStringLiteral("Peripheriques"));
    setWindowTitle(tr("Peripheriques"));

    auto *frame = new QGroupBox(tr("Peripheriques de la station"), this);
    recepteur_ = deviceBox(QStringLiteral("Peripherique_Recepteur"), frame);
    rotor_ = deviceBox(QStringLiteral("Peripherique_Rotor"), frame);
    parallele_ = deviceBox(QStringLiteral("Peripherique_Parallele"), frame);
    auto *form = new QFormLayout(frame);
    form->addRow(tr("Ligne recepteur"), recepteur_);
    form->addRow(tr("Ligne rotor"), rotor_);
    form->addRow(tr("Port parallele"), parallele_);
    auto *note = new QLabel(tr("Le port parallele /dev/port ecrit directement a l'adresse du menu "
                               "Port LPT et demande les droits root."),
                            frame);
    note->setWordWrap(true);
    form->addRow(note);

    auto *valider = new QPushButton(tr("Valider"), this);
    valider->setObjectName(QStringLiteral("Valider"));
    auto *annuler = new QPushButton(tr("Annuler"), this);
    annuler->setObjectName(QStringLiteral("Annuler"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(valider);
    buttons->addWidget(annuler);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addLayout(buttons);

    connect(valider, &QPushButton::clicked, this, &PeripheriquesWindow::validerClicked);
    connect(annuler, &QPushButton::clicked, this, &QWidget::close);
}

void PeripheriquesWindow::ouvrir()
{
    const StationDevices devices = setup_.current();
    const QStringList serial = setup_.serialChoices();
    fill(*recepteur_, serial, devices.receiver);
    fill(*rotor_, serial, devices.rotor);
    fill(*parallele_, setup_.parallelChoices(), devices.parallel);
    show();
    raise();
    activateWindow();
}

void PeripheriquesWindow::validerClicked()
{
    if (setup_.apply({recepteur_->currentText(), rotor_->currentText(), parallele_->currentText()}))
        close();
}

} // namespace orvanta
