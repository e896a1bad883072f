#include "receiver/hamlib_setup_window.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace orvanta {

namespace {

constexpr int kSpeeds[] = {1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200};

template <class Widget>
Widget *named(Widget *widget, const char *name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

} // namespace

HamlibSetupWindow::HamlibSetupWindow(HamlibSetup &setup, QWidget *parent)
    : QDialog(parent)
    , setup_(setup)
    , filter_(named(new QLineEdit, "Filtre"))
    , models_(named(new QListWidget, "Modeles"))
    , port_(named(new QLineEdit, "Peripherique"))
    , speed_(named(new QComboBox, "Vitesse"))
    , test_(named(new QPushButton(tr("Tester")), "Tester"))
    , result_(named(new QLabel, "Resultat"))
{
    setWindowTitle(setup.kind() == HamlibKind::Receiver ? tr("Hamlib - Recepteur")
                   : setup.kind() == HamlibKind::Rotor  ? tr("Hamlib - Rotor")
                                                        : tr("Hamlib - Radio de montee"));
    filter_->setPlaceholderText(tr("marque ou modele"));
    port_->setPlaceholderText(tr("/dev/ttyUSB0 ou hote:port"));
    speed_->addItem(tr("Celle du modele"), 0);
    for (int speed : kSpeeds)
        speed_->addItem(tr("%1 Bauds").arg(speed), speed);
    result_->setWordWrap(true);

    auto *form = new QFormLayout;
    form->addRow(tr("Filtre"), filter_);
    form->addRow(tr("Modele"), models_);
    form->addRow(tr("Peripherique"), port_);
    form->addRow(tr("Vitesse"), speed_);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Annuler"));
    buttons->addButton(test_, QDialogButtonBox::ActionRole);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(result_);
    layout->addWidget(buttons);

    port_->setText(setup.port());
    speed_->setCurrentIndex(std::max(0, speed_->findData(setup.speed())));
    fillModels();
    showChoice();

    connect(filter_, &QLineEdit::textChanged, this, [this](const QString &text) {
        setup_.setFilter(text);
        fillModels();
    });
    connect(models_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row < 0 || row >= static_cast<int>(setup_.shown().size()))
            return;
        setup_.choose(setup_.shown()[static_cast<size_t>(row)].id);
        port_->setText(setup_.port());
        showChoice();
    });
    connect(port_, &QLineEdit::textChanged, this, [this](const QString &text) { setup_.setPort(text); });
    connect(speed_, &QComboBox::currentIndexChanged, this,
            [this](int index) { setup_.setSpeed(speed_->itemData(index).toInt()); });
    connect(test_, &QPushButton::clicked, this, [this] {
        setup_.startTest();
        if (setup_.testing()) {
            test_->setEnabled(false);
            result_->setText(tr("Essai en cours..."));
        }
    });
    connect(&setup_, &HamlibSetup::tested, this, [this](const QString &text) {
        test_->setEnabled(true);
        result_->setText(text);
    });
    connect(buttons, &QDialogButtonBox::accepted, this, &HamlibSetupWindow::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void HamlibSetupWindow::accept()
{
    if (const QString why = setup_.problem(); !why.isEmpty()) {
        result_->setText(why);
        return;
    }
    QDialog::accept();
}

void HamlibSetupWindow::fillModels()
{
    const QSignalBlocker quiet(models_);
    models_->clear();
    for (const HamlibModel &model : setup_.shown()) {
        models_->addItem(QStringLiteral("%1  (%2)").arg(model.text()).arg(model.id));
        if (setup_.chosen() && model.id == setup_.chosen()->id)
            models_->setCurrentRow(models_->count() - 1);
    }
}

void HamlibSetupWindow::showChoice()
{
    port_->setEnabled(setup_.takesPort());
    speed_->setEnabled(setup_.takesSpeed());
}

} // namespace orvanta
