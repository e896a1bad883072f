#include "rotor/poursuite_man_window.h"

#include "platform/window_style.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace orvanta {

namespace {

QLineEdit *box(const QString &name, QWidget *parent)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setAlignment(Qt::AlignCenter);
    edit->setMaximumWidth(80);
    return edit;
}

QPushButton *button(const QString &name, const QString &caption, QWidget *parent)
{
    auto *push = new QPushButton(caption, parent);
    push->setObjectName(name);
    push->setMaximumWidth(30);
    return push;
}

} // namespace

PoursuiteManWindow::PoursuiteManWindow(ManualPointing &pointing, QWidget *parent)
    : QWidget(parent, Qt::Window), pointing_(pointing)
{
    setObjectName(QStringLiteral("Poursuite_Man"));
    setWindowTitle(tr("Poursuite Manuelle"));

    auto *antenne = new QGroupBox(tr("Position de l'Antenne"), this);
    azMan_ = box(QStringLiteral("Az_Man"), antenne);
    siMan_ = box(QStringLiteral("Si_Man"), antenne);
    auto *plusAzimut = button(QStringLiteral("Plus_Azimut"), QStringLiteral("+"), antenne);
    auto *moinsAzimut = button(QStringLiteral("Moins_Azimut"), QStringLiteral("-"), antenne);
    auto *plusSite = button(QStringLiteral("Plus_Site"), QStringLiteral("+"), antenne);
    auto *moinsSite = button(QStringLiteral("Moins_Site"), QStringLiteral("-"), antenne);
    auto *grid = new QGridLayout(antenne);
    grid->addWidget(new QLabel(tr("Azimut"), antenne), 0, 0);
    grid->addWidget(azMan_, 0, 1);
    grid->addWidget(new QLabel(tr("Degrés"), antenne), 0, 2);
    grid->addWidget(plusAzimut, 0, 3);
    grid->addWidget(moinsAzimut, 0, 4);
    grid->addWidget(new QLabel(tr("Site"), antenne), 1, 0);
    grid->addWidget(siMan_, 1, 1);
    grid->addWidget(new QLabel(tr("Degrés"), antenne), 1, 2);
    grid->addWidget(plusSite, 1, 3);
    grid->addWidget(moinsSite, 1, 4);

    auto *satellite = new QGroupBox(tr("Position du satellite ( Si visible )"), this);
    azimutMan_ = box(QStringLiteral("Azimut_Man"), satellite);
    siteMan_ = box(QStringLiteral("Site_Man"), satellite);
    azimutMan_->setReadOnly(true);
    siteMan_->setReadOnly(true);
    auto *satGrid = new QGridLayout(satellite);
    satGrid->addWidget(new QLabel(tr("Azimut"), satellite), 0, 0);
    satGrid->addWidget(azimutMan_, 0, 1);
    satGrid->addWidget(new QLabel(tr("Degrés"), satellite), 0, 2);
    satGrid->addWidget(new QLabel(tr("Site"), satellite), 1, 0);
    satGrid->addWidget(siteMan_, 1, 1);
    satGrid->addWidget(new QLabel(tr("Degrés"), satellite), 1, 2);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(antenne);
    layout->addWidget(satellite);

    // textEdited: the operator's typing only; the buttons' new texts come
    // from the logic, which has already pointed the rotor.
    connect(azMan_, &QLineEdit::textEdited, this, [this](const QString &text) {
        pointing_.azimutChanged(text);
        refresh();
    });
    connect(siMan_, &QLineEdit::textEdited, this, [this](const QString &text) {
        pointing_.siteChanged(text);
        refresh();
    });
    connect(plusAzimut, &QPushButton::clicked, this, &PoursuiteManWindow::plusAzimut);
    connect(moinsAzimut, &QPushButton::clicked, this, &PoursuiteManWindow::moinsAzimut);
    connect(plusSite, &QPushButton::clicked, this, &PoursuiteManWindow::plusSite);
    connect(moinsSite, &QPushButton::clicked, this, &PoursuiteManWindow::moinsSite);
    refresh();
}

void PoursuiteManWindow::plusAzimut()
{
    pointing_.plusAzimut();
    refresh();
}

void PoursuiteManWindow::moinsAzimut()
{
    pointing_.moinsAzimut();
    refresh();
}

void PoursuiteManWindow::plusSite()
{
    pointing_.plusSite();
    refresh();
}

void PoursuiteManWindow::moinsSite()
{
    pointing_.moinsSite();
    refresh();
}

void PoursuiteManWindow::refresh()
{
    // setText would move the cursor to the end while typing in the middle.
    if (azMan_->text() != pointing_.Az_Man())
        azMan_->setText(pointing_.Az_Man());
    if (siMan_->text() != pointing_.Si_Man())
        siMan_->setText(pointing_.Si_Man());
}

void PoursuiteManWindow::ouvrir()
{
    centreOnScreen(*this);
    show();
    raise();
    activateWindow();
    setPointageManuel(true);
}

void PoursuiteManWindow::setPosition(const QString &azimut, const QString &site)
{
    azimutMan_->setText(azimut);
    siteMan_->setText(site);
}

void PoursuiteManWindow::setPointageManuel(bool manual)
{
    if (pointageManuel_ == manual)
        return;
    pointageManuel_ = manual;
    emit pointageManuelChanged(manual);
}

void PoursuiteManWindow::closeEvent(QCloseEvent *event)
{
    setPointageManuel(false);
    event->accept();
}

void PoursuiteManWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape)
        close();
    else
        QWidget::keyPressEvent(event);
}

} // namespace orvanta
