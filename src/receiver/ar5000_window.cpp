#include "receiver/ar5000_window.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGuiApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QVBoxLayout>

namespace orvanta {

AR5000Window::AR5000Window(Ar5000Panel &panel, MessageBoxes &messages, QWidget *parent)
    : QWidget(parent, Qt::Window), panel_(panel), messages_(messages)
{
    setObjectName(QStringLiteral("AR5000"));
    setWindowTitle(tr("AR5000 Controle"));

    auto *heading = new QGroupBox(QStringLiteral("AR 5000"));
    auto *headingLayout = new QVBoxLayout(heading);
    auto *title = new QLabel(tr("AR 5000 Panneau de controle"));
    title->setAlignment(Qt::AlignCenter);
    headingLayout->addWidget(title);

    auto *groups = new QGridLayout;
    constexpr int kColumns = 4;
    int index = 0;
    for (const Ar5000Group &group : ar5000Groups()) {
        groups->addWidget(buildGroup(group), index / kColumns, index % kColumns, Qt::AlignTop);
        ++index;
    }

    auto *quit = new QPushButton(tr("Quitter"));
    quit->setObjectName(QStringLiteral("Retour"));
    connect(quit, &QPushButton::clicked, this, &QWidget::hide);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addLayout(groups);
    layout->addWidget(quit, 0, Qt::AlignRight);

    connect(&panel_, &Ar5000Panel::optionSelected, this, &AR5000Window::showSelection);

    adjustSize();
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

QWidget *AR5000Window::buildGroup(const Ar5000Group &group)
{
    auto *box = new QGroupBox(QCoreApplication::translate("AR5000", group.caption.toUtf8().constData()));
    box->setObjectName(group.name);
    auto *layout = new QVBoxLayout(box);
    auto *buttons = new QButtonGroup(box);
    for (int i = 1; i <= static_cast<int>(group.options.size()); ++i) {
        auto *radio = new QRadioButton(group.options[i - 1].caption);
        radio->setObjectName(QStringLiteral("%1_%2").arg(group.name).arg(i));
        radio->setChecked(panel_.selectedOption(group.name) == i);
        buttons->addButton(radio, i);
        layout->addWidget(radio);
    }
    // Checking the radio that the panel already holds selected does nothing
    // there, so mirroring a selection made from code sends nothing twice.
    connect(buttons, &QButtonGroup::idToggled, this, [this, name = group.name](int id, bool checked) {
        if (checked)
            panel_.selectOption(name, id);
    });
    buttons_.insert(group.name, buttons);
    return box;
}

void AR5000Window::showSelection(const QString &group, int option)
{
    if (QButtonGroup *buttons = buttons_.value(group))
        if (QAbstractButton *radio = buttons->button(option))
            radio->setChecked(true);
}

void AR5000Window::closeEvent(QCloseEvent *event)
{
    event->ignore();
    messages_.information(tr("Utilisez le bouton quitter"));
}

} // namespace orvanta
