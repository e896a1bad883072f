#pragma once

#include "data/frequency_addition.h"

#include <QWidget>

#include <array>

class QButtonGroup;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace orvanta {

class FrequencyFileReport;
class MessageBoxes;
class TrackingTimer;

// The add-frequency dialog: one new record for a satellite picked from the
// main window's list. It closes only through its Enregistrer button.
class AjoutFrequenceWindow : public QWidget {
    Q_OBJECT
public:
    AjoutFrequenceWindow(const QString &folder, TrackingTimer &timer, MessageBoxes &messages,
                    FrequencyFileReport &report, QWidget *parent = nullptr);

    // A satellite was picked from the main window's list. When it has no
    // record yet and one can be added, the dialog opens for it with the
    // tracking timer stopped.
    NewSatellite proposeFor(const QString &name);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void enregistrementClicked();

    FrequencyAddition addition_;
    TrackingTimer &timer_;
    MessageBoxes &messages_;
    QLineEdit *nom_;
    QLineEdit *frequence_;
    std::array<QRadioButton *, 4> kinds_;
    QButtonGroup *kindGroup_;
    QPushButton *enregistrement_;
};

} // namespace orvanta
