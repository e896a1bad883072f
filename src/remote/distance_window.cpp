#include "remote/distance_window.h"

#include "remote/remote_setup.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace orvanta {

DistanceWindow::DistanceWindow(RemoteSetup &setup, QWidget *parent)
    : QWidget(parent, Qt::Dialog), setup_(setup)
{
    setObjectName(QStringLiteral("Station_Distance"));
    setWindowTitle(tr("Station a distance"));
    enabled_ = new QCheckBox(tr("Serveur actif"));
    enabled_->setObjectName(QStringLiteral("Distance_Actif"));
    address_ = box("Distance_Adresse");
    port_ = box("Distance_Port");
    certificate_ = box("Distance_Certificat");
    key_ = box("Distance_Cle");
    idleHours_ = box("Distance_Inactivite");
    operator_ = box("Distance_Mot_Operateur");
    operatorAgain_ = box("Distance_Mot_Operateur_Bis");
    viewer_ = box("Distance_Mot_Observateur");
    viewerAgain_ = box("Distance_Mot_Observateur_Bis");
    for (QLineEdit *password : {operator_, operatorAgain_, viewer_, viewerAgain_}) {
        password->setEchoMode(QLineEdit::Password);
        password->setPlaceholderText(tr("inchangé"));
    }
    problem_ = new QLabel;
    problem_->setObjectName(QStringLiteral("Distance_Probleme"));
    problem_->setWordWrap(true);

    const auto withButton = [this](QLineEdit *edit, const char *name, const QString &title) {
        auto *row = new QHBoxLayout;
        auto *button = new QPushButton(QStringLiteral("..."));
        button->setObjectName(QLatin1String(name));
        connect(button, &QPushButton::clicked, this, [this, edit, title] { choose(edit, title); });
        row->addWidget(edit);
        row->addWidget(button);
        return row;
    };
    auto *form = new QFormLayout;
    form->addRow(enabled_);
    form->addRow(tr("Adresse"), address_);
    form->addRow(QStringLiteral("Port"), port_);
    form->addRow(tr("Certificat (PEM)"), withButton(certificate_, "Distance_Choix_Certificat", tr("Certificat")));
    form->addRow(tr("Cle (PEM)"), withButton(key_, "Distance_Choix_Cle", tr("Cle privee")));
    form->addRow(tr("Inactivite (heures)"), idleHours_);
    form->addRow(tr("Mot de passe operateur"), operator_);
    form->addRow(tr("Confirmation"), operatorAgain_);
    form->addRow(tr("Mot de passe observateur"), viewer_);
    form->addRow(tr("Confirmation"), viewerAgain_);

    auto *save = new QPushButton(tr("Enregistrer"));
    save->setObjectName(QStringLiteral("Distance_Enregistrer"));
    connect(save, &QPushButton::clicked, this, [this] {
        if (enregistrer())
            close();
    });
    auto *cancel = new QPushButton(tr("Annuler"));
    cancel->setObjectName(QStringLiteral("Distance_Annuler"));
    connect(cancel, &QPushButton::clicked, this, &QWidget::close);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(save);
    buttons->addWidget(cancel);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(problem_);
    layout->addLayout(buttons);
}

QLineEdit *DistanceWindow::box(const char *name, const QString &text)
{
    auto *edit = new QLineEdit(text);
    edit->setObjectName(QLatin1String(name));
    return edit;
}

void DistanceWindow::choose(QLineEdit *edit, const QString &title)
{
    const QString file =
        QFileDialog::getOpenFileName(this, title, edit->text(), tr("PEM (*.pem *.crt *.key);;Tous (*)"));
    if (!file.isEmpty())
        edit->setText(file);
}

void DistanceWindow::ouvrir()
{
    setup_.load();
    const RemoteSettings &settings = setup_.settings();
    enabled_->setChecked(settings.enabled);
    address_->setText(settings.address);
    port_->setText(QString::number(settings.port));
    certificate_->setText(settings.certificateFile);
    key_->setText(settings.keyFile);
    idleHours_->setText(QString::number(settings.idleHours));
    for (QLineEdit *password : {operator_, operatorAgain_, viewer_, viewerAgain_})
        password->clear();
    problem_->clear();
    show();
    raise();
}

bool DistanceWindow::enregistrer()
{
    // Passwords first: the server may need one to start.
    const std::pair<RemoteRole, std::pair<QLineEdit *, QLineEdit *>> passwords[] = {
        {RemoteRole::Operator, {operator_, operatorAgain_}}, {RemoteRole::Viewer, {viewer_, viewerAgain_}}};
    for (const auto &[role, boxes] : passwords) {
        if (boxes.first->text().isEmpty() && boxes.second->text().isEmpty())
            continue;
        if (const QString error = setup_.setPassword(role, boxes.first->text(), boxes.second->text()); !error.isEmpty()) {
            problem_->setText(error);
            return false;
        }
        boxes.first->clear();
        boxes.second->clear();
    }
    const QString error = setup_.apply(enabled_->isChecked(), address_->text(), port_->text(), certificate_->text(),
                                       key_->text(), idleHours_->text());
    problem_->setText(error);
    return error.isEmpty();
}

} // namespace orvanta
