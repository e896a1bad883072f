#include "app/main_window.h"

#include "app/station_clock.h"

#include <QAbstractButton>
#include <QAction>
#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QVBoxLayout>

namespace orvanta {

namespace {

QLineEdit *readOnlyBox(const QString &name, const QString &text, QWidget *parent)
{
    auto *box = new QLineEdit(text, parent);
    box->setObjectName(name);
    box->setReadOnly(true);
    box->setAlignment(Qt::AlignCenter);
    box->setMaximumWidth(90);
    return box;
}

} // namespace

MainWindow::MainWindow(QWidget *parent) : QMainWindow(parent), timer2_(new QTimer(this))
{
    setObjectName(QStringLiteral("Main"));
    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);

    auto *velmo = new QGroupBox(QStringLiteral("Velmo"), central);
    auto *velmoLayout = new QHBoxLayout(velmo);
    auto *titre = new QLabel(QStringLiteral("Poursuite satellites "), velmo);
    titre->setObjectName(QStringLiteral("Titre"));
    velmoLayout->addWidget(titre);
    layout->addWidget(velmo);

    auto *heure = new QGroupBox(QStringLiteral("Heure TU"), central);
    heure->setObjectName(QStringLiteral("Heure_TU"));
    auto *heureLayout = new QHBoxLayout(heure);
    heureLayout->addWidget(new QLabel(QStringLiteral("Date"), heure));
    heureLayout->addWidget(readOnlyBox(QStringLiteral("Date"), QStringLiteral("00/00/00"), heure));
    heureLayout->addWidget(new QLabel(QStringLiteral("Heure"), heure));
    heureLayout->addWidget(readOnlyBox(QStringLiteral("Time_UTC"), QStringLiteral("00:00:00"), heure));
    layout->addWidget(heure);

    setCentralWidget(central);
    timer2_->setObjectName(QStringLiteral("Timer2"));
    timer2_->setInterval(500);
}

void MainWindow::startClock(StationClock &clock)
{
    connect(timer2_, &QTimer::timeout, this, [&clock] { clock.Lire_Heure_UTC(); });
    timer2_->start();
}

void MainWindow::setControlText(const QString &control, const QString &text)
{
    if (auto *edit = findChild<QLineEdit *>(control))
        edit->setText(text);
    else if (auto *label = findChild<QLabel *>(control))
        label->setText(text);
}

void MainWindow::setOptionChecked(const QString &control, bool checked)
{
    if (auto *button = findChild<QAbstractButton *>(control))
        button->setChecked(checked);
}

void MainWindow::setMenuChecked(const QString &entry, bool checked)
{
    if (auto *action = findChild<QAction *>(entry))
        action->setChecked(checked);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    emit closing();
    event->accept();
}

} // namespace orvanta
