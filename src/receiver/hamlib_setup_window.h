#pragma once

#include "receiver/hamlib_setup.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace orvanta {

// The Hamlib set-up dialog of the radio or of the rotator. Controls carry
// object names ("Filtre", "Modeles", "Peripherique", "Vitesse", "Tester",
// "Resultat") for the tests; OK is refused while the settings are incomplete.
class HamlibSetupWindow final : public QDialog {
    Q_OBJECT
public:
    HamlibSetupWindow(HamlibSetup &setup, QWidget *parent = nullptr);

    void accept() override;

private:
    void fillModels();
    void showChoice();

    HamlibSetup &setup_;
    QLineEdit *filter_;
    QListWidget *models_;
    QLineEdit *port_;
    QComboBox *speed_;
    QPushButton *test_;
    QLabel *result_;
};

} // namespace orvanta
